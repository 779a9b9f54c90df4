#include "ChartTestPanel.h"

#include "chart/ChartExceptions.h"
#include "chart/LineSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TPoint> Corners(const FixedPitchCanvas& canvas) {
    return canvas.polygons.empty() ? std::vector<TPoint>{} : canvas.polygons.back().points;
}

}  // namespace

TEST(SeriesPointer, ShapesAroundThePoint) {
    FixedPitchCanvas canvas;
    TSeriesPointer pointer(nullptr, nullptr);
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, psRectangle);
    ASSERT_EQ(canvas.rectangles.size(), 1u);
    EXPECT_EQ(canvas.rectangles[0].r, (TRect{96, 46, 105, 55}));  // 96..104 across, 46..54 down
    const struct {
        TSeriesPointerStyle style;
        std::vector<TPoint> corners;
    } polygons[] = {
        {psTriangle, {{96, 54}, {104, 54}, {100, 46}}},
        {psDownTriangle, {{96, 46}, {104, 46}, {100, 54}}},
        {psDiamond, {{96, 50}, {100, 46}, {104, 50}, {100, 54}}},
        {psLeftTriangle, {{96, 50}, {104, 54}, {104, 46}}},
        {psHexagon, {{100, 46}, {104, 48}, {104, 52}, {100, 54}, {96, 52}, {96, 48}}},
    };
    for (const auto& p : polygons) {
        pointer.PaintShape(canvas, false, 100, 50, 4, 4, p.style);
        EXPECT_EQ(Corners(canvas), p.corners) << p.style;
    }
    canvas.segments.clear();
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, psStar);
    EXPECT_EQ(canvas.segments.size(), 4u);
    const std::size_t before = canvas.polygons.size() + canvas.rectangles.size() + canvas.segments.size();
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, psNothing);
    EXPECT_EQ(canvas.polygons.size() + canvas.rectangles.size() + canvas.segments.size(), before);
}

TEST(SeriesPointer, SizesAndMargins) {
    TSeriesPointer pointer(nullptr, nullptr);
    for (int bad : {0, -3}) {
        EXPECT_THROW(pointer.SetHorizSize(bad), ChartException);
        EXPECT_THROW(pointer.SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(pointer.HorizSize(), 4);
    int left = 2, right = 2;
    pointer.WidenHorizMargins(left, right);
    EXPECT_EQ(left, 5);
    pointer.SetInflateMargins(false);
    left = 2;
    pointer.WidenHorizMargins(left, right);
    EXPECT_EQ(left, 2);
}

TEST(SeriesPointer, LineSeriesMarksEveryVisiblePointOnce) {
    ChartTestPanel chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    chart.BottomAxis()->SetLimits(0, 10);
    chart.LeftAxis()->SetLimits(0, 100);
    for (int i = 0; i <= 10; ++i) series.AddPointXY(i, i * 10);
    series.Pointer().Show();
    chart.Layout(TRect{0, 0, 100, 100});
    series.ComputeVisibleRange();
    series.DrawAllPoints();
    ASSERT_EQ(chart.canvas.rectangles.size(), 11u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(chart.canvas.rectangles[i].r, (TRect{10 * i - 4, 100 - 10 * i - 4, 10 * i + 5, 100 - 10 * i + 5}));
    EXPECT_EQ(chart.canvas.rectangles[3].brush, series.SeriesColor());

    // the pointer is hit within its size, and tells its handler
    int clicked = -1;
    series.OnClickPointer = [&](TCustomSeries*, int index, int, int) { clicked = index; };
    EXPECT_TRUE(series.HasClickEvents());
    const struct {
        int x, y, index;
    } clicks[] = {{43, 60, 4}, {40, 63, 4}, {44, 58, -1}};
    for (const auto& c : clicks) {
        clicked = -1;
        series.SetClickableLine(false);
        EXPECT_EQ(series.ClickedIndex(c.x, c.y), c.index) << c.x << "," << c.y;
        EXPECT_EQ(clicked, c.index);
    }
    series.OnGetPointerStyle = [](TChartSeries*, int) { return psNothing; };
    EXPECT_EQ(series.ClickedIndex(43, 60), -1);  // nothing there to hit
    EXPECT_EQ(series.ClickedIndex(40, 60), 4);   // the point itself still is
    series.SetParentChart(nullptr);
}
