#pragma once
// The pixels a pen puts down along a polyline: one-pixel lines that leave out
// their last point (with the cosmetic dash patterns, gaps in the background
// colour when opaque), and wide lines as filled outlines with the pen's caps,
// joins and dashes scaled by its width.

#include "platform/gdi/detail/ScanConvert.h"

#include <vector>

namespace platform {

struct PenShape {
    bool visible = false;
    bool thin = true;          // one pixel wide
    double width = 1;          // device pixels
    int endCap = 0;            // PS_ENDCAP_*
    int join = 0;              // PS_JOIN_*
    bool insideFrame = false;
    std::vector<double> dashes;  // on, off, on... in pixels; empty = solid
    Paint ink;
    Paint gap;                 // painted into dash gaps (cosmetic, opaque)
};

PenShape PenShapeOf(const Raster& raster);

struct StrokePixels {
    std::vector<Span> ink;
    std::vector<Span> gaps;
};

// Vertices are surface pixel positions; `closed` joins the last to the first.
// Only pixels within `bounds` (the clip's box) are produced.
StrokePixels StrokePolyline(const PenShape& pen, const std::vector<POINT>& points, bool closed, const RECT& bounds);

// The same for a polyline in continuous coordinates (arcs, flattened curves).
StrokePixels StrokePolylineF(const PenShape& pen, const std::vector<PointF>& points, bool closed, const RECT& bounds);

// The fast road for the commonest stroke: a solid one-pixel pen under a
// rectangular clip on a 32-bit surface, its pixels (the same as
// StrokePolyline's) written straight into the rows. False, painting nothing,
// when the stroke is not such a one.
bool PaintSolidThinPolyline(Raster& raster, const PenShape& pen, const std::vector<POINT>& points, bool closed);

// Paints ink then gaps through the raster.
void PaintStroke(Raster& raster, const PenShape& pen, const StrokePixels& pixels);

}  // namespace platform
