#include "skin/core/colors/BitmapColors.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

template <class Change>
void ForEveryPixel(TBitmap* bitmap, Change change) {
    if (!IsBitmap32(bitmap)) return;
    for (int y = 0; y < bitmap->Height(); ++y) {
        std::uint32_t* row = PixelRow(*bitmap, y);
        for (int x = 0; x < bitmap->Width(); ++x) row[x] = change(row[x]);
    }
}

bool IsGrey(std::uint32_t p) {
    return ChannelOf(p, kRedShift) == ChannelOf(p, kGreenShift) && ChannelOf(p, kGreenShift) == ChannelOf(p, kBlueShift);
}

std::uint32_t GreyOf(std::uint32_t p) {
    std::uint32_t g = (ChannelOf(p, kRedShift) + ChannelOf(p, kGreenShift) + ChannelOf(p, kBlueShift)) / 3;
    return (p & 0xFF000000u) | (g << 16) | (g << 8) | g;
}

}  // namespace

void ShiftBitmapHue(TBitmap* bitmap, int offset) {
    ForEveryPixel(bitmap, [offset](std::uint32_t p) {
        return IsExactKeyPixel(p) || IsGrey(p) ? p : ShiftPixelHue(offset, p);
    });
}

void ChangeBitmapSaturation(TBitmap* bitmap, int amount) {
    ForEveryPixel(bitmap, [amount](std::uint32_t p) {
        return IsExactKeyPixel(p) || IsGrey(p) ? p : SaturateColorValue(amount, p);
    });
}

void GrayBitmap(TBitmap* bitmap) { ForEveryPixel(bitmap, GreyOf); }

void GrayBitmapKeyed(TBitmap* bitmap, std::uint32_t key) {
    ForEveryPixel(bitmap, [key](std::uint32_t p) { return p == key ? p : GreyOf(p); });
}

void TintBitmap(TBitmap* bitmap, std::uint32_t color, double ratio) {
    std::uint32_t k = ExchangeRedBlue(color);
    ForEveryPixel(bitmap, [&](std::uint32_t p) {
        if (IsColorKeyPixel(p)) return p;
        std::uint32_t out = p & 0xFF000000u;
        for (int shift : kColorShifts) {
            double c = ChannelOf(p, shift), t = ChannelOf(k, shift);
            out |= static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(ratio * (c - t) + t), 0, 255)) << shift;
        }
        return out;
    });
}
