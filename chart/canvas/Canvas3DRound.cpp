// Ellipses, spheres and arrows in the chart's 3D space, from the projected points.

#include "chart/canvas/Canvas3D.h"

#include "chart/geometry/ChartGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TCanvas3D::EllipseAtDepth(int x1, int y1, int x2, int y2, int z) {
    const TPoint a = ChartToScreen(x1, y1, z);
    const TPoint b = ChartToScreen(x2, y2, z);
    Ellipse(a.X, a.Y, b.X, b.Y);
}

void TCanvas3D::Sphere(int x, int y, int z, double radius) {
    const int r = RoundToInt(radius);
    EllipseAtDepth(x - r, y - r, x + r, y + r, z);
}

void TCanvas3D::Arrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z, int arrowPercent) {
    const double dx = to.X - from.X;
    const double dy = from.Y - to.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0)) return;
    const int head = std::min(headHeight, RoundToInt(length));
    // Along the arrow (u) and across it (v).
    const double c = dx / length, s = dy / length;
    const double uTo = to.X * c - to.Y * s;
    const double vTo = to.X * s + to.Y * c;
    const double uFrom = from.X * c - from.Y * s;
    auto point = [&](double u, double v) {
        return ChartToScreen(RoundToInt(u * c + v * s), RoundToInt(-u * s + v * c), z);
    };
    const double headBase = uTo - head;
    const TPoint a = point(headBase, vTo - headWidth / 2.0);
    const TPoint b = point(headBase, vTo + headWidth / 2.0);
    const TPoint tip = ChartToScreen(to, z);
    if (!filled) {
        LineAtDepth(from.X, from.Y, to.X, to.Y, z);
        Line(tip, b);
        Line(tip, a);
        return;
    }
    const double shaft = headWidth * arrowPercent * 0.005;
    const TPoint shape[7] = {point(uFrom, vTo + shaft), point(uFrom, vTo - shaft), point(headBase, vTo - shaft), a, tip,
                             b,                         point(headBase, vTo + shaft)};
    Polygon(shape, 7);
}
