#include "ChartTestPanel.h"

#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/EngineError.h"
#include "chart/series/ChartSeriesSource.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesGroups.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A source of three fixed points.
class ThreePointSource : public TChartSeriesSource {
public:
    using TChartSeriesSource::TChartSeriesSource;
    void LoadPoints() override {
        ++loads;
        Series()->Clear();
        for (double y : {10.0, 20.0, 30.0}) Series()->AddPointY(y);
    }
    int loads = 0;
};

std::vector<double> Ys(TChartSeries& s) {
    std::vector<double> ys;
    for (int i = 0; i < s.Count(); ++i) ys.push_back(s.YValueAt(i));
    return ys;
}

}  // namespace

TEST(SeriesDataSources, ASeriesSourceFeedsItsFollower) {
    TChartSeries source, follower;
    follower.SetDataSource(&source);
    source.AddPointXY(2, 20);
    EXPECT_EQ(follower.DataSource(), &source);
    EXPECT_EQ(source.LinkedSeries(), std::vector<TChartSeries*>{&follower});
    source.AddPointXY(1, 10);
    EXPECT_EQ(Ys(follower), (std::vector<double>{10, 20}));
    EXPECT_EQ(follower.BindDataSource(&source, false), -1);  // already one of its sources

    follower.SetDataSource(nullptr);
    EXPECT_EQ(follower.DataSource(), nullptr);
    EXPECT_TRUE(source.LinkedSeries().empty());
    EXPECT_EQ(follower.Count(), 0);  // no own data: the points went with the source
}

TEST(SeriesDataSources, RefusedSources) {
    TChartSeries a, b, c;
    ThreePointSource component;
    component.SetName("Feeder");
    // without a chart only another series is acceptable
    try {
        a.SetDataSource(&component);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(std::string(e.what()), ChartConst::NoParentChartToValidate);
    }
    EXPECT_THROW(a.SetDataSource(&a), ChartException);
    // a ring of sources would feed itself for ever, chart or not
    b.SetDataSource(&a);
    c.SetDataSource(&b);
    EXPECT_THROW(a.SetDataSource(&c), ChartException);
    EXPECT_EQ(a.DataSource(), nullptr);
    a.AddPointY(1);  // no endless feeding
    EXPECT_EQ(c.Count(), 1);

    // on a chart the chart decides; a refused component is named
    ChartTestPanel chart;
    TLineSeries s;
    s.SetParentChart(&chart);
    TComponent plain(nullptr);
    try {
        s.SetDataSource(&plain);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(std::string(e.what()), "No valid DataSource: TComponent");
    }
    EXPECT_NO_THROW(s.SetDataSource(&component));
    s.SetParentChart(nullptr);
}

TEST(SeriesDataSources, ASourceComponentLoadsWhileOpen) {
    ChartTestPanel chart;  // a source component needs a chart to accept it
    TChartSeries s;
    s.SetParentChart(&chart);
    auto* source = new ThreePointSource(&s);  // owned by the series
    source->AttachSeries(&s);
    EXPECT_EQ(s.DataSource(), source);
    EXPECT_EQ(s.Count(), 0);
    source->Activate();
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 20, 30}));
    source->Reload();
    EXPECT_EQ(source->loads, 2);
    EXPECT_TRUE(source->FeedsSeries(&s));
    source->Deactivate();
    EXPECT_EQ(s.Count(), 0);

    // taken over by another series: moved into its ownership, reopened
    source->Activate();
    TChartSeries other;
    other.AppendDataSource(source);
    EXPECT_EQ(source->Owner(), &other);
    EXPECT_EQ(source->Series(), &other);
    EXPECT_EQ(s.DataSource(), nullptr);
    EXPECT_EQ(Ys(other), (std::vector<double>{10, 20, 30}));
    s.SetParentChart(nullptr);
}

TEST(SeriesDataSources, AFreedSourceLeavesTheListWhereverItStands) {
    TChartSeries first, s;
    s.AppendDataSource(&first);
    {
        ThreePointSource second;
        s.AppendDataSource(&second);
        ASSERT_EQ(s.DataSources().Count(), 2);
    }
    ASSERT_EQ(s.DataSources().Count(), 1);
    EXPECT_EQ(s.DataSource(), &first);
    first.AddPointY(5);  // no freed component is touched
    EXPECT_EQ(Ys(s), std::vector<double>{5});
}

TEST(SeriesGroups, ActiveStateOfTheGroup) {
    TSeriesGroups groups;
    TSeriesGroup* group = groups.Add();
    EXPECT_EQ(group->Name(), "Group1");
    EXPECT_EQ(groups.Add()->Name(), "Group2");
    EXPECT_EQ(group->Active(), gaYes);  // empty

    TChartSeries a, b, c;
    for (TChartSeries* s : {&a, &b, &c}) group->Add(s);
    struct Case {
        bool a, b, c;
        TSeriesGroupActive expected;
    } cases[] = {{true, true, true, gaYes}, {false, false, false, gaNo}, {true, false, false, gaSome}};
    for (const Case& k : cases) {
        a.SetActive(k.a);
        b.SetActive(k.b);
        c.SetActive(k.c);
        EXPECT_EQ(group->Active(), k.expected) << k.a << k.b << k.c;
    }
    group->SetActive(gaSome);  // changes nothing
    EXPECT_TRUE(a.Active());
    EXPECT_FALSE(b.Active());
    group->SetActive(gaYes);
    EXPECT_TRUE(b.Active() && c.Active());
    group->SetActive(gaNo);
    EXPECT_EQ(group->Active(), gaNo);

    TSeriesGroup* copy = groups.Add();
    copy->Assign(group);
    EXPECT_EQ(copy->Name(), "Group1");
    EXPECT_EQ(copy->Series().size(), 3u);
}

TEST(SeriesDataSources, DataFlagsLookAtTheLeadingPoints) {
    struct Case {
        std::vector<double> xs;
        bool xNeeded;
    } cases[] = {{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, false},
                 {{0, 1, 5, 3}, true},  // ordered by insertion, not by value
                 {{1, 2, 3}, true},
                 {{0, 1, 3}, true}};
    for (const Case& k : cases) {
        TChartSeries s;
        s.XValues().SetOrder(loNone);
        for (double x : k.xs) s.AddPointXY(x, 1);
        EXPECT_EQ(s.DataFlags().XValues, k.xNeeded) << k.xs.size();
        EXPECT_FALSE(s.DataFlags().Colors);
        EXPECT_FALSE(s.DataFlags().Labels);
    }
    TChartSeries s;
    s.SetSeriesColor(0x0000FF);
    s.AddPointY(1, "", 0x0000FF);  // the series' own colour needs no colour list
    EXPECT_FALSE(s.DataFlags().Colors);
    s.AddPointY(2, "b", 0x00FF00);
    EXPECT_TRUE(s.DataFlags().Colors);
    EXPECT_TRUE(s.DataFlags().Labels);
}

TEST(SeriesDataSources, TitleTextAndEngineErrorBox) {
    ChartTestPanel chart;
    TLineSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    EXPECT_EQ(SeriesTitleText(b), "Series2");
    b.SetName("Altitude");
    EXPECT_EQ(SeriesTitleText(b), "Altitude");
    a.SetTitle("Speed\x06m/s");
    EXPECT_EQ(SeriesTitleText(a), "Speed m/s");
    a.SetParentChart(nullptr);
    b.SetParentChart(nullptr);

    std::string shown, caption;
    unsigned flags = 0;
    Application->SetMessageBoxFunction([&](const std::string& text, const std::string& c, unsigned f) {
        shown = text;
        caption = c;
        flags = f;
        return 1;
    });
    ShowEngineError(std::string(2000, 'x'));
    Application->SetMessageBoxFunction(nullptr);
    EXPECT_EQ(shown.size(), 1023u);
    EXPECT_EQ(caption, "");
    EXPECT_EQ(flags, 0x2000u | MB_ICONERROR);
}
