#pragma once
// Geometry and colour routines at the bottom of the chart engine.

#include "chart/core/ChartTypes.h"
#include "ui/core/Rounding.h"

#include <cstdint>

// A pixel coordinate from a computed one, by the program's rounding rule.
inline int RoundToInt(double value) { return static_cast<int>(Round(value)); }

TPoint PointOf(int x, int y);
TRect RectOf(int left, int top, int right, int bottom);
// Edges included.
bool PointInsideRect(const TRect& rect, int x, int y);
bool PointInsideRect(const TRect& rect, TPoint p);
TRect NormalizeRect(const TRect& rect);
void RectExtent(const TRect& rect, int& width, int& height);
// Halves truncated toward zero.
void RectMidPoint(const TRect& rect, int& x, int& y);
// Bounds of points[0..high]; (0, 0, 0, 0) for high < 0.
TRect PointsBounds(const TPoint* points, int high);
// Bounds of the first count points, right and bottom one larger so a fill covers the outline.
TRect PolygonRect(const TPoint* points, int count);
bool IsBackFace(TPoint p0, TPoint p1, TPoint p2);
bool IsBackFace(const TPoint (&points)[3]);
class TBitmap;
// The width first, then the height.
void SetBitmapSize(TBitmap& bitmap, int width, int height);
void ExchangeIntegers(int& a, int& b);
void ExchangeDoubles(double& a, double& b);

// One pixel of a 24-bit bitmap as it lies in memory.
struct TRGBTriple {
    std::uint8_t Blue;
    std::uint8_t Green;
    std::uint8_t Red;
};

TRGBTriple ColorToRGBTriple(TColor color);
// Each channel less `amount`, down to 0.
TColor DarkerColor(TColor color, int amount);
// Each channel plus `amount`, up to 255.
TColor LighterColor(TColor color, int amount);
