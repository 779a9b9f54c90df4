#pragma once
// Repairing a control's cache after painting: where the corners of its
// border mask are transparent, the background behind the control goes back
// in, so rounded corners show what lies behind.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;
class TSkCommonData;
struct TSkMaskData;
struct TSkParentBgInfo;

// Corner set bits.
constexpr int kCornerSetTopLeft = 1, kCornerSetBottomLeft = 2, kCornerSetTopRight = 4, kCornerSetBottomRight = 8;
constexpr int kAllCornerSet = 15;

void PaintBorderCorners(TSkCommonData& data, int state, int corners);
// Where the image's piece at `corner` is exactly 0x00FF00FF, the cache at
// `at` takes the background: a keyed image the parent bitmap's pixel (or
// the answer's colour unless it is the key colour) with alpha 0, a masked
// one the parent's colour bytes keeping the cache's alpha (or the colour
// with alpha 0).
void RestoreCornerPlain(TBitmap& image, const TRect& corner, TPoint at, TSkCommonData& data,
                        const TSkParentBgInfo& background);
void RestoreCornerMasked(TBitmap& image, const TRect& corner, TPoint at, TSkCommonData& data,
                         const TSkParentBgInfo& background);
