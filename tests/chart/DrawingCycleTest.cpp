#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/series/ChartSeriesSource.h"
#include "chart/series/LineSeries.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Notes each event of the cycle into the panel's step list.
void Watch(ChartTestPanel& chart, std::vector<TChartSeries*> series) {
    chart.OnBeforeDrawChart = [&chart](TCustomAxisPanel*) { chart.steps.push_back("before chart"); };
    chart.OnBeforeDrawAxes = [&chart](TCustomAxisPanel*) { chart.steps.push_back("axes"); };
    chart.OnBeforeDrawSeries = [&chart](TCustomAxisPanel*) { chart.steps.push_back("before series"); };
    chart.OnAfterDraw = [&chart](TObject*) {
        chart.steps.push_back("after draw");
        EXPECT_EQ(chart.canvas.Pen().Color(), clBlack);  // the canvas is reset for the handler
        EXPECT_EQ(chart.canvas.Pen().Width(), 1);
        EXPECT_EQ(chart.canvas.Brush().Color(), clWhite);
    };
    for (TChartSeries* s : series) {
        s->BeforeDrawValues = [&chart, s](TChartSeries*) { chart.steps.push_back("values of " + s->Name()); };
        s->AfterDrawValues = [&chart, s](TChartSeries*) { chart.steps.push_back("done " + s->Name()); };
    }
}

}  // namespace

TEST(DrawingCycle, StepsInTheirOrder) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TLineSeries a, b, empty;
    a.SetName("a");
    b.SetName("b");
    empty.SetName("empty");
    for (TLineSeries* s : {&a, &b, &empty}) s->SetParentChart(&chart);
    a.AddPointXY(0, 0);
    a.AddPointXY(1, 1);
    b.AddPointXY(0, 5);
    Watch(chart, {&a, &b, &empty});
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_EQ(chart.steps, (std::vector<std::string>{"background", "before chart", "titles before", "3D", "walls", "axes",
                                                     "before series", "values of a", "done a", "values of b", "done b",
                                                     "titles after", "after draw"}));

    chart.steps.clear();
    chart.DepthAxis()->SetInverted(true);  // the depth runs the other way: the last series first
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_LT(std::find(chart.steps.begin(), chart.steps.end(), "values of b"),
              std::find(chart.steps.begin(), chart.steps.end(), "values of a"));
    chart.DepthAxis()->SetInverted(false);

    chart.steps.clear();
    chart.SetAxisBehind(false);  // axes over the series
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_EQ(chart.steps[5], "before series");
    EXPECT_EQ(chart.steps[10], "axes");

    chart.steps.clear();
    chart.SetAxisVisible(false);
    const std::size_t textsBefore = chart.canvas.texts.size();
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_EQ(std::count(chart.steps.begin(), chart.steps.end(), "axes"), 0);
    EXPECT_EQ(chart.canvas.texts.size(), textsBefore);  // no labels either
}

TEST(DrawingCycle, AxesLayoutShrinksThePlotAndRangesComeFromTheSeries) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TLineSeries low, high, custom;
    for (TLineSeries* s : {&low, &high, &custom}) s->SetParentChart(&chart);
    for (int i = 0; i <= 10; ++i) {
        low.AddPointXY(i, -i);
        high.AddPointXY(i * 2, i * 3);
        custom.AddPointXY(i, 1000 + i);
    }
    TChartAxis* own = chart.CustomAxes().Add();
    own->SetEndPosition(50);
    custom.SetCustomVertAxis(own);
    chart.DrawContents(TRect{0, 0, 400, 300});

    TChartAxis& left = *chart.LeftAxis();
    EXPECT_EQ(left.EffectiveMinimum(), -10);
    EXPECT_EQ(left.EffectiveMaximum(), 30);
    EXPECT_EQ(chart.BottomAxis()->EffectiveMaximum(), 20);
    EXPECT_EQ(own->EffectiveMinimum(), 1000);
    EXPECT_EQ(own->EffectiveMaximum(), 1010);
    EXPECT_FALSE(chart.AxisIsVisible(chart.RightAxis()));  // no series on it
    EXPECT_TRUE(chart.AxisIsVisible(own));

    const TRect plot = chart.PlotRect();
    EXPECT_GT(plot.Left, 0);  // the left axis' labels and ticks
    EXPECT_LT(plot.Bottom, 300);
    EXPECT_EQ(plot.Right, 400);
    EXPECT_EQ(plot.Top, 0);
    EXPECT_EQ(left.ValueToScreen(30), plot.Top);
    EXPECT_EQ(left.ValueToScreen(-10), plot.Bottom);
    EXPECT_EQ(own->ValueToScreen(1000), plot.Top + plot.Height() / 2);  // the upper half only
    EXPECT_EQ(chart.BottomAxis()->ValueToScreen(20), plot.Right);
}

TEST(DrawingCycle, StairsKeepAMarginOfTheirPenWidth) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TLineSeries s;
    s.SetParentChart(&chart);
    s.SetStairs(true);
    s.LinePen().SetWidth(5);
    s.AddPointXY(0, 0);
    s.AddPointXY(10, 10);
    chart.DrawContents(TRect{0, 0, 400, 300});
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(chart.BottomAxis()->ValueToScreen(0), plot.Left + 5);
    EXPECT_EQ(chart.BottomAxis()->ValueToScreen(10), plot.Right - 5);
}

TEST(DrawingCycle, AxisExtremesOverSeriesAndPages) {
    ChartTestPanel chart;
    EXPECT_EQ(chart.Pages().Count(), 1);
    EXPECT_EQ(chart.HighestX(chart.BottomAxis()), 0);  // no series
    TLineSeries s;
    s.SetParentChart(&chart);
    for (int i = 0; i < 34; ++i) s.AddPointXY(i, i * 2);
    chart.Pages().SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.Pages().Count(), 4);
    chart.Pages().SetCurrent(0);
    EXPECT_EQ(chart.Pages().Current(), 1);
    EXPECT_EQ(chart.LowestX(chart.BottomAxis()), 0);
    EXPECT_EQ(chart.HighestX(chart.BottomAxis()), 9);
    chart.Pages().SetCurrent(99);
    EXPECT_EQ(chart.Pages().Current(), 4);
    EXPECT_EQ(chart.HighestX(chart.BottomAxis()), 33);
    chart.Pages().SetScaleLastPage(false);
    EXPECT_DOUBLE_EQ(chart.HighestX(chart.BottomAxis()), 37.5);  // as if the last page were full
    EXPECT_EQ(chart.HighestY(chart.LeftAxis()), 66);             // all points, without AutoScale
    chart.Pages().SetAutoScale(true);
    EXPECT_EQ(chart.HighestY(chart.LeftAxis()), 66);
    EXPECT_EQ(chart.LowestY(chart.LeftAxis()), 60);
    std::vector<TObject*> senders;
    chart.OnPageChange = [&senders](TObject* sender) { senders.push_back(sender); };
    const int announced = chart.pageChanges;
    chart.Pages().SetCurrent(4);  // already there
    EXPECT_TRUE(senders.empty());
    EXPECT_EQ(chart.pageChanges, announced);
    chart.Pages().SetCurrent(2);
    EXPECT_EQ(senders, std::vector<TObject*>{&chart.Pages()});
    EXPECT_EQ(chart.pageChanges, announced + 1);
    EXPECT_THROW(chart.Pages().SetMaxPointsPerPage(-1), ChartException);
    EXPECT_EQ(chart.Pages().MaxPointsPerPage(), 10);
    EXPECT_EQ(chart.pageChanges, announced + 1);
    // fewer pages than the current one: the last page, announced as a change of page and of the size
    chart.Pages().SetMaxPointsPerPage(30);
    EXPECT_EQ(chart.Pages().Current(), 2);
    EXPECT_EQ(chart.PageCount(), 2);
    EXPECT_EQ(senders.size(), 1u);
    chart.Pages().SetMaxPointsPerPage(40);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_EQ(senders.size(), 2u);
    EXPECT_EQ(chart.pageChanges, announced + 4);
}

TEST(DrawingCycle, SeriesListAndLegendRows) {
    ChartTestPanel chart;
    TLineSeries a, b, c;
    int added = 0;
    chart.OnAddSeries = [&added](TCustomChartSeries*) { ++added; };
    a.SetParentChart(&chart);
    chart.AddSeries(&a);  // twice: once
    EXPECT_EQ(added, 1);
    b.SetParentChart(&chart);
    c.SetParentChart(&chart);
    b.SetShowInLegend(false);
    c.SetTitle("Alt\x06m");
    EXPECT_EQ(chart.SeriesOfLegendRow(1, false), &c);
    EXPECT_EQ(chart.LegendSeriesTitle(0, false), "Series1");
    EXPECT_EQ(chart.LegendSeriesTitle(1, false), "Alt m");
    EXPECT_EQ(chart.LegendSeriesTitle(2, false), "");
    a.AddPointY(1);
    c.AddPointY(1);
    c.AddPointY(2);
    EXPECT_EQ(chart.LargestPointCount(), 2);
    c.SetActive(false);
    EXPECT_EQ(chart.LargestPointCount(), 1);
    EXPECT_EQ(chart.EventCount(seChangeActive), 1);
    chart.RemoveSeries(&b);
    chart.RemoveSeries(&b);  // not there any more: nothing
    EXPECT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.EventCount(seRemove), 1);
}

TEST(DrawingCycle, NewSeriesTakeTheFirstFreeColour) {
    ChartTestPanel chart;
    TLineSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    EXPECT_EQ(a.SeriesColor(), 0x0000FF);
    EXPECT_EQ(b.SeriesColor(), 0x008000);
    EXPECT_FALSE(a.SeriesColorStored());
    chart.PaletteColors = {0x111111};
    TLineSeries c;
    c.SetParentChart(&chart);
    EXPECT_EQ(c.SeriesColor(), 0x111111);
    TLineSeries d;
    d.SetParentChart(&chart);  // none free: the palette's last
    EXPECT_EQ(d.SeriesColor(), 0x111111);

    chart.PaletteColors = {0x111111, 0x222222, 0x333333, 0x444444};
    b.SetSeriesColor(0x222222);  // a colour of its own stays
    chart.AssignSeriesColors();  // the three sharing 0x111111 part
    EXPECT_EQ(b.SeriesColor(), 0x222222);
    const std::set<TColor> colours{a.SeriesColor(), b.SeriesColor(), c.SeriesColor(), d.SeriesColor()};
    EXPECT_EQ(colours, (std::set<TColor>{0x111111, 0x222222, 0x333333, 0x444444}));
}

TEST(DrawingCycle, CircularSourcesAreRefused) {
    ChartTestPanel chart;
    TLineSeries a, b, c;
    a.AddLinkedSeries(&b);  // a feeds b
    b.AddLinkedSeries(&c);  // b feeds c
    EXPECT_THROW(chart.CheckCircularSource(&a, &c), ChartException);  // c may not feed a
    EXPECT_NO_THROW(chart.CheckCircularSource(&c, &a));
    EXPECT_NO_THROW(chart.CheckCircularSource(&a, nullptr));
}

TEST(DrawingCycle, SeriesAreClippedToThePlot) {
    ChartTestPanel chart;
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    TLineSeries s;
    s.SetParentChart(&chart);
    s.AddPointXY(0, 0);
    s.AddPointXY(1, 1);
    chart.DrawContents(TRect{0, 0, 400, 300});
    const TRect plot = chart.PlotRect();
    ASSERT_EQ(chart.canvas.clips.size(), 2u);
    EXPECT_EQ(chart.canvas.clips[0], (TRect{plot.Left, plot.Top - 1, plot.Right, plot.Bottom + 1}));
    EXPECT_EQ(chart.canvas.clips[1], (TRect{-1, -1, -1, -1}));
    chart.canvas.clips.clear();
    chart.SetClipPoints(false);
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_TRUE(chart.canvas.clips.empty());
}

namespace {

// Writes the moments it is told of into the chart's step list.
class StepTool : public TChartTool {
public:
    explicit StepTool(std::vector<std::string>& steps) : steps_(steps) {}
    void ChartEvent(int event) override { steps_.push_back("tool " + std::to_string(event)); }
    void ChartMouseEvent(int, TMouseButton, TShiftState, int, int) override {}
    void ChartWheelEvent(int, int, int, int) override {}

private:
    std::vector<std::string>& steps_;
};

}  // namespace

TEST(DrawingCycle, ToolsHearTheMomentsAndHandlersCannotStartAnotherDrawing) {
    ChartTestPanel chart;
    TLineSeries a;
    a.SetName("a");
    a.SetParentChart(&chart);
    a.AddPointXY(0, 0);
    a.AddPointXY(1, 1);
    Watch(chart, {&a});
    StepTool tool(chart.steps);
    StepTool asleep(chart.steps);
    asleep.Active = false;
    chart.Tools() = {&tool, &asleep};
    bool quietInHandler = false;
    chart.OnBeforeDrawSeries = [&](TCustomAxisPanel* c) { quietInHandler = !c->RepaintOnChange(); };
    chart.DrawContents(TRect{0, 0, 400, 300});
    EXPECT_EQ(chart.steps, (std::vector<std::string>{"background", "tool 2", "before chart", "titles before", "3D",
                                                     "walls", "tool 3", "axes", "tool 1", "values of a", "done a",
                                                     "tool 4", "titles after", "tool 0", "after draw"}));
    EXPECT_TRUE(quietInHandler);
    EXPECT_TRUE(chart.RepaintOnChange());
}

TEST(DrawingCycle, DepthOfA3DView) {
    struct Case {
        bool view3D;
        bool orthogonal;
        int percent;
        int seriesCount;
        int depthWidth, depthHeight;
    };
    // a plot 400 pixels wide
    for (const Case& c : {Case{false, true, 15, 1, 0, 0}, Case{true, true, 15, 1, 6, 6}, Case{true, false, 15, 1, 12, 12},
                          Case{true, true, 15, 3, 18, 18}, Case{true, true, 100, 0, 40, 40}}) {
        ChartTestPanel chart;
        chart.SetView3D(c.view3D);
        chart.View3DOptions().SetOrthogonal(c.orthogonal);
        chart.SetChart3DPercent(c.percent);
        std::vector<std::unique_ptr<TLineSeries>> series;
        for (int i = 0; i < c.seriesCount; ++i) {
            series.push_back(std::make_unique<TLineSeries>());
            series.back()->SetParentChart(&chart);
        }
        chart.SetPlotRect(TRect{0, 0, 400, 300});
        chart.FinishPlotRect();
        chart.ComputeZOrders();
        chart.ComputeDepthSize();
        EXPECT_EQ(chart.Depth3DWidth(), c.depthWidth) << c.seriesCount << " series, " << c.percent << "%";
        EXPECT_EQ(chart.Depth3DHeight(), c.depthHeight);
        EXPECT_FALSE(chart.IsPlaneReversed(chart.Depth3DWidth()));
        for (auto& s : series) s->SetParentChart(nullptr);
    }
    ChartTestPanel chart;
    EXPECT_THROW(chart.SetChart3DPercent(0), Exception);
    EXPECT_THROW(chart.SetChart3DPercent(101), Exception);
    EXPECT_EQ(chart.Chart3DPercent(), 15);
}

namespace {

// Puts one more point into its series each time it loads.
class CountingSource : public TChartSeriesSource {
public:
    void LoadPoints() override {
        ++loads;
        Series()->AddPointXY(loads, loads);
    }
    int loads = 0;
};

}  // namespace

TEST(DrawingCycle, RefreshingASeriesReloadsItsSource) {
    ChartTestPanel chart;
    TLineSeries fed;
    fed.SetParentChart(&chart);
    CountingSource outside;
    outside.AttachSeries(&fed);
    outside.SetActive(true);
    ASSERT_EQ(outside.loads, 1);
    fed.RefreshFromSource();
    EXPECT_EQ(outside.loads, 2);

    TLineSeries source, copy;
    source.SetParentChart(&chart);
    copy.SetParentChart(&chart);
    source.AddPointXY(1, 10);
    source.AddPointXY(2, 20);
    copy.SetDataSource(&source);
    copy.RefreshFromSource();
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.YValueAt(1), 20);
    outside.AttachSeries(nullptr);
}

namespace {

// Notes each point it draws in a shared log.
class PointLogSeries : public TChartSeries {
public:
    explicit PointLogSeries(std::vector<std::pair<const TChartSeries*, int>>& log) : log_(log) {}
    void DrawOnePoint(int index) override { log_.emplace_back(this, index); }

private:
    std::vector<std::pair<const TChartSeries*, int>>& log_;
};

}  // namespace

TEST(DrawingCycle, SeriesAtOneDepthDrawPointByPointTogetherIn3D) {
    ChartTestPanel chart;
    chart.SetView3D(true);
    chart.SetPlotRect(TRect{0, 0, 400, 300});
    std::vector<std::pair<const TChartSeries*, int>> log;
    PointLogSeries a(log), b(log);
    for (PointLogSeries* s : {&a, &b}) {
        s->SetParentChart(&chart);
        s->SetZOrder(0);
    }
    for (int i = 0; i < 3; ++i) a.AddPointXY(i, i);
    for (int i = 0; i < 2; ++i) b.AddPointXY(i, 2 * i);
    chart.DrawContents(TRect{0, 0, 400, 300});
    using P = std::pair<const TChartSeries*, int>;
    EXPECT_EQ(log, (std::vector<P>{{&a, 0}, {&b, 0}, {&a, 1}, {&b, 1}, {&a, 2}}));
    // one clip around the whole group
    EXPECT_EQ(chart.canvas.clips.size(), 2u);

    log.clear();
    chart.SetView3D(false);  // flat: each series on its own
    chart.DrawContents(TRect{0, 0, 400, 300});
    const auto firstOfB = std::find_if(log.begin(), log.end(), [&b](const P& p) { return p.first == &b; });
    EXPECT_TRUE(std::all_of(log.begin(), firstOfB, [&a](const P& p) { return p.first == &a; }));
    a.SetParentChart(nullptr);
    b.SetParentChart(nullptr);
}
