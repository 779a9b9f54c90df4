#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/View3DOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The projection alone; nothing is drawn.
class ProjectionCanvas : public TChartCanvas3D {
public:
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void TextOut(int, int, const std::string&) override {}
    void TextOutRotated(int, int, const std::string&, int) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void FillRect(const TRect&) override {}
    void Rectangle(int, int, int, int) override {}
    void ClipToRect(const TRect&) override {}
    void RemoveClip() override {}
};

}  // namespace

TEST(Projection, FlatLeavesPointsAlone) {
    ProjectionCanvas canvas;
    TView3DOptions options;
    options.SetZoom(300);
    options.SetHorizOffset(40);
    canvas.PrepareProjection(&options, false);
    canvas.SetupProjection(50, TRect{0, 0, 400, 200});
    EXPECT_EQ(canvas.ChartToScreen(100, 50, 30), (TPoint{100, 50}));
    int x = 7, y = 9;
    canvas.ScreenToChart(x, y, 30);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
}

TEST(Projection, ObliqueShiftsByDepth) {
    const struct {
        int angle;
        TPoint screen;
    } cases[] = {{45, {210, 90}}, {135, {190, 90}}, {90, {210, 90}}};  // 90: slope 1, not a huge one
    for (const auto& c : cases) {
        ProjectionCanvas canvas;
        TView3DOptions options;
        options.SetOrthoAngle(c.angle);
        canvas.PrepareProjection(&options, true);
        canvas.SetupProjection(0, TRect{0, 0, 400, 200});  // centre (200, 100)
        EXPECT_EQ(canvas.ChartToScreen(200, 100, 10), c.screen) << c.angle;
        int x = c.screen.X, y = c.screen.Y;
        canvas.ScreenToChart(x, y, 10);
        EXPECT_EQ(x, 200);
        EXPECT_EQ(y, 100);
    }
}

TEST(Projection, RotatedView) {
    ProjectionCanvas canvas;
    TView3DOptions options;
    options.SetOrthogonal(false);
    options.SetPerspective(0);
    canvas.PrepareProjection(&options, true);
    canvas.SetupProjection(100, TRect{0, 0, 400, 300});
    EXPECT_EQ(canvas.ChartToScreen(200, 150, 50), (TPoint{200, 150}));  // the centre stays
    // turned by 15 degrees about both axes (sines 0.2588, cosines 0.9659): for
    // x = 100 from the centre, d = -x sin r = -25.9, u = x cos r = 96.6, v = -d sin e = 6.7
    EXPECT_EQ(canvas.ChartToScreen(300, 150, 50), (TPoint{297, 157}));

    // seen straight on, the reverse projection undoes the zoomed forward one
    options.SetElevation(0);
    options.SetRotation(0);
    options.SetZoom(150);
    canvas.PrepareProjection(&options, true);
    canvas.SetupProjection(100, TRect{0, 0, 400, 300});
    for (TPoint p : {TPoint{0, 0}, TPoint{400, 300}, TPoint{123, 45}}) {
        const TPoint s = canvas.ChartToScreen(p.X, p.Y, 20);
        int x = s.X, y = s.Y;
        canvas.ScreenToChart(x, y, 20);
        EXPECT_LE(std::abs(x - p.X), 1) << p.X << "," << p.Y;
        EXPECT_LE(std::abs(y - p.Y), 1) << p.X << "," << p.Y;
    }
    canvas.RotationOff();
    EXPECT_EQ(canvas.ChartToScreen(10, 20, 30), (TPoint{10, 20}));
    canvas.RotationOn();
    EXPECT_TRUE(canvas.Active3D());
}

TEST(Projection, ZoomAndPerspectiveShrinkTheFarSide) {
    ProjectionCanvas canvas;
    TView3DOptions options;
    options.SetOrthogonal(false);
    options.SetElevation(0);
    options.SetRotation(0);
    options.SetZoom(200);
    canvas.PrepareProjection(&options, true);
    canvas.SetupProjection(100, TRect{0, 0, 400, 300});
    EXPECT_EQ(canvas.ChartToScreen(210, 150, 50), (TPoint{220, 150}));  // twice as far from the centre
    const TPoint nearPoint = canvas.ChartToScreen(300, 150, 0);
    const TPoint farPoint = canvas.ChartToScreen(300, 150, 100);
    EXPECT_GT(nearPoint.X, farPoint.X);
}

TEST(View3DOptions, ChangesRepaintAndTellTheirEvents) {
    int repaints = 0;
    TView3DOptions options([&repaints] { ++repaints; });
    int oldZoom = -1;
    options.OnChangedZoom = [&oldZoom](int old) { oldZoom = old; };
    options.SetZoom(150);
    EXPECT_EQ(oldZoom, 100);
    EXPECT_EQ(repaints, 1);
    oldZoom = -1;
    options.SetZoom(150);
    EXPECT_EQ(oldZoom, -1);
    EXPECT_EQ(repaints, 1);
    int scrolled = 0;
    options.OnScrolled = [&scrolled](bool horizontal) { scrolled += horizontal ? 1 : 10; };
    options.SetHorizOffset(5);
    options.SetVertOffset(5);
    EXPECT_EQ(scrolled, 11);

    EXPECT_DOUBLE_EQ(options.ObliqueSlope(), 1);
    options.SetOrthoAngle(135);
    EXPECT_NEAR(options.ObliqueSlope(), 1, 1e-12);
    options.SetOrthoAngle(60);
    EXPECT_NEAR(options.ObliqueSlope(), 1.7320508075688772, 1e-12);
    options.SetOrthogonal(false);
    EXPECT_EQ(options.ObliqueSlope(), 1);

    TView3DOptions copy;
    const int before = repaints;
    copy.Assign(options);
    EXPECT_EQ(copy.OrthoAngle(), 60);
    EXPECT_EQ(copy.Zoom(), 150);
    EXPECT_EQ(repaints, before);
}
