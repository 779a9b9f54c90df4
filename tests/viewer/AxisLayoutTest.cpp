// The vertical axes laid out by the quantity groups in use: where the custom
// axes stand and how wide the left margin grows, and each axis' range in
// both scaling modes; and the order ApplyAxisLimits sets limits in.

#include "tests/viewer/SeriesTableChart.h"
#include "ui/forms/Application.h"
#include "viewer/navigation/AxisLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AxisLayoutTest : public ::testing::Test {
protected:
    AxisLayoutTest() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return 1;
        });
        for (int k = 0; k < 4; ++k) charts.chart->CustomAxes().Add()->SetPositionUnits(muPixels);
        for (int index = 0; index < kChartSeriesCount; ++index) charts.Series(index).SetActive(false);
    }
    ~AxisLayoutTest() override { Application->SetMessageBoxFunction(nullptr); }

    // A visible channel series over [low, high] on vertical axis `axis`.
    void Show(int series, int axis, double low, double high) {
        TChartSeries& s = charts.Series(series);
        s.SetActive(true);
        s.SetCustomVertAxis(axis == 0 ? nullptr : &Axis(axis));
        s.AddPointY(low);
        s.AddPointY(high);
    }
    TChartAxis& Axis(int index) { return VerticalAxis(*charts.chart, index); }

    SeriesTableChart charts;
    std::vector<std::string> boxes;
};

struct PlacementCase {
    AxisFlags inUse;
    // Pixels left of the plot for custom axes 0-3; 0: not in use.
    std::array<int, 4> positions;
    int marginLeft;
};

}  // namespace

TEST_F(AxisLayoutTest, EachCombinationOfCustomAxesStandsInColumnsOf50PixelsLeftOfThePlot) {
    const PlacementCase cases[] = {
        {{true, false, false, false, false}, {0, 0, 0, 0}, 10},
        {{true, true, false, false, false}, {60, 0, 0, 0}, 66},
        {{true, false, true, false, false}, {0, 60, 0, 0}, 66},
        {{true, false, false, true, false}, {0, 0, 60, 0}, 66},
        {{true, false, false, false, true}, {0, 0, 0, 60}, 66},
        {{true, true, true, false, false}, {60, 110, 0, 0}, 121},
        {{true, true, false, true, false}, {60, 0, 110, 0}, 121},
        {{true, true, false, false, true}, {60, 0, 0, 110}, 121},
        {{true, false, true, true, false}, {0, 60, 110, 0}, 121},
        {{true, false, true, false, true}, {0, 60, 0, 110}, 121},
        {{true, false, false, true, true}, {0, 0, 60, 110}, 121},
        {{true, true, true, true, false}, {60, 110, 160, 0}, 176},
        {{true, true, true, false, true}, {60, 110, 0, 160}, 176},
        {{true, true, false, true, true}, {60, 0, 110, 160}, 176},
        {{true, false, true, true, true}, {0, 60, 110, 160}, 176},
        {{true, true, true, true, true}, {60, 110, 160, 210}, 231},
        // The left axis out of use changes nothing of the custom axes' places.
        {{false, false, true, false, true}, {0, 60, 0, 110}, 121},
    };
    for (const PlacementCase& c : cases) {
        for (int k = 0; k < 4; ++k) Axis(k + 1).SetPositionPercent(0);
        for (int k = 0; k < kVerticalAxisCount; ++k)
            if (c.inUse[k]) Show(kFirstChannelSeries + k, k, 1, 2);
        LayoutAxes(*charts.chart, c.inUse, AxisScaling::CommonZero);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(Axis(k + 1).PositionPercent(), -c.positions[k]) << "custom axis " << k;
        EXPECT_EQ(charts.chart->MarginLeft(), c.marginLeft);
        for (int index = kFirstChannelSeries; index <= kLastChannelSeries; ++index) {
            charts.Series(index).Clear();
            charts.Series(index).SetActive(false);
        }
    }
    EXPECT_TRUE(boxes.empty());
}

struct ScalingCase {
    const char* name;
    AxisScaling scaling;
    AxisFlags inUse;
    // Per vertical axis in use: the data's range and the axis' range.
    std::array<std::pair<double, double>, kVerticalAxisCount> data, expected;
};

TEST_F(AxisLayoutTest, EveryAxisInUseIsScaledToItsDataInBothModes) {
    using R = std::pair<double, double>;
    const R none{};
    const ScalingCase cases[] = {
        {"common zero, both axes cross zero", AxisScaling::CommonZero, {true, true, false, false, false},
         {R{-10, 100}, R{-1, 50}, none, none, none}, {R{-15, 105}, R{-7.5, 52.5}, none, none, none}},
        {"common zero, all data at or above zero", AxisScaling::CommonZero, {true, false, false, true, false},
         {R{0, 200}, none, none, R{5, 40}, none}, {R{-10.5, 210}, none, none, R{-2.1, 42}, none}},
        {"common zero, only negative data", AxisScaling::CommonZero, {true, false, false, false, false},
         {R{-20, -10}, none, none, none, none}, {R{-21, 21}, none, none, none, none}},
        {"common zero, a negative axis beside a positive one", AxisScaling::CommonZero, {true, false, true, false, false},
         {R{0, 100}, none, R{-20, -10}, none, none}, {R{-105, 105}, none, R{-21, 21}, none, none}},
        {"common zero, a negative axis beside one that crosses zero", AxisScaling::CommonZero,
         {true, true, false, false, false}, {R{-10, 100}, R{-40, -20}, none, none, none},
         {R{-105, 105}, R{-42, 42}, none, none, none}},
        {"each its own, mostly negative", AxisScaling::EachOwnRange, {true, false, false, false, false},
         {R{-300, 100}, none, none, none, none}, {R{-315, 85}, none, none, none, none}},
        {"each its own, mostly positive", AxisScaling::EachOwnRange, {false, false, false, false, true},
         {none, none, none, none, R{10, 200}}, {none, none, none, none, R{0, 210}}},
        {"each its own, only negative", AxisScaling::EachOwnRange, {true, false, false, false, false},
         {R{-20, -10}, none, none, none, none}, {R{-21, -11}, none, none, none, none}},
    };
    for (const ScalingCase& c : cases) {
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            Axis(k).SetLimits(-1, 1);
            if (c.inUse[k]) Show(kFirstChannelSeries + k, k, c.data[k].first, c.data[k].second);
        }
        LayoutAxes(*charts.chart, c.inUse, c.scaling);
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            const R expected = c.inUse[k] ? c.expected[k] : R{-1, 1};
            EXPECT_NEAR(Axis(k).Minimum(), expected.first, 1e-9) << c.name << ", axis " << k;
            EXPECT_NEAR(Axis(k).Maximum(), expected.second, 1e-9) << c.name << ", axis " << k;
        }
        EXPECT_TRUE(boxes.empty()) << c.name;
        for (int index = kFirstChannelSeries; index <= kLastChannelSeries; ++index) {
            charts.Series(index).Clear();
            charts.Series(index).SetActive(false);
        }
    }
}

TEST_F(AxisLayoutTest, ApplyAxisLimitsMovesARangeWhollyAboveOrBelowAndRefusesAReversedOne) {
    TChartAxis& axis = Axis(0);
    axis.SetLimits(0, 10);
    ApplyAxisLimits(axis, 20, 30);  // the minimum above the old maximum
    EXPECT_EQ(axis.Minimum(), 20);
    EXPECT_EQ(axis.Maximum(), 30);
    ApplyAxisLimits(axis, -5, 5);  // the maximum below the old minimum
    EXPECT_EQ(axis.Minimum(), -5);
    EXPECT_EQ(axis.Maximum(), 5);
    EXPECT_TRUE(boxes.empty());

    ApplyAxisLimits(axis, 3, 2);
    EXPECT_EQ(boxes, std::vector<std::string>{"Ошибка масштабирования!!!"});
    EXPECT_EQ(axis.Minimum(), -5);
    EXPECT_EQ(axis.Maximum(), 5);
}
