#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/series/ChartFunction.h"
#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(SeriesOnChart, SampleValues) {
    TChartSeries s;
    EXPECT_THROW(s.FillSampleValues(-1), ChartException);
    s.AddPointY(5);
    s.SetHasOwnData(true);
    s.FillSampleValues();
    ASSERT_EQ(s.Count(), 25);  // the class' sample count
    EXPECT_FALSE(s.HasOwnData());
    EXPECT_FALSE(s.Updating());
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(s.XValueAt(i), i);
        EXPECT_GE(s.YValueAt(i), 0);  // folded onto the positive side
    }
    s.SetSampleCount(7);
    s.FillSampleValues();
    EXPECT_EQ(s.Count(), 7);
    s.FillSampleValues(3);
    EXPECT_EQ(s.Count(), 3);
}

TEST(SeriesOnChart, PagesOfPoints) {
    ChartTestPanel chart;
    TChartSeries s;
    s.SetParentChart(&chart);
    int first = 0, last = 0;
    s.PageRange(first, last);
    EXPECT_EQ(std::make_pair(first, last), std::make_pair(-1, -1));
    for (int i = 0; i < 10; ++i) s.AddPointY(i);
    const struct {
        int perPage, page, first, last;
    } cases[] = {{0, 1, 0, 9}, {4, 1, 0, 3}, {4, 2, 4, 7}, {4, 3, 8, 9}, {5, 2, 5, 9}};
    for (const auto& c : cases) {
        chart.Pages().SetMaxPointsPerPage(c.perPage);
        chart.Pages().SetCurrent(c.page);
        s.PageRange(first, last);
        EXPECT_EQ(std::make_pair(first, last), std::make_pair(c.first, c.last)) << c.perPage << " " << c.page;
    }
    s.SetParentChart(nullptr);
}

TEST(SeriesOnChart, SeriesAtTheSameDepth) {
    ChartTestPanel chart;
    chart.SetView3D(true);
    TLineSeries a, b, c;
    for (TLineSeries* s : {&a, &b, &c}) s->SetParentChart(&chart);
    a.SetZOrder(0);
    b.SetZOrder(0);
    c.SetZOrder(1);
    EXPECT_TRUE(a.SharesZOrder());
    EXPECT_FALSE(c.SharesZOrder());
    EXPECT_TRUE(a.IsDrawingVisible());
    EXPECT_FALSE(b.IsDrawingVisible());  // a is drawn at its depth already
    a.SetActive(false);
    EXPECT_TRUE(b.IsDrawingVisible());
    EXPECT_FALSE(b.SharesZOrder());
    EXPECT_FALSE(a.IsDrawingVisible());
    EXPECT_TRUE(TChartSeries::IsSameKind(&a, &b));
    TChartSeries plain;
    EXPECT_TRUE(TChartSeries::IsSameKind(&a, &plain));  // a line series is a series
    for (TLineSeries* s : {&a, &b, &c}) s->SetParentChart(nullptr);
}

TEST(SeriesOnChart, MouseEntersAndLeavesTheLine) {
    ChartTestPanel chart;
    TLineSeries s;
    s.SetParentChart(&chart);
    chart.BottomAxis()->SetLimits(0, 10);
    chart.LeftAxis()->SetLimits(0, 100);
    for (int i = 0; i <= 10; ++i) s.AddPointXY(i, i * 10);
    chart.Layout(TRect{0, 0, 100, 100});
    s.ComputeVisibleRange();
    EXPECT_FALSE(s.CheckMouseOver(40, 60));  // nothing asks for it
    std::vector<std::string> events;
    s.OnMouseEnter = [&](TChartSeries*) { events.push_back("enter"); };
    s.OnMouseLeave = [&](TChartSeries*) { events.push_back("leave"); };
    s.SetCursor(crCross);
    chart.SavedCursor = crArrow;
    EXPECT_TRUE(s.CheckMouseOver(40, 60));
    EXPECT_TRUE(s.CheckMouseOver(35, 65));  // still on the line: no second enter
    EXPECT_EQ(chart.Cursor(), crCross);
    EXPECT_FALSE(s.CheckMouseOver(90, 90));
    EXPECT_FALSE(s.CheckMouseOver(80, 80));
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
    s.CheckMouseOver(40, 60);
    s.SetParentChart(nullptr);  // leaving the chart gives the chart its own cursor back
    EXPECT_EQ(chart.Cursor(), crArrow);
}

TEST(SeriesOnChart, GalleryVariantsOfALineSeries) {
    TLineSeries names;
    EXPECT_EQ(names.ListSubGalleryStyles(),
              (std::vector<std::string>{"Normal", "Stairs", "Points", "Height", "Hollow", "Colors", "Marks", "No Border",
                                        "Outline"}));
    const struct {
        int style;
        bool (*check)(TLineSeries&);
    } cases[] = {
        {1, [](TLineSeries& s) { return s.Stairs(); }},
        {2, [](TLineSeries& s) { return s.Pointer().Visible(); }},
        {3, [](TLineSeries& s) { return s.LineHeight() == 5; }},
        {4, [](TLineSeries& s) { return s.LineBrush() == TBrushStyle::bsClear; }},
        {5, [](TLineSeries& s) { return s.ColorEachPoint(); }},
        {6, [](TLineSeries& s) { return s.Marks().Visible(); }},
        {7, [](TLineSeries& s) { return !s.LinePen().Visible(); }},
        {8, [](TLineSeries& s) { return s.OutLine().Visible(); }},
    };
    for (const auto& c : cases) {
        TLineSeries s;
        EXPECT_FALSE(c.check(s)) << c.style;
        s.ApplySubGalleryStyle(c.style);
        EXPECT_TRUE(c.check(s)) << c.style;
    }
}

TEST(SeriesOnChart, GalleryPreviewLook) {
    ChartTestPanel chart;
    chart.PaletteColors = {0x000001, 0x000002, 0x000003, 0x000004};
    TLineSeries first, second;
    first.SetParentChart(&chart);
    second.SetParentChart(&chart);
    first.SetColorEachPoint(true);
    first.Marks().SetVisible(true);
    TChartFunction function;
    function.PrepareGallery(chart);
    EXPECT_EQ(first.Count(), 4);
    EXPECT_EQ(second.Count(), 4);
    EXPECT_FALSE(first.Marks().Visible());
    EXPECT_EQ(first.Marks().Font().Size(), 7);
    EXPECT_EQ(first.Marks().Callout().Length(), 4);
    EXPECT_EQ(first.Marks().DrawEvery(), 2);
    EXPECT_FALSE(first.ColorEachPoint());
    EXPECT_EQ(first.SeriesColor(), 0x000001);   // palette colour 0 for the first series
    EXPECT_EQ(second.SeriesColor(), 0x000004);  // and 3 for the others
    second.SetupForGallery(false);
    EXPECT_EQ(second.SeriesColor(), clSilver);
    first.SetGallery3D(true);
    EXPECT_TRUE(chart.View3D());
    first.SetParentChart(nullptr);
    second.SetParentChart(nullptr);
}

TEST(SeriesOnChart, ToolsOfTheSeriesHearItsPointsDrawn) {
    struct Recorder : TChartTool {
        std::vector<int> heard;
        void ChartEvent(int event) override { heard.push_back(event); }
        void ChartMouseEvent(int, TMouseButton, TShiftState, int, int) override {}
        void ChartWheelEvent(int, int, int, int) override {}
    };
    ChartTestPanel chart;
    TLineSeries mine, other;
    mine.SetParentChart(&chart);
    other.SetParentChart(&chart);
    Recorder own, foreign, idle, chartWide;
    own.Series = &mine;
    foreign.Series = &other;
    idle.Series = &mine;
    idle.Active = false;
    for (Recorder* t : {&own, &foreign, &idle, &chartWide}) chart.Tools().push_back(t);
    std::vector<std::string> order;
    mine.BeforeDrawValues = [&](TChartSeries*) { order.push_back(own.heard.size() == 1 ? "tool first" : "event first"); };
    mine.DoBeforeDrawValues();
    mine.DoAfterDrawValues();
    EXPECT_EQ(own.heard, (std::vector<int>{cteBeforeDrawSeries, cteAfterDrawSeries}));
    EXPECT_TRUE(foreign.heard.empty());
    EXPECT_TRUE(idle.heard.empty());
    EXPECT_TRUE(chartWide.heard.empty());
    EXPECT_EQ(order, (std::vector<std::string>{"tool first"}));
    chart.Tools().clear();
    mine.SetParentChart(nullptr);
    other.SetParentChart(nullptr);
}

TEST(SeriesOnChart, SamplePointsOnlyWhileDesigning) {
    ChartTestPanel chart;
    TLineSeries running, designed;
    designed.SetComponentStateItem(TComponentStateItem::csDesigning, true);
    EXPECT_FALSE(running.WantsSampleValues());
    EXPECT_TRUE(designed.WantsSampleValues());
    running.SetParentChart(&chart);
    designed.SetParentChart(&chart);
    EXPECT_EQ(running.Count(), 0);
    EXPECT_EQ(designed.Count(), designed.SamplePointCount());
    // points of its own are kept
    designed.SetHasOwnData(true);
    designed.Clear();
    designed.RefreshFromSource();
    EXPECT_EQ(designed.Count(), 0);
    running.SetParentChart(nullptr);
    designed.SetParentChart(nullptr);
}
