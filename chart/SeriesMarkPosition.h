#pragma once
// Where a point's mark box and its callout stand: the place computed by the
// last drawing, or one the user moved the mark to.

#include "chart/ChartTypes.h"

struct TSeriesMarkPosition {
    TPoint ArrowStart;  // at the point
    // A custom position still starts its callout at the computed point.
    bool ArrowAtPoint = false;
    TPoint ArrowEnd;  // at the box
    // Set by the user: replaces the computed place.
    bool IsCustom = false;
    int BoxHeight = 0;
    TPoint BoxTopLeft;
    int BoxWidth = 0;

    bool operator==(const TSeriesMarkPosition&) const = default;
};
