#include "skin/core/masks/PieceCopies.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

void CopyPiece(TBitmap& destination, int x, int y, TBitmap& source, const TRect& sourceRect) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    const TRect s = ClipToBitmap(sourceRect, source);
    x += s.Left - sourceRect.Left;
    y += s.Top - sourceRect.Top;
    const int cutX = std::max(0, -x), cutY = std::max(0, -y);
    const int columns = std::min(s.Width() - cutX, destination.Width() - x - cutX);
    const int rows = std::min(s.Height() - cutY, destination.Height() - y - cutY);
    for (int row = 0; row < rows; ++row)
        std::copy_n(PixelRow(source, s.Top + cutY + row) + s.Left + cutX, std::max(columns, 0),
                    PixelRow(destination, y + cutY + row) + x + cutX);
}

void StretchPiece(TBitmap& destination, const TRect& destRect, TBitmap& source, const TRect& sourceRect) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source) || destRect.IsEmpty() || sourceRect.IsEmpty()) return;
    const TRect inside = ClipToBitmap(destRect, destination);
    const TRect whole = ClipToBitmap(TRect(0, 0, source.Width(), source.Height()), source);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        const int sy = sourceRect.Top + (y - destRect.Top) * sourceRect.Height() / destRect.Height();
        if (sy < whole.Top || sy >= whole.Bottom) continue;
        const std::uint32_t* in = PixelRow(source, sy);
        std::uint32_t* out = PixelRow(destination, y);
        for (int x = inside.Left; x < inside.Right; ++x) {
            const int sx = sourceRect.Left + (x - destRect.Left) * sourceRect.Width() / destRect.Width();
            if (sx >= whole.Left && sx < whole.Right) out[x] = in[sx];
        }
    }
}

void RepeatTiles(const TRect& area, int tileWidth, int tileHeight, const std::function<void(const TRect&)>& tile) {
    if (tileWidth <= 0 || tileHeight <= 0) return;
    for (int y = area.Top; y < area.Bottom; y += tileHeight)
        for (int x = area.Left; x < area.Right; x += tileWidth)
            tile(TRect(x, y, std::min(x + tileWidth, area.Right), std::min(y + tileHeight, area.Bottom)));
}

void TilePiece(TBitmap& destination, const TRect& area, TBitmap& source, const TRect& sourceRect) {
    RepeatTiles(area, sourceRect.Width(), sourceRect.Height(), [&](const TRect& d) {
        CopyPiece(destination, d.Left, d.Top, source,
                  TRect(sourceRect.Left, sourceRect.Top, sourceRect.Left + d.Width(), sourceRect.Top + d.Height()));
    });
}
