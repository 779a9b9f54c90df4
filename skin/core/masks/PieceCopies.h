#pragma once
// Opaque pixel copies of 32-bit skin pictures: straight, stretched (nearest
// pixel, as a colour-on-colour stretch does) and repeated over an area, each
// clipped to both bitmaps.

#include "ui/core/Types.h"

#include <functional>

class TBitmap;

// The source rectangle's pixels to (x, y), clipped to both bitmaps.
void CopyPiece(TBitmap& destination, int x, int y, TBitmap& source, const TRect& sourceRect);
// The source rectangle stretched to the destination rectangle.
void StretchPiece(TBitmap& destination, const TRect& destRect, TBitmap& source, const TRect& sourceRect);
// Calls `tile` for every tile of tileWidth x tileHeight laid from the area's
// top-left, with the last row and column cut to the area; a tile size of 0
// or less lays none.
void RepeatTiles(const TRect& area, int tileWidth, int tileHeight, const std::function<void(const TRect&)>& tile);
// The source rectangle repeated over the area, cut at its right and bottom.
void TilePiece(TBitmap& destination, const TRect& area, TBitmap& source, const TRect& sourceRect);
