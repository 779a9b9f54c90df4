#include "ChartTestPanel.h"

#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Depth drawn up and to the right, one pixel a step each way, as the
// default oblique view does (to the left: seen from the other side).
class ObliqueCanvas : public FixedPitchCanvas {
public:
    TPoint ChartToScreen(int x, int y, int z) override { return {x + depthX * z, y - z}; }
    int depthX = 1;
};

class WallChart : public TCustomChart {
public:
    WallChart() {
        SetView3D(false);
        Legend().SetVisible(false);
        SetCanvas(&canvas);
        SetAxisVisible(false);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 10);
        series.SetParentChart(this);
        series.AddPointXY(0, 0);
    }
    ~WallChart() override { series.SetParentChart(nullptr); }
    ObliqueCanvas canvas;
    TLineSeries series;

protected:
    void DrawPanelBackground(const TRect&) override {}
};

std::vector<TPoint> Points(std::initializer_list<TPoint> points) { return points; }

}  // namespace

TEST(ChartWalls, FlatChartDrawsItsBackWallAsARectangle) {
    WallChart chart;
    chart.Frame().SetColor(0x00FF00);
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 200, 100});
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    const auto& wall = chart.canvas.rectangles[0];
    EXPECT_EQ(wall.r, (TRect{10, 10, 191, 91}));  // one more to the right and bottom: the frame is on the edges
    EXPECT_EQ(wall.pen, 0x00FF00);
    EXPECT_EQ(wall.brush, clNone);  // transparent by default
    EXPECT_TRUE(chart.canvas.polygons.empty());  // no 3D walls in a flat chart

    chart.canvas.rectangles.clear();
    chart.BackWall().SetTransparent(false);
    chart.BackWall().SetColor(clWhite);
    chart.BackWall().SetEndPosition(50);  // the upper half, without the extra bottom pixel
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 200, 100});
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].brush, clWhite);
    EXPECT_EQ(chart.canvas.rectangles[0].r, (TRect{10, 10, 191, 50}));

    for (auto hide : {+[](WallChart& c) { c.BackWall().SetVisible(false); },
                      +[](WallChart& c) { c.SetView3DWalls(false); },
                      +[](WallChart& c) { c.BackWall().SetAutoHide(true); }}) {
        WallChart other;
        hide(other);
        other.RenderTo(other.ControlCanvas(), TRect{0, 0, 200, 100});
        EXPECT_TRUE(other.canvas.rectangles.empty());
    }
}

TEST(ChartWalls, PartialWallsAndWallSizes) {
    WallChart chart;
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 200, 100});  // plot 10..190 x 10..90
    TChartWall& back = chart.BackWall();
    back.SetStartPosition(25);
    back.SetEndPosition(50);
    int top = 0, bottom = 0;
    back.ComputeVertRange(top, bottom);
    EXPECT_EQ(top, 30);
    EXPECT_EQ(bottom, 50);

    chart.LeftWall().SetSize(6);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 0);  // flat: no wall thickness
    chart.SetView3D(true);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 6);
    EXPECT_EQ(chart.GetAxisWallSize(chart.RightAxis()), 0);  // the right wall is hidden by default
    chart.SetView3DWalls(false);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 0);

    EXPECT_FALSE(chart.Walls().Back.ColorStored());
    EXPECT_EQ(chart.Walls().Left.Color(), 0x80FFFF);
    EXPECT_FALSE(chart.Walls().Left.ColorStored());
    chart.Walls().Back.SetColor(clWhite);
    EXPECT_TRUE(chart.Walls().Back.ColorStored());
    // a new series would vanish into the wall
    EXPECT_FALSE(chart.SeriesColorIsFree(clWhite, true, nullptr));
    EXPECT_TRUE(chart.SeriesColorIsFree(clWhite, false, nullptr));

    // behind a transparent back wall the chart's own colour shows
    chart.SetColor(clSilver);
    EXPECT_EQ(chart.BackgroundColor(), clSilver);
    chart.BackWall().SetTransparent(false);
    EXPECT_EQ(chart.BackgroundColor(), clWhite);
}

TEST(ChartWalls, ThreeDWallsTakeTheirRoomAndStandBehindTheSeries) {
    WallChart chart;
    chart.SetView3D(true);
    chart.SetChart3DPercent(50);
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 400, 300});
    // 5% of the 380-pixel plot is a depth of 19 pixels each way
    EXPECT_EQ(chart.Depth3DWidth(), 19);
    EXPECT_EQ(chart.Depth3DHeight(), 19);
    EXPECT_EQ(chart.PlotRect(), (TRect{10, 29, 371, 290}));
    EXPECT_TRUE(chart.canvas.rectangles.empty());
    ASSERT_EQ(chart.canvas.polygons.size(), 3u);
    const auto& back = chart.canvas.polygons[0];
    EXPECT_EQ(back.points, Points({{29, 10}, {390, 10}, {390, 271}, {29, 271}}));
    EXPECT_EQ(back.brush, clNone);
    const auto& left = chart.canvas.polygons[1];
    EXPECT_EQ(left.points, Points({{10, 29}, {29, 10}, {29, 271}, {10, 290}}));
    EXPECT_EQ(left.brush, 0x80FFFF);
    const auto& floor = chart.canvas.polygons[2];
    EXPECT_EQ(floor.points, Points({{10, 290}, {371, 290}, {390, 271}, {29, 271}}));
    EXPECT_EQ(floor.brush, clWhite);

    // the right wall stands in front of the series: it comes after them
    std::size_t drawnBeforeSeries = 0;
    chart.series.BeforeDrawValues = [&](TChartSeries*) { drawnBeforeSeries = chart.canvas.polygons.size(); };
    chart.RightWall().SetVisible(true);
    chart.canvas.polygons.clear();
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 400, 300});
    EXPECT_EQ(chart.PlotRect().Right, 370);  // its size and one more pixel
    EXPECT_TRUE(chart.IsRightWallFront());
    EXPECT_FALSE(chart.IsLeftWallFront());
    ASSERT_EQ(chart.canvas.polygons.size(), 4u);
    EXPECT_EQ(drawnBeforeSeries, 3u);
    EXPECT_EQ(chart.canvas.polygons[3].points, Points({{370, 29}, {390, 9}, {390, 270}, {370, 290}}));

    // seen from the other side the left wall is in front and the right one behind
    chart.canvas.depthX = -1;
    EXPECT_FALSE(chart.IsRightWallFront());
    EXPECT_TRUE(chart.IsLeftWallFront());
}

TEST(ChartWalls, ThickWallsAreBoxesWithDarkerSides) {
    WallChart chart;
    chart.SetView3D(true);
    chart.SetChart3DPercent(50);
    chart.LeftWall().SetColor(0x8080C0);  // red 192, green 128, blue 128
    chart.LeftWall().SetSize(5);
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 400, 300});
    // back, the left box (front, right side, top), floor
    ASSERT_EQ(chart.canvas.polygons.size(), 5u);
    const auto& p = chart.canvas.polygons;
    EXPECT_EQ(p[1].points, Points({{5, 29}, {10, 29}, {10, 290}, {5, 290}}));
    EXPECT_EQ(p[1].brush, 0x8080C0);
    EXPECT_EQ(p[2].brush, 0x000040);  // side: each channel less 128
    EXPECT_EQ(p[3].brush, 0x404080);  // top: less 64

    chart.LeftWall().SetDark3D(false);
    chart.canvas.polygons.clear();
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 400, 300});
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(chart.canvas.polygons[i].brush, 0x8080C0);
}

TEST(ChartWalls, ABoxWithAClearBrushShowsEveryCandidateFace) {
    ObliqueCanvas canvas;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Cube(0, 10, 0, 10, 0, 5, true);
    EXPECT_EQ(canvas.polygons.size(), 5u);
    canvas.polygons.clear();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Cube(0, 10, 0, 10, 0, 5, false);
    EXPECT_EQ(canvas.polygons.size(), 3u);  // front, right, top
}
