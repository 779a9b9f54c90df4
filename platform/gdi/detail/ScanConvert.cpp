#include "platform/gdi/detail/ScanConvert.h"

#include "platform/gdi/detail/DeviceContextState.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform {
namespace {

struct Crossing {
    double x;
    int direction;
};

// Coordinates beyond this are outside every surface; it bounds absurd input.
constexpr double kLimit = 1 << 28;

LONG PixelStart(double edge) { return static_cast<LONG>(std::clamp(std::ceil(edge - 0.5), -kLimit, kLimit)); }

double ClampCoordinate(double v) { return std::clamp(v, -kLimit, kLimit); }

}  // namespace

std::vector<Span> PolygonSpans(const std::vector<std::vector<PointF>>& polygons, int fillMode, RowRange rows) {
    struct Edge {
        PointF a, b;
        int direction;
    };
    std::vector<Edge> edges;
    double top = kLimit, bottom = -kLimit;
    for (const auto& polygon : polygons) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            PointF a{ClampCoordinate(polygon[i].x), ClampCoordinate(polygon[i].y)};
            PointF b{ClampCoordinate(polygon[(i + 1) % polygon.size()].x),
                     ClampCoordinate(polygon[(i + 1) % polygon.size()].y)};
            if (a.y == b.y) continue;
            int direction = a.y < b.y ? 1 : -1;
            if (a.y > b.y) std::swap(a, b);
            edges.push_back({a, b, direction});
            top = std::min(top, a.y);
            bottom = std::max(bottom, b.y);
        }
    }
    std::vector<Span> spans;
    if (edges.empty()) return spans;
    std::vector<Crossing> crossings;
    LONG first = std::max(PixelStart(top), rows.top);
    for (LONG y = first; y + 0.5 < bottom && y < rows.bottom; ++y) {
        double yc = y + 0.5;
        crossings.clear();
        for (const Edge& e : edges) {
            if (yc < e.a.y || yc >= e.b.y) continue;
            double t = (yc - e.a.y) / (e.b.y - e.a.y);
            crossings.push_back({e.a.x + t * (e.b.x - e.a.x), e.direction});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += fillMode == WINDING ? crossings[i].direction : 1;
            bool inside = fillMode == WINDING ? winding != 0 : (winding % 2) != 0;
            if (!inside) continue;
            LONG x0 = PixelStart(crossings[i].x), x1 = PixelStart(crossings[i + 1].x);
            if (x1 > x0) spans.push_back({y, x0, x1});
        }
    }
    return spans;
}

std::vector<Span> RoundedBoxSpans(const BoxF& box, double rx, double ry, RowRange rows) {
    std::vector<Span> spans;
    if (box.right <= box.left || box.bottom <= box.top) return spans;
    rx = std::clamp(rx, 0.0, (box.right - box.left) / 2.0);
    ry = std::clamp(ry, 0.0, (box.bottom - box.top) / 2.0);
    for (LONG y = std::max(PixelStart(box.top), rows.top); y + 0.5 < box.bottom && y < rows.bottom; ++y) {
        double yc = y + 0.5, dy = 0;
        if (yc < box.top + ry) dy = box.top + ry - yc;
        else if (yc > box.bottom - ry) dy = yc - (box.bottom - ry);
        double inset = 0;
        if (ry > 0 && dy > 0) inset = rx - rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry)));
        LONG x0 = PixelStart(box.left + inset), x1 = PixelStart(box.right - inset);
        if (x1 > x0) spans.push_back({y, x0, x1});
    }
    return spans;
}

void SplitOutline(const std::vector<Span>& shape, std::vector<Span>& outline, std::vector<Span>& interior) {
    std::map<LONG, Span> rows;
    for (const Span& s : shape) rows[s.y] = s;
    for (const Span& s : shape) {
        auto above = rows.find(s.y - 1), below = rows.find(s.y + 1);
        LONG x0 = s.x0 + 1, x1 = s.x1 - 1;
        if (above == rows.end() || below == rows.end()) {
            x0 = s.x1;
            x1 = s.x1;
        } else {
            x0 = std::max({x0, above->second.x0, below->second.x0});
            x1 = std::min({x1, above->second.x1, below->second.x1});
        }
        if (x1 > x0) {
            interior.push_back({s.y, x0, x1});
            if (x0 > s.x0) outline.push_back({s.y, s.x0, x0});
            if (s.x1 > x1) outline.push_back({s.y, x1, s.x1});
        } else {
            outline.push_back(s);
        }
    }
}

std::vector<Span> DiscSpans(PointF centre, double diameter, RowRange rows) {
    std::vector<Span> spans;
    double r = diameter / 2;
    if (r <= 0) return spans;
    for (LONG y = std::max<LONG>(PixelStart(ClampCoordinate(centre.y - r)), rows.top); y + 0.5 < centre.y + r && y < rows.bottom; ++y) {
        double dy = y + 0.5 - centre.y;
        double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        LONG x0 = PixelStart(centre.x - half), x1 = PixelStart(centre.x + half);
        if (x1 > x0) spans.push_back({y, x0, x1});
    }
    return spans;
}

std::vector<PointF> EllipseArcPoints(PointF centre, double rx, double ry, double a0, double sweep) {
    int steps = std::clamp(static_cast<int>(std::fabs(sweep) * std::max(rx, ry) / 2), 4, 2048);
    std::vector<PointF> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        double a = a0 + sweep * i / steps;
        points.push_back({centre.x + rx * std::cos(a), centre.y - ry * std::sin(a)});
    }
    return points;
}

}  // namespace platform
