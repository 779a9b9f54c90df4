#pragma once
// Turning outlines into rows of pixels: a pixel belongs to a shape when its
// centre (x + 0.5, y + 0.5) lies inside, left and top edges included, right
// and bottom edges excluded.

#include "platform/gdi/detail/Raster.h"

#include <vector>

namespace platform {

struct PointF {
    double x = 0;
    double y = 0;
};

// Only rows [top, bottom) are produced: callers pass the clip's rows (plus
// one either side where outlines are split), so huge shapes cost no more
// than the surface they touch.
struct RowRange {
    LONG top;
    LONG bottom;
};

// Polygons with vertices in continuous coordinates, filled by the alternate
// (even-odd) or winding (non-zero) rule over all of them together.
std::vector<Span> PolygonSpans(const std::vector<std::vector<PointF>>& polygons, int fillMode, RowRange rows);

struct BoxF {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A box [left, right) x [top, bottom) with corners rounded by ellipse
// quarters of radii rx, ry (half the box for an ellipse); one span a row.
std::vector<Span> RoundedBoxSpans(const BoxF& box, double rx, double ry, RowRange rows);

// The pixels of a one-span-a-row shape that touch its outside (a one-pixel
// outline), and the rest (its interior).
void SplitOutline(const std::vector<Span>& shape, std::vector<Span>& outline, std::vector<Span>& interior);

// A disc of the given diameter centred on a point.
std::vector<Span> DiscSpans(PointF centre, double diameter, RowRange rows);

// Points of an ellipse's outline from angle a0 going by sweep (radians,
// counter-clockwise positive with y pointing down on screen), inclusive.
std::vector<PointF> EllipseArcPoints(PointF centre, double rx, double ry, double a0, double sweep);

}  // namespace platform
