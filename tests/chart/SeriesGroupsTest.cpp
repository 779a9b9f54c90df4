// Series groups held by the chart, and their series kept in form data by name.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>

TEST(SeriesGroups, SeriesLeavingTheChartLeaveItsGroups) {
    TChart chart;
    TLineSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    TSeriesGroup* group = chart.SeriesGroups().Add();
    group->Add(&a);
    group->Add(&b);
    a.SetParentChart(nullptr);
    ASSERT_EQ(group->Series().size(), 1u);
    EXPECT_EQ(group->Series()[0], &b);
    b.SetParentChart(nullptr);
}

TEST(SeriesGroups, FormDataHoldsTheGroupsAndTheirSeriesByName) {
    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    auto* speed = new TLineSeries(&form);
    auto* height = new TLineSeries(&form);
    speed->SetName("Speed");
    height->SetName("Height");
    TMemoryStream plain;
    plain.WriteComponent(chart);
    EXPECT_EQ(std::string(plain.Bytes()).find("SeriesGroups"), std::string::npos);

    TSeriesGroup* group = chart->SeriesGroups().Add();
    group->SetName("Flight");
    group->Add(speed);
    group->Add(height);
    chart->SeriesGroups().Add()->SetName("Empty");
    TMemoryStream stream;
    stream.WriteComponent(chart);

    TComponent other(nullptr);
    auto* copy = new TChart(&other);
    auto* height2 = new TLineSeries(&other);
    height2->SetName("Height");  // "Speed" is not on this form
    stream.SetPosition(0);
    stream.ReadComponent(copy);
    ASSERT_EQ(copy->SeriesGroups().Count(), 2);
    EXPECT_EQ(copy->SeriesGroups().Items(0)->Name(), "Flight");
    ASSERT_EQ(copy->SeriesGroups().Items(0)->Series().size(), 1u);
    EXPECT_EQ(copy->SeriesGroups().Items(0)->Series()[0], height2);
    EXPECT_TRUE(copy->SeriesGroups().Items(1)->Series().empty());
}
