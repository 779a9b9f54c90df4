#include "platform/gdi/detail/BlitEngine.h"

#include <algorithm>

namespace platform {
namespace {

Pixel Average(const BlitSource& source, LONG x0, LONG x1, LONG y0, LONG y1, bool& any) {
    unsigned long long sum[4] = {0, 0, 0, 0};
    unsigned long long count = 0;
    for (LONG y = y0; y < y1; ++y)
        for (LONG x = x0; x < x1; ++x)
            if (auto p = source.At(x, y)) {
                for (int c = 0; c < 4; ++c) sum[c] += (*p >> (8 * c)) & 0xFF;
                ++count;
            }
    any = count > 0;
    if (!count) return 0;
    Pixel result = 0;
    for (int c = 0; c < 4; ++c) result |= static_cast<Pixel>((sum[c] + count / 2) / count) << (8 * c);
    return result;
}

// AND (black wins) or OR (white wins) of the pixels a shrink drops.
Pixel Combine(const BlitSource& source, LONG x0, LONG x1, LONG y0, LONG y1, bool useAnd, bool& any) {
    Pixel result = useAnd ? 0xFFFFFFFF : 0;
    any = false;
    for (LONG y = y0; y < y1; ++y)
        for (LONG x = x0; x < x1; ++x)
            if (auto p = source.At(x, y)) {
                result = useAnd ? (result & *p) : (result | *p);
                any = true;
            }
    return result;
}

}  // namespace

LONG ClampCoordinate(long long value) {
    constexpr long long kLimit = 1LL << 30;
    return static_cast<LONG>(std::clamp(value, -kLimit, kLimit));
}

void Transfer(Raster& raster, const BlitGeometry& dest, const BlitSource& source, bool mirrorX, bool mirrorY,
              int stretchMode, const BlitCombine& combine) {
    if (!raster.Drawable() || dest.width == 0 || dest.height == 0 || source.Width() <= 0 || source.Height() <= 0)
        return;
    long long left = dest.width < 0 ? dest.x + dest.width : dest.x;
    long long top = dest.height < 0 ? dest.y + dest.height : dest.y;
    LONG w = static_cast<LONG>(std::min<long long>(std::llabs(dest.width), 1LL << 30));
    LONG h = static_cast<LONG>(std::min<long long>(std::llabs(dest.height), 1LL << 30));
    RECT area{ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(left + w), ClampCoordinate(top + h)};
    AxisMap mx{w, source.Width(), mirrorX}, my{h, source.Height(), mirrorY};
    bool stretched = w != source.Width() || h != source.Height();
    bool shrinking = w < source.Width() || h < source.Height();
    Region pixels(area);
    pixels.Intersect(raster.Clip());
    BitmapSurface& surface = raster.Surface();
    for (const RECT& r : pixels.Rects()) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            LONG iy = static_cast<LONG>(y - top);
            LONG sy = my.Nearest(iy), sy0 = 0, sy1 = 0;
            Pixel* direct = surface.BitCount() == 32 ? surface.Row32(y) : nullptr;
            my.Box(iy, sy0, sy1);
            for (LONG x = r.left; x < r.right; ++x) {
                LONG ix = static_cast<LONG>(x - left);
                std::optional<Pixel> p;
                if (stretched && (stretchMode == HALFTONE || (shrinking && stretchMode != COLORONCOLOR))) {
                    LONG sx0 = 0, sx1 = 0;
                    mx.Box(ix, sx0, sx1);
                    bool any = false;
                    Pixel value = stretchMode == HALFTONE
                                      ? Average(source, sx0, sx1, sy0, sy1, any)
                                      : Combine(source, sx0, sx1, sy0, sy1, stretchMode == BLACKONWHITE, any);
                    if (any) p = value;
                } else {
                    p = source.At(mx.Nearest(ix), sy);
                }
                if (!p) continue;
                if (direct) direct[x] = combine(*p, direct[x], x, y);
                else surface.Set(x, y, combine(*p, surface.Get(x, y), x, y));
            }
        }
    }
}

}  // namespace platform
