#include "ChartTestPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/series/ChartSeries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> Xs(TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.XValueAt(i));
    return v;
}

std::vector<double> Ys(TChartSeries& s) {
    std::vector<double> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.YValueAt(i));
    return v;
}

}  // namespace

TEST(ChartSeriesPoints, AddedPointsKeepXOrderAcrossAllLists) {
    TChartSeries s;
    std::vector<int> indexes;
    const struct {
        double x, y;
        const char* label;
        TColor color;
    } points[] = {{3, 30, "c", clDefault}, {1, 10, "", 0x0000FF}, {2, 20, "b", clDefault}, {2, 21, "", clDefault}};
    for (const auto& p : points) indexes.push_back(s.AddPointXY(p.x, p.y, p.label, p.color));
    EXPECT_EQ(indexes, (std::vector<int>{0, 0, 1, 2}));
    EXPECT_EQ(Xs(s), (std::vector<double>{1, 2, 2, 3}));
    EXPECT_EQ(Ys(s), (std::vector<double>{10, 20, 21, 30}));
    EXPECT_EQ(s.PointLabel(0), "");
    EXPECT_EQ(s.PointLabel(1), "b");
    EXPECT_EQ(s.PointLabel(3), "c");
    EXPECT_EQ(s.PointColorStored(0), 0x0000FF);
    EXPECT_EQ(s.PointColorStored(3), clDefault);
}

TEST(ChartSeriesPoints, AddPointYNumbersTheXValues) {
    TChartSeries s;
    for (double y : {5.0, 7.0, 9.0}) s.AddPointY(y);
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2}));
    EXPECT_FALSE(s.HasPointColors());
    EXPECT_TRUE(s.Labels().Empty());
}

TEST(ChartSeriesPoints, NullPointMakesTheColourList) {
    TChartSeries s;
    s.AddPointY(1);
    s.AddNullPoint();
    s.AddPointY(3);
    ASSERT_TRUE(s.HasPointColors());
    EXPECT_FALSE(s.PointIsNull(0));
    EXPECT_TRUE(s.PointIsNull(1));
    EXPECT_FALSE(s.PointIsNull(2));
    EXPECT_EQ(s.PointColorStored(0), clDefault);
}

TEST(ChartSeriesPoints, BeforeAddCanRefuseAPoint) {
    TChartSeries s;
    int after = 0;
    s.OnBeforeAdd = [](TChartSeries* series) { return series->XValues().PendingValue() < 10; };
    s.OnAfterAdd = [&after](TChartSeries*, int) { ++after; };
    EXPECT_EQ(s.AddPointXY(1, 1), 0);
    EXPECT_EQ(s.AddPointXY(11, 1), -1);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(after, 1);
}

TEST(ChartSeriesPoints, DeleteChecksTheIndexAndKeepsListsAligned) {
    TChartSeries s;
    for (int i = 0; i < 5; ++i) s.AddPointXY(i, i * 10, i == 3 ? "three" : "", i == 4 ? 0xFF : clDefault);
    try {
        s.Delete(5);
        FAIL() << "no error";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Series Delete: ValueIndex 5 out of bounds (0 to 4).");
    }
    EXPECT_EQ(s.Count(), 5);
    s.Delete(1);
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 2, 3, 4}));
    EXPECT_EQ(s.PointLabel(2), "three");
    EXPECT_EQ(s.PointColorStored(3), 0xFF);
}

TEST(ChartSeriesPoints, DeleteRangeRenumbersWhenAsked) {
    TChartSeries s;
    for (int i = 0; i < 10; ++i) s.AddPointXY(i, i);
    s.DeleteRange(2, 3, true);
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Ys(s), (std::vector<double>{0, 1, 5, 6, 7, 8, 9}));
    s.DeleteRange(5, 100);  // past the end: only what is there
    EXPECT_EQ(s.Count(), 5);
    s.DeleteRange(9, 1);
    EXPECT_EQ(s.Count(), 5);
}

TEST(ChartSeriesPoints, ClearEmptiesEverythingAndTellsTheHandler) {
    TChartSeries s;
    int cleared = 0;
    s.OnClearValues = [&cleared](TChartSeries*) { ++cleared; };
    s.AddPointXY(1, 2, "a", 0xFF);
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_FALSE(s.HasPointColors());
    EXPECT_TRUE(s.Labels().Empty());
    EXPECT_EQ(s.XValues().HighestValue(), 0);
    EXPECT_EQ(cleared, 1);
}

TEST(ChartSeriesPoints, LinkedSeriesFollowsItsSource) {
    TChartSeries source, follower, withoutInsert;
    source.AddLinkedSeries(&follower);
    source.AddLinkedSeries(&withoutInsert);
    withoutInsert.RecalcOptions().OnInsert = false;
    source.AddPointXY(5, 50);
    source.AddPointXY(1, 10, "first");
    EXPECT_EQ(Xs(follower), (std::vector<double>{1, 5}));
    EXPECT_EQ(follower.PointLabel(0), "first");
    EXPECT_EQ(withoutInsert.Count(), 0);
    source.Delete(0);
    EXPECT_EQ(Xs(follower), (std::vector<double>{5}));
    EXPECT_EQ(withoutInsert.Count(), 0);  // had no point 0: nothing to delete, no error
    // a bulk change tells the followers once, at the outer end
    source.BeginUpdate();
    source.BeginUpdate();
    source.AddPointXY(7, 70);
    source.EndUpdate();
    EXPECT_EQ(follower.Count(), 1);
    source.EndUpdate();
    EXPECT_EQ(Xs(follower), (std::vector<double>{5, 7}));
    EXPECT_EQ(Xs(withoutInsert), (std::vector<double>{5, 7}));  // the refresh copies everything
    source.EndUpdate();                                          // unmatched: nothing
    source.AddPointXY(9, 90);
    source.DeleteRange(0, 2);  // a range names no index: followers take the rest afresh
    EXPECT_EQ(Xs(follower), (std::vector<double>{9}));
    EXPECT_EQ(Xs(withoutInsert), (std::vector<double>{9}));
    source.Clear();
    EXPECT_EQ(follower.Count(), 0);
}

TEST(ChartSeriesPoints, DestroyedFollowerLeavesItsSource) {
    TChartSeries source;
    {
        TChartSeries follower;
        source.AddLinkedSeries(&follower);
        EXPECT_EQ(source.LinkedSeries().size(), 1u);
    }
    EXPECT_TRUE(source.LinkedSeries().empty());
    source.AddPointY(1);  // no dangling follower to notify
    EXPECT_EQ(source.Count(), 1);
}

TEST(ChartSeriesPoints, SortByMandatoryRenumbersX) {
    TChartSeries s;
    for (double y : {3.0, 1.0, 2.0}) s.AddPointY(y, y == 1.0 ? "one" : "");
    s.YValues().SetOrder(loAscending);
    s.SortByMandatory();
    EXPECT_EQ(Ys(s), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(Xs(s), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(s.PointLabel(0), "one");
}

TEST(ChartSeriesPoints, ValueListByNameFallsBackToTheMandatoryList) {
    TChartSeries s;
    EXPECT_EQ(s.ValueListByName("X"), &s.YValues());  // with two lists always the mandatory one
    auto* extra = new TChartValueList(&s, "Open");
    EXPECT_EQ(s.ValueListByName("OPEN"), extra);
    EXPECT_EQ(s.ValueListByName("Close"), &s.YValues());
    extra->SetPendingValue(42);
    s.AddPointXY(1, 2);
    EXPECT_EQ((*extra)[0], 42);
}
