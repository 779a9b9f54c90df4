#include "skin/core/pixels/ImageBlend.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kFullWeight = 256;
constexpr int kFullPercent = 100;
constexpr int kReflectionDivisor = 300;

// The common part of the two rectangles after negative starts are cut off both.
struct TBlendArea {
    int DestX = 0, DestY = 0, SourceX = 0, SourceY = 0, Columns = 0, Rows = 0;
};

TBlendArea ClipArea(const TRect& d, const TRect& s, const TBitmap& destination, const TBitmap& source) {
    TBlendArea a{d.Left, d.Top, s.Left, s.Top, 0, 0};
    int cutX = std::max({0, -a.DestX, -a.SourceX}), cutY = std::max({0, -a.DestY, -a.SourceY});
    a.DestX += cutX, a.SourceX += cutX, a.DestY += cutY, a.SourceY += cutY;
    a.Columns = std::min({s.Width() - cutX, d.Width() - cutX, destination.Width() - a.DestX, source.Width() - a.SourceX});
    a.Rows = std::min({s.Height() - cutY, d.Height() - cutY, destination.Height() - a.DestY, source.Height() - a.SourceY});
    return a;
}

std::uint32_t Mix(std::uint32_t s, std::uint32_t d, std::uint32_t w, std::uint32_t alpha) {
    std::uint32_t out = alpha << kAlphaShift;
    for (int shift : kColorShifts)
        out |= ((ChannelOf(s, shift) * w + ChannelOf(d, shift) * (kFullWeight - w)) >> 8) << shift;
    return out;
}

// Where a key-coloured pixel meets the parent's background.
enum class TCacheAnswer { Pixel, Skip, EndRow };

TCacheAnswer CachePixel(const TSkParentCache& cache, int x, int y, std::uint32_t& pixel) {
    TBitmap* bitmap = cache.Bitmap;
    int cx = x + cache.OffsetX, cy = y + cache.OffsetY;
    if (!bitmap || cx < 0 || cy < 0) return TCacheAnswer::Skip;
    if (cy >= bitmap->Height() || cx >= bitmap->Width()) return TCacheAnswer::EndRow;
    pixel = IsBitmap32(bitmap) ? ReadPixel32(*bitmap, cx, cy)
                               : ExchangeRedBlue(static_cast<std::uint32_t>(bitmap->Canvas()->Pixels(cx, cy)));
    return TCacheAnswer::Pixel;
}

std::uint32_t Tinted(std::uint32_t p, std::uint32_t tint) {
    std::uint32_t grey = (ChannelOf(p, kRedShift) + ChannelOf(p, kGreenShift) + ChannelOf(p, kBlueShift)) / 3;
    std::uint32_t k = ExchangeRedBlue(tint);
    std::uint32_t out = p & 0xFF000000u;
    for (int shift : kColorShifts)
        out |= static_cast<std::uint32_t>(std::min<std::int64_t>(255, Round(grey * ChannelOf(k, shift) / 255.0)))
               << shift;
    return out;
}

void PaintReflection(const TBlendArea& a, TBitmap& destination, int destBottom, int transparency, TBitmap& source) {
    int half = a.Rows / 2;
    int rows = std::min(half, destination.Height() - destBottom - 1);
    if (half <= 0 || rows <= 0) return;
    int strength = 255, fall = 255 / half, s = kFullPercent - transparency;
    for (int k = 0; k < rows; ++k, strength -= fall) {
        const std::uint32_t* in = PixelRow(source, a.SourceY + a.Rows - 1 - k) + a.SourceX;
        std::uint32_t* out = PixelRow(destination, destBottom + k) + a.DestX;
        for (int col = 0; col < a.Columns; ++col) {
            if (IsExactKeyPixel(in[col])) continue;
            int alpha = static_cast<int>(ChannelOf(in[col], kAlphaShift));
            int w = transparency > 0 ? s * alpha / kReflectionDivisor * strength / 255 : strength * (alpha / 3) / 255;
            w = std::clamp(w, 0, 255);
            out[col] = Mix(in[col], out[col], static_cast<std::uint32_t>(w), ChannelOf(out[col], kAlphaShift));
        }
    }
}

}  // namespace

void BlendImage32(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, bool reflection,
                  int transparency, std::uint32_t tint, bool fill, const TSkParentCache& cache, TBitmap& source) {
    if (!IsBitmap32(&destination)) return;
    if (!IsBitmap32(&source)) source.SetPixelFormat(TPixelFormat::pf32bit);
    TBlendArea a = ClipArea(destRect, sourceRect, destination, source);
    if (a.Columns <= 0 || a.Rows <= 0) return;
    int s = kFullPercent - std::clamp(transparency, 0, kFullPercent);
    for (int row = 0; row < a.Rows; ++row) {
        const std::uint32_t* in = PixelRow(source, a.SourceY + row) + a.SourceX;
        std::uint32_t* out = PixelRow(destination, a.DestY + row) + a.DestX;
        for (int col = 0; col < a.Columns; ++col) {
            std::uint32_t p = in[col];
            if (cache.Ready && IsExactKeyPixel(p)) {
                if (!fill) continue;
                std::uint32_t parent = 0;
                TCacheAnswer answer = CachePixel(cache, a.DestX + col, a.DestY + row, parent);
                if (answer == TCacheAnswer::EndRow) break;
                if (answer == TCacheAnswer::Pixel) out[col] = (out[col] & 0xFF000000u) | (parent & 0x00FFFFFFu);
                continue;
            }
            std::uint32_t alpha = ChannelOf(p, kAlphaShift), destAlpha = ChannelOf(out[col], kAlphaShift);
            std::uint32_t colour = tint == kNoTint ? p : Tinted(p, tint);
            if (transparency > 0)
                out[col] = Mix(colour, out[col], static_cast<std::uint32_t>(s) * alpha / kFullPercent, destAlpha);
            else
                out[col] = Mix(colour, out[col], alpha, std::max(alpha, destAlpha));
        }
    }
    if (reflection) PaintReflection(a, destination, a.DestY + a.Rows, transparency, source);
}

void OverlayAlphaImage(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, bool fill,
                       const TSkParentCache& cache, TBitmap& source) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    TBlendArea a = ClipArea(destRect, sourceRect, destination, source);
    for (int row = 0; row < a.Rows; ++row) {
        const std::uint32_t* in = PixelRow(source, a.SourceY + row) + a.SourceX;
        std::uint32_t* out = PixelRow(destination, a.DestY + row) + a.DestX;
        for (int col = 0; col < a.Columns; ++col) {
            std::uint32_t p = in[col];
            if (cache.Ready && IsExactKeyPixel(p)) {
                if (!fill) continue;
                std::uint32_t parent = 0;
                TCacheAnswer answer = CachePixel(cache, a.DestX + col, a.DestY + row, parent);
                if (answer == TCacheAnswer::EndRow) break;
                if (answer == TCacheAnswer::Pixel) out[col] = 0xFF000000u | (parent & 0x00FFFFFFu);
                continue;
            }
            std::uint32_t alpha = ChannelOf(p, kAlphaShift), destAlpha = ChannelOf(out[col], kAlphaShift);
            if (alpha > 0) destAlpha += alpha * (255 - destAlpha) / 255;
            out[col] = Mix(p, out[col], alpha, destAlpha);
        }
    }
}
