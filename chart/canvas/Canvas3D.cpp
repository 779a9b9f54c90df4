#include "chart/canvas/Canvas3D.h"

#include "chart/geometry/ChartGeometry.h"

#include <algorithm>

TRect TCanvas3D::ProjectRect(const TRect& rect, int z) {
    const TPoint a = ChartToScreen(rect.Left, rect.Top, z);
    const TPoint b = ChartToScreen(rect.Right, rect.Bottom, z);
    return TRect{a.X, a.Y, b.X, b.Y};
}

std::vector<TPoint> TCanvas3D::ProjectRectCorners(const TRect& rect, int z) {
    return {ChartToScreen(rect.Left, rect.Top, z), ChartToScreen(rect.Right, rect.Top, z),
            ChartToScreen(rect.Right, rect.Bottom, z), ChartToScreen(rect.Left, rect.Bottom, z)};
}

TRect TCanvas3D::ProjectedBounds(const TRect& rect, int z) {
    const std::vector<TPoint> corners = ProjectRectCorners(rect, z);
    return PolygonRect(corners.data(), 4);
}

void TCanvas3D::PolygonAtDepth(const TPoint* points, int count, int z) {
    std::vector<TPoint> projected;
    projected.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) projected.push_back(ChartToScreen(points[i], z));
    Polygon(projected.data(), count);
}

void TCanvas3D::PolylineAtDepth(const TPoint* points, int count, int z) {
    std::vector<TPoint> projected;
    for (int i = 0; i < count; ++i) projected.push_back(ChartToScreen(points[i], z));
    Polyline(projected);
}
