#include "platform/gdi/detail/BlitSource.h"

#include <algorithm>

namespace platform {

BlitSource::BlitSource(const BitmapSurface& surface, const RECT& rect, const SourceColors& colors)
    : width_(rect.right - rect.left), height_(rect.bottom - rect.top), bitCount_(surface.BitCount()) {
    RECT on{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min(rect.right, surface.Width()),
            std::min(rect.bottom, surface.Height())};
    if (on.right <= on.left || on.bottom <= on.top) return;
    copied_ = {on.left - rect.left, on.top - rect.top, on.right - rect.left, on.bottom - rect.top};
    LONG w = on.right - on.left;
    pixels_.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(on.bottom - on.top));
    bool mono = surface.BitCount() == 1 && colors.monoUsesDcColors;
    Pixel* out = pixels_.data();
    for (LONG y = on.top; y < on.bottom; ++y) {
        if (surface.BitCount() == 32 && !colors.toMono) {
            std::copy(surface.Row32(y) + on.left, surface.Row32(y) + on.right, out);
            out += w;
            continue;
        }
        for (LONG x = on.left; x < on.right; ++x) {
            Pixel p;
            if (mono) p = surface.IndexAt(x, y) ? colors.background : colors.text;
            else p = surface.Get(x, y);
            if (colors.toMono && surface.BitCount() != 1)
                p = (p & 0x00FFFFFF) == colors.sourceBackground ? 0x00FFFFFF : 0;
            *out++ = p;
        }
    }
}

std::optional<Pixel> BlitSource::At(LONG sx, LONG sy) const {
    if (sx < copied_.left || sx >= copied_.right || sy < copied_.top || sy >= copied_.bottom) return std::nullopt;
    LONG w = copied_.right - copied_.left;
    return pixels_[static_cast<std::size_t>(sy - copied_.top) * static_cast<std::size_t>(w) +
                   static_cast<std::size_t>(sx - copied_.left)];
}

LONG AxisMap::Nearest(LONG i) const {
    if (mirror) i = dest - 1 - i;
    long long s = ((2LL * i + 1) * source) / (2LL * dest);
    return static_cast<LONG>(std::min<long long>(s, source - 1));
}

void AxisMap::Box(LONG i, LONG& first, LONG& last) const {
    if (mirror) i = dest - 1 - i;
    first = static_cast<LONG>((static_cast<long long>(i) * source) / dest);
    last = static_cast<LONG>(((static_cast<long long>(i) + 1) * source + dest - 1) / dest);
    last = std::max(last, first + 1);
}

}  // namespace platform
