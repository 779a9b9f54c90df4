#pragma once
// The mouse wheel over the chart zooms about the cursor: away from the user
// in, towards the user out. Alone it zooms the time axis; with Ctrl the
// vertical axes too; with the right button held the vertical axes only.

#include "ui/core/Types.h"
#include "viewer/analysis/DataExtents.h"

class TCustomAxisPanel;

struct WheelTurn {
    int Delta = 0;           // above 0: a step away from the user
    bool Ctrl = false;
    bool RightButton = false;
    TPoint Pixel;            // the cursor, in chart pixels
};

// Nothing happens without data (its time span below 0,01 ticks). Zooming in
// stops at label steps too fine to read; zooming out stops once the time
// axis reaches a twentieth of the data's span past its right end, and a left
// end past the same margin is pulled back to it.
void ZoomByWheel(TCustomAxisPanel& chart, const DataExtents& extents, const WheelTurn& turn);
