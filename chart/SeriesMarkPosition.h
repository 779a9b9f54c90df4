#pragma once
// Where a point's mark box and arrow stand once the user has moved them.

#include "chart/ChartTypes.h"

struct TSeriesMarkPosition {
    TPoint ArrowFrom;
    bool ArrowFix = false;
    TPoint ArrowTo;
    bool Custom = false;
    int Height = 0;
    TPoint LeftTop;
    int Width = 0;
};
