#include "chart/WallSolids.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartGeometry.h"

namespace {

constexpr int SideDarkening = 128;
constexpr int TopDarkening = 64;

struct Face {
    TPoint p[4];
};

Face Project(TCanvas3D& canvas, const int (&corners)[4][3]) {
    Face f;
    for (int i = 0; i < 4; ++i) f.p[i] = canvas.ChartToScreen(corners[i][0], corners[i][1], corners[i][2]);
    return f;
}

// Turn of the corners around p2 (for faces listed top-left, top-right, bottom-right, bottom-left).
long long TurnAtThird(const Face& f) {
    const TPoint* p = f.p;
    return static_cast<long long>(p[3].X - p[2].X) * (p[1].Y - p[2].Y) -
           static_cast<long long>(p[1].X - p[2].X) * (p[3].Y - p[2].Y);
}

long long TurnAtFirst(const Face& f) {
    const TPoint* p = f.p;
    return static_cast<long long>(p[3].X - p[0].X) * (p[1].Y - p[0].Y) -
           static_cast<long long>(p[1].X - p[0].X) * (p[3].Y - p[0].Y);
}

long long TurnAtSecond(const Face& f) {
    const TPoint* p = f.p;
    return static_cast<long long>(p[0].X - p[1].X) * (p[2].Y - p[1].Y) -
           static_cast<long long>(p[2].X - p[1].X) * (p[0].Y - p[1].Y);
}

void DrawFace(TCanvas3D& canvas, const Face& f) { canvas.Polygon(f.p, 4); }

}  // namespace

void RectangleWithZ(TCanvas3D& canvas, const TRect& r, int z) {
    const int corners[4][3] = {{r.Left, r.Top, z}, {r.Right, r.Top, z}, {r.Right, r.Bottom, z}, {r.Left, r.Bottom, z}};
    DrawFace(canvas, Project(canvas, corners));
}

void HorizontalRect3D(TCanvas3D& canvas, int left, int y, int right, int z0, int z1) {
    const int corners[4][3] = {{left, y, z0}, {right, y, z0}, {right, y, z1}, {left, y, z1}};
    DrawFace(canvas, Project(canvas, corners));
}

void DepthRect3D(TCanvas3D& canvas, int x, int top, int bottom, int z0, int z1) {
    const int corners[4][3] = {{x, top, z0}, {x, top, z1}, {x, bottom, z1}, {x, bottom, z0}};
    DrawFace(canvas, Project(canvas, corners));
}

void Cube(TCanvas3D& canvas, int left, int right, int top, int bottom, int z0, int z1, bool darkSides) {
    const bool outlines = canvas.Brush().Style() == TBrushStyle::bsClear;
    const TColor face = canvas.Brush().Color();
    auto darken = [&](int amount) {
        if (darkSides) canvas.Brush().SetColor(DarkerColor(face, amount));
    };
    const int frontCorners[4][3] = {{left, top, z0}, {right, top, z0}, {right, bottom, z0}, {left, bottom, z0}};
    const Face front = Project(canvas, frontCorners);
    if (outlines || TurnAtThird(front) > 0) {
        DrawFace(canvas, front);
    } else {
        const int backCorners[4][3] = {{left, top, z1}, {right, top, z1}, {right, bottom, z1}, {left, bottom, z1}};
        DrawFace(canvas, Project(canvas, backCorners));
    }
    const int rightCorners[4][3] = {{right, top, z0}, {right, top, z1}, {right, bottom, z1}, {right, bottom, z0}};
    const Face rightFace = Project(canvas, rightCorners);
    if (outlines || TurnAtThird(rightFace) > 0) {
        darken(SideDarkening);
        DrawFace(canvas, rightFace);
    }
    const int leftCorners[4][3] = {{left, top, z0}, {left, top, z1}, {left, bottom, z1}, {left, bottom, z0}};
    const Face leftFace = Project(canvas, leftCorners);
    if (outlines || TurnAtFirst(leftFace) > 0) {
        darken(SideDarkening);
        DrawFace(canvas, leftFace);
    }
    const int topCorners[4][3] = {{left, top, z0}, {right, top, z0}, {right, top, z1}, {left, top, z1}};
    const Face topFace = Project(canvas, topCorners);
    if (outlines || TurnAtSecond(topFace) > 0) {
        darken(TopDarkening);
        DrawFace(canvas, topFace);
    }
    const int bottomCorners[4][3] = {{left, bottom, z0}, {left, bottom, z1}, {right, bottom, z1}, {right, bottom, z0}};
    const Face bottomFace = Project(canvas, bottomCorners);
    if (outlines || TurnAtThird(bottomFace) < 0) {
        darken(TopDarkening);
        DrawFace(canvas, bottomFace);
    }
}
