#pragma once
// Whether a pixel lies on a segment or inside a polygon.

#include "chart/core/ChartTypes.h"

double PointToSegmentDistance(TPoint p, double x0, double y0, double x1, double y1);
// True on either end point, or within tolerance + 1 pixels of the segment.
bool PointOnLine(TPoint p, int x0, int y0, int x1, int y1, int tolerance = 0);
// Even-odd crossing test over points[0..high]; False for high < 0.
bool PointInPolygon(TPoint p, const TPoint* points, int high);
