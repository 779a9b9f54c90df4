#include "ChartTestPanel.h"

#include "chart/effects/ChartBlend.h"
#include "chart/series/CustomLineSeries.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using Segment = FixedPitchCanvas::Segment;

// A chart of 100 x 100 pixels whose axes show the given ranges.
struct LineChart {
    ChartTestPanel chart;
    TLineSeries series;

    LineChart(double xMin, double xMax, double yMin, double yMax) {
        series.SetParentChart(&chart);
        chart.BottomAxis()->SetLimits(xMin, xMax);
        chart.LeftAxis()->SetLimits(yMin, yMax);
    }
    std::vector<Segment> Draw() {
        chart.Layout(TRect{0, 0, 100, 100});
        chart.canvas.segments.clear();
        series.ComputeVisibleRange();
        series.DrawAllPoints();
        return chart.canvas.segments;
    }
};

}  // namespace

TEST(LineSeries, VisibleRangeOfAZoomedAxis) {
    const struct {
        double xMin, xMax;
        TChartListOrder order;
        int first, last;
    } cases[] = {
        {10.5, 20.5, loAscending, 11, 21},  // the point past the edge stays for the line
        {-50, -10, loAscending, 0, 0},      // everything lies to the right: the first point reaches in
        {200, 300, loAscending, -1, -1},    // everything lies to the left
        {50, 150, loAscending, 50, 99},     // the last point is inside
        {10.5, 20.5, loNone, 0, 99},        // unordered X: everything
    };
    for (const auto& c : cases) {
        LineChart line(c.xMin, c.xMax, 0, 100);
        line.series.XValues().SetOrder(c.order);
        for (int i = 0; i < 100; ++i) line.series.AddPointXY(i, i);
        line.chart.Layout(TRect{0, 0, 100, 100});
        line.series.ComputeVisibleRange();
        EXPECT_EQ(line.series.FirstVisibleIndex(), c.first) << c.xMin;
        EXPECT_EQ(line.series.LastVisibleIndex(), c.last) << c.xMin;
    }
}

TEST(LineSeries, LineEntersFromTheChartEdge) {
    LineChart line(5, 15, 0, 100);
    line.series.AddPointXY(0, 0);
    line.series.AddPointXY(10, 100);
    line.series.AddPointXY(20, 0);
    // x pixel = (x - 5) * 10, y pixel = 100 - y; the edge value 5 lies at Y 50
    EXPECT_EQ(line.Draw(), (std::vector<Segment>{{0, 50, 50, 0}, {50, 0, 150, 100}}));
    EXPECT_EQ(line.series.FirstVisibleIndex(), 1);
    EXPECT_EQ(line.series.LastVisibleIndex(), 2);
}

TEST(LineSeries, LineEntersFromTheEdgeOfALogarithmicAxis) {
    // y pixel = 100 - 25 log10(y) over 1 .. 10000; between the points the
    // line runs straight on the screen, so the edge value is interpolated
    // in logarithms: from 1 to 10000 halfway is 100, a quarter way 10
    const struct {
        double left;
        int edgeY;
    } cases[] = {{5, 50}, {2.5, 75}, {7.5, 25}};
    for (const auto& c : cases) {
        LineChart line(c.left, c.left + 10, 1, 10000);
        line.chart.LeftAxis()->SetLogarithmic(true);
        line.series.AddPointXY(0, 1);
        line.series.AddPointXY(10, 10000);
        line.series.AddPointXY(20, 1);
        const auto segments = line.Draw();
        ASSERT_FALSE(segments.empty()) << c.left;
        EXPECT_EQ(segments.front().x0, 0) << c.left;
        EXPECT_EQ(segments.front().y0, c.edgeY) << c.left;
    }
}

TEST(LineSeries, StairsStepHorizontallyThenVertically) {
    LineChart line(5, 15, 0, 100);
    line.series.AddPointXY(0, 0);
    line.series.AddPointXY(10, 100);
    line.series.AddPointXY(20, 0);
    line.series.SetStairs(true);
    EXPECT_EQ(line.Draw(), (std::vector<Segment>{
                               {0, 100, 50, 100}, {50, 100, 50, 0}, {50, 0, 150, 0}, {150, 0, 150, 100}}));
    line.series.SetInvertedStairs(true);
    EXPECT_EQ(line.Draw(), (std::vector<Segment>{
                               {0, 100, 0, 0}, {0, 0, 50, 0}, {50, 0, 50, 100}, {50, 100, 150, 100}}));
}

TEST(LineSeries, NullPointsThreeWays) {
    const struct {
        TTreatNullsStyle treat;
        std::vector<Segment> segments;
    } cases[] = {
        {tnDontPaint, {}},
        {tnSkip, {{0, 50, 100, 50}}},
        {tnIgnore, {{0, 50, 50, 10}, {50, 10, 100, 50}}},
    };
    for (const auto& c : cases) {
        LineChart line(0, 2, 0, 10);
        line.series.AddPointXY(0, 5);
        line.series.AddNullPointXY(1, 9);
        line.series.AddPointXY(2, 5);
        line.series.SetTreatNulls(c.treat);
        EXPECT_EQ(line.Draw(), c.segments) << c.treat;
    }
}

TEST(LineSeries, SegmentsTakeTheLinePenInThePointColour) {
    LineChart line(0, 2, 0, 10);
    line.series.SetSeriesColor(0x00FF00);
    line.series.LinePen().SetWidth(2);
    line.series.AddPointXY(0, 5);
    line.series.AddPointXY(1, 5, "", 0x0000FF);
    line.series.AddPointXY(2, 5);
    const auto segments = line.Draw();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].color, 0x0000FF);  // a segment takes the colour of the point it ends at
    EXPECT_EQ(segments[1].color, 0x00FF00);
    EXPECT_EQ(segments[0].width, 2);
    line.series.LinePen().Hide();
    EXPECT_TRUE(line.Draw().empty());
}

TEST(LineSeries, PointsOfOnePixelColumnDrawnAsItsSpan) {
    // x pixel = x, y pixel = 100 - y; the points between the first and the
    // last stand in pixel column 10
    const struct {
        std::vector<std::pair<double, double>> points;
        std::vector<Segment> segments;
    } cases[] = {
        // down, up and back inside: the whole span, both ways, then on to the next column
        {{{10, 50}, {10.1, 80}, {10.2, 20}, {10.3, 60}, {20, 50}},
         {{10, 20, 10, 80}, {10, 80, 10, 20}, {10, 40, 20, 50}}},
        // the line ends on a new top it never went on from, which a thin line leaves out
        {{{10, 50}, {10.1, 60}, {10.2, 90}}, {{10, 50, 10, 10}}},
        // it ends on the bottom, but went on from there before
        {{{10, 50}, {10.1, 20}, {10.2, 70}, {10.3, 20}}, {{10, 30, 10, 80}, {10, 80, 10, 30}}},
        // standing still draws nothing
        {{{10, 50}, {10.1, 50}, {10.2, 50}, {20, 50}}, {{10, 50, 20, 50}}},
    };
    for (const auto& c : cases) {
        LineChart line(0, 100, 0, 100);
        for (const auto& [x, y] : c.points) line.series.AddPointXY(x, y);
        EXPECT_EQ(line.Draw(), c.segments) << c.points.size();
    }
}

TEST(LineSeries, PointsOfOnePixelColumnDrawnOneByOneWhereASpanWouldShowDifferently) {
    const std::vector<Segment> oneByOne{{10, 50, 10, 20}, {10, 20, 10, 80}, {10, 80, 10, 40}, {10, 40, 20, 50}};
    const std::function<void(TLineSeries&)> setups[] = {
        [](TLineSeries& s) { s.LinePen().SetStyle(TPenStyle::psDash); },  // each line starts its dashes afresh
        [](TLineSeries& s) { s.LinePen().SetMode(TPenMode::pmXor); },     // overlaps mix
        [](TLineSeries& s) { s.SetColorEachPoint(true); },                // a colour a point
        [](TLineSeries& s) { s.Pointer().Show(); },                       // pointers between the lines
    };
    for (std::size_t k = 0; k < std::size(setups); ++k) {
        LineChart line(0, 100, 0, 100);
        for (const auto& [x, y] : {std::pair{10.0, 50.0}, {10.1, 80.0}, {10.2, 20.0}, {10.3, 60.0}, {20.0, 50.0}})
            line.series.AddPointXY(x, y);
        setups[k](line.series);
        std::vector<Segment> lines = line.Draw();
        EXPECT_EQ(lines, oneByOne) << k;
    }
}

TEST(LineSeries, InvertedAxisDrawsFromTheLastPoint) {
    LineChart line(0, 2, 0, 10);
    for (int i = 0; i < 3; ++i) line.series.AddPointXY(i, i);
    line.chart.BottomAxis()->SetInverted(true);
    EXPECT_FALSE(line.series.PointsDrawnForward());
    EXPECT_EQ(line.Draw(), (std::vector<Segment>{{0, 80, 50, 90}, {50, 90, 100, 100}}));
}

TEST(LineSeries, PointUnderThePixel) {
    LineChart line(0, 10, 0, 100);
    for (int i = 0; i <= 10; ++i) line.series.AddPointXY(i, i * 10);  // the diagonal, pixel (10 i, 100 - 10 i)
    line.Draw();
    const struct {
        int x, y;
        int index;
    } clicks[] = {{40, 60, 4}, {35, 65, 3}, {35, 66, 3}, {35, 67, -1}, {0, 100, 0}, {100, 0, 10}, {90, 90, -1}};
    for (const auto& c : clicks) EXPECT_EQ(line.series.ClickedIndex(c.x, c.y), c.index) << c.x << "," << c.y;
    line.series.SetClickableLine(false);
    EXPECT_EQ(line.series.ClickedIndex(35, 65), -1);
    EXPECT_EQ(line.series.ClickedIndex(40, 60), 4);
}

TEST(LineSeries, PointUnderThePixelOnStairs) {
    LineChart line(0, 10, 0, 100);
    for (int i = 0; i <= 10; ++i) line.series.AddPointXY(i, i * 10);
    line.series.SetStairs(true);
    line.Draw();
    EXPECT_EQ(line.series.ClickedIndex(35, 70), 3);  // the flat leg from point 3 at y 70
    EXPECT_EQ(line.series.ClickedIndex(40, 65), 3);  // the rising leg into point 4
    EXPECT_EQ(line.series.ClickedIndex(35, 65), -1);  // where the straight line would be
    line.series.SetInvertedStairs(true);
    EXPECT_EQ(line.series.ClickedIndex(30, 65), 3);  // now it rises first
    EXPECT_EQ(line.series.ClickedIndex(35, 60), 3);
    EXPECT_EQ(line.series.ClickedIndex(35, 70), -1);
}

TEST(LineSeries, NeverDrawnAnswersNoPoint) {
    TLineSeries series;
    series.AddPointXY(1, 1);
    EXPECT_EQ(series.ClickedIndex(0, 0), -1);
}

TEST(LineSeries, StackedSeriesAddUp) {
    LineChart line(0, 1, 0, 10);
    TLineSeries second;
    second.SetParentChart(&line.chart);
    line.series.AddPointXY(0, 2);
    second.AddPointXY(0, 3);
    line.series.SetStacked(cssStack);
    EXPECT_EQ(second.Stacked(), cssStack);  // every line series of the chart follows
    line.chart.Layout(TRect{0, 0, 100, 100});
    EXPECT_EQ(second.HighestY(), 5);
    EXPECT_EQ(second.PointScreenY(0), 50);  // drawn at the pixel of 5
    EXPECT_EQ(line.series.PointScreenY(0), 80);

    line.series.SetStacked(cssStack100);
    line.chart.LeftAxis()->SetLimits(0, 100);
    line.chart.Layout(TRect{0, 0, 100, 100});
    EXPECT_EQ(line.series.PointScreenY(0), 60);  // 40 %
    EXPECT_EQ(second.PointScreenY(0), 0);        // 100 %
    EXPECT_EQ(line.series.LowestY(), 0);
    EXPECT_EQ(second.HighestY(), 100);
}

TEST(LineSeries, AllNullPointsReportNoRange) {
    TLineSeries series;
    series.AddNullPointXY(3, 8);
    series.AddNullPointXY(7, -2);
    EXPECT_EQ(series.HighestY(), 0);
    EXPECT_EQ(series.LowestY(), 0);
    EXPECT_EQ(series.HighestX(), 7);
    series.SetTreatNulls(tnIgnore);
    EXPECT_EQ(series.HighestY(), 8);
    EXPECT_EQ(series.LowestY(), -2);
}

namespace {

// A 3D chart whose canvas shows depth obliquely: a pixel deeper is one right and one up.
class DepthCanvas : public FixedPitchCanvas {
public:
    TPoint ChartToScreen(int x, int y, int z) override { return {x + z, y - z}; }
};

class DepthChart : public ChartTestPanel {
public:
    DepthChart() {
        SetCanvas(&depthCanvas);
        SetView3D(true);
        seriesDepthWidth_ = 10;
        seriesDepthHeight_ = 10;
    }
    DepthCanvas depthCanvas;
};

}  // namespace

TEST(LineSeries, RibbonsIn3DDarkenSteepRises) {
    DepthChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.SetSeriesColor(0xC0C0C0);
    chart.BottomAxis()->SetLimits(0, 10);
    chart.LeftAxis()->SetLimits(0, 100);
    // a gentle rise, then a steep one (slope above the depth ratio of 1)
    series.AddPointXY(0, 0);
    series.AddPointXY(5, 20);
    series.AddPointXY(6, 90);
    chart.Layout(TRect{0, 0, 100, 100});
    int highest = -1;
    series.ComputeZOrder(highest);
    series.ComputeDepthPositions();
    EXPECT_EQ(series.StartZ(), 0);
    EXPECT_EQ(series.EndZ(), 10);
    series.ComputeVisibleRange();
    series.DrawAllPoints();
    const auto& faces = chart.depthCanvas.polygons;
    ASSERT_EQ(faces.size(), 2u);
    // each face runs from the segment at the front to the segment at the back
    EXPECT_EQ(faces[0].points, (std::vector<TPoint>{{0, 100}, {50, 80}, {60, 70}, {10, 90}}));
    EXPECT_EQ(faces[0].brush, 0xC0C0C0u);
    EXPECT_EQ(faces[1].brush, 0x808080u);  // 64 darker on every channel
    series.SetParentChart(nullptr);
}

TEST(LineSeries, StackedSeriesShareOneDepth) {
    DepthChart chart;
    TLineSeries a, b, c;
    for (TLineSeries* s : {&a, &b, &c}) s->SetParentChart(&chart);
    a.SetStacked(cssStack);  // every line series of the chart stacks now
    int highest = -1;
    for (TLineSeries* s : {&a, &b, &c}) {
        s->ComputeZOrder(highest);
        s->ComputeDepthPositions();
        EXPECT_EQ(s->StartZ(), 0);
    }
    a.SetStacked(cssNone);
    highest = -1;
    for (TLineSeries* s : {&a, &b, &c}) {
        s->ComputeZOrder(highest);
        s->ComputeDepthPositions();
    }
    EXPECT_EQ(c.StartZ(), 20);  // one series depth behind the other
    EXPECT_EQ(c.MiddleZ(), 25);
    c.SetDepth(4);
    c.ComputeDepthPositions();
    EXPECT_EQ(c.EndZ(), 24);
    for (TLineSeries* s : {&a, &b, &c}) s->SetParentChart(nullptr);
}

TEST(LineSeries, AShadowPassDrawsTheLineOnceMoreBehind) {
    LineChart line(0, 10, 0, 100);
    line.series.AddPointXY(0, 0);
    line.series.AddPointXY(10, 100);
    const TColor own = line.series.SeriesColor();
    EXPECT_EQ(line.Draw().size(), 1u);  // a shadow of size 0 draws nothing
    line.series.Shadow().SetSpread(3);
    line.series.Shadow().SetColor(0x404040);
    const std::vector<Segment> drawn = line.Draw();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0], (Segment{3, 103, 103, 3}));  // moved by the shadow's sizes
    EXPECT_EQ(drawn[0].color, 0x404040u);
    EXPECT_EQ(drawn[1], (Segment{0, 100, 100, 0}));
    EXPECT_EQ(drawn[1].color, own);
    // the series keeps its automatic colour: nothing is stored by the pass
    EXPECT_EQ(line.series.SeriesColor(), own);
    EXPECT_FALSE(line.series.SeriesColorStored());
    EXPECT_EQ(line.chart.BottomAxis()->StartPixel(), 0);
}

namespace {

class BlendRecorder : public FixedPitchCanvas {
public:
    std::unique_ptr<TChartBlend> StartTransparency(const TRect& r, int percent) override {
        blends.push_back({r, percent});
        return FixedPitchCanvas::StartTransparency(r, percent);
    }
    std::vector<std::pair<TRect, int>> blends;
};

}  // namespace

TEST(LineSeries, TransparentSegmentsBlendOverTheirBounds) {
    LineChart line(0, 10, 0, 100);
    BlendRecorder canvas;
    line.chart.SetCanvas(&canvas);
    line.series.AddPointXY(0, 0);
    line.series.AddPointXY(5, 50);
    line.series.LinePen().SetWidth(2);
    line.series.SetTransparency(40);
    line.chart.Layout(TRect{0, 0, 100, 100});
    line.series.ComputeVisibleRange();
    line.series.DrawAllPoints();
    ASSERT_EQ(canvas.blends.size(), 1u);
    EXPECT_EQ(canvas.blends[0].first, (TRect{-2, 48, 52, 102}));  // the segment's box widened by the pen
    EXPECT_EQ(canvas.blends[0].second, 40);
    line.series.SetTransparency(150);
    EXPECT_EQ(line.series.Transparency(), 100);
    line.chart.SetCanvas(&line.chart.canvas);
}

namespace {

class GroupRecorder : public FixedPitchCanvas {
public:
    void BeginGroup(const std::string& name) override { groups.push_back(name); }
    void EndGroup() override { groups.push_back("end"); }
    std::vector<std::string> groups;
};

}  // namespace

TEST(LineSeries, PointsAndAxesAreGroupedForCanvasesThatKeepGroups) {
    LineChart line(0, 10, 0, 100);
    GroupRecorder canvas;
    line.chart.SetCanvas(&canvas);
    for (int i = 0; i < 3; ++i) line.series.AddPointXY(i, i);
    line.chart.Layout(TRect{0, 0, 100, 100});
    line.series.ComputeVisibleRange();
    line.series.DrawAllPoints();
    EXPECT_TRUE(canvas.groups.empty());  // only a canvas that keeps item ids hears them
    canvas.SupportsItemIds = true;
    line.series.DrawAllPoints();
    EXPECT_EQ(canvas.groups, (std::vector<std::string>{"0", "end", "1", "end", "2", "end"}));

    canvas.groups.clear();
    TChartAxis* bottom = line.chart.BottomAxis();
    bottom->Title().SetCaption("Time");
    TRect r{0, 0, 100, 100};
    bottom->ReserveBands(r, false);
    bottom->PaintAxis(true);
    EXPECT_EQ(canvas.groups, (std::vector<std::string>{"axis", "title", "end", "end"}));
    line.chart.SetCanvas(&line.chart.canvas);
}

TEST(LineSeries, AGradientFillsEachRibbonFace) {
    DepthChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    series.SetSeriesColor(0xC0C0C0);
    series.Gradient().SetVisible(true);
    chart.BottomAxis()->SetLimits(0, 10);
    chart.LeftAxis()->SetLimits(0, 100);
    series.AddPointXY(0, 0);
    series.AddPointXY(5, 20);
    chart.Layout(TRect{0, 0, 100, 100});
    int highest = -1;
    series.ComputeZOrder(highest);
    series.ComputeDepthPositions();
    series.ComputeVisibleRange();
    series.DrawAllPoints();
    EXPECT_EQ(series.Gradient().StartColor(), 0xC0C0C0u);  // from the face's colour
    ASSERT_EQ(chart.depthCanvas.polygons.size(), 1u);
    EXPECT_EQ(chart.depthCanvas.polygons[0].brush, clNone);  // only outlined over the gradient
    EXPECT_EQ(chart.depthCanvas.clips.back(), (TRect{-1, -1, -1, -1}));  // the clip is taken off again
    series.SetParentChart(nullptr);
}
