#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartFunction.h"
#include "chart/series/ChartSeriesSource.h"
#include "chart/series/LineSeries.h"
#include "ui/core/Filer.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TypeInfo.h"
#include "ui/core/Writer.h"

#include <gtest/gtest.h>

namespace {

// A series of another class than the line series.
class PlainSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
};

// Chart data of an older kind: the page settings under the chart's own names.
class OlderChart : public ChartTestPanel {
public:
    void DefineProperties(TFiler& filer) override {
        filer.DefineProperty("MaxPointsPerPage", nullptr, [](TWriter& w) { w.WriteInteger(25); }, true);
        filer.DefineProperty("Page", nullptr, [](TWriter& w) { w.WriteInteger(3); }, true);
        filer.DefineProperty("ScaleLastPage", nullptr, [](TWriter& w) { w.WriteBoolean(false); }, true);
    }
};

}  // namespace

TEST(AxisPanelSeriesList, DestroyAllSeriesFreesTheSeriesOfAClassOrAll) {
    TComponent owner(nullptr);
    ChartTestPanel chart;
    auto* line1 = new TLineSeries(&owner);
    auto* plain = new PlainSeries(&owner);
    auto* line2 = new TLineSeries(&owner);
    for (TChartSeries* s : {static_cast<TChartSeries*>(line1), static_cast<TChartSeries*>(plain),
                            static_cast<TChartSeries*>(line2)})
        s->SetParentChart(&chart);
    ASSERT_EQ(owner.ComponentCount(), 3);

    chart.DestroyAllSeries([](const TChartSeries& s) { return dynamic_cast<const TLineSeries*>(&s) != nullptr; });
    ASSERT_EQ(chart.SeriesCount(), 1) << "both line series, side by side with another, are gone";
    EXPECT_EQ(chart.SeriesAt(0), plain);
    EXPECT_EQ(owner.ComponentCount(), 1) << "freed series leave their owner too";

    chart.DestroyAllSeries();
    EXPECT_EQ(chart.SeriesCount(), 0);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(AxisPanelSeriesList, OlderPageSettingsAreReadAndNeverWritten) {
    OlderChart older;
    TMemoryStream stream;
    stream.WriteComponent(&older);
    stream.SetPosition(0);

    ChartTestPanel chart;
    TLineSeries series;
    for (int i = 0; i < 100; ++i) series.Add(i);
    series.SetParentChart(&chart);
    stream.ReadComponent(&chart);
    EXPECT_EQ(chart.Pages().MaxPointsPerPage(), 25);
    EXPECT_EQ(chart.Pages().Current(), 3);
    EXPECT_FALSE(chart.Pages().ScaleLastPage());

    TMemoryStream written;
    written.WriteComponent(&chart);
    const std::string bytes(written.Bytes());
    for (const char* name : {"MaxPointsPerPage", "Page", "ScaleLastPage"})
        EXPECT_EQ(bytes.find(name), std::string::npos) << name;
    series.SetParentChart(nullptr);
}

namespace {

// A chart that refuses one component by name and notes every source it is told has gone.
class ChoosyChart : public ChartTestPanel {
public:
    bool AcceptsDataSource(TChartSeries* series, TComponent* component) override {
        return component->Name() != "Refused" && ChartTestPanel::AcceptsDataSource(series, component);
    }
    void DataSourceRemoved(TChartSeries* series, TComponent* component) override {
        removed.push_back(component);
        ChartTestPanel::DataSourceRemoved(series, component);
    }
    std::vector<TComponent*> removed;
};

class OpenSource : public TChartSeriesSource {
public:
    using TChartSeriesSource::TChartSeriesSource;
    void LoadPoints() override { Series()->AddPointY(7); }
};

}  // namespace

TEST(AxisPanelSeriesList, TheChartDecidesOnDataSourcesAndLetsThemGo) {
    ChoosyChart chart;
    TLineSeries s, feeder;
    s.SetParentChart(&chart);
    feeder.SetName("Refused");
    try {
        s.SetDataSource(&feeder);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(std::string(e.what()), "No valid DataSource: Refused");
    }
    feeder.SetName("Feeder");
    s.SetDataSource(&feeder);
    EXPECT_EQ(s.DataSource(), &feeder);

    // a source component bound to the series is detached when the series drops it
    OpenSource source(nullptr);
    source.AttachSeries(&s);
    ASSERT_EQ(s.DataSource(), &source);
    s.SetDataSource(nullptr);
    ASSERT_FALSE(chart.removed.empty());
    EXPECT_EQ(chart.removed.front(), &source);
    EXPECT_EQ(source.Series(), nullptr);
    EXPECT_EQ(s.DataSource(), nullptr);
    s.SetParentChart(nullptr);
}

TEST(AxisPanelSeriesList, AFunctionWithoutSourceEmptiesItsSeries) {
    ChartTestPanel chart;
    TLineSeries source, calculated;
    source.SetParentChart(&chart);
    calculated.SetParentChart(&chart);
    for (double y : {1.0, 3.0, 5.0}) source.AddPointY(y);
    calculated.SetDataSource(&source);
    auto* function = new TChartFunction;
    calculated.AttachFunction(function);
    calculated.SetDataSource(nullptr);
    calculated.AddPointY(9);  // left over from before
    function->SetSuspended(true);
    calculated.RefreshFromSource();
    EXPECT_EQ(calculated.Count(), 1);  // a suspended function recalculates nothing
    function->SetSuspended(false);
    const int changes = chart.EventCount(seDataChanged);
    calculated.RefreshFromSource();
    EXPECT_EQ(calculated.Count(), 0);
    EXPECT_EQ(chart.EventCount(seDataChanged), changes + 1);  // one update around the recalculation
    chart.SuppressSeriesEvents = true;
    calculated.RefreshFromSource();
    EXPECT_EQ(chart.EventCount(seDataChanged), changes + 1);
}

TEST(AxisPanelSeriesList, FormDataHoldsTheSeriesAsTheChartsChildren) {
    RegisterClass(TLineSeries::StaticClass());
    TChart written;
    auto* altitude = new TLineSeries(&written);
    altitude->SetName("Altitude");
    auto* speed = new TLineSeries(&written);
    speed->SetName("Speed");
    for (TChartSeries* s : {static_cast<TChartSeries*>(altitude), static_cast<TChartSeries*>(speed)})
        s->SetParentChart(&written);
    altitude->AddPointXY(1, 120);
    altitude->SetHasOwnData(true);  // points of its own are written with it
    TMemoryStream stream;
    stream.WriteComponent(&written);
    stream.SetPosition(0);

    TChart read;
    stream.ReadComponent(&read);
    ASSERT_EQ(read.SeriesCount(), 2);
    EXPECT_EQ(read.SeriesAt(0)->Name(), "Altitude");
    EXPECT_EQ(read.SeriesAt(1)->Name(), "Speed");
    EXPECT_EQ(read.SeriesAt(0)->ParentChart(), &read);
    EXPECT_EQ(read.SeriesAt(0)->Owner(), &read);
    ASSERT_EQ(read.SeriesAt(0)->Count(), 1);
    EXPECT_EQ(read.SeriesAt(0)->YValueAt(0), 120);
    UnRegisterClass(TLineSeries::StaticClass());
}
