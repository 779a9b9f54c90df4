#include "chart/core/ChartExceptions.h"
#include "chart/series/ChartSeries.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(ChartSeriesData, PlainPointsWriteOnlyTheirYValues) {
    TChartSeries s;
    for (double y : {1.5, -2.0, 3.25}) s.AddPointY(y);
    const std::vector<std::uint8_t> data = s.WriteData();
    ASSERT_EQ(data.size(), 1u + 4 + 3 * 8);
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(data[1], 3);
    double first;
    std::memcpy(&first, &data[5], 8);
    EXPECT_EQ(first, 1.5);

    TChartSeries back;
    back.ReadData(data);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.XValueAt(2), 2);
    EXPECT_EQ(back.YValueAt(1), -2.0);
    EXPECT_TRUE(back.HasOwnData());
}

TEST(ChartSeriesData, XColoursAndLabelsRoundTrip) {
    TChartSeries s;
    s.AddPointXY(0.5, 1, "a", 0x123456);
    s.AddPointXY(2, 2, "", clDefault);
    s.AddPointXY(7, 3, std::string(300, 'z'), clNone);
    const std::vector<std::uint8_t> data = s.WriteData();
    EXPECT_EQ(data[0], 1 | 2 | 4);

    TChartSeries back;
    back.ReadData(data);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.XValueAt(0), 0.5);
    EXPECT_EQ(back.XValueAt(2), 7);
    EXPECT_EQ(back.PointLabel(0), "a");
    EXPECT_EQ(back.PointLabel(2), std::string(44, 'z'));  // 300 mod 256 characters
    EXPECT_EQ(back.PointColorStored(0), 0x123456);
    EXPECT_EQ(back.PointColorStored(1), clDefault);
    EXPECT_TRUE(back.PointIsNull(2));
}

TEST(ChartSeriesData, DamagedStreamLeavesThePointsAlone) {
    TChartSeries source;
    for (int i = 0; i < 4; ++i) source.AddPointXY(i * 2, i);
    std::vector<std::uint8_t> data = source.WriteData();

    TChartSeries target;
    target.AddPointY(99);
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {},
        {0},
        std::vector<std::uint8_t>(data.begin(), data.end() - 1),
        {0, 0xFF, 0xFF, 0xFF, 0xFF},  // count -1
        {0, 0xFF, 0xFF, 0xFF, 0x7F},  // a count no stream of this size holds
    };
    for (const auto& d : damaged) {
        EXPECT_THROW(target.ReadData(d), ChartException) << d.size();
        ASSERT_EQ(target.Count(), 1);
        EXPECT_EQ(target.YValueAt(0), 99);
    }
}
