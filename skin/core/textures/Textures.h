#pragma once
// A section's texture laid over a rectangle by its fill mode (the mask's
// DrawFlags): repeated, stretched, or along one edge only. The routines
// report the part of the rectangle they left uncovered, so the section
// painter can fill it with the section colour; (-1, -1, -1, -1) means none.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
class TGraphic;
struct TSkMaskData;

enum TSkFillMode : int {
    fmTile = 0,
    fmStretch = 1,
    fmTopStrip = 2,
    fmLeftStrip = 3,
    fmStretchTop = 4,
    fmStretchLeft = 5,
    fmBottomStrip = 6,
    fmRightStrip = 7,
    fmWholeTiles = 10,
};

inline const TRect kAllCovered{-1, -1, -1, -1};

// With a pattern image: tiled over the rectangle. Otherwise the mask's
// rectangle in the fill mode; a mask without a skin manager paints nothing
// and leaves the rectangle as it was.
void PaintTexture(TBitmap& bitmap, TRect& rect, TGraphic* pattern, int fillMode, const TSkMaskData* mask);
// Tiles of an image over its mask, in modes 0 and 10 only (any other mode
// paints nothing and leaves the rectangle); mode 10 shows the parent's
// background where no whole tile fits.
void PaintMaskedTexture(TBitmap& bitmap, TRect& rect, const TSkParentCache& cache, int fillMode,
                        const TSkMaskData& mask);
// The picture repeated from the rectangle's top-left, cut at its right and bottom.
void TileBitmap(TBitmap& bitmap, const TRect& rect, TGraphic* picture);
// One masked tile; key pixels show the parent's background or colour.
void CopyMaskedTile(const TRect& destRect, const TRect& sourceRect, TBitmap& destination, const TSkMaskData& mask,
                    const TSkParentCache& cache);
