#pragma once
// Skin sections painted into 32-bit bitmaps for layered windows (the
// title and borders of forms): background layers with the section's
// transparency in the alpha channel, then the border mask with its alpha
// kept; a bitmap painted whole is premultiplied.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
class TSkinManager;
struct TSkinContent;
struct TSkMaskData;

// Nothing unless the rectangle lies inside the bitmap; a manager of none
// means the default one.
void PaintSection32(int sectionIndex, int state, TSkinManager* manager, TBitmap& bitmap, const TRect& rect);
// The same over a skin's records, for callers that hold them without a manager.
void PaintSection32(int sectionIndex, int state, const TSkinContent& skin, TBitmap& bitmap, const TRect& rect);
// `state` 0 normal, 1 hot.
void PaintSectionBackground32(int sectionIndex, int state, const TRect& rect, const TSkinContent& skin, TBitmap& bitmap);
// The nine pieces of the mask's frame for `state`: masked corners over
// `cache`, keyed corners always showing it, sides and centre over nothing.
void DrawBorderMask32(TBitmap& bitmap, const TRect& rect, const TSkinContent& skin, int state, const TSkMaskData& mask,
                      const TSkParentCache& cache);
