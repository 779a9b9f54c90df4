// Chart navigation in the main window, driven with the mouse through the
// window system: drag zoom with its bounds, the wheel, panning with the
// right button, and the time labels of the period window's start.

#include "tests/viewer/MainWindowFixture.h"
#include "platform/display/DisplayTesting.h"
#include "tools/loggen/LogFileBuilder.h"
#include "ui/controls/CustomEdit.h"
#include "ui/core/Rounding.h"
#include "viewer/forms/PeriodForm.h"

#include <vector>

namespace {

namespace input = platform::testing;

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";
// Barometric altitude on the left axis, acceleration on custom axis 0,
// accelerometer speed on custom axis 1.
constexpr const char* kThreeAxes =
    "[Checked]\nchAltBaro=1\nchAccZ=1\nchAccSpeed=1\n[CustomAxisAlt]\ncaAlt=0\ncaAccr=1\ncaSpeed=2\n";
constexpr int kLeftButton = 0, kRightButton = 1;
constexpr int kWheelStep = 120;

struct Range {
    double Minimum, Maximum;
};

class ChartNavigationTest : public MainWindowFixture {
protected:
    TChart& Chart() const { return *Form1->Chart1; }
    TChartAxis& Bottom() const { return *Chart().BottomAxis(); }
    TChartAxis& Left() const { return *Chart().LeftAxis(); }
    TChartAxis& AccelerationAxis() const { return *Chart().CustomAxes().GetAxis(0); }
    TChartAxis& SpeedAxis() const { return *Chart().CustomAxes().GetAxis(1); }
    static Range RangeOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

    ChartNavigationTest() {
        WriteSettings(kThreeAxes);
        Show();
    }
    void OpenSample() {
        OpenLog(kSampleLog);
        RunMessages();
    }
    // A log of `ticks` one-tick records, the barometric altitude rising a decimetre a tick.
    void OpenGenerated(int ticks) {
        LogFileBuilder log;
        log.AddHeaderPage(1, {});
        std::vector<SensorRecordRaw> records(static_cast<std::size_t>(ticks));
        for (int i = 0; i < ticks; ++i) records[static_cast<std::size_t>(i)].BaroAltitude = static_cast<std::uint16_t>(i);
        for (std::size_t at = 0; at < records.size(); at += LogFileBuilder::kSensorRecordsPerPage)
            log.AddSensorPage(LogFileBuilder::kOneTickRate, std::span(records).subspan(at, LogFileBuilder::kSensorRecordsPerPage));
        const std::string file = (folder.Path() / ("generated-" + std::to_string(ticks) + ".log")).string();
        log.WriteTo(file);
        OpenLog(file);
        RunMessages();
    }
    // A point of the plot, as fractions of its width and height from its top left.
    TPoint PlotPoint(double across, double down) const {
        const TRect r = Chart().PlotRect();
        return {r.Left + static_cast<int>(r.Width() * across), r.Top + static_cast<int>(r.Height() * down)};
    }
    TPoint OnScreen(TPoint chartPixel) const { return Chart().ClientToScreen(chartPixel); }
    void MoveTo(TPoint chartPixel) const {
        const TPoint p = OnScreen(chartPixel);
        input::MoveMouse(p.X, p.Y);
        RunMessages();
    }
    void Drag(int button, TPoint from, TPoint to) const {
        MoveTo(from);
        input::PressMouse(button);
        RunMessages();
        MoveTo({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
        MoveTo(to);
        input::ReleaseMouse(button);
        RunMessages();
    }
    void Wheel(int delta) const {
        input::TurnWheel(delta);
        RunMessages();
    }
};

void ExpectRange(const TChartAxis& axis, Range expected, const char* what) {
    EXPECT_NEAR(axis.Minimum(), expected.Minimum, 1e-6) << what;
    EXPECT_NEAR(axis.Maximum(), expected.Maximum, 1e-6) << what;
}

Range ZoomedAbout(Range range, double centre, double factor) {
    return {centre - (centre - range.Minimum) * factor, centre + (range.Maximum - centre) * factor};
}

}  // namespace

TEST_F(ChartNavigationTest, DraggingARectangleZoomsTheTimeAndEveryShownAxisAndLogsTheTimeLimits) {
    OpenSample();
    const TPoint from = PlotPoint(0.25, 0.1), to = PlotPoint(0.6, 0.8);
    const Range time{Bottom().ScreenToValue(from.X), Bottom().ScreenToValue(to.X)};
    const Range altitude{Left().ScreenToValue(to.Y), Left().ScreenToValue(from.Y)};
    const Range acceleration{AccelerationAxis().ScreenToValue(to.Y), AccelerationAxis().ScreenToValue(from.Y)};
    const Range speed = RangeOf(SpeedAxis());
    Drag(kLeftButton, from, to);

    ExpectRange(Bottom(), time, "time");
    ExpectRange(Left(), altitude, "altitude");
    ExpectRange(AccelerationAxis(), acceleration, "acceleration");
    // The accelerometer's altitude, speed and 100 g series keep their axes' ranges.
    ExpectRange(SpeedAxis(), speed, "speed");
    EXPECT_EQ(LogLines().back(),
              "Min/max =" + std::to_string(Round(time.Minimum)) + "  " + std::to_string(Round(time.Maximum)));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartNavigationTest, AZoomTooFineComesBackToTheLastAcceptedOneOrToThisLogsFit) {
    OpenGenerated(300);
    const Range firstFit = RangeOf(Bottom());
    // A tenth of the plot holds some 30 ticks: labels a tick apart or finer.
    Drag(kLeftButton, PlotPoint(0.4, 0.05), PlotPoint(0.43, 0.95));
    ExpectRange(Bottom(), firstFit, "too fine a zoom right after the load");

    Drag(kLeftButton, PlotPoint(0.2, 0.05), PlotPoint(0.8, 0.95));
    const Range accepted = RangeOf(Bottom());
    EXPECT_LT(accepted.Maximum - accepted.Minimum, (firstFit.Maximum - firstFit.Minimum) * 0.7);
    Drag(kLeftButton, PlotPoint(0.4, 0.05), PlotPoint(0.43, 0.95));
    ExpectRange(Bottom(), accepted, "too fine a zoom after an accepted one");

    // The next log: its own fit, not the older log's zoom.
    OpenGenerated(3000);
    const Range secondFit = RangeOf(Bottom());
    EXPECT_NEAR(secondFit.Maximum, 2999 + 2999 / 50.0, 1e-3);
    MoveTo(PlotPoint(0.5, 0.5));
    for (int turn = 0; turn < 60; ++turn) Wheel(kWheelStep);  // in towards the finest labels the wheel allows
    const Range wheeled = RangeOf(Bottom());
    Drag(kLeftButton, PlotPoint(0.4, 0.05), PlotPoint(0.43, 0.95));
    ExpectRange(Bottom(), secondFit, "too fine a zoom after the next load");
    EXPECT_NE(wheeled.Maximum, secondFit.Maximum);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartNavigationTest, TheWheelZoomsTheTimeAxisAloneWithCtrlAlsoTheValuesWithTheRightButtonOnlyTheValues) {
    OpenSample();
    const TPoint at = PlotPoint(0.3, 0.4);
    MoveTo(at);
    const double timeAtCursor = Bottom().ScreenToValue(at.X);
    const double altitudeAtCursor = Left().ScreenToValue(at.Y);
    const double speedAtCursor = SpeedAxis().ScreenToValue(at.Y);

    Range time = RangeOf(Bottom());
    const Range altitude = RangeOf(Left()), speed = RangeOf(SpeedAxis());
    Wheel(kWheelStep);
    time = ZoomedAbout(time, timeAtCursor, 0.95);
    ExpectRange(Bottom(), time, "time, no keys");
    ExpectRange(Left(), altitude, "altitude, no keys");
    ExpectRange(SpeedAxis(), speed, "speed, no keys");

    input::PressKey(platform::VK_CONTROL);
    Wheel(kWheelStep);
    input::ReleaseKey(platform::VK_CONTROL);
    RunMessages();
    ExpectRange(Bottom(), ZoomedAbout(time, timeAtCursor, 0.95), "time, Ctrl");
    ExpectRange(Left(), ZoomedAbout(altitude, altitudeAtCursor, 0.95), "altitude, Ctrl");
    ExpectRange(SpeedAxis(), ZoomedAbout(speed, speedAtCursor, 0.95), "speed, Ctrl");

    // The cursor's values are read again as the axes are drawn now.
    RunMessages();
    time = RangeOf(Bottom());
    const Range altitude2 = RangeOf(Left()), speed2 = RangeOf(SpeedAxis());
    const double altitude2AtCursor = Left().ScreenToValue(at.Y), speed2AtCursor = SpeedAxis().ScreenToValue(at.Y);
    input::PressMouse(kRightButton);
    RunMessages();
    Wheel(-kWheelStep);
    input::ReleaseMouse(kRightButton);
    RunMessages();
    ExpectRange(Bottom(), time, "time, right button");
    ExpectRange(Left(), ZoomedAbout(altitude2, altitude2AtCursor, 1.05), "altitude, right button");
    ExpectRange(SpeedAxis(), ZoomedAbout(speed2, speed2AtCursor, 1.05), "speed, right button");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartNavigationTest, TheWheelOverAnotherControlLeavesTheChartAlone) {
    OpenSample();
    const Range time = RangeOf(Bottom()), altitude = RangeOf(Left());
    const TPoint memo = Form1->skMemo1->ClientToScreen({5, 5});
    input::MoveMouse(memo.X, memo.Y);
    RunMessages();
    Wheel(kWheelStep);
    Wheel(-kWheelStep);
    ExpectRange(Bottom(), time, "time");
    ExpectRange(Left(), altitude, "altitude");
}

TEST_F(ChartNavigationTest, ZoomingOutWithTheWheelStopsATwentiethPastTheData) {
    OpenSample();
    const DataExtents data = Form1->Extents;
    const double span = double(data.MaxX) - data.MinX;
    // Near the right end the left end grows fastest and passes its margin first.
    MoveTo(PlotPoint(0.9, 0.5));
    for (int turn = 0; turn < 60; ++turn) Wheel(-kWheelStep);
    const Range stopped = RangeOf(Bottom());
    EXPECT_GT(stopped.Maximum, data.MaxX + span / 20);
    EXPECT_NEAR(stopped.Minimum, data.MinX - span / 20, 1e-3);
    Wheel(-kWheelStep);
    ExpectRange(Bottom(), stopped, "after the stop");
}

TEST_F(ChartNavigationTest, PanningMovesTheAxesAndSnapsBackPastTheStartOfTheData) {
    OpenSample();
    MoveTo(PlotPoint(0.5, 0.5));
    for (int turn = 0; turn < 10; ++turn) Wheel(kWheelStep);
    RunMessages();

    // Within the bounds: the time axis follows the mouse.
    const TPoint from = PlotPoint(0.5, 0.5), to = PlotPoint(0.4, 0.5);
    const Range before = RangeOf(Bottom());
    const double shift = Bottom().ScreenToValue(from.X) - Bottom().ScreenToValue(to.X);
    Drag(kRightButton, from, to);
    ExpectRange(Bottom(), {before.Minimum + shift, before.Maximum + shift}, "panned");
    EXPECT_EQ(Chart().AllowPanning, pmBoth);

    // Far to the right drags the view past the start of the data: it snaps back.
    const DataExtents data = Form1->Extents;
    const double span = double(data.MaxX) - data.MinX;
    const double shown = Bottom().Maximum() - Bottom().Minimum();
    for (int pass = 0; pass < 4; ++pass) Drag(kRightButton, PlotPoint(0.05, 0.5), PlotPoint(0.95, 0.5));
    EXPECT_NEAR(Bottom().Minimum(), data.MinX - span / 20.01, 1e-6);
    EXPECT_NEAR(Bottom().Maximum() - Bottom().Minimum(), shown, 1e-6);
    EXPECT_EQ(Chart().AllowPanning, pmVertical);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartNavigationTest, TimeLabelsStartAtThePeriodWindowsStartSecond) {
    OpenSample();
    std::string label = "0";
    Chart().OnGetAxisLabel(&Bottom(), nullptr, -1, label);
    EXPECT_EQ(label, "00:00,00");
    label = "12";
    Chart().OnGetAxisLabel(Chart().LeftAxis(), nullptr, -1, label);
    EXPECT_EQ(label, "12");

    Form7 = new TForm7(nullptr);
    Form7->Edit1->SetText("75");
    label = "150";
    Chart().OnGetAxisLabel(&Bottom(), nullptr, -1, label);
    EXPECT_EQ(label, "01:16,50");
    delete Form7;
    Form7 = nullptr;
}

TEST_F(ChartNavigationTest, TheHiddenZoomButtonsStepTheTimeAndTheLeftAxis) {
    OpenSample();
    const auto* group = dynamic_cast<TWinControl*>(Form1->FindComponent("skGroupBox1"));
    ASSERT_NE(group, nullptr);
    const auto button = [group](const std::string& caption) {
        for (int i = 0; i < group->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TButton*>(group->Controls(i)); b && b->Caption() == caption) return b;
        ADD_FAILURE() << "no button " << caption;
        return static_cast<TButton*>(nullptr);
    };
    Bottom().SetLimits(0, 1000);
    Left().SetLimits(-50, 150);
    struct Step {
        const char* caption;
        Range time, altitude;
    };
    const Step steps[] = {
        {"X+", {101, 899}, {-50, 150}},   // a tenth of 1000, and one
        {"Y-", {101, 899}, {-71, 171}},   // a tenth of 200, and one
        {"+", {182, 818}, {-46, 146}},    // 81 and 25
        {"-", {117, 883}, {-66, 166}},    // 65 and 20
        {"X-", {39, 961}, {-66, 166}},    // 78
        {"Y+", {39, 961}, {-42, 142}},    // 24
    };
    for (const Step& step : steps) {
        TButton* b = button(step.caption);
        ASSERT_NE(b, nullptr);
        b->Click();
        ExpectRange(Bottom(), step.time, step.caption);
        ExpectRange(Left(), step.altitude, step.caption);
    }
}

TEST_F(ChartNavigationTest, APressInTheAxisStripShowsTheGridOfTheAxisInThatColumn) {
    OpenSample();
    ASSERT_EQ(Form1->AxisInUse, (AxisFlags{true, true, true, false, false}));
    const std::pair<int, TChartAxis*> presses[] = {{10, &SpeedAxis()}, {70, &AccelerationAxis()}, {130, &Left()}};
    const int middle = PlotPoint(0, 0.5).Y;
    for (const auto& [x, axis] : presses) {
        MoveTo({x, middle});
        input::PressMouse(kLeftButton);
        RunMessages();
        input::ReleaseMouse(kLeftButton);
        RunMessages();
        for (TChartAxis* other : {&Left(), &AccelerationAxis(), &SpeedAxis()}) {
            EXPECT_EQ(other->Grid().Visible(), other == axis) << x;
            EXPECT_EQ(other->Title().Font().Style().Contains(TFontStyle::fsUnderline), other == axis) << x;
        }
    }
    Form1->SelectGridAxisAt(200);
    EXPECT_TRUE(Left().Grid().Visible());
}
