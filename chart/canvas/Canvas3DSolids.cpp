// Boxes, cones, cylinders and pyramids in the chart's 3D space, built from
// the canvas' own projection and polygons, so every 3D canvas draws them.

#include "chart/canvas/Canvas3D.h"

#include "chart/geometry/ChartGeometry.h"
#include "chart/geometry/ConvexHull.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int SideDarkening = 128;
constexpr int TopDarkening = 64;
constexpr int ConeSides = 16;


// (a − b) × (c − b): positive when a, b, c turn the way a face towards the viewer does.
long long Turn(TPoint a, TPoint b, TPoint c) {
    return static_cast<long long>(a.X - b.X) * (c.Y - b.Y) - static_cast<long long>(c.X - b.X) * (a.Y - b.Y);
}

}  // namespace

TPoint TCanvas3D::ChartToScreenFloat(double x, double y, int z) { return ChartToScreen(RoundToInt(x), RoundToInt(y), z); }

TColor TCanvas3D::FaceColor() {
    return Brush().Style() == TBrushStyle::bsSolid ? Brush().Color() : QueryBackColor();
}

void TCanvas3D::DrawQuad(const TPoint3D (&corners)[4]) {
    for (int i = 0; i < 4; ++i) storedQuad_[i] = ChartToScreen(corners[i].X, corners[i].Y, corners[i].Z);
    DrawStoredQuad();
}

void TCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) {
    const bool outlines = Brush().Style() == TBrushStyle::bsClear;
    const TColor face = FaceColor();
    auto darken = [&](int amount) {
        if (darkSides) DarkenBrush(face, amount);
    };
    auto project = [&](const TPoint3D (&c)[4]) {
        for (int i = 0; i < 4; ++i) storedQuad_[i] = ChartToScreen(c[i].X, c[i].Y, c[i].Z);
    };
    const TPoint* q = storedQuad_;

    project({{left, top, z0}, {right, top, z0}, {right, bottom, z0}, {left, bottom, z0}});
    if (!outlines && Turn(q[3], q[2], q[1]) <= 0)
        project({{left, top, z1}, {right, top, z1}, {right, bottom, z1}, {left, bottom, z1}});
    DrawStoredQuad();

    project({{right, top, z0}, {right, top, z1}, {right, bottom, z1}, {right, bottom, z0}});
    if (outlines || Turn(q[3], q[2], q[1]) > 0) {
        darken(SideDarkening);
        DrawStoredQuad();
    }
    project({{left, top, z0}, {left, top, z1}, {left, bottom, z1}, {left, bottom, z0}});
    if (outlines || Turn(q[3], q[0], q[1]) > 0) {
        darken(SideDarkening);
        DrawStoredQuad();
    }
    project({{left, top, z0}, {right, top, z0}, {right, top, z1}, {left, top, z1}});
    if (outlines || Turn(q[0], q[1], q[2]) > 0) {
        darken(TopDarkening);
        DrawStoredQuad();
    }
    project({{left, bottom, z0}, {left, bottom, z1}, {right, bottom, z1}, {right, bottom, z0}});
    if (outlines || Turn(q[3], q[2], q[1]) < 0) {
        darken(TopDarkening);
        DrawStoredQuad();
    }
}

void TCanvas3D::Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool dark3D,
                     int conePercent) {
    const double depthRadius = (z1 - z0) / 2.0;
    const int depthCentre = (z0 + z1) / 2;
    // Across the axis: the width of an upright cone, the height of a lying one.
    const double radius = vertical ? (right - left) / 2.0 : (bottom - top) / 2.0;
    const int centre = vertical ? (left + right) / 2 : (top + bottom) / 2;
    const int baseAt = vertical ? bottom : left;
    const int farAt = vertical ? top : right;
    const double farScale = conePercent / 100.0;
    const int firstAngle = vertical ? 4 : 5;

    auto at = [&](int across, int along, int z) {
        return vertical ? ChartToScreen(across, along, z) : ChartToScreen(along, across, z);
    };
    TPoint base[ConeSides], far[ConeSides];
    for (int k = 1; k <= ConeSides; ++k) {
        const double angle = (k - firstAngle) * 2 * std::numbers::pi / ConeSides;
        const double s = std::sin(angle), c = std::cos(angle);
        base[k - 1] = at(centre + RoundToInt(s * radius), baseAt, depthCentre - RoundToInt(c * depthRadius));
        far[k - 1] = at(centre + RoundToInt(s * radius * farScale), farAt,
                        depthCentre - RoundToInt(c * depthRadius * farScale));
    }

    const TColor face = FaceColor();
    auto side = [&](int a, int b) {
        storedQuad_[0] = far[a];
        storedQuad_[1] = base[a];
        storedQuad_[2] = base[b];
        storedQuad_[3] = far[b];
        return !IsBackFace(storedQuad_[0], storedQuad_[1], storedQuad_[2]);
    };
    for (int k = 2; k <= ConeSides; ++k) {
        if (!side(k - 2, k - 1)) continue;
        if (dark3D) DarkenBrush(face, 8 * (k - 2));
        DrawStoredQuad();
    }
    if (side(ConeSides - 1, 0)) DrawStoredQuad();

    // Lying, the end the view shows: the far one when a face looking to the
    // right faces the viewer, else the base.
    const TPoint* cap = far;
    if (!vertical && !IsBackFace(ChartToScreen(0, 0, 0), ChartToScreen(0, 0, 10), ChartToScreen(0, 10, 10))) cap = base;
    if (dark3D) DarkenBrush(face, TopDarkening);
    Polygon(cap, ConeSides);
}

void TCanvas3D::Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) {
    const TColor face = FaceColor();
    auto darken = [&](int amount) {
        if (darkSides) DarkenBrush(face, amount);
    };
    auto triangle = [&](TPoint a, TPoint b, TPoint c) {
        const TPoint p[3] = {a, b, c};
        Polygon(p, 3);
    };
    if (vertical) {
        const TPoint frontLeft = ChartToScreen(left, bottom, z0);
        const TPoint frontRight = ChartToScreen(right, bottom, z0);
        const TPoint backLeft = ChartToScreen(left, bottom, z1);
        const TPoint backRight = ChartToScreen(right, bottom, z1);
        const TPoint apex = ChartToScreen((left + right) / 2, top, (z0 + z1) / 2);
        const bool up = top < bottom;
        if (top != bottom) {
            triangle(frontLeft, apex, frontRight);
            if (IsBackFace(frontLeft, apex, backLeft) != up) triangle(frontLeft, apex, backLeft);
            if (IsBackFace(frontRight, apex, backRight) == up) {
                darken(SideDarkening);
                triangle(frontRight, apex, backRight);
            }
            if (up && IsBackFace(apex, backLeft, backRight)) {
                darken(SideDarkening);
                triangle(apex, backLeft, backRight);
            }
        }
        if (IsBackFace(frontLeft, frontRight, backLeft) == up) {
            darken(TopDarkening);
            HorizontalRect3D(left, bottom, right, z0, z1);
        }
        return;
    }
    const TPoint topFront = ChartToScreen(left, top, z0);
    const TPoint bottomFront = ChartToScreen(left, bottom, z0);
    const TPoint topBack = ChartToScreen(left, top, z1);
    const TPoint bottomBack = ChartToScreen(left, bottom, z1);
    const TPoint apex = ChartToScreen(right, (top + bottom) / 2, (z0 + z1) / 2);
    const bool forward = left < right;
    if (left != right) {
        triangle(topFront, apex, bottomFront);
        if (IsBackFace(topBack, apex, bottomBack) != forward) triangle(topBack, apex, bottomBack);
        if (IsBackFace(topFront, apex, topBack) != forward) {
            darken(TopDarkening);
            triangle(topFront, apex, topBack);
        }
        if (IsBackFace(bottomBack, apex, bottomFront) != forward) {
            darken(TopDarkening);
            triangle(bottomBack, apex, bottomFront);
        }
    }
    if (IsBackFace(topFront, bottomFront, topBack) == forward) {
        darken(SideDarkening);
        DepthRect3D(left, top, bottom, z0, z1);
    }
}

void TCanvas3D::TruncatedPyramid(const TRect& r, int startZ, int endZ, int truncX, int truncZ) {
    const int mx = (r.Left + r.Right) / 2;
    const int mz = (startZ + endZ) / 2;
    const bool up = r.Top < r.Bottom;
    auto base = [&] { HorizontalRect3D(r.Left, r.Bottom, r.Right, startZ, endZ); };
    auto topFace = [&] {
        if (truncX != 0) HorizontalRect3D(mx - truncX, r.Top, mx + truncX, mz - truncZ, mz + truncZ);
    };
    // Front or back: top edge at depth a, base edge at depth b.
    auto frontOrBack = [&](int a, int b) {
        const TPoint corners[4] = {{mx - truncX, r.Top}, {mx + truncX, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
        const bool turned = IsBackFace(ChartToScreen(corners[1], a), ChartToScreen(corners[2], b),
                                       ChartToScreen(corners[3], b));
        const bool showsAnyway = (a >= b || a < 1 || r.Top >= r.Bottom) && (b >= a || r.Bottom >= r.Top);
        if (!turned || showsAnyway) QuadBetweenDepths(corners, a, b);
    };
    // Left or right: top edge at x t, base edge at x e.
    auto leftOrRight = [&](int t, int e) {
        const TPoint3D corners[4] = {
            {t, r.Top, mz - truncZ}, {t, r.Top, mz + truncZ}, {e, r.Bottom, endZ}, {e, r.Bottom, startZ}};
        for (int i = 0; i < 4; ++i) storedQuad_[i] = ChartToScreen(corners[i].X, corners[i].Y, corners[i].Z);
        const bool turned = IsBackFace(storedQuad_[3], storedQuad_[2], storedQuad_[1]);
        const bool showsAnyway = (t >= e || r.Top >= r.Bottom) && (e >= t || r.Bottom >= r.Top);
        if (!turned || showsAnyway) DrawStoredQuad();
    };

    if (up)
        base();
    else
        topFace();
    frontOrBack(mz + truncZ, endZ);
    if (truncX != 0 || startZ != endZ) {
        leftOrRight(mx - truncX, r.Left);
        frontOrBack(mz - truncZ, startZ);
        leftOrRight(mx + truncX, r.Right);
    }
    if (up)
        topFace();
    else
        base();
}

void TCanvas3D::ClipToBox(const TRect& r, int minZ, int maxZ) {
    std::vector<TPoint> corners;
    for (int z : {minZ, maxZ})
        for (const TPoint& p : ProjectRectCorners(r, z)) corners.push_back(p);
    if (!ConvexHull(corners)) return;
    ClipToPolygon(corners.data(), static_cast<int>(corners.size()), false);
}
