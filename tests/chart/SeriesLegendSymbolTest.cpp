// The symbols a series draws in legend rows.

#include "ChartTestPanel.h"

#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

namespace {

struct SeriesLegendRows : ::testing::Test {
    void SetUp() override {
        series.SetParentChart(&chart);
        series.SetSeriesColor(clRed);
        chart.LegendBackColor = clWhite;
    }
    void TearDown() override { series.SetParentChart(nullptr); }
    ChartTestPanel chart;
    TLineSeries series;
    const TRect row{0, 0, 30, 10};
};

}  // namespace

TEST_F(SeriesLegendRows, LineSymbolIsALineAcrossTheRow) {
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.segments.size(), 1u);
    EXPECT_EQ(chart.canvas.segments[0], (FixedPitchCanvas::Segment{0, 5, 30, 5}));
    EXPECT_EQ(chart.canvas.segments[0].color, clRed);
    EXPECT_TRUE(chart.canvas.rectangles.empty());
    EXPECT_TRUE(chart.RepaintOnChange());  // switched off only while drawing

    // in 3D the line's symbol is the row's rectangle in the line's colour
    chart.SetView3D(true);
    chart.canvas.segments.clear();
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].r, row);
    EXPECT_EQ(chart.canvas.rectangles[0].brush, clRed);
}

TEST_F(SeriesLegendRows, PointerSitsOnTheLineWithinAThirdOfTheRow) {
    series.Pointer().Show();
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.segments.size(), 1u);  // the line first
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    // half sizes min(4, 30/3) and min(4, 10/3) around (15, 5)
    EXPECT_EQ(chart.canvas.rectangles[0].r, (TRect{11, 2, 20, 9}));
    EXPECT_EQ(chart.canvas.rectangles[0].brush, clRed);

    // without a line pen the shape may fill half the row
    chart.canvas.rectangles.clear();
    series.LinePen().Hide();
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].r, (TRect{11, 1, 20, 10}));
}

TEST_F(SeriesLegendRows, PointRowsTakeThePointColourAndNullPointsShowNothing) {
    series.AddPointY(1, "", clBlue);
    series.AddNullPoint();
    series.DrawLegendSymbol(0, row);
    ASSERT_EQ(chart.canvas.segments.size(), 1u);
    EXPECT_EQ(chart.canvas.segments[0].color, clBlue);
    chart.canvas.segments.clear();
    series.DrawLegendSymbol(1, row);
    EXPECT_TRUE(chart.canvas.segments.empty());
    // a series of colour-per-point has no symbol of its own
    series.SetColorEachPoint(true);
    series.DrawLegendSymbol(-1, row);
    EXPECT_TRUE(chart.canvas.segments.empty());
}

TEST_F(SeriesLegendRows, TheLegendsOwnPenReplacesTheSeriesPen) {
    TChartPen symbolPen;
    symbolPen.SetColor(clGreen);
    symbolPen.SetWidth(3);
    chart.LegendSymbolPen = &symbolPen;
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.segments.size(), 1u);
    EXPECT_EQ(chart.canvas.segments[0].color, clGreen);
    EXPECT_EQ(chart.canvas.segments[0].width, 3);
}

TEST_F(SeriesLegendRows, APointsOwnPointerStyleShowsInItsRow) {
    series.Pointer().Show();
    series.LinePen().Hide();
    series.Pointer().Brush().SetColor(clAqua);
    series.AddPointY(1, "", clBlue);
    series.OnGetPointerStyle = [](TChartSeries*, int) { return psDiamond; };
    series.DrawLegendSymbol(0, row);
    ASSERT_EQ(chart.canvas.polygons.size(), 1u);
    EXPECT_EQ(chart.canvas.polygons[0].brush, clAqua);
    // the series' own row keeps the pointer's style
    series.DrawLegendSymbol(-1, row);
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.polygons.size(), 1u);
}
