#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/View3DOptions.h"
#include "chart/geometry/ConvexHull.h"
#include "tests/support/PixelCanvas.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>
#include <string>
#include <vector>

using platform::COLORREF;
using platform::RGB;

namespace {

enum class View { Flat, ObliqueRight, ObliqueLeft, Facing };

// The device-context canvas drawing into a 100 × 100 test bitmap whose
// projection centre is (50, 50): obliquely at 45° a point at depth z moves
// z pixels up and z pixels right (left for ObliqueLeft); Facing is the
// rotated projection looking straight at the chart.
struct SolidsCanvas {
    explicit SolidsCanvas(View view, int size = 100) : target(size, size) {
        onTarget.SetHandle(target.Dc());
        canvas.SetBuffered(false);
        options.SetOrthogonal(view == View::ObliqueRight || view == View::ObliqueLeft);
        options.SetOrthoAngle(view == View::ObliqueLeft ? 135 : 45);
        options.SetElevation(0);
        options.SetRotation(0);
        options.SetPerspective(0);
        canvas.PrepareDrawing(&onTarget, &options, clWhite, view != View::Flat, TRect{0, 0, size, size});
        canvas.SetupProjection(0, TRect{0, 0, size, size});
        canvas.Pen().SetStyle(TPenStyle::psClear);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Face);
    }
    static constexpr TColor Face = 0x8080C0;  // red 192, green 128, blue 128
    PixelCanvas target;
    TCanvas onTarget;
    TView3DOptions options;
    TChartCanvas3D canvas;
};

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF FaceRgb = RGB(192, 128, 128);
constexpr COLORREF SideRgb = RGB(64, 0, 0);     // less 128
constexpr COLORREF TopRgb = RGB(128, 64, 64);   // less 64
constexpr COLORREF Painted = 0xFFFFFFFF;        // anything but white

struct Expect {
    int x, y;
    COLORREF color;
};

struct SolidCase {
    const char* name;
    View view;
    std::function<void(TChartCanvas3D&)> draw;
    std::vector<Expect> pixels;
};

void CheckPixels(const SolidCase& c) {
    SolidsCanvas s(c.view);
    c.draw(s.canvas);
    s.target.Dump(std::string("solid_") + c.name);
    for (const Expect& e : c.pixels) {
        const COLORREF got = s.target.At(e.x, e.y);
        if (e.color == Painted)
            EXPECT_NE(got, White) << c.name << " at " << e.x << "," << e.y;
        else
            EXPECT_EQ(got, e.color) << c.name << " at " << e.x << "," << e.y;
    }
}

}  // namespace

// Box (20..60 × 30..70, 20 deep): the faces towards the viewer in their
// shades, the faces turned away left out.
TEST(ChartSolids, BoxesShowTheFacesTowardsTheViewer) {
    const auto box = [](TChartCanvas3D& c) { c.Cube(20, 60, 30, 70, 0, 20, true); };
    const SolidCase cases[] = {
        {"cube_right", View::ObliqueRight, box,
         {{40, 50, FaceRgb}, {70, 50, SideRgb}, {40, 20, TopRgb}, {10, 50, White}, {40, 75, White}}},
        {"cube_left", View::ObliqueLeft, box,
         {{40, 50, FaceRgb}, {10, 50, SideRgb}, {30, 20, TopRgb}, {70, 50, White}, {40, 75, White}}},
        {"cube_flat", View::Flat, box, {{21, 31, FaceRgb}, {59, 69, FaceRgb}, {19, 50, White}, {40, 71, White}}},
        {"cube_light", View::ObliqueRight, [](TChartCanvas3D& c) { c.Cube(20, 60, 30, 70, 0, 20, false); },
         {{40, 50, FaceRgb}, {70, 50, FaceRgb}, {40, 20, FaceRgb}}},
    };
    for (const SolidCase& c : cases) CheckPixels(c);
}

TEST(ChartSolids, ABoxWithAClearBrushOutlinesEveryCandidateFace) {
    SolidsCanvas s(View::ObliqueRight);
    s.canvas.Pen().SetStyle(TPenStyle::psSolid);
    s.canvas.Pen().SetColor(clBlack);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Cube(20, 60, 30, 70, 0, 20, true);
    // the left and bottom faces' far edges are drawn too
    EXPECT_EQ(s.target.At(70, 50), RGB(0, 0, 0));  // bottom's back edge
    EXPECT_EQ(s.target.At(40, 30), RGB(0, 0, 0));  // left face's back edge
    EXPECT_EQ(s.target.At(45, 45), White);         // nothing filled
}

// Round and pointed solids cover their outline, not their bounding box.
TEST(ChartSolids, CylindersConesAndPyramidsCoverTheirShape) {
    const SolidCase cases[] = {
        // the left silhouette is near x = 28: the box corner stays white
        {"cylinder", View::ObliqueRight, [](TChartCanvas3D& c) { c.Cylinder(true, 20, 30, 60, 70, 0, 20, true); },
         {{50, 50, Painted}, {22, 50, White}, {50, 20, TopRgb}, {75, 75, White}}},
        // lying: its axis runs along X from the base at 20 to the end at 60,
        // whose cap the view shows (centred on 70, 40)
        {"cylinder_lying", View::ObliqueRight,
         [](TChartCanvas3D& c) { c.Cylinder(false, 20, 30, 60, 70, 0, 20, true); },
         {{45, 45, Painted}, {40, 68, White}, {75, 75, White}, {70, 40, TopRgb}, {76, 40, TopRgb}}},
        {"cylinder_lying_left", View::ObliqueLeft,
         [](TChartCanvas3D& c) { c.Cylinder(false, 20, 30, 60, 70, 0, 20, true); },
         {{45, 45, Painted}, {10, 40, TopRgb}, {75, 40, White}}},
        // the cone narrows to a point at the top: the cylinder's cap area is white
        {"cone", View::ObliqueRight, [](TChartCanvas3D& c) { c.Cone(true, 20, 30, 60, 70, 0, 20, true, 0); },
         {{50, 55, Painted}, {35, 25, White}, {65, 25, White}}},
        {"pyramid", View::ObliqueRight, [](TChartCanvas3D& c) { c.Pyramid(true, 20, 30, 60, 70, 0, 20, true); },
         {{40, 65, FaceRgb}, {22, 35, White}, {75, 25, White}, {65, 50, SideRgb}}},
        {"pyramid_lying", View::ObliqueRight,
         [](TChartCanvas3D& c) { c.Pyramid(false, 20, 30, 60, 70, 0, 20, true); },
         {{30, 50, FaceRgb}, {65, 65, White}, {25, 15, White}}},
        // a truncated pyramid, flat: a trapezoid 10 wide at the top, 40 at the base
        {"truncated", View::Flat, [](TChartCanvas3D& c) { c.TruncatedPyramid(TRect{20, 30, 60, 70}, 0, 0, 5, 0); },
         {{40, 35, Painted}, {22, 35, White}, {58, 35, White}, {22, 69, Painted}}},
    };
    for (const SolidCase& c : cases) CheckPixels(c);
}

TEST(ChartSolids, ConeSidesDarkenAroundTheRim) {
    SolidsCanvas s(View::ObliqueRight);
    s.canvas.Cylinder(true, 20, 30, 60, 70, 0, 20, true);
    // the faces further round are darker
    const COLORREF left = s.target.At(33, 50), right = s.target.At(65, 50);
    EXPECT_NE(left, White);
    EXPECT_NE(right, White);
    EXPECT_GT(platform::GetRValue(left), platform::GetRValue(right));
    s.target.Fill(White);
    s.canvas.Brush().SetColor(SolidsCanvas::Face);
    s.canvas.Cylinder(true, 20, 30, 60, 70, 0, 20, false);
    EXPECT_EQ(s.target.At(33, 50), FaceRgb);
    EXPECT_EQ(s.target.At(65, 50), FaceRgb);
}

TEST(ChartSolids, EllipsesAndSpheres) {
    const SolidCase cases[] = {
        // flat: one pixel larger to the right and bottom
        // (without an outline the platform leaves the last column and row unfilled)
        {"ellipse_flat", View::Flat, [](TChartCanvas3D& c) { c.EllipseAtDepth(0, 0, 10, 10, 0); },
         {{9, 5, Painted}, {5, 9, Painted}, {10, 5, White}}},
        // turned: a fan of triangles fills the disc of radius 20
        {"sphere_facing", View::Facing, [](TChartCanvas3D& c) { c.Sphere(50, 50, 0, 20.4); },
         {{50, 50, FaceRgb}, {50, 68, FaceRgb}, {37, 37, FaceRgb}, {50, 72, White}, {35, 35, White}}},
        // oblique: the ellipse moves with the depth
        {"sphere_oblique", View::ObliqueRight, [](TChartCanvas3D& c) { c.Sphere(50, 50, 10, 10); },
         {{60, 40, FaceRgb}, {50, 50, White}}},
    };
    for (const SolidCase& c : cases) CheckPixels(c);
}

TEST(ChartSolids, Arrows) {
    const SolidCase cases[] = {
        {"arrow_nothing", View::Flat, [](TChartCanvas3D& c) { c.Arrow(true, {30, 30}, {30, 30}, 10, 10, 0); },
         {{30, 30, White}, {29, 30, White}}},
        // head 20 wide and 10 long, shaft half its width
        {"arrow_filled", View::Flat, [](TChartCanvas3D& c) { c.Arrow(true, {10, 50}, {90, 50}, 20, 10, 0); },
         {{20, 50, FaceRgb}, {20, 53, FaceRgb}, {20, 57, White}, {85, 50, FaceRgb}, {82, 55, FaceRgb}, {70, 57, White}}},
        // a head longer than the arrow reaches back to its start
        {"arrow_short", View::Flat, [](TChartCanvas3D& c) { c.Arrow(true, {40, 50}, {50, 50}, 20, 30, 0); },
         {{42, 50, FaceRgb}, {42, 55, FaceRgb}, {35, 50, White}}},
    };
    for (const SolidCase& c : cases) CheckPixels(c);

    SolidsCanvas s(View::Flat);
    s.canvas.Pen().SetStyle(TPenStyle::psSolid);
    s.canvas.Pen().SetColor(clBlack);
    s.canvas.Arrow(false, {10, 50}, {90, 50}, 20, 10, 0);
    EXPECT_EQ(s.target.At(50, 50), RGB(0, 0, 0));  // the shaft
    EXPECT_EQ(s.target.At(85, 55), RGB(0, 0, 0));  // a head line
    EXPECT_EQ(s.target.At(82, 51), White);         // not filled
}

TEST(ChartSolids, PlanesAndQuads) {
    const SolidCase cases[] = {
        {"horizontal_plane", View::ObliqueRight, [](TChartCanvas3D& c) { c.HorizontalRect3D(20, 60, 60, 0, 20); },
         {{40, 55, FaceRgb}, {40, 62, White}, {70, 45, FaceRgb}}},
        {"depth_plane", View::ObliqueRight, [](TChartCanvas3D& c) { c.DepthRect3D(30, 20, 60, 0, 20); },
         {{40, 40, FaceRgb}, {25, 40, White}}},
        {"rectangle_at_depth", View::ObliqueRight,
         [](TChartCanvas3D& c) { c.RectangleAtDepth(TRect{20, 20, 40, 40}, 10); },
         {{35, 15, FaceRgb}, {25, 35, White}}},
        {"triangle", View::Flat, [](TChartCanvas3D& c) { c.TriangleAtDepth({10, 10}, {90, 10}, {10, 90}, 0); },
         {{20, 20, FaceRgb}, {80, 80, White}}},
        {"colored_triangle", View::Flat,
         [](TChartCanvas3D& c) { const TPoint3D corners[3] = {{10, 10, 0}, {90, 10, 0}, {10, 90, 0}};
             const TColor colors[3] = {clLime, clRed, clBlue};
             c.ColoredTriangle3D(corners, colors); },
         {{20, 20, RGB(0, 255, 0)}}},
    };
    for (const SolidCase& c : cases) CheckPixels(c);
}

TEST(ChartSolids, AWidePenWritesADot) {
    SolidsCanvas s(View::Flat);
    s.canvas.WritePixelAtDepth(10, 10, 0, clRed);
    EXPECT_EQ(s.target.At(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(s.target.Count(RGB(255, 0, 0)), 1);
    s.canvas.Pen().SetStyle(TPenStyle::psSolid);
    s.canvas.Pen().SetWidth(5);
    s.canvas.WritePixelAtDepth(50, 50, 0, clBlue);
    EXPECT_EQ(s.target.At(51, 51), RGB(0, 0, 255));
    EXPECT_GT(s.target.Count(RGB(0, 0, 255)), 4);
    EXPECT_EQ(s.canvas.ReadPixelAtDepth(50, 50, 0), clBlue);
    EXPECT_EQ(s.canvas.Pen().Color(), clBlack);  // the pen keeps its own colour
}

TEST(ChartSolids, APictureLiesOnAPlaneOneQuadAPixel) {
    TBitmap picture(2, 2, TPixelFormat::pf24bit);
    picture.Canvas()->SetPixel(0, 0, clRed);
    picture.Canvas()->SetPixel(1, 0, clLime);
    picture.Canvas()->SetPixel(0, 1, clBlue);
    picture.Canvas()->SetPixel(1, 1, clYellow);
    SolidsCanvas s(View::Flat);
    s.canvas.PictureOnPlane(TRect{10, 10, 50, 50}, &picture, 0, 2);
    EXPECT_EQ(s.target.At(20, 20), RGB(255, 0, 0));
    EXPECT_EQ(s.target.At(40, 20), RGB(0, 255, 0));
    EXPECT_EQ(s.target.At(20, 40), RGB(0, 0, 255));
    EXPECT_EQ(s.target.At(40, 40), RGB(255, 255, 0));
    EXPECT_EQ(s.target.At(55, 55), White);
    EXPECT_EQ(s.canvas.Pen().Style(), TPenStyle::psClear);
    EXPECT_EQ(s.canvas.Brush().Color(), SolidsCanvas::Face);  // the brush is given back

    // on the plane X = 30 the columns run into the depth
    SolidsCanvas side(View::ObliqueRight);
    side.canvas.PictureOnPlane(TRect{0, 20, 20, 60}, &picture, 30, 0);
    EXPECT_EQ(side.target.At(33, 30), RGB(255, 0, 0));      // column 0, row 0: depth 0..10
    EXPECT_EQ(side.target.At(45, 20), RGB(0, 255, 0));      // column 1, row 0: depth 10..20
    EXPECT_EQ(side.target.At(25, 30), White);

    TBitmap empty;
    SolidsCanvas none(View::Flat);
    none.canvas.PictureOnPlane(TRect{10, 10, 50, 50}, &empty, 0, 2);
    none.canvas.PictureOnPlane(TRect{10, 10, 50, 50}, nullptr, 0, 2);
    EXPECT_EQ(none.target.Count(White), 100 * 100);
}

TEST(ChartSolids, TheBoxClipInFlatViewKeepsItsInnerEdges) {
    SolidsCanvas s(View::Flat);
    s.canvas.ClipToBox(TRect{10, 10, 100, 50}, 0, 0);
    s.canvas.FillRect(TRect{0, 0, 100, 100});
    s.canvas.RemoveClip();
    EXPECT_EQ(s.target.At(10, 20), White);
    EXPECT_EQ(s.target.At(11, 11), FaceRgb);
    EXPECT_EQ(s.target.At(99, 48), FaceRgb);
    EXPECT_EQ(s.target.At(50, 49), White);

    // in 3D the clip is the outline of the projected box
    SolidsCanvas box(View::ObliqueRight);
    box.canvas.ClipToBox(TRect{20, 30, 60, 70}, 0, 20);
    box.canvas.FillRect(TRect{0, 0, 100, 100});
    box.canvas.RemoveClip();
    EXPECT_EQ(box.target.At(40, 50), FaceRgb);
    EXPECT_EQ(box.target.At(75, 30), FaceRgb);  // behind the front, inside the outline
    EXPECT_EQ(box.target.At(25, 15), White);    // above the front-left corner
    EXPECT_EQ(box.target.At(75, 67), White);    // below the back-right corner
}

TEST(ChartSolids, ConvexHulls) {
    const struct {
        std::vector<TPoint> points;
        bool made;
        std::vector<TPoint> hull;
    } cases[] = {
        {{{0, 0}, {5, 5}}, false, {{0, 0}, {5, 5}}},
        {{{0, 0}, {5, 5}, {9, 1}}, true, {{0, 0}, {5, 5}, {9, 1}}},
        // a square with points inside: its corners, the topmost-rightmost last
        {{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {3, 7}},
         true,
         {{10, 10}, {0, 10}, {0, 0}, {10, 0}}},
        // a projected box: eight corners, six on the outline
        {{{20, 30}, {60, 30}, {60, 70}, {20, 70}, {40, 10}, {80, 10}, {80, 50}, {40, 50}},
         true,
         {{80, 50}, {60, 70}, {20, 70}, {20, 30}, {40, 10}, {80, 10}}},
    };
    for (const auto& c : cases) {
        std::vector<TPoint> p = c.points;
        EXPECT_EQ(ConvexHull(p), c.made);
        EXPECT_EQ(p, c.hull);
    }
}

namespace {

// Counts the corners of every polygon the pie slice draws.
class PolygonCounter : public TChartCanvas3D {
public:
    void Polygon(const TPoint*, int count) override { counts.push_back(count); }
    std::vector<int> counts;
};

}  // namespace

TEST(ChartSolids, PieSlicesSpreadTheirRimPoints) {
    const struct {
        double degrees;
        int facePoints;  // the centre and the rim
    } cases[] = {{90, 1 + 47}, {360, 1 + 96}, {2, 1 + 3}, {0, 1 + 2}};
    for (const auto& c : cases) {
        PolygonCounter canvas;
        canvas.PrepareProjection(nullptr, false);
        canvas.PieSliceAtDepth(50, 50, 40, 40, 0, 10, 0, c.degrees * std::numbers::pi / 180, false, false, 0, nullptr);
        ASSERT_FALSE(canvas.counts.empty()) << c.degrees;
        EXPECT_EQ(canvas.counts.front(), c.facePoints) << c.degrees;
    }
}

TEST(ChartSolids, PieSlicesAndDonutsOnPixels) {
    SolidsCanvas pie(View::Flat);
    pie.canvas.PieSliceAtDepth(50, 50, 40, 40, 0, 0, 0, std::numbers::pi / 2, false, false, 0, nullptr);
    EXPECT_EQ(pie.target.At(70, 30), FaceRgb);  // inside the upper-right quarter
    EXPECT_EQ(pie.target.At(30, 30), White);
    EXPECT_EQ(pie.target.At(70, 70), White);

    SolidsCanvas ring(View::Flat);
    ring.canvas.PieSliceAtDepth(50, 50, 40, 40, 0, 0, 0, std::numbers::pi, false, false, 50, nullptr);
    EXPECT_EQ(ring.target.At(50, 20), FaceRgb);  // between the radii
    EXPECT_EQ(ring.target.At(50, 40), White);    // in the hole

    SolidsCanvas donut(View::Flat);
    donut.canvas.Donut(50, 50, 40, 40, 0, std::numbers::pi, 50);
    donut.target.Dump("solid_donut");
    EXPECT_EQ(donut.target.At(50, 20), FaceRgb);
    EXPECT_EQ(donut.target.At(50, 40), White);
    EXPECT_EQ(donut.target.At(50, 60), White);
}

// Every solid in one turned view, for a person to look at; each leaves
// paint in its own cell.
TEST(ChartSolids, AllSolidsInATurnedView) {
    SolidsCanvas s(View::Flat, 400);
    s.options.SetElevation(340);
    s.options.SetRotation(330);
    s.canvas.PrepareDrawing(&s.onTarget, &s.options, clWhite, true, TRect{0, 0, 400, 400});
    s.canvas.SetupProjection(60, TRect{0, 0, 400, 400});
    s.canvas.Pen().SetStyle(TPenStyle::psSolid);
    s.canvas.Pen().SetColor(clBlack);
    const std::function<void(TChartCanvas3D&, int, int)> solids[] = {
        [](TChartCanvas3D& c, int x, int y) { c.Cube(x, x + 60, y, y + 60, 0, 40, true); },
        [](TChartCanvas3D& c, int x, int y) { c.Cylinder(true, x, y, x + 60, y + 60, 0, 40, true); },
        [](TChartCanvas3D& c, int x, int y) { c.Cone(true, x, y, x + 60, y + 60, 0, 40, true, 30); },
        [](TChartCanvas3D& c, int x, int y) { c.Pyramid(true, x, y, x + 60, y + 60, 0, 40, true); },
        [](TChartCanvas3D& c, int x, int y) { c.Cylinder(false, x, y, x + 60, y + 60, 0, 40, true); },
        [](TChartCanvas3D& c, int x, int y) { c.Pyramid(false, x, y, x + 60, y + 60, 0, 40, true); },
        [](TChartCanvas3D& c, int x, int y) { c.TruncatedPyramid(TRect{x, y, x + 60, y + 60}, 0, 40, 15, 10); },
        [](TChartCanvas3D& c, int x, int y) { c.Sphere(x + 30, y + 30, 20, 30); },
        [](TChartCanvas3D& c, int x, int y) {
            c.PieSliceAtDepth(x + 30, y + 30, 30, 30, 0, 20, 0.3, 4.5, true, true, 0, nullptr);
        },
        [](TChartCanvas3D& c, int x, int y) { c.Arrow(true, {x, y + 60}, {x + 60, y}, 24, 20, 20); },
        [](TChartCanvas3D& c, int x, int y) { c.HorizontalRect3D(x, y + 30, x + 60, 0, 40); },
        [](TChartCanvas3D& c, int x, int y) {
            c.PieSliceAtDepth(x + 30, y + 30, 30, 30, 0, 20, 0.5, 5.5, true, true, 40, nullptr);
        },
    };
    int i = 0;
    for (const auto& draw : solids) {
        const int x = 20 + (i % 4) * 95, y = 30 + (i / 4) * 120;
        s.canvas.Brush().SetColor(i % 2 ? 0xC08040 : 0x4080E0);
        const int before = s.target.Count(White);
        draw(s.canvas, x, y);
        EXPECT_LT(s.target.Count(White), before) << "solid " << i;
        ++i;
    }
    s.target.Dump("solids_turned");
}
