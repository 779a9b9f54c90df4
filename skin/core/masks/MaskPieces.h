#pragma once
// Copying one piece of a border mask or masked texture. A pixel blends
// through its mask per colour channel: D' = (S * (256 - M) + D * M) shr 8,
// so mask 0 gives the source and 255 almost keeps the destination. Every
// routine clips both rectangles to both bitmaps, so a piece that reaches
// past the picture reads nothing outside it.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
struct TSkMaskData;

// A piece of an image over its mask; the mask of source row y lies
// `maskOffset` rows lower. With a ready cache and parentFill, key pixels
// show the parent's pixel; every painted pixel then gets alpha 255.
void CopyMaskedPiece(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, int maskOffset,
                     bool parentFill, const TSkParentCache& cache, TBitmap& source);
// A corner of a keyed image: key pixels stay transparent, show the parent's
// pixel (parentFill with a ready cache) or take the cache's colour (no cache).
void CopyKeyedPiece(TBitmap& destination, TBitmap& source, int x, bool parentFill, const TSkParentCache& cache,
                    const TRect& sourceRect, int y);
// A side or the centre brought to the destination size: keyed images
// stretch opaque; masked ones are resampled (or stretched) with their mask,
// a 1 x 1 centre fills by its single mask value.
void StretchMaskedPiece(const TRect& destRect, bool centre, int maskOffset, TBitmap& source, TBitmap& destination,
                        const TRect& sourceRect);
