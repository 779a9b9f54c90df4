#pragma once
// Border masks: a skin image cut into nine pieces by four border widths,
// corners copied whole, sides and centre repeated or stretched, one frame
// per state side by side, keyed (0xFF00FF transparent) or over its own mask.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>

class TBitmap;
struct TSkMaskData;

// DrawFlags bits of a border mask.
constexpr int kMaskStretch = 1;
constexpr int kMaskNoNormalState = 2;
constexpr int kMaskPaintCentre = 4;

struct TSkBorderWidths {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// The widths shrunk to fit a width x height rectangle: the borders meet in
// the middle, the left and top ones keeping the larger half.
TSkBorderWidths WorkingBorders(TSkBorderWidths widths, int width, int height);
TSkBorderWidths MaskBorders(const TSkMaskData& mask);

// The mask's frame for `state` (the last frame beyond FrameCount) as nine
// pieces into `rect`; with cornerFill and a CornerMode above 0 the corners'
// key pixels show the parent's background from `cache`.
void DrawBorderMask(TBitmap& bitmap, const TRect& rect, int state, const TSkMaskData& mask,
                    const TSkParentCache& cache, bool cornerFill);
// The frame over the whole bitmap; the key pixels of the corners are left
// and cut out of `region` (none: no region is touched).
void DrawBorderMaskWithRegion(TBitmap& bitmap, platform::HRGN region, bool centre, int state,
                              const TSkMaskData& mask);
// The four strips of the given widths inside `rect`, in the colour value
// `color` with alpha 255.
void FillBorderFrame32(TBitmap& bitmap, const TRect& rect, TSkBorderWidths widths, std::uint32_t color);

enum TxBorderDrawMode : std::uint8_t { dmRepeat = 0, dmStretch = 1 };
struct TSkBorderModes {
    TxBorderDrawMode Left = dmRepeat, Top = dmRepeat, Right = dmRepeat, Bottom = dmRepeat;
};
// Nine-piece copy of an ordinary picture by explicit border widths; a side
// limit below its border width leaves an L-shaped corner.
void DrawImageByBorders(TBitmap& destination, TBitmap& source, const TRect& destRect, bool centre,
                        TxBorderDrawMode centreMode, TSkBorderModes sideModes, TSkBorderWidths limits,
                        TSkBorderWidths borders, const TRect& sourceRect);
