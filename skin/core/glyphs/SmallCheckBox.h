#pragma once
// The small check box of list items: the skin's SMALLCHECKED,
// SMALLUNCHECKED or SMALLGRAYED image, or the system's check box over the
// background behind it when the skin has none.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
class TSkinManager;

enum TSkSmallCheckState : int { scUnchecked = 0, scChecked = 1, scGrayed = 2 };

// The skin's checked image's frame width + 2 (its height), else the system's size.
int SmallCheckWidth(TSkinManager* manager);
int SmallCheckHeight(TSkinManager* manager);
void DrawSmallCheckBox(const TRect& rect, int state, bool enabled, TSkinManager* manager, const TSkParentCache& cache,
                       TBitmap& bitmap);
