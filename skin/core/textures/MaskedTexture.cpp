#include "skin/core/textures/Textures.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kFullWeight = 256;
constexpr std::uint8_t kOpaqueAlpha = 255;

std::uint32_t BlendThroughMask(std::uint32_t s, std::uint32_t m, std::uint32_t d) {
    std::uint32_t out = d & 0xFF000000u;
    for (int shift : kColorShifts)
        out |= ((ChannelOf(s, shift) * (kFullWeight - ChannelOf(m, shift)) + ChannelOf(d, shift) * ChannelOf(m, shift)) >> 8)
               << shift;
    return out;
}

// The parent's background over a strip where no whole tile fits.
void FillFromParent(TBitmap& bitmap, const TRect& strip, const TSkParentCache& cache) {
    if (strip.IsEmpty()) return;
    if (!cache.Ready) {
        FillRectWithAlpha(bitmap, strip, cache.Color, kOpaqueAlpha);
        return;
    }
    const TRect inside = ClipToBitmap(strip, bitmap);
    for (int y = inside.Top; y < inside.Bottom; ++y)
        for (int x = inside.Left; x < inside.Right; ++x)
            if (std::uint32_t parent; ParentPixelAt(cache, x, y, parent)) PixelRow(bitmap, y)[x] = parent;
}

}  // namespace

void CopyMaskedTile(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, const TSkMaskData& mask,
                    const TSkParentCache& cache) {
    if (!mask.Owner) return;
    TBitmap* picture = mask.Owner->Skin().PictureOf(mask);
    if (!picture || !IsBitmap32(picture) || !IsBitmap32(&destination)) return;
    const int maskOffset = platform::RectHeight(mask.SourceRect) / 2;
    const int columns = std::min(destRect.Width(), sourceRect.Width());
    const int rows = std::min(destRect.Height(), sourceRect.Height());
    for (int row = 0; row < rows; ++row) {
        const int sy = sourceRect.Top + row, dy = destRect.Top + row;
        if (sy < 0 || sy + maskOffset >= picture->Height() || dy < 0 || dy >= destination.Height()) continue;
        const std::uint32_t* in = PixelRow(*picture, sy);
        const std::uint32_t* m = PixelRow(*picture, sy + maskOffset);
        std::uint32_t* out = PixelRow(destination, dy);
        for (int col = 0; col < columns; ++col) {
            const int sx = sourceRect.Left + col, dx = destRect.Left + col;
            if (sx < 0 || sx >= picture->Width() || dx < 0 || dx >= destination.Width()) continue;
            if (!IsExactKeyPixel(in[sx])) {
                out[dx] = BlendThroughMask(in[sx], m[sx], out[dx]);
            } else if (cache.Ready && cache.Color == KeyColorValue) {
                if (std::uint32_t parent; ParentPixelAt(cache, dx, dy, parent)) out[dx] = parent;
            } else if (cache.Ready) {
                out[dx] = (out[dx] & 0xFF000000u) | (ExchangeRedBlue(cache.Color) & 0xFFFFFFu);
            } else if (cache.Color != KeyColorValue) {
                out[dx] = ExchangeRedBlue(cache.Color);
            }
        }
    }
}

void PaintMaskedTexture(TBitmap& bitmap, TRect& rect, const TSkParentCache& cache, int mode, const TSkMaskData& mask) {
    if ((mode != fmTile && mode != fmWholeTiles) || !mask.Owner || mask.FrameCount < 1) return;
    const int w = platform::RectWidth(mask.SourceRect) / mask.FrameCount;
    const int h = platform::RectHeight(mask.SourceRect) / 2;
    if (w <= 0 || h <= 0) return;
    const TRect r = rect;
    const TRect tile(mask.SourceRect.left, mask.SourceRect.top, mask.SourceRect.left + w, mask.SourceRect.top + h);
    int x = r.Left, y = r.Top;
    // Whole rows only: a row that would be cut is left (mode 0) or shows the parent (mode 10).
    auto column = [&](int left, int width) {
        for (y = r.Top; y + h <= r.Bottom; y += h) CopyMaskedTile(TRect(left, y, left + width, y + h), tile, bitmap, mask, cache);
    };
    for (; x + w <= r.Right; x += w) column(x, w);
    if (mode == fmTile && x < r.Right) column(x, r.Right - x);
    if (mode == fmWholeTiles) {
        const int rowsEnd = r.Top + (r.Height() / h) * h;
        const int columnsEnd = r.Left + (r.Width() / w) * w;
        FillFromParent(bitmap, TRect(r.Left, columnsEnd > r.Left ? rowsEnd : r.Top, r.Right, r.Bottom), cache);
        FillFromParent(bitmap, TRect(columnsEnd, r.Top, r.Right, r.Bottom), cache);
    }
    rect = kAllCovered;
}
