#pragma once
// Puts text into a device context's pixels: glyph coverage blended in the
// text colour, background cells and lines filled, all inside the context's
// clip (and any narrower rectangle the caller adds). Surface coordinates.

#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/text/detail/CoverageMask.h"

#include <vector>

namespace platform {

class TextPainter {
public:
    explicit TextPainter(DeviceContext& dc);

    // Draws only inside rect as well (ExtTextOut's ETO_CLIPPED, DrawText).
    void Restrict(const RECT& surfaceRect);

    void FillRect(const RECT& surfaceRect, COLORREF color);
    // Hard-edged: a pixel whose centre is inside is filled.
    void FillPolygon(const std::vector<PointF>& polygon, COLORREF color);
    // The mask's own position is taken relative to (x, y).
    void Blend(const CoverageMask& mask, int x, int y, COLORREF color);

private:
    BitmapSurface* surface_ = nullptr;
    Region clip_;
    std::vector<RECT> rects_;
};

}  // namespace platform
