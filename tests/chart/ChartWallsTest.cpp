#include "ChartTestPanel.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"

#include <gtest/gtest.h>

namespace {

class WallChart : public TCustomChart {
public:
    WallChart() {
        SetView3D(false);
        SetCanvas(&canvas);
        SetAxisVisible(false);
        SetBevelOuter(false);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 10);
        series.SetParentChart(this);
        series.AddPointXY(0, 0);
    }
    ~WallChart() override { series.SetParentChart(nullptr); }
    FixedPitchCanvas canvas;
    TLineSeries series;

protected:
    void DrawPanelBackground(const TRect&) override {}
    void DrawTitlesPass(bool) override {}
};

}  // namespace

TEST(ChartWalls, FlatChartDrawsItsBackWallAsARectangle) {
    WallChart chart;
    chart.Frame().SetColor(0x00FF00);
    chart.RenderTo(TRect{0, 0, 200, 100});
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    const auto& wall = chart.canvas.rectangles[0];
    EXPECT_EQ(wall.r, (TRect{10, 10, 191, 91}));  // one more to the right and bottom: the frame is on the edges
    EXPECT_EQ(wall.pen, 0x00FF00);
    EXPECT_EQ(wall.brush, clNone);  // transparent by default

    chart.canvas.rectangles.clear();
    chart.BackWall().SetTransparent(false);
    chart.BackWall().SetColor(clWhite);
    chart.RenderTo(TRect{0, 0, 200, 100});
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].brush, clWhite);

    chart.canvas.rectangles.clear();
    chart.BackWall().SetVisible(false);
    chart.RenderTo(TRect{0, 0, 200, 100});
    EXPECT_TRUE(chart.canvas.rectangles.empty());
}

TEST(ChartWalls, PartialWallsAndWallSizes) {
    WallChart chart;
    chart.RenderTo(TRect{0, 0, 200, 100});  // plot 10..190 x 10..90
    TChartWall& back = chart.BackWall();
    back.SetStartPosition(25);
    back.SetEndPosition(50);
    int top = 0, bottom = 0;
    chart.ComputeVertRange(back, top, bottom);
    EXPECT_EQ(top, 30);
    EXPECT_EQ(bottom, 50);

    chart.Walls().Left.SetSize(6);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 0);  // flat: no wall thickness
    chart.SetView3D(true);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 6);
    EXPECT_EQ(chart.GetAxisWallSize(chart.RightAxis()), 0);  // the right wall is hidden by default
    chart.SetView3DWalls(false);
    EXPECT_EQ(chart.GetAxisWallSize(chart.LeftAxis()), 0);

    EXPECT_FALSE(chart.Walls().Back.ColorStored());
    EXPECT_EQ(chart.Walls().Left.Color(), 0x80FFFF);
    chart.Walls().Back.SetColor(clWhite);
    EXPECT_TRUE(chart.Walls().Back.ColorStored());
}
