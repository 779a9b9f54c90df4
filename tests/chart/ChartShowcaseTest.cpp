// The showcase chart shown in a window: automatic ranges over several series
// and a custom axis, every series on the pixels, and a zoom by mouse that a
// custom axis does not follow but a pan does.

#include "ChartShowcase.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ChartShowcase : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        show = BuildChartShowcase();
        show.Form->Show();
        Pump();
    }
    void TearDown() override {
        show = TChartShowcase();
        Pump();
    }
    static void Pump() { platform::testing::PumpMessages(); }
    void Drag(int button, TPoint from, TPoint to) {
        const TPoint a = show.Chart->ClientToScreen(from);
        const TPoint b = show.Chart->ClientToScreen(to);
        platform::testing::MoveMouse(a.X, a.Y);
        platform::testing::PressMouse(button);
        Pump();
        platform::testing::MoveMouse((a.X + b.X) / 2, (a.Y + b.Y) / 2);
        Pump();
        platform::testing::MoveMouse(b.X, b.Y);
        platform::testing::ReleaseMouse(button);
        Pump();
    }
    // Pixels of the chart's window in the colour, over the whole window.
    int PixelsOf(TColor color) {
        auto pixels = platform::testing::WindowPixels(show.Chart->Handle());
        const platform::Pixel wanted = platform::PixelFromColor(static_cast<platform::COLORREF>(color));
        int n = 0;
        for (int y = 0; y < pixels->Height(); ++y)
            for (int x = 0; x < pixels->Width(); ++x) n += (pixels->Get(x, y) & 0xFFFFFF) == wanted;
        return n;
    }

    TChartShowcase show;
};

}  // namespace

TEST_F(ChartShowcase, RangesComeFromEverySeriesOnTheirAxis) {
    TChart& chart = *show.Chart;
    double lowest = 0, highest = 0;
    for (auto& s : show.LeftSeries) {
        lowest = std::min(lowest, s->LowestY());
        highest = std::max(highest, s->HighestY());
    }
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->EffectiveMinimum(), lowest);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->EffectiveMaximum(), highest);
    EXPECT_DOUBLE_EQ(highest, 240);  // the altitude's apex
    EXPECT_DOUBLE_EQ(lowest, show.LeftSeries[1]->LowestY());  // the speed falling under the parachute
    EXPECT_DOUBLE_EQ(show.VoltageAxis->EffectiveMinimum(), show.VoltageSeries->LowestY());
    EXPECT_DOUBLE_EQ(show.VoltageAxis->EffectiveMaximum(), show.VoltageSeries->HighestY());
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->EffectiveMinimum(), 0);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->EffectiveMaximum(), 20);
    EXPECT_TRUE(chart.AxisIsVisible(show.VoltageAxis));
    EXPECT_FALSE(chart.AxisIsVisible(chart.RightAxis()));  // no series on it

    // hiding every series on the left axis: its range still comes from them
    for (auto& s : show.LeftSeries) s->SetActive(false);
    Pump();
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->EffectiveMaximum(), 240);
}

TEST_F(ChartShowcase, EverySeriesReachesTheWindow) {
    for (auto& s : show.LeftSeries) EXPECT_GT(PixelsOf(s->SeriesColor()), 100) << s->Name();
    EXPECT_GT(PixelsOf(show.VoltageSeries->SeriesColor()), 100);
}

TEST_F(ChartShowcase, AZoomLeavesTheCustomAxisAndAPanMovesIt) {
    TChart& chart = *show.Chart;
    const TRect plot = chart.PlotRect();
    const double voltageMax = show.VoltageAxis->Maximum();
    const TPoint a{plot.Left + plot.Width() / 4, plot.Top + plot.Height() / 4};
    const TPoint b{plot.Left + plot.Width() / 2, plot.Top + plot.Height() / 2};
    Drag(0, a, b);
    EXPECT_TRUE(chart.ZoomActive);
    EXPECT_NEAR(chart.BottomAxis()->Minimum(), 5, 0.1);
    EXPECT_NEAR(chart.BottomAxis()->Maximum(), 10, 0.1);
    EXPECT_DOUBLE_EQ(show.VoltageAxis->Maximum(), voltageMax);

    Drag(1, b, TPoint{b.X, b.Y + 40});
    EXPECT_GT(show.VoltageAxis->Maximum(), voltageMax);  // a pan moves every vertical axis
    chart.UndoZoom();
    EXPECT_DOUBLE_EQ(show.VoltageAxis->Maximum(), voltageMax);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), 20);
}
