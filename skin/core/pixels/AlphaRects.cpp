#include "skin/core/pixels/AlphaRects.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

namespace {

constexpr int kFullPercent = 100;
constexpr std::uint32_t kColorBits = 0x00FFFFFFu;

// Calls `change(pixel)` for every pixel of the rectangle inside a 32-bit bitmap.
template <class Change>
void ForEachPixel(TBitmap& bitmap, const TRect& rect, Change change) {
    if (!IsBitmap32(&bitmap)) return;
    TRect r = ClipToBitmap(rect, bitmap);
    for (int y = r.Top; y < r.Bottom; ++y) {
        std::uint32_t* row = PixelRow(bitmap, y);
        for (int x = r.Left; x < r.Right; ++x) row[x] = change(row[x]);
    }
}

std::uint32_t ClampChannel(std::int64_t value) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(value, 0, 255));
}

}  // namespace

void PremultiplyRect(TBitmap& bitmap, const TRect& rect) {
    ForEachPixel(bitmap, rect, [](std::uint32_t p) {
        std::uint32_t a = ChannelOf(p, kAlphaShift);
        return MakePixel(a, (ChannelOf(p, kRedShift) * a) >> 8, (ChannelOf(p, kGreenShift) * a) >> 8,
                         (ChannelOf(p, kBlueShift) * a) >> 8);
    });
}

void PremultiplyBitmap(TBitmap& bitmap) { PremultiplyRect(bitmap, TRect(0, 0, bitmap.Width(), bitmap.Height())); }

void FillRectWithAlpha(TBitmap& bitmap, const TRect& rect, std::uint32_t color, std::uint8_t alpha) {
    if (!IsBitmap32(&bitmap)) return;
    std::uint32_t value = (std::uint32_t(alpha) << 24) | (ExchangeRedBlue(color) & kColorBits);
    TRect r = ClipToBitmap(rect, bitmap);
    for (int y = r.Top; y < r.Bottom; ++y) FillDWords(PixelRow(bitmap, y) + r.Left, r.Width(), value);
}

void BlendRectTowardColor(TBitmap& bitmap, const TRect& rect, std::uint32_t color, std::uint8_t alpha, int percent) {
    std::uint32_t k = ExchangeRedBlue(color);
    ForEachPixel(bitmap, rect, [&](std::uint32_t p) {
        std::uint32_t out = std::uint32_t(alpha) << 24;
        for (int shift : kColorShifts) {
            double c = ChannelOf(p, shift), target = ChannelOf(k, shift);
            out |= ClampChannel(Round(c - percent * (c - target) / kFullPercent)) << shift;
        }
        return out;
    });
}

void BlendColorRect(TBitmap& bitmap, const TRect& rect, int percent, std::uint32_t color) {
    std::uint32_t k = ExchangeRedBlue(ColorToRGB(static_cast<TColor>(color)));
    double f = double(percent) / kFullPercent;
    TRect inclusive(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1);
    ForEachPixel(bitmap, inclusive, [&](std::uint32_t p) {
        std::uint32_t out = p & 0xFF000000u;
        for (int shift : kColorShifts)
            out |= ClampChannel(Round(ChannelOf(p, shift) * f + ChannelOf(k, shift) * (1 - f))) << shift;
        return out;
    });
}

void SetAlphaChannel(TBitmap& bitmap, const TRect& rect, std::uint8_t alpha, bool skipKey) {
    ForEachPixel(bitmap, rect, [&](std::uint32_t p) {
        if (skipKey && IsExactKeyPixel(p)) return p;
        return (p & kColorBits) | (std::uint32_t(alpha) << 24);
    });
}
