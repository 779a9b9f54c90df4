#pragma once
// The convex outline of a cloud of screen points, as the box clip needs it.

#include "chart/core/ChartTypes.h"

#include <vector>

// Replaces `points` by their convex hull; three points stay as they are.
// False, with the points untouched, for fewer than three.
bool ConvexHull(std::vector<TPoint>& points);
