#include "chart/geometry/PointHitTests.h"

#include <cmath>

double PointToSegmentDistance(TPoint p, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double px = p.X;
    const double py = p.Y;
    if (dx == 0 && dy == 0) return std::hypot(px - x0, py - y0);
    const double t = ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy);
    if (t < 0) return std::hypot(px - x0, py - y0);
    if (t > 1) return std::hypot(px - x1, py - y1);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

bool PointOnLine(TPoint p, int x0, int y0, int x1, int y1, int tolerance) {
    if ((p.X == x0 && p.Y == y0) || (p.X == x1 && p.Y == y1)) return true;
    return PointToSegmentDistance(p, x0, y0, x1, y1) <= tolerance + 1;
}

bool PointInPolygon(TPoint p, const TPoint* points, int high) {
    bool inside = false;
    int j = high;
    for (int i = 0; i <= high; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[j];
        if (((a.Y <= p.Y && p.Y < b.Y) || (b.Y <= p.Y && p.Y < a.Y)) &&
            p.X < static_cast<double>(static_cast<long long>(b.X - a.X) * (p.Y - a.Y)) / (b.Y - a.Y) + a.X)
            inside = !inside;
        j = i;
    }
    return inside;
}
