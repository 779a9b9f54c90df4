#include "ControlFixture.h"

#include "ui/controls/Gauge.h"

#include "platform/display/DisplayTesting.h"
#include "platform/window/Placement.h"

namespace {

using GaugeControl = ControlFixture;

TEST_F(GaugeControl, ProgressStaysInItsRangeAndGivesThePercentage) {
    const struct {
        int min, max, progress;
        int kept, percent;
    } cases[] = {
        {0, 100, 42, 42, 42}, {0, 100, 150, 100, 100}, {0, 100, -5, 0, 0},
        {0, 200, 1, 1, 0},    {0, 200, 3, 3, 2},        // 1.5 rounds to even
        {10, 10, 10, 10, 0},  // an empty range is 0 %, not a division by zero
    };
    for (const auto& c : cases) {
        TGauge gauge(nullptr);
        gauge.SetMaxValue(c.max);
        gauge.SetMinValue(c.min);
        gauge.SetProgress(c.progress);
        EXPECT_EQ(gauge.Progress(), c.kept) << c.progress;
        EXPECT_EQ(gauge.PercentDone(), c.percent) << c.progress;
    }
}

TEST_F(GaugeControl, PaintsTheFilledPartInTheForeColour) {
    auto* gauge = Add<TGauge>(10, 10, 202, 20);
    gauge->SetShowText(false);
    gauge->SetForeColor(clBlue);
    gauge->SetProgress(25);
    ShowForm();
    platform::RECT frame;
    platform::GetWindowRect(form->Handle(), &frame);
    auto pixelAt = [&](int x) {
        TPoint p = gauge->ClientToScreen({x, 10});
        return platform::testing::WindowPixel(form->Handle(), p.X - frame.left, p.Y - frame.top);
    };
    EXPECT_EQ(gauge->FilledRect(), Rect(1, 1, 51, 19));
    EXPECT_EQ(pixelAt(2), 0x0000FFu);   // filled: blue
    EXPECT_EQ(pixelAt(50), 0x0000FFu);
    EXPECT_EQ(pixelAt(51), 0xFFFFFFu);  // the rest: the white back colour
    EXPECT_EQ(pixelAt(0), 0x000000u);   // the frame
    gauge->SetProgress(100);
    Pump();
    EXPECT_EQ(pixelAt(200), 0x0000FFu);
}

}  // namespace
