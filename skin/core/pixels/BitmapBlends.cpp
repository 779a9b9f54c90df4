#include "skin/core/pixels/BitmapBlends.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr int kFullWeight = 256;

// Per colour channel (S * sw + D * dw) shr 8, alpha of `d` kept.
std::uint32_t MixChannels(std::uint32_t s, std::uint32_t d, std::uint32_t sw, std::uint32_t dw) {
    std::uint32_t out = d & 0xFF000000u;
    for (int shift : kColorShifts) out |= ((ChannelOf(s, shift) * sw + ChannelOf(d, shift) * dw) >> 8) << shift;
    return out;
}

bool SameSize(const TBitmap& a, const TBitmap& b) { return a.Width() == b.Width() && a.Height() == b.Height(); }

}  // namespace

void BlendBitmapRect(TBitmap& destination, int x, int y, std::uint32_t key, double ratio, const TRect& sourceRect,
                     TBitmap& source) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    TRect src = sourceRect;
    if (x < 0) src.Left -= x, x = 0;
    if (y < 0) src.Top -= y, y = 0;
    if (src.Left < 0) x -= src.Left, src.Left = 0;
    if (src.Top < 0) y -= src.Top, src.Top = 0;
    int w = std::min({src.Width(), source.Width() - src.Left, destination.Width() - x});
    int h = std::min({src.Height(), source.Height() - src.Top, destination.Height() - y});
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* in = PixelRow(source, src.Top + row) + src.Left;
        std::uint32_t* out = PixelRow(destination, y + row) + x;
        for (int col = 0; col < w; ++col) {
            if (in[col] == key) continue;
            std::uint32_t result = out[col] & 0xFF000000u;
            for (int shift : kColorShifts) {
                double s = ChannelOf(in[col], shift), d = ChannelOf(out[col], shift);
                result |= static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(s - ratio * (s - d)), 0, 255))
                          << shift;
            }
            out[col] = result;
        }
    }
}

void BlendBitmapAt(TBitmap& destination, TBitmap& source, int weight, TPoint point, const TRect& sourceRect) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source) || sourceRect.IsEmpty()) return;
    TRect src = sourceRect;
    if (point.X < 0) src.Left -= point.X, point.X = 0;
    if (point.Y < 0) src.Top -= point.Y, point.Y = 0;
    if (src.Left < 0) point.X -= src.Left, src.Left = 0;
    if (src.Top < 0) point.Y -= src.Top, src.Top = 0;
    if (point.X >= destination.Width() || point.Y >= destination.Height()) return;
    if (src.Left >= source.Width() || src.Top >= source.Height()) return;
    int w = std::min({src.Right, source.Width()}) - src.Left;
    int h = std::min({src.Bottom, source.Height()}) - src.Top;
    w = std::min(w, destination.Width() - point.X);
    h = std::min(h, destination.Height() - point.Y);
    auto keep = static_cast<std::uint32_t>(std::clamp(weight, 0, 255));
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* in = PixelRow(source, src.Top + row) + src.Left;
        std::uint32_t* out = PixelRow(destination, point.Y + row) + point.X;
        for (int col = 0; col < w; ++col) out[col] = MixChannels(in[col], out[col], kFullWeight - keep, keep);
    }
}

void BlendBitmapWhole(TBitmap& destination, TBitmap& source, int weight) {
    if (!SameSize(destination, source)) return;
    BlendBitmapAt(destination, source, weight, TPoint{0, 0}, TRect(0, 0, source.Width(), source.Height()));
}

void BlendTwoBitmaps(TBitmap& result, TBitmap& a, TBitmap& b, int weight, TBitmap* weights) {
    if (!IsBitmap32(&result) || !IsBitmap32(&a) || !IsBitmap32(&b) || !SameSize(a, b) || !SameSize(result, a)) return;
    if (weights && (!IsBitmap32(weights) || !SameSize(*weights, a))) return;
    auto fixed = static_cast<std::uint32_t>(std::clamp(weight, 0, 255));
    for (int y = 0; y < a.Height(); ++y) {
        const std::uint32_t* pa = PixelRow(a, y);
        const std::uint32_t* pb = PixelRow(b, y);
        const std::uint32_t* pw = weights ? PixelRow(*weights, y) : nullptr;
        std::uint32_t* out = PixelRow(result, y);
        for (int x = 0; x < a.Width(); ++x) {
            std::uint32_t mixed = out[x] & 0xFF000000u;
            for (int shift : kColorShifts) {
                std::uint32_t w = pw ? ChannelOf(pw[x], shift) : fixed;
                mixed |= ((ChannelOf(pa[x], shift) * w + ChannelOf(pb[x], shift) * (kFullWeight - w)) >> 8) << shift;
            }
            out[x] = mixed;
        }
    }
}

void BlendThroughMask(TBitmap& destination, TBitmap& source, TBitmap& mask, const TRect& rect) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source) || !IsBitmap32(&mask)) return;
    if (rect.Left < 0 || rect.Top < 0 || rect.IsEmpty()) return;
    for (const TBitmap* b : {&destination, &source, &mask})
        if (rect.Right > b->Width() || rect.Bottom > b->Height()) return;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const std::uint32_t* in = PixelRow(source, y);
        const std::uint32_t* m = PixelRow(mask, y);
        std::uint32_t* out = PixelRow(destination, y);
        for (int x = rect.Left; x < rect.Right; ++x) {
            std::uint32_t level = ChannelOf(m[x], kRedShift), alpha = ChannelOf(in[x], kAlphaShift);
            if (level == 255) continue;
            std::uint32_t w = level == 0 ? alpha : ((255 - level) * alpha) >> 8;
            out[x] = MixChannels(in[x], out[x], w, kFullWeight - w);
        }
    }
}

void TintThroughMask(TBitmap& bitmap, TBitmap& mask, std::uint32_t color) {
    if (!IsBitmap32(&bitmap) || !IsBitmap32(&mask) || !SameSize(bitmap, mask)) return;
    std::uint32_t k = ExchangeRedBlue(color);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* m = PixelRow(mask, y);
        std::uint32_t* out = PixelRow(bitmap, y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            std::uint32_t mixed = out[x] & 0xFF000000u;
            for (int shift : kColorShifts) {
                std::uint32_t level = ChannelOf(m[x], shift);
                mixed |= ((ChannelOf(k, shift) * (kFullWeight - level) + ChannelOf(out[x], shift) * level) >> 8)
                         << shift;
            }
            out[x] = mixed;
        }
    }
}
