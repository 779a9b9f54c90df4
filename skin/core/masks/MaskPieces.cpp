#include "skin/core/masks/MaskPieces.h"

#include "skin/core/masks/PieceCopies.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/resample/SkinResample.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kRgb = 0x00FFFFFFu;
constexpr std::uint32_t kFullWeight = 256;
constexpr int kMaskFullyClear = 255;

// The part two rectangles of one size have in common once both are kept
// inside their bitmaps.
struct TPieceArea {
    int DestX = 0, DestY = 0, SourceX = 0, SourceY = 0, Columns = 0, Rows = 0;
};

TPieceArea ClipPiece(const TRect& d, const TRect& s, const TBitmap& destination, const TBitmap& source) {
    TPieceArea a{d.Left, d.Top, s.Left, s.Top, 0, 0};
    const int cutX = std::max({0, -a.DestX, -a.SourceX}), cutY = std::max({0, -a.DestY, -a.SourceY});
    a.DestX += cutX, a.SourceX += cutX, a.DestY += cutY, a.SourceY += cutY;
    a.Columns = std::min({s.Width() - cutX, d.Width() - cutX, destination.Width() - a.DestX, source.Width() - a.SourceX});
    a.Rows = std::min({s.Height() - cutY, d.Height() - cutY, destination.Height() - a.DestY, source.Height() - a.SourceY});
    return a;
}

std::uint32_t BlendThrough(std::uint32_t s, std::uint32_t m, std::uint32_t d, std::uint32_t alpha) {
    std::uint32_t out = alpha;
    for (int shift : kColorShifts)
        out |= ((ChannelOf(s, shift) * (kFullWeight - ChannelOf(m, shift)) + ChannelOf(d, shift) * ChannelOf(m, shift)) >> 8)
               << shift;
    return out;
}

int MaskRow(int y, int maskOffset, const TBitmap& source) { return std::min(y + maskOffset, source.Height() - 1); }

// Brings a piece of the picture to the given size: resampled when the
// filter suits the change, else stretched by nearest pixel.
std::unique_ptr<TBitmap> SizedPiece(TBitmap& source, const TRect& piece, int width, int height, bool resample) {
    auto out = NewBitmap32(width, height);
    if (!resample) {
        StretchPiece(*out, TRect(0, 0, width, height), source, piece);
        return out;
    }
    // The resampler needs 2 x 2: a single column or row is doubled first.
    auto work = NewBitmap32(std::max(piece.Width(), 2), std::max(piece.Height(), 2));
    StretchPiece(*work, TRect(0, 0, work->Width(), work->Height()), source, piece);
    ResampleBitmap(*work, *out, width, rfMitchell, height);
    return out;
}

// A 1 x 1 centre: its mask's red byte m decides for the whole rectangle.
void FillCentreByMask(const TRect& d, TBitmap& destination, std::uint32_t s, std::uint32_t m) {
    const TRect inside = ClipToBitmap(d, destination);
    const std::uint32_t weight = ChannelOf(m, kRedShift);
    if (weight == kMaskFullyClear) return;
    const std::uint32_t uniform = MakePixel(0, weight, weight, weight);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        std::uint32_t* row = PixelRow(destination, y);
        for (int x = inside.Left; x < inside.Right; ++x)
            row[x] = weight == 0 ? (s & kRgb) | kOpaque : BlendThrough(s, uniform, row[x], row[x] & kOpaque);
    }
}

}  // namespace

void CopyMaskedPiece(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, int maskOffset,
                     bool parentFill, const TSkParentCache& cache, TBitmap& source) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    const TPieceArea a = ClipPiece(destRect, sourceRect, destination, source);
    for (int row = 0; row < a.Rows; ++row) {
        const int dy = a.DestY + row;
        const std::uint32_t* in = PixelRow(source, a.SourceY + row) + a.SourceX;
        const std::uint32_t* mask = PixelRow(source, MaskRow(a.SourceY + row, maskOffset, source)) + a.SourceX;
        std::uint32_t* out = PixelRow(destination, dy) + a.DestX;
        for (int col = 0; col < a.Columns; ++col) {
            const bool keyed = IsExactKeyPixel(in[col]);
            if (cache.Ready) {
                if (!parentFill) {
                    out[col] = BlendThrough(in[col], mask[col], out[col], kOpaque);
                } else if (!keyed) {
                    out[col] = BlendThrough(in[col], mask[col], out[col], kOpaque);
                } else if (std::uint32_t parent; ParentPixelAt(cache, a.DestX + col, dy, parent)) {
                    out[col] = (parent & kRgb) | kOpaque;
                }
            } else if (!keyed) {
                out[col] = BlendThrough(in[col], mask[col], out[col], out[col] & kOpaque);
            } else if (parentFill) {
                out[col] = ExchangeRedBlue(cache.Color);
            }
        }
    }
}

void CopyKeyedPiece(TBitmap& destination, TBitmap& source, int x, bool parentFill, const TSkParentCache& cache,
                    const TRect& sourceRect, int y) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    const TPieceArea a =
        ClipPiece(TRect(x, y, x + sourceRect.Width(), y + sourceRect.Height()), sourceRect, destination, source);
    const bool intoCache = cache.Bitmap == &destination;
    for (int row = 0; row < a.Rows; ++row) {
        const int dy = a.DestY + row;
        const std::uint32_t* in = PixelRow(source, a.SourceY + row) + a.SourceX;
        std::uint32_t* out = PixelRow(destination, dy) + a.DestX;
        for (int col = 0; col < a.Columns; ++col) {
            const bool keyed = IsExactKeyPixel(in[col]);
            if (!cache.Ready) {
                out[col] = keyed ? ExchangeRedBlue(cache.Color) & kRgb : in[col];
            } else if (parentFill && cache.Bitmap && !intoCache) {
                std::uint32_t parent;
                if (!keyed) out[col] = in[col];
                else if (ParentPixelAt(cache, a.DestX + col, dy, parent)) out[col] = parent;
            } else if (!keyed) {
                out[col] = parentFill && intoCache ? in[col] | kOpaque : in[col];
            }
        }
    }
}

void StretchMaskedPiece(const TRect& destRect, bool centre, int maskOffset, TBitmap& source, TBitmap& destination,
                        const TRect& sourceRect) {
    const int width = destRect.Width(), height = destRect.Height();
    if (destRect.Left < 0 || destRect.Top < 0 || width <= 0 || height <= 0 || destination.Width() <= 1 ||
        destination.Height() <= 1 || sourceRect.IsEmpty())
        return;
    if (maskOffset == 0) {
        StretchPiece(destination, destRect, source, sourceRect);
        return;
    }
    if (!IsBitmap32(&source) || !IsBitmap32(&destination) || sourceRect.Left < 0 || sourceRect.Top < 0 ||
        sourceRect.Right > source.Width() || sourceRect.Bottom + maskOffset > source.Height())
        return;
    if (centre && sourceRect.Width() == 1 && sourceRect.Height() == 1) {
        FillCentreByMask(destRect, destination, ReadPixel32(source, sourceRect.Left, sourceRect.Top),
                         ReadPixel32(source, sourceRect.Left, sourceRect.Top + maskOffset));
        return;
    }
    const bool narrower = width < sourceRect.Width() && height == sourceRect.Height();
    const bool lower = height < sourceRect.Height() && width == sourceRect.Width();
    const bool resample = width >= 2 && height >= 2 && (narrower || lower || centre);
    TRect maskRect = sourceRect;
    maskRect.Top += maskOffset, maskRect.Bottom += maskOffset;
    auto picture = SizedPiece(source, sourceRect, width, height, resample);
    auto mask = SizedPiece(source, maskRect, width, height, resample);
    const TRect inside = ClipToBitmap(destRect, destination);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        const std::uint32_t* in = PixelRow(*picture, y - destRect.Top);
        const std::uint32_t* m = PixelRow(*mask, y - destRect.Top);
        std::uint32_t* out = PixelRow(destination, y);
        for (int x = inside.Left; x < inside.Right; ++x)
            out[x] = BlendThrough(in[x - destRect.Left], m[x - destRect.Left], out[x], kOpaque);
    }
}
