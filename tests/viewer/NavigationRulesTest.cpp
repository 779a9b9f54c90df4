// The rules of chart navigation on a bare chart: panning bounds of the time
// axis, the hidden step-zoom buttons, the axis whose grid a press in the
// axis strip shows, and the flight-time labels of the time axis.

#include "tests/viewer/SeriesTableChart.h"
#include "viewer/navigation/AxisGridChoice.h"
#include "viewer/navigation/PanBounds.h"
#include "viewer/navigation/StepZoom.h"
#include "viewer/navigation/TimeAxisLabels.h"

#include <gtest/gtest.h>

namespace {

class NavigationRulesTest : public ::testing::Test {
protected:
    NavigationRulesTest() {
        for (int k = 0; k < 4; ++k) charts.chart->CustomAxes().Add();
    }
    TChartAxis& Bottom() { return *charts.chart->BottomAxis(); }
    SeriesTableChart charts;
};

}  // namespace

TEST_F(NavigationRulesTest, PanningPastATwentiethOfTheDataSnapsBackKeepingTheSpan) {
    // Data from tick 0 to 2000: the bounds lie 100 ticks past either end.
    const DataExtents extents{0, 0, 2000, 50};
    struct Case {
        const char* name;
        double minimum, maximum;
        bool hit;
        double expectedMinimum, expectedMaximum;
    };
    const Case cases[] = {
        {"inside", 100, 600, false, 100, 600},
        {"on the left margin", -100, 400, false, -100, 400},
        {"past the left bound", -150, 350, true, -2000 / 20.01, -2000 / 20.01 + 500},
        {"past the right bound", 1700, 2200, true, 2000 + 2000 / 19.99 - 500, 2000 + 2000 / 19.99},
        {"wider than both bounds", -300, 2400, true, -2000 / 20.01, 2000 + 2000 / 19.99},
    };
    for (const Case& c : cases) {
        Bottom().SetLimits(c.minimum, c.maximum);
        EXPECT_EQ(BoundTimeAxisPanning(Bottom(), extents), c.hit) << c.name;
        EXPECT_NEAR(Bottom().Minimum(), c.expectedMinimum, 1e-9) << c.name;
        EXPECT_NEAR(Bottom().Maximum(), c.expectedMaximum, 1e-9) << c.name;
    }
}

TEST_F(NavigationRulesTest, StepZoomMovesEachLimitByATenthOfTheSpanAndOne) {
    struct Case {
        const char* name;
        void (*step)(TChartAxis&);
        double minimum, maximum;
        double expectedMinimum, expectedMaximum;
    };
    const Case cases[] = {
        {"in", StepZoomIn, 0, 100, 11, 89},
        // d = round(2 / 10) + 1 = 1: the minimum moves, then the maximum would meet it.
        {"in, narrow", StepZoomIn, 0, 2, 1, 2},
        {"in, too narrow for either", StepZoomIn, 5, 5.5, 5, 5.5},
        {"out", StepZoomOut, 50, 150, 39, 161},
        {"out, stops at zero", StepZoomOut, 3, 100, 0, 111},
        // A minimum already below zero keeps going down.
        {"out, below zero", StepZoomOut, -40, 60, -51, 71},
    };
    for (const Case& c : cases) {
        Bottom().SetLimits(c.minimum, c.maximum);
        Bottom().SetAutomatic(true);
        c.step(Bottom());
        EXPECT_FALSE(Bottom().Automatic()) << c.name;
        EXPECT_DOUBLE_EQ(Bottom().Minimum(), c.expectedMinimum) << c.name;
        EXPECT_DOUBLE_EQ(Bottom().Maximum(), c.expectedMaximum) << c.name;
    }
}

TEST_F(NavigationRulesTest, APressInTheAxisStripShowsTheGridOfThatColumnsAxis) {
    struct Case {
        AxisFlags inUse;
        int x;
        int chosen;  // -1: nothing changes
    };
    const Case cases[] = {
        {{true, true, true, false, false}, 130, 0},   // three axes: the third column is the left axis
        {{true, true, true, false, false}, 0, 2},     // the outermost first
        {{true, true, true, false, false}, 59, 2},
        {{true, true, true, false, false}, 60, 1},
        {{true, true, true, false, false}, 180, -1},  // right of the used axes' columns
        {{false, false, true, false, true}, 10, 4},
        {{false, false, true, false, true}, 70, 2},
        {{true, false, false, false, false}, 61, -1},
    };
    for (const Case& c : cases) {
        // Before each press custom axis 3 alone shows its grid.
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            TChartAxis& axis = VerticalAxis(*charts.chart, k);
            axis.Grid().SetVisible(k == 4);
            axis.Title().Font().SetStyle(k == 4 ? TFontStyles{TFontStyle::fsUnderline} : TFontStyles{});
        }
        EXPECT_EQ(ChooseGridAxisAt(*charts.chart, c.inUse, c.x), c.chosen) << c.x;
        const int shown = c.chosen == -1 ? 4 : c.chosen;
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            TChartAxis& axis = VerticalAxis(*charts.chart, k);
            EXPECT_EQ(axis.Grid().Visible(), k == shown) << c.x << ", axis " << k;
            EXPECT_EQ(axis.Title().Font().Style().Contains(TFontStyle::fsUnderline), k == shown) << c.x << ", axis " << k;
        }
    }
}

TEST(TimeAxisLabelsTest, TicksAreLabelledAsFlightTime) {
    struct Case {
        const char* tick;
        int startSecond;
        const char* label;
    };
    const Case cases[] = {
        {"0", 0, "00:00,00"},       {"6000", 0, "01:00,00"}, {"600000", 0, "100:00,00"},
        {"12345", 0, "02:03,45"},   {"-1", 0, ""},           {"-100", 5, ""},
        {"0", 5, "00:05,00"},       {"99", 59, "00:59,99"},  {"100", 59, "01:00,00"},
        {"12,5", 0, "12,5"},  // not a whole number: as the axis wrote it
    };
    for (const Case& c : cases) EXPECT_EQ(TimeAxisLabel(c.tick, c.startSecond), c.label) << c.tick << " " << c.startSecond;
}
