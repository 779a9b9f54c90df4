#include "chart/series/ChartSeries.h"
#include "chart/series/ChartValueList.h"

#include "ui/core/TypeInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> ValuesOf(const TChartValueList& list) {
    std::vector<double> v;
    for (int i = 0; i < list.Count(); ++i) v.push_back(list[i]);
    return v;
}

void Fill(TChartValueList& list, const std::vector<double>& values) {
    for (double v : values) list.InsertValue(list.Count(), v);
}

}  // namespace

TEST(ChartValueList, OrderedAddPlacesEachValueAfterItsEquals) {
    const struct {
        TChartListOrder order;
        std::vector<double> before;
        double added;
        int index;
        std::vector<double> after;
    } cases[] = {
        {loAscending, {1, 2, 2, 3}, 2, 3, {1, 2, 2, 2, 3}},
        {loAscending, {1, 2, 3}, 0, 0, {0, 1, 2, 3}},
        {loAscending, {1, 2, 3}, 5, 3, {1, 2, 3, 5}},
        {loAscending, {}, 7, 0, {7}},
        {loDescending, {5, 3}, 4, 1, {5, 4, 3}},
        {loDescending, {5, 3}, 3, 2, {5, 3, 3}},
        {loDescending, {5, 3}, 9, 0, {9, 5, 3}},
        {loNone, {5, 3}, 4, 2, {5, 3, 4}},
    };
    for (const auto& c : cases) {
        TChartValueList list(nullptr, "V");
        list.SetOrder(c.order);
        Fill(list, c.before);
        EXPECT_EQ(list.AddValue(c.added), c.index);
        EXPECT_EQ(ValuesOf(list), c.after);
    }
}

TEST(ChartValueList, InsertAndDeleteMoveTheValuesAround) {
    TChartValueList list(nullptr, "V");
    Fill(list, {1, 2, 3, 4, 5, 6});
    list.InsertValue(0, 0);
    list.InsertValue(3, 2.5);
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 1, 2, 2.5, 3, 4, 5, 6}));
    list.DeleteValue(7);
    list.DeleteValue(0);
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 2, 2.5, 3, 4, 5}));
    list.DeleteRange(1, 3);
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 4, 5}));
    list.DeleteRange(1, 2);
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{1}));
}

TEST(ChartValueList, StatisticsFollowEveryChange) {
    TChartValueList list(nullptr, "V");
    list.InsertValue(0, -4);
    EXPECT_EQ(list.HighestValue(), -4);
    EXPECT_EQ(list.LowestValue(), -4);
    EXPECT_EQ(list.Total(), -4);
    EXPECT_EQ(list.AbsoluteSum(), 4);
    EXPECT_EQ(list.ValueRange(), 0);

    list.AddValue(10);  // seen by the next read, not before
    list.InsertValue(0, -6);
    EXPECT_EQ(list.HighestValue(), 10);
    EXPECT_EQ(list.LowestValue(), -6);
    EXPECT_EQ(list.Total(), 0);
    EXPECT_EQ(list.AbsoluteSum(), 20);
    EXPECT_EQ(list.ValueRange(), 16);

    list.DeleteValue(2);
    EXPECT_EQ(list.HighestValue(), -4);
    list.SetToIndexes();
    EXPECT_EQ(list.HighestValue(), 1);
    EXPECT_EQ(list.LowestValue(), 0);

    list.Clear();
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.LowestValue(), 0);
    EXPECT_EQ(list.Total(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ChartValueList, GrowsInSteps) {
    TChartValueList list(nullptr, "V");
    EXPECT_EQ(list.Capacity(), 0);
    for (int i = 0; i < 1000; ++i) list.AddValue(i);
    EXPECT_EQ(list.Capacity(), 1000);
    list.AddValue(1000);
    EXPECT_EQ(list.Capacity(), 2000);
    EXPECT_EQ(list.LastValue(), 1000);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(ChartValueList, AssignCopiesSettingsNotValues) {
    TChartValueList source(nullptr, "Source");
    source.SetOrder(loDescending);
    source.SetDateTime(true);
    source.SetValueSource("Field");
    Fill(source, {1, 2});
    TChartValueList target(nullptr, "Target");
    Fill(target, {9});
    target.Assign(source);
    EXPECT_EQ(target.Order(), loDescending);
    EXPECT_TRUE(target.DateTime());
    EXPECT_TRUE(target.DateTimeStored());
    EXPECT_EQ(target.ValueSource(), "Field");
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_EQ(ValuesOf(target), std::vector<double>{9});
}

TEST(ChartValueList, CompareAndRotate) {
    TChartValueList list(nullptr, "V");
    Fill(list, {3, 1, 3});
    EXPECT_EQ(list.CompareValues(0, 1), 1);
    EXPECT_EQ(list.CompareValues(1, 0), -1);
    EXPECT_EQ(list.CompareValues(0, 2), 0);
    list.SetOrder(loDescending);
    EXPECT_EQ(list.CompareValues(0, 1), -1);
    list.Rotate();
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 3, 3}));
}

TEST(ChartValueList, SortPointsSortsEveryListOfTheSeries) {
    TChartSeries series;
    series.XValues().SetOrder(loNone);
    const double xs[] = {5, 1, 4, 1, 3, 9, 0, 2};
    for (int i = 0; i < 8; ++i) series.AddPointXY(xs[i], xs[i] * 10, std::string(1, static_cast<char>('a' + i)));
    series.XValues().SetOrder(loAscending);
    series.XValues().SortPoints();
    for (int i = 0; i < series.Count(); ++i) {
        if (i > 0) {
            EXPECT_LE(series.XValueAt(i - 1), series.XValueAt(i));
        }
        EXPECT_EQ(series.YValueAt(i), series.XValueAt(i) * 10);
    }
    EXPECT_EQ(series.PointLabel(0), "g");  // x = 0 came in seventh
    EXPECT_EQ(series.PointLabel(7), "f");  // x = 9 sixth
}

TEST(ChartValueList, PublishedSettingsAndTheirStorage) {
    TChartValueList list(nullptr, "Y");
    EXPECT_FALSE(PropInfoOf(list, "DateTime").IsStored(list));
    list.SetDateTime(true);
    EXPECT_TRUE(PropInfoOf(list, "DateTime").IsStored(list));
    EXPECT_EQ(GetStrProp(list, "Name"), "Y");
    SetEnumProp(list, "Order", "loDescending");
    EXPECT_EQ(list.Order(), loDescending);
    SetStrProp(list, "ValueSource", "Altitude");

    TChartValueList copy(nullptr, "X");
    copy.AddValue(5);
    copy.Assign(static_cast<const TPersistent*>(&list));
    EXPECT_EQ(copy.Order(), loDescending);
    EXPECT_TRUE(copy.DateTime());
    EXPECT_EQ(copy.ValueSource(), "Altitude");
    EXPECT_EQ(copy.Name(), "X") << "neither the name";
    EXPECT_EQ(copy.Count(), 1) << "nor the values are copied";
}
