#pragma once
// One frame of a skin image (a glyph, an arrow, a check mark, a corner
// image) drawn at a point of a 32-bit bitmap, keeping the alpha channel
// meaningful: keyed images leave their 0xFF00FF pixels out, images over a
// mask mix in through it and raise the alpha where they cover.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
struct TSkMaskData;

// Mode 1: the normal look; any other mode (2 for inactive) a lighter one.
constexpr int kMaskFrameNormal = 1, kMaskFrameInactive = 2;

// A frame index past the image's frames draws the last one; the part of
// the frame left or above the bitmap is cut off.
void DrawMaskFrame(TBitmap& bitmap, TPoint point, int frameIndex, const TSkParentCache& cache,
                   const TSkMaskData& mask, int mode);
// The worker: the inclusive source rectangle of `source` to the inclusive
// destination rectangle, cut to both bitmaps.
void DrawMaskedFrame32(const TRect& destRect, const TRect& sourceRect, TBitmap& bitmap, const TSkMaskData& mask,
                       int mode, TBitmap& source);
