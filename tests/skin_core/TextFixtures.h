#pragma once
// Text tests draw with one fixed-pitch face at a known size, without
// anti-aliasing where exact colours are checked, so widths and colours are
// known before drawing.

#include "PixelFixtures.h"

#include "ui/graphics/Canvas.h"

#include <set>

inline constexpr const char* kFixedFace = "Courier New";

inline void UseFixedFont(TCanvas& canvas, int size = 12, bool sharp = true) {
    canvas.Font()->SetName(kFixedFace);
    canvas.Font()->SetSize(size);
    canvas.Font()->SetStyle({});
    canvas.Font()->SetColor(TColor(0));
    if (sharp) canvas.Font()->SetQuality(TFontQuality::fqNonAntialiased);
}

// The distinct pixel values of a bitmap other than `background`.
inline std::set<std::uint32_t> InkOf(TBitmap& bitmap, std::uint32_t background) {
    std::set<std::uint32_t> ink;
    for (std::uint32_t p : PixelsOf(bitmap))
        if (p != background) ink.insert(p);
    return ink;
}

// How many pixels equal `value`.
inline int CountOf(TBitmap& bitmap, std::uint32_t value) {
    int n = 0;
    for (std::uint32_t p : PixelsOf(bitmap)) n += p == value;
    return n;
}

// The leftmost column holding a pixel other than `background`; -1 for none.
inline int FirstInkColumn(TBitmap& bitmap, std::uint32_t background) {
    for (int x = 0; x < bitmap.Width(); ++x)
        for (int y = 0; y < bitmap.Height(); ++y)
            if (ReadPixel32(bitmap, x, y) != background) return x;
    return -1;
}
