#pragma once
// Border-mask pieces for bitmaps that go to layered windows: mixed in
// through their mask's red byte m as D' = (D * m + S * (255 - m)) shr 8,
// the alpha raised to at least 255 - m, so what the mask covers turns
// opaque and what it leaves open keeps the alpha below it.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
struct TSkMaskData;

// The mask row lies half the image's height below the picture row. A key
// pixel shows the whole pixel of a ready cache with a bitmap, else only
// turns the target transparent.
void CopyMaskedPiece32(const TRect& destRect, const TRect& sourceRect, TBitmap& bitmap, const TSkMaskData& mask,
                       const TSkParentCache& cache, TBitmap& source);
// A side or the centre brought to the target size, the picture resampled
// (Mitchell) and its mask too (Hermite) where the filters suit the change;
// a 1 x 1 centre fills by its one mask value. Without a mask (offset 0) a
// plain stretch.
void StretchMaskedPiece32(const TRect& destRect, bool centre, int maskOffset, TBitmap& source, TBitmap& bitmap,
                          const TRect& sourceRect);
