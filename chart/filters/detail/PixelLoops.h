#pragma once
// What the pixel filters share: a channel kept within a byte, and a walk
// over the pixels of an inclusive rectangle through the row table.

#include "chart/effects/ChartFilter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Wide enough that no amount from form data overflows on the way.
inline std::uint8_t ClampChannel(long long value) { return static_cast<std::uint8_t>(std::clamp(value, 0LL, 255LL)); }

// `visit(pixel)` for every pixel of `rect` that lies on the bitmap.
template <class F>
void ForEachPixel(const std::vector<TRGBArray>& lines, const TRect& rect, int width, F visit) {
    if (lines.empty()) return;
    const TRect r = InsideBitmap(rect, width, static_cast<int>(lines.size()));
    for (int y = r.Top; y <= r.Bottom; ++y)
        for (TRGBTriple* p = lines[static_cast<std::size_t>(y)] + r.Left; p <= lines[static_cast<std::size_t>(y)] + r.Right; ++p)
            visit(*p);
}

// Each channel through `change(value)`.
template <class F>
void ForEachChannel(const std::vector<TRGBArray>& lines, const TRect& rect, int width, F change) {
    ForEachPixel(lines, rect, width, [&change](TRGBTriple& p) {
        p.Blue = change(p.Blue);
        p.Green = change(p.Green);
        p.Red = change(p.Red);
    });
}
