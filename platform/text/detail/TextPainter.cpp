#include "platform/text/detail/TextPainter.h"

#include <algorithm>

namespace platform {
namespace {

// Mixes one channel of the colour over the pixel by coverage (0..255).
std::uint32_t Mix(std::uint32_t under, std::uint32_t over, std::uint32_t coverage) {
    return (under * (255 - coverage) + over * coverage + 127) / 255;
}

// As with every other drawing call, a pixel text writes loses its alpha.
Pixel BlendPixel(Pixel under, Pixel color, std::uint32_t coverage) {
    if (coverage >= 255) return color & 0x00FFFFFFu;
    std::uint32_t r = Mix((under >> 16) & 0xFF, (color >> 16) & 0xFF, coverage);
    std::uint32_t g = Mix((under >> 8) & 0xFF, (color >> 8) & 0xFF, coverage);
    std::uint32_t b = Mix(under & 0xFF, color & 0xFF, coverage);
    return (r << 16) | (g << 8) | b;
}

}  // namespace

TextPainter::TextPainter(DeviceContext& dc) : surface_(dc.Surface().get()), clip_(dc.SurfaceClip()) {
    rects_ = clip_.Rects();
}

void TextPainter::Restrict(const RECT& surfaceRect) {
    clip_.IntersectRect(NormalizedRect(surfaceRect));
    rects_ = clip_.Rects();
}

void TextPainter::FillRect(const RECT& surfaceRect, COLORREF color) {
    if (!surface_) return;
    Pixel pixel = PixelFromColor(color);
    RECT area = NormalizedRect(surfaceRect);
    for (const RECT& clip : rects_) {
        LONG left = std::max(area.left, clip.left), right = std::min(area.right, clip.right);
        LONG top = std::max(area.top, clip.top), bottom = std::min(area.bottom, clip.bottom);
        for (LONG y = top; y < bottom; ++y) {
            for (LONG x = left; x < right; ++x) {
                if (surface_->BitCount() == 32) {
                    surface_->Row32(y)[x] = BlendPixel(surface_->Row32(y)[x], pixel, 255);
                } else {
                    surface_->Set(x, y, pixel);
                }
            }
        }
    }
}

void TextPainter::FillPolygon(const std::vector<PointF>& polygon, COLORREF color) {
    Blend(RasterisePolygons({polygon}, false), 0, 0, color);
}

void TextPainter::Blend(const CoverageMask& mask, int x, int y, COLORREF color) {
    if (!surface_ || mask.Empty()) return;
    Pixel pixel = PixelFromColor(color);
    LONG maskLeft = x + mask.left, maskTop = y + mask.top;
    for (const RECT& clip : rects_) {
        LONG left = std::max(maskLeft, clip.left), right = std::min<LONG>(maskLeft + mask.width, clip.right);
        LONG top = std::max(maskTop, clip.top), bottom = std::min<LONG>(maskTop + mask.height, clip.bottom);
        for (LONG sy = top; sy < bottom; ++sy) {
            for (LONG sx = left; sx < right; ++sx) {
                std::uint32_t coverage = mask.At(sx - maskLeft, sy - maskTop);
                if (coverage == 0) continue;
                if (surface_->BitCount() == 32) {
                    Pixel& target = surface_->Row32(sy)[sx];
                    target = BlendPixel(target, pixel, coverage);
                } else {
                    surface_->Set(sx, sy, BlendPixel(surface_->Get(sx, sy), pixel, coverage));
                }
            }
        }
    }
}

}  // namespace platform
