#include "skin/core/textures/Textures.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <algorithm>

namespace {

// The tile's strip along one edge of the rectangle.
TRect Strip(const TRect& r, int mode, int w, int h) {
    switch (mode) {
    case fmTopStrip:
    case fmStretchTop: return TRect(r.Left, r.Top, r.Right, std::min(r.Top + h, r.Bottom));
    case fmLeftStrip:
    case fmStretchLeft: return TRect(r.Left, r.Top, std::min(r.Left + w, r.Right), r.Bottom);
    case fmBottomStrip: return TRect(r.Left, std::max(r.Bottom - h, r.Top), r.Right, r.Bottom);
    default: return TRect(std::max(r.Right - w, r.Left), r.Top, r.Right, r.Bottom);
    }
}

TRect Uncovered(const TRect& r, int mode, int w, int h) {
    switch (mode) {
    case fmTile:
    case fmStretch:
    case fmWholeTiles: return kAllCovered;
    case fmTopStrip:
    case fmStretchTop: return TRect(r.Left, r.Top + h, r.Right, r.Bottom);
    case fmLeftStrip:
    case fmStretchLeft: return TRect(r.Left + w, r.Top, r.Right, r.Bottom);
    case fmBottomStrip: return TRect(r.Left, r.Top, r.Right, r.Bottom - h);
    case fmRightStrip: return TRect(r.Left, r.Top, r.Right - w, r.Bottom);
    default: return Strip(r, mode, w, h);  // the section colour covers the painted strip
    }
}

// Whole tiles only: none is cut at the right or bottom.
void WholeTiles(TBitmap& bitmap, const TRect& r, TBitmap& picture, const TRect& tile) {
    const int w = tile.Width(), h = tile.Height();
    for (int y = r.Top; y + h <= r.Bottom; y += h)
        for (int x = r.Left; x < r.Right; x += w)
            CopyPiece(bitmap, x, y, picture, TRect(tile.Left, tile.Top, tile.Left + std::min(w, r.Right - x), tile.Bottom));
}

}  // namespace

void TileBitmap(TBitmap& bitmap, const TRect& rect, TGraphic* picture) {
    if (!picture || picture->Empty()) return;
    auto* plain = dynamic_cast<TBitmap*>(picture);
    if (plain && IsBitmap32(plain)) {
        TilePiece(bitmap, rect, *plain, TRect(0, 0, plain->Width(), plain->Height()));
        return;
    }
    // Other pictures are drawn whole once and then repeated, never scaled.
    auto tile = NewBitmap32(picture->Width(), picture->Height());
    tile->Canvas()->Draw(0, 0, picture);
    TilePiece(bitmap, rect, *tile, TRect(0, 0, tile->Width(), tile->Height()));
}

void PaintTexture(TBitmap& bitmap, TRect& rect, TGraphic* pattern, int mode, const TSkMaskData* mask) {
    if (pattern) {
        TileBitmap(bitmap, rect, pattern);
        rect = kAllCovered;
        return;
    }
    if (!mask || !mask->Owner) return;
    TBitmap* picture = mask->Owner->Skin().PictureOf(*mask);
    if (!picture) return;
    const TRect tile = mask->SourceRect;
    const int w = tile.Width(), h = tile.Height();
    if (w <= 0 || h <= 0) return;
    const TRect area = rect;
    switch (mode) {
    case fmTile: TilePiece(bitmap, area, *picture, tile); break;
    case fmStretch: StretchPiece(bitmap, area, *picture, tile); break;
    case fmStretchTop:
    case fmStretchLeft: StretchPiece(bitmap, Strip(area, mode, w, h), *picture, tile); break;
    case fmWholeTiles: WholeTiles(bitmap, area, *picture, tile); break;
    default: TilePiece(bitmap, Strip(area, mode, w, h), *picture, tile); break;
    }
    rect = Uncovered(area, mode, w, h);
}
