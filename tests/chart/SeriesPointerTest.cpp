#include "ChartPixelSurface.h"
#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/series/Callout.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/MarksCallout.h"
#include "chart/series/SeriesMarksSymbol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<TPoint> Corners(const FixedPitchCanvas& canvas) {
    return canvas.polygons.empty() ? std::vector<TPoint>{} : canvas.polygons.back().points;
}

}  // namespace

TEST(SeriesPointer, ShapesAroundThePoint) {
    FixedPitchCanvas canvas;
    TSeriesPointer pointer(nullptr);
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, clRed, psRectangle);
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
        pointer.PaintShape(canvas, false, 100, 50, 4, 4, clRed, p.style);
        EXPECT_EQ(Corners(canvas), p.corners) << p.style;
    }
    canvas.segments.clear();
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, clRed, psStar);
    EXPECT_EQ(canvas.segments.size(), 4u);
    const std::size_t before = canvas.polygons.size() + canvas.rectangles.size() + canvas.segments.size();
    pointer.PaintShape(canvas, false, 100, 50, 4, 4, clRed, psNothing);
    EXPECT_EQ(canvas.polygons.size() + canvas.rectangles.size() + canvas.segments.size(), before);
}

TEST(SeriesPointer, SizesAndMargins) {
    TSeriesPointer pointer(nullptr);
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

TEST(SeriesPointer, ShadowTransparencyAndGradientOnPixels) {
    // a red square at (50, 50), 4 pixels either side
    auto paint = [](TSeriesPointer& pointer, ChartPixelSurface& s, TSeriesPointerStyle style) {
        pointer.SetUpCanvas(s.canvas, clRed);
        pointer.PaintShape(s.canvas, false, 50, 50, 4, 4, clRed, style);
    };
    {
        ChartPixelSurface s(100, 100);
        TSeriesPointer pointer(nullptr);
        pointer.Pen().Hide();
        pointer.Shadow().SetVisible(true);
        pointer.Shadow().SetColor(clBlue);
        pointer.Shadow().SetSmooth(false);
        paint(pointer, s, psRectangle);
        EXPECT_EQ(s.At(50, 50), clRed);
        EXPECT_EQ(s.At(56, 56), clBlue);  // 3 pixels down and right, under the shape
        EXPECT_EQ(s.At(45, 45), clWhite);
    }
    {
        ChartPixelSurface s(100, 100);
        TSeriesPointer pointer(nullptr);
        pointer.Pen().Hide();
        pointer.SetTransparency(50);
        paint(pointer, s, psRectangle);
        const TColor mixed = s.At(50, 50);
        EXPECT_NEAR(mixed & 0xFF, 255, 2);
        EXPECT_NEAR((mixed >> 8) & 0xFF, 127, 3);
        EXPECT_NEAR((mixed >> 16) & 0xFF, 127, 3);
    }
    {
        // the gradient ends in the point's colour and stays inside the circle
        ChartPixelSurface s(100, 100);
        TSeriesPointer pointer(nullptr);
        pointer.Pen().Hide();
        pointer.Gradient().SetVisible(true);
        pointer.Gradient().SetStartColor(clYellow);
        pointer.Gradient().SetEndColor(clGreen);
        pointer.SetHorizSize(20);
        pointer.SetVertSize(20);
        pointer.SetUpCanvas(s.canvas, clRed);
        pointer.PaintShape(s.canvas, false, 50, 50, 20, 20, clRed, psCircle);
        EXPECT_EQ(pointer.Gradient().EndColor(), clRed);
        EXPECT_EQ(s.At(32, 32), clWhite);  // the box's corner, outside the circle
        EXPECT_NE(s.At(50, 50), clWhite);
        EXPECT_NE(s.At(50, 50), clRed);  // a blend, not the flat fill
    }
}

TEST(SeriesPointer, CalloutsLineAndPointerAndLift) {
    ChartTestPanel chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    TMarksCallout callout(&series);
    EXPECT_FALSE(callout.Visible());
    EXPECT_EQ(callout.Arrow().Color(), clWhite);
    EXPECT_EQ(callout.Length(), 8);
    EXPECT_FALSE(callout.LengthStored());

    TSeriesMarkPosition position;
    position.ArrowStart = {100, 100};
    position.ArrowEnd = {100, 80};
    position.BoxTopLeft = {90, 60};
    callout.SetDistance(2);
    callout.ApplyLength(position);
    EXPECT_EQ(position.ArrowStart, (TPoint{100, 98}));
    EXPECT_EQ(position.ArrowEnd, (TPoint{100, 70}));
    EXPECT_EQ(position.BoxTopLeft, (TPoint{90, 50}));
    TSeriesMarkPosition copy;
    CopyMarkPosition(copy, position);
    EXPECT_EQ(copy, position);

    // without an arrow head: the line, then the pointer at the data point
    TCallout plain(&series);
    plain.Arrow().SetColor(clBlue);
    plain.PaintCallout(clRed, TPoint{10, 90}, 0, TPoint{10, 40});
    ASSERT_FALSE(chart.canvas.segments.empty());
    EXPECT_EQ(chart.canvas.segments[0], (FixedPitchCanvas::Segment{10, 90, 10, 40}));
    EXPECT_EQ(chart.canvas.segments[0].color, clBlue);
    ASSERT_EQ(chart.canvas.rectangles.size(), 1u);
    EXPECT_EQ(chart.canvas.rectangles[0].r, (TRect{6, 86, 15, 95}));
    EXPECT_EQ(chart.canvas.rectangles[0].brush, clBlack);  // the callout's own brush

    // a solid head sits at the data point and no pointer is drawn
    chart.canvas.rectangles.clear();
    chart.canvas.polygons.clear();
    plain.SetArrowHead(ahSolid);
    plain.PaintCallout(clRed, TPoint{10, 90}, 0, TPoint{10, 40});
    EXPECT_TRUE(chart.canvas.rectangles.empty());
    ASSERT_EQ(chart.canvas.polygons.size(), 1u);
    const auto& head = chart.canvas.polygons[0].points;
    EXPECT_NE(std::find(head.begin(), head.end(), TPoint{10, 90}), head.end());

    TCallout hidden(&series);
    hidden.Arrow().Hide();
    hidden.Hide();
    chart.canvas.segments.clear();
    hidden.PaintCallout(clRed, TPoint{10, 90}, 0, TPoint{10, 40});
    EXPECT_TRUE(chart.canvas.segments.empty());
    series.SetParentChart(nullptr);
}

TEST(SeriesPointer, MarksSymbolDrawsOnlyWhenShownAndOpaque) {
    TSeriesMarksSymbol symbol;
    EXPECT_FALSE(symbol.ShouldDraw());
    symbol.SetVisible(true);
    EXPECT_TRUE(symbol.ShouldDraw());
    symbol.SetTransparent(true);
    EXPECT_FALSE(symbol.ShouldDraw());
    EXPECT_FALSE(symbol.Shadow().SizeStored());  // size 1 is its own default
}

TEST(SeriesPointer, TrianglesInThreeDimensionsArePyramids) {
    FixedPitchCanvas canvas;
    TSeriesPointer pointer(nullptr);
    pointer.PaintShape(canvas, true, 100, 50, 4, 4, clRed, psTriangle);
    ASSERT_GT(canvas.polygons.size(), 1u);  // the faces of a solid
    EXPECT_EQ(canvas.polygons[0].points, (std::vector<TPoint>{{96, 54}, {100, 46}, {104, 54}}));  // front, apex up
    canvas.polygons.clear();
    pointer.PaintShape(canvas, true, 100, 50, 4, 4, clRed, psDownTriangle);
    ASSERT_GT(canvas.polygons.size(), 1u);
    EXPECT_EQ(canvas.polygons[0].points, (std::vector<TPoint>{{96, 46}, {100, 54}, {104, 46}}));  // apex down
    // flat at the series' front without Draw3D
    canvas.polygons.clear();
    pointer.SetDraw3D(false);
    pointer.PaintShape(canvas, true, 100, 50, 4, 4, clRed, psTriangle);
    ASSERT_EQ(canvas.polygons.size(), 1u);
    EXPECT_EQ(canvas.polygons[0].points, (std::vector<TPoint>{{96, 54}, {104, 54}, {100, 46}}));
}

TEST(SeriesPointer, ItsHiddenShadowIsItsOwnDefault) {
    TSeriesPointer pointer(nullptr);
    EXPECT_FALSE(pointer.Shadow().Visible());
    EXPECT_FALSE(pointer.Shadow().VisibleStored());
    EXPECT_FALSE(pointer.Shadow().SizeStored());
    pointer.Shadow().SetVisible(true);
    EXPECT_TRUE(pointer.Shadow().VisibleStored());
}
