// Ellipses, pie slices and ring sectors as the chart's own canvas draws
// them in 3D space.

#include "chart/canvas/ChartCanvas3D.h"

#include "chart/geometry/ChartGeometry.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/Paths.h"
#include "platform/system/Angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int EllipsePoints = 64;
constexpr int PieSideDarkening = 32;

}  // namespace

void TChartCanvas3D::EllipseAtDepth(int x1, int y1, int x2, int y2, int z) {
    if (!active3D_) {
        Ellipse(x1, y1, x2 + 1, y2 + 1);
        return;
    }
    if (obliqueMode_) {
        TCanvas3D::EllipseAtDepth(x1, y1, x2, y2, z);
        return;
    }
    // Turned in space the ellipse is no longer one: its outline is projected.
    const int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const int rx = (x2 - x1) / 2, ry = (y2 - y1) / 2;
    std::vector<TPoint> outline(EllipsePoints);
    outline[0] = ChartToScreen(cx, y2, z);
    for (int i = 1; i < EllipsePoints; ++i) {
        const double angle = i * 2 * std::numbers::pi / (EllipsePoints - 1);
        outline[static_cast<std::size_t>(i)] =
            ChartToScreenFloat(cx + rx * std::sin(angle), cy + ry * std::cos(angle), z);
    }
    if (Brush().Style() != TBrushStyle::bsClear) {
        const TPenStyle penStyle = Pen().Style();
        Pen().SetStyle(TPenStyle::psClear);
        const TPoint centre = ChartToScreen(cx, cy, z);
        for (int i = 0; i + 1 < EllipsePoints; ++i) {
            const TPoint fan[3] = {centre, outline[static_cast<std::size_t>(i)], outline[static_cast<std::size_t>(i + 1)]};
            Polygon(fan, 3);
        }
        Pen().SetStyle(penStyle);
    }
    if (Pen().Style() != TPenStyle::psClear) Polyline(outline);
}

void TChartCanvas3D::ClipToBox(const TRect& r, int minZ, int maxZ) {
    if (active3D_)
        TCanvas3D::ClipToBox(r, minZ, maxZ);
    else
        ClipToRect(TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
}

void TChartCanvas3D::Donut(int centreX, int centreY, int xRadius, int yRadius, double startAngle, double endAngle,
                           double holePercent) {
    const double holeX = xRadius * holePercent / 100;
    const double holeY = yRadius * holePercent / 100;
    auto at = [&](double angle, double rx, double ry) {
        return TPoint{centreX + RoundToInt(std::cos(angle) * rx), centreY - RoundToInt(std::sin(angle) * ry)};
    };
    const TPoint outerStart = at(startAngle, xRadius, yRadius);
    const TPoint outerEnd = at(endAngle, xRadius, yRadius);
    const TPoint innerStart = at(startAngle, holeX, holeY);
    const TPoint innerEnd = at(endAngle, holeX, holeY);
    WithTools([&](platform::HDC dc) {
        platform::BeginPath(dc);
        platform::MoveToEx(dc, outerStart.X, outerStart.Y, nullptr);
        platform::ArcTo(dc, centreX - xRadius, centreY - yRadius, centreX + xRadius, centreY + yRadius, outerStart.X,
                        outerStart.Y, outerEnd.X, outerEnd.Y);
        if (innerEnd.X != innerStart.X || innerEnd.Y != innerStart.Y) {
            platform::SetArcDirection(dc, platform::AD_CLOCKWISE);
            platform::ArcTo(dc, centreX - RoundToInt(holeX), centreY - RoundToInt(holeY), centreX + RoundToInt(holeX),
                            centreY + RoundToInt(holeY), innerEnd.X, innerEnd.Y, innerStart.X, innerStart.Y);
            platform::SetArcDirection(dc, platform::AD_COUNTERCLOCKWISE);
        }
        platform::CloseFigure(dc);
        platform::EndPath(dc);
        platform::StrokeAndFillPath(dc);
    });
}

void TChartCanvas3D::PieSliceAtDepth(int centreX, int centreY, int xRadius, int yRadius, int z0, int z1,
                                     double startAngle, double endAngle, bool darkSides, bool drawSides,
                                     int donutPercent, TCustomChartGradient* gradient) {
    const double degrees = platform::RadiansToDegrees(std::abs(endAngle - startAngle));
    const int count = std::min(94, RoundToInt(degrees / 2)) + 2;
    const double step = (endAngle - startAngle) / (count - 1);
    const bool donut = donutPercent > 0;
    std::vector<TPoint> front(static_cast<std::size_t>(count)), back(front.size());
    std::vector<TPoint> innerFront, innerBack;
    if (donut) {
        innerFront.resize(front.size());
        innerBack.resize(front.size());
    }
    for (std::size_t i = 0; i < front.size(); ++i) {
        const double angle = startAngle + static_cast<double>(i) * step;
        const double c = std::cos(angle), s = std::sin(angle);
        front[i] = ChartToScreenFloat(centreX + xRadius * c, centreY - yRadius * s, z1);
        back[i] = ChartToScreenFloat(centreX + xRadius * c, centreY - yRadius * s, z0);
        if (donut) {
            const double f = donutPercent / 100.0;
            innerFront[i] = ChartToScreenFloat(centreX + xRadius * f * c, centreY - yRadius * f * s, z1);
            innerBack[i] = ChartToScreenFloat(centreX + xRadius * f * c, centreY - yRadius * f * s, z0);
        }
    }
    const TPoint centreFront = ChartToScreen(centreX, centreY, z1);
    const TPoint centreBack = ChartToScreen(centreX, centreY, z0);
    const TColor face = FaceColor();
    auto darken = [&] {
        if (darkSides) DarkenBrush(face, PieSideDarkening);
    };
    // A wall between the same run of points at both depths.
    auto wall = [&](const std::vector<TPoint>& atFront, const std::vector<TPoint>& atBack, std::size_t first,
                    std::size_t last, bool withGradient) {
        std::vector<TPoint> p(atFront.begin() + static_cast<std::ptrdiff_t>(first),
                              atFront.begin() + static_cast<std::ptrdiff_t>(last) + 1);
        for (std::size_t i = last + 1; i-- > first;) p.push_back(atBack[i]);
        if (withGradient && gradient)
            FillPolygonGradient(p.data(), static_cast<int>(p.size()), *gradient);
        else
            Polygon(p.data(), static_cast<int>(p.size()));
    };

    const std::size_t last = front.size() - 1;
    if (donut) {
        darken();
        wall(innerFront, innerBack, 0, last, false);
    }
    if (drawSides) {
        auto side = [&](std::size_t i) {
            const TPoint p[4] = {donut ? innerFront[i] : centreFront, front[i], back[i],
                                 donut ? innerBack[i] : centreBack};
            darken();
            Polygon(p, 4);
        };
        if (front[last].X < xOffset_) side(last);
        if (front[0].X > xOffset_) side(0);
    }

    if (Brush().Style() == TBrushStyle::bsSolid)
        Brush().SetColor(face);
    else
        AssignBackColor(face);
    std::vector<TPoint> facePoints;
    if (donut)
        facePoints.assign(innerFront.rbegin(), innerFront.rend());
    else
        facePoints.push_back(centreFront);
    facePoints.insert(facePoints.end(), front.begin(), front.end());
    if (gradient)
        FillPolygonGradient(facePoints.data(), static_cast<int>(facePoints.size()), *gradient);
    else
        Polygon(facePoints.data(), static_cast<int>(facePoints.size()));

    // The rim facing the viewer: where the points run to the right. Points
    // rounded to the same column do not break a run, or near the rim's
    // leftmost and rightmost points it would fall apart into slivers.
    auto rises = [&](std::size_t i) { return front[i + 1].X > front[i].X; };
    auto holds = [&](std::size_t i) { return front[i + 1].X >= front[i].X; };
    std::size_t first = 0;
    while (first < last && !rises(first)) ++first;
    std::size_t end = first;
    while (end < last && holds(end)) ++end;
    if (first < last) {
        darken();
        wall(front, back, first, end, true);
    }
    if (end < last && rises(last - 1)) {
        std::size_t start = last;
        while (holds(start - 1)) --start;
        darken();
        wall(front, back, start, last, true);
    }
}
