#include "skin/core/alpha/MaskPieces32.h"

#include "skin/core/data/SkinRecords.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/resample/SkinResample.h"

#include "ui/graphics/Bitmap.h"

#include "platform/system/Geometry.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kFull = 255;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kRgb = 0x00FFFFFFu;

// Channels (d * m + s * (255 - m)) shr 8 with the mask's red m; alpha given.
std::uint32_t MixByRed(std::uint32_t d, std::uint32_t s, std::uint32_t m, std::uint32_t alpha) {
    std::uint32_t out = alpha << kAlphaShift;
    for (int shift : kColorShifts)
        out |= ((ChannelOf(d, shift) * m + ChannelOf(s, shift) * (kFull - m)) >> 8) << shift;
    return out;
}

std::uint32_t RaisedAlpha(std::uint32_t a, std::uint32_t m) {
    if (a == 0) return kFull - m;
    if (a < kFull) return std::max(a, kFull - m);
    return a;
}

// The stretched pieces' mix: g = min(m, alpha) of the target kept.
std::uint32_t MixStretched(std::uint32_t d, std::uint32_t s, std::uint32_t m) {
    const std::uint32_t a = ChannelOf(d, kAlphaShift), g = std::min(m, a);
    std::uint32_t out = std::max(a, kFull - m) << kAlphaShift;
    for (int shift : kColorShifts) out |= ((g * ChannelOf(d, shift) + (kFull - g) * ChannelOf(s, shift)) >> 8) << shift;
    return out;
}

std::unique_ptr<TBitmap> Sized(TBitmap& source, const TRect& piece, int width, int height, bool resample,
                               TSkResampleFilter filter) {
    auto out = NewBitmap32(width, height);
    if (!resample) {
        StretchPiece(*out, TRect(0, 0, width, height), source, piece);
        return out;
    }
    auto work = NewBitmap32(std::max(piece.Width(), 2), std::max(piece.Height(), 2));
    StretchPiece(*work, TRect(0, 0, work->Width(), work->Height()), source, piece);
    ResampleBitmap(*work, *out, width, filter, height);
    return out;
}

}  // namespace

void CopyMaskedPiece32(const TRect& destRect, const TRect& sourceRect, TBitmap& bitmap, const TSkMaskData& mask,
                       const TSkParentCache& cache, TBitmap& source) {
    if (!IsBitmap32(&bitmap) || !IsBitmap32(&source)) return;
    const int maskOffset = platform::RectHeight(mask.SourceRect) / 2;
    const bool parent = cache.Ready && cache.Bitmap;
    const int columns = std::min(destRect.Width(), sourceRect.Width());
    const int rows = std::min(destRect.Height(), sourceRect.Height());
    for (int row = 0; row < rows; ++row) {
        const int sy = sourceRect.Top + row, ty = destRect.Top + row;
        if (sy < 0 || sy + maskOffset >= source.Height() || ty < 0 || ty >= bitmap.Height()) continue;
        const std::uint32_t* picture = PixelRow(source, sy);
        const std::uint32_t* maskRow = PixelRow(source, sy + maskOffset);
        std::uint32_t* out = PixelRow(bitmap, ty);
        for (int col = 0; col < columns; ++col) {
            const int sx = sourceRect.Left + col, tx = destRect.Left + col;
            if (sx < 0 || sx >= source.Width() || tx < 0 || tx >= bitmap.Width()) continue;
            const std::uint32_t s = picture[sx];
            if (IsExactKeyPixel(s)) {
                std::uint32_t behind;
                if (!parent) out[tx] &= kRgb;
                else if (ParentPixelAt(cache, tx, ty, behind)) out[tx] = behind;
                continue;
            }
            const std::uint32_t m = ChannelOf(maskRow[sx], kRedShift);
            out[tx] = MixByRed(out[tx], s, m, RaisedAlpha(ChannelOf(out[tx], kAlphaShift), m));
        }
    }
}

void StretchMaskedPiece32(const TRect& destRect, bool centre, int maskOffset, TBitmap& source, TBitmap& bitmap,
                          const TRect& sourceRect) {
    const int width = destRect.Width(), height = destRect.Height();
    if (width <= 0 || height <= 0 || sourceRect.IsEmpty() || bitmap.Width() < 2 || bitmap.Height() < 2) return;
    if (maskOffset == 0) {
        StretchPiece(bitmap, destRect, source, sourceRect);
        return;
    }
    if (!IsBitmap32(&source) || !IsBitmap32(&bitmap) || sourceRect.Left < 0 || sourceRect.Top < 0 ||
        sourceRect.Right > source.Width() || sourceRect.Bottom + maskOffset > source.Height())
        return;
    const TRect inside = ClipToBitmap(destRect, bitmap);
    if (centre && sourceRect.Width() == 1 && sourceRect.Height() == 1) {
        const std::uint32_t s = ReadPixel32(source, sourceRect.Left, sourceRect.Top);
        const std::uint32_t m = ChannelOf(ReadPixel32(source, sourceRect.Left, sourceRect.Top + maskOffset), kRedShift);
        if (m == kFull) return;
        for (int y = inside.Top; y < inside.Bottom; ++y) {
            std::uint32_t* out = PixelRow(bitmap, y);
            for (int x = inside.Left; x < inside.Right; ++x) out[x] = m == 0 ? (s & kRgb) | kOpaque : MixStretched(out[x], s, m);
        }
        return;
    }
    const bool narrower = width < sourceRect.Width() && height == sourceRect.Height();
    const bool lower = height < sourceRect.Height() && width == sourceRect.Width();
    const bool resample = width >= 2 && height >= 2 && (narrower || lower || centre);
    TRect maskRect = sourceRect;
    maskRect.Top += maskOffset, maskRect.Bottom += maskOffset;
    auto picture = Sized(source, sourceRect, width, height, resample, rfMitchell);
    auto mask = Sized(source, maskRect, width, height, resample, rfHermite);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        const std::uint32_t* in = PixelRow(*picture, y - destRect.Top);
        const std::uint32_t* m = PixelRow(*mask, y - destRect.Top);
        std::uint32_t* out = PixelRow(bitmap, y);
        for (int x = inside.Left; x < inside.Right; ++x) {
            const std::uint32_t s = in[x - destRect.Left], mr = ChannelOf(m[x - destRect.Left], kRedShift);
            if (mr == 0) out[x] = (s & kRgb) | kOpaque;
            else if (mr != kFull) out[x] = MixStretched(out[x], s, mr);
        }
    }
}
