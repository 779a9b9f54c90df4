#include "chart/geometry/ChartGeometry.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <utility>

TPoint PointOf(int x, int y) { return TPoint{x, y}; }

TRect RectOf(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }

bool PointInsideRect(const TRect& rect, int x, int y) {
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

bool PointInsideRect(const TRect& rect, TPoint p) { return PointInsideRect(rect, p.X, p.Y); }

TRect NormalizeRect(const TRect& rect) {
    TRect r = rect;
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

void RectExtent(const TRect& rect, int& width, int& height) {
    width = rect.Right - rect.Left;
    height = rect.Bottom - rect.Top;
}

void RectMidPoint(const TRect& rect, int& x, int& y) {
    x = (rect.Left + rect.Right) / 2;
    y = (rect.Top + rect.Bottom) / 2;
}

TRect PointsBounds(const TPoint* points, int high) {
    if (high < 0) return TRect{};
    TRect r{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i <= high; ++i) {
        r.Left = std::min(r.Left, points[i].X);
        r.Right = std::max(r.Right, points[i].X);
        r.Top = std::min(r.Top, points[i].Y);
        r.Bottom = std::max(r.Bottom, points[i].Y);
    }
    return r;
}

TRect PolygonRect(const TPoint* points, int count) {
    TRect r = PointsBounds(points, count - 1);
    if (count > 0) {
        ++r.Right;
        ++r.Bottom;
    }
    return r;
}

bool IsBackFace(TPoint p0, TPoint p1, TPoint p2) {
    return static_cast<long long>(p0.X - p1.X) * (p2.Y - p1.Y) -
               static_cast<long long>(p2.X - p1.X) * (p0.Y - p1.Y) <
           0;
}

bool IsBackFace(const TPoint (&points)[3]) { return IsBackFace(points[0], points[1], points[2]); }

void ExchangeIntegers(int& a, int& b) { std::swap(a, b); }

void ExchangeDoubles(double& a, double& b) { std::swap(a, b); }

TRGBTriple ColorToRGBTriple(TColor color) {
    return TRGBTriple{static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                      static_cast<std::uint8_t>(color)};
}

namespace {

TColor MakeColor(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

}  // namespace

TColor DarkerColor(TColor color, int amount) {
    auto darker = [amount](int channel) { return channel > amount ? channel - amount : 0; };
    return MakeColor(darker(color & 0xFF), darker((color >> 8) & 0xFF), darker((color >> 16) & 0xFF));
}

TColor LighterColor(TColor color, int amount) {
    auto lighter = [amount](int channel) { return std::min(channel + amount, 255); };
    return MakeColor(lighter(color & 0xFF), lighter((color >> 8) & 0xFF), lighter((color >> 16) & 0xFF));
}

void SetBitmapSize(TBitmap& bitmap, int width, int height) {
    bitmap.SetWidth(width);
    bitmap.SetHeight(height);
}
