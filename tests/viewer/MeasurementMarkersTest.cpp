// The measurement markers on the main window's chart, driven by the mouse
// and the keyboard through the window system with the sample flight
// loaded: placement by click, following the mouse, dragging, typed and
// stepped times, the difference, the captions and the delete buttons.

#include "tests/viewer/MainWindowFixture.h"

#include "common/FlightTime.h"
#include "platform/system/Clock.h"
#include "viewer/markers/MarkerBalloon.h"

#include <algorithm>
#include <cmath>

namespace {

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";
constexpr const char* kAltitudeOnly = "[Checked]\nchAltBaro=1\n";

enum Marker { kStart, kEnd, kLevel1, kLevel2 };

class MeasurementMarkers : public MainWindowFixture {
protected:
    MeasurementMarkers() {
        WriteSettings(kAltitudeOnly);
        Show();
        OpenLog(kSampleLog);
        Paint();
    }
    ~MeasurementMarkers() override { HideMarkerBalloon(); }

    void Paint() {
        Form1->Chart1->Repaint();
        RunMessages();
    }
    TChartAxis& Time() const { return *Form1->Chart1->BottomAxis(); }
    TChartAxis& Left() const { return *Form1->Chart1->LeftAxis(); }
    // A point of the plot by its fractions of the time and vertical axes.
    double TickAt(double fraction) const { return Time().Minimum() + fraction * (Time().Maximum() - Time().Minimum()); }
    double ValueAt(double fraction) const { return Left().Minimum() + fraction * (Left().Maximum() - Left().Minimum()); }
    TPoint ScreenAt(double tickFraction, double valueFraction) const {
        return Form1->Chart1->ClientToScreen(
            {Time().ValueToScreen(TickAt(tickFraction)), Left().ValueToScreen(ValueAt(valueFraction))});
    }
    static void MoveTo(TPoint p) {
        platform::testing::MoveMouse(p.X, p.Y);
        RunMessages();
    }
    static void ClickAt(TPoint p) {
        MoveTo(p);
        platform::testing::PressMouse(0);
        platform::testing::ReleaseMouse(0);
        RunMessages();
    }
    double TicksPerPixel() const { return (Time().Maximum() - Time().Minimum()) / Time().PixelLength(); }
    double ValuePerPixel() const { return (Left().Maximum() - Left().Minimum()) / Left().PixelLength(); }
    double MarkerValue(int marker) const {
        const double values[] = {static_cast<double>(Form1->TimeMarkerStart), static_cast<double>(Form1->TimeMarkerEnd),
                                 Form1->LevelMarker1, Form1->LevelMarker2};
        return values[marker];
    }
    TCheckBox* Box(int marker) const {
        TCheckBox* boxes[] = {Form1->chk1, Form1->chk2, Form1->CheckBox1, Form1->CheckBox2};
        return boxes[marker];
    }
    // Digit keys pressed and let go in a time edit from its first position.
    static void TypeInto(TMaskEdit* edit, const char* digits) {
        edit->SetFocus();
        edit->SetSelStart(0);
        edit->SetSelLength(0);
        for (const char* d = digits; *d; ++d) {
            // As a keyboard sends it: the key down, its character, the key up.
            const char typed[] = {*d, 0};
            platform::testing::PressKey(static_cast<platform::UINT>(*d));
            platform::testing::TypeText(typed);
            platform::testing::ReleaseKey(static_cast<platform::UINT>(*d));
            platform::testing::PumpMessages();
        }
    }
    static void PressKey(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
        platform::testing::PumpMessages();
    }
    // Black pixels where a time marker's caption would stand.
    int CaptionInk(double tick) const {
        const int x = Time().ValueToScreen(tick);
        // One picture of the chart for the whole count: composing it is the slow part.
        const auto pixels = platform::testing::WindowPixels(Form1->Chart1->Handle());
        if (!pixels) return 0;
        int ink = 0;
        for (int px = std::max(x + 3, 0); px < std::min(x + 45, static_cast<int>(pixels->Width())); ++px)
            for (int py = 3; py < std::min(16, static_cast<int>(pixels->Height())); ++py)
                ink += (pixels->Get(px, py) & 0x00FFFFFF) == 0 ? 1 : 0;
        return ink;
    }
};

}  // namespace

TEST_F(MeasurementMarkers, AClickPlacesTheArmedMarkerWhereTheMousePoints) {
    const struct {
        Marker marker;
        double tickFraction, valueFraction;
        double lineBottomFactor;  // time markers: the line's ends against the vertical axis
    } cases[] = {
        {kStart, 0.25, 0.5, 1.5},
        {kEnd, 0.6, 0.4, 1.0},
        {kLevel1, 0.5, 0.3, 0},
        {kLevel2, 0.4, 0.7, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.marker);
        Box(c.marker)->SetChecked(true);
        EXPECT_TRUE(Form1->MarkerArmed[c.marker]);
        ClickAt(ScreenAt(c.tickFraction, c.valueFraction));
        EXPECT_FALSE(Form1->MarkerArmed[c.marker]);
        TLineSeries& line = Series(c.marker);
        ASSERT_EQ(line.Count(), 2);
        const double position = MarkerValue(c.marker);
        if (c.marker == kStart || c.marker == kEnd) {
            EXPECT_NEAR(position, TickAt(c.tickFraction), TicksPerPixel());
            EXPECT_EQ(position, std::round(position));
            EXPECT_EQ(line.XValueAt(0), position);
            EXPECT_EQ(line.XValueAt(1), position);
            EXPECT_DOUBLE_EQ(line.YValueAt(0), Left().Minimum() * c.lineBottomFactor);
            EXPECT_DOUBLE_EQ(line.YValueAt(1), Left().Maximum() * c.lineBottomFactor);
        } else {
            EXPECT_NEAR(position, ValueAt(c.valueFraction), ValuePerPixel());
            EXPECT_EQ(line.YValueAt(0), position);
            EXPECT_EQ(line.YValueAt(1), position);
            EXPECT_EQ(line.XValueAt(0), Time().Minimum());
            EXPECT_EQ(line.XValueAt(1), Time().Maximum());
        }
        for (int other = 0; other < 4; ++other) EXPECT_EQ(Box(other)->Checked(), other == c.marker) << other;
    }
    EXPECT_EQ(Form1->skMaskEdit1->Text(), HundredthsToTimeText(Form1->TimeMarkerStart));
}

TEST_F(MeasurementMarkers, TheArmedStartFollowsTheMouseWithTheDifferenceUntilTheClick) {
    Form1->skMaskEdit2->SetText(HundredthsToTimeText(2000));
    Form1->chk1->SetChecked(true);
    for (double fraction : {0.2, 0.3}) {
        MoveTo(ScreenAt(fraction, 0.5));
        EXPECT_NEAR(Form1->TimeMarkerStart, TickAt(fraction), TicksPerPixel()) << fraction;
        EXPECT_EQ(Series(kStart).XValueAt(0), Form1->TimeMarkerStart);
        EXPECT_EQ(Form1->skMaskEdit1->Text(), HundredthsToTimeText(Form1->TimeMarkerStart));
        EXPECT_EQ(Form1->Label5->Caption(), HundredthsToTimeText(2000 - Form1->TimeMarkerStart));
    }
    ClickAt(ScreenAt(0.35, 0.5));
    const std::int32_t fixed = Form1->TimeMarkerStart;
    MoveTo(ScreenAt(0.6, 0.5));
    EXPECT_TRUE(Form1->chk1->Checked());
    EXPECT_EQ(Form1->TimeMarkerStart, fixed);
    EXPECT_EQ(Series(kStart).XValueAt(0), fixed);
}

TEST_F(MeasurementMarkers, PressingNearATimeMarkerDragsItWithoutZooming) {
    Form1->chk1->SetChecked(true);
    ClickAt(ScreenAt(0.3, 0.5));
    // A level marker fixed away from the press, its box left checked.
    Form1->CheckBox2->SetChecked(true);
    ClickAt(ScreenAt(0.7, 0.8));
    ASSERT_TRUE(Form1->CheckBox2->Checked());
    const double timeMin = Time().Minimum(), timeMax = Time().Maximum();

    MoveTo(ScreenAt(0.1, 0.5));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_TRUE(Form1->Chart1->Zoom().Allow);
    MoveTo(ScreenAt(0.3, 0.5));
    EXPECT_EQ(Screen->Cursor(), crHSplit);
    EXPECT_FALSE(Form1->Chart1->Zoom().Allow);

    platform::testing::PressMouse(0);
    RunMessages();
    EXPECT_TRUE(Form1->MarkerGrabbed[kStart]);
    EXPECT_TRUE(Form1->chk1->Checked());
    EXPECT_FALSE(Form1->CheckBox2->Checked());
    MoveTo(ScreenAt(0.5, 0.5));
    EXPECT_NEAR(Form1->TimeMarkerStart, TickAt(0.5), TicksPerPixel());
    EXPECT_EQ(Form1->skMaskEdit1->Text(), HundredthsToTimeText(Form1->TimeMarkerStart));
    platform::testing::ReleaseMouse(0);
    RunMessages();
    EXPECT_FALSE(Form1->MarkerGrabbed[kStart]);

    const std::int32_t dropped = Form1->TimeMarkerStart;
    MoveTo(ScreenAt(0.8, 0.5));
    EXPECT_EQ(Form1->TimeMarkerStart, dropped);
    EXPECT_EQ(Time().Minimum(), timeMin);
    EXPECT_EQ(Time().Maximum(), timeMax);
}

TEST_F(MeasurementMarkers, ADraggedLevelMarkerRunsFromTickZero) {
    // Fixed by its click, the marker keeps its box checked but follows no more.
    Form1->CheckBox1->SetChecked(true);
    ClickAt(ScreenAt(0.5, 0.3));
    EXPECT_EQ(Series(kLevel1).XValueAt(0), Time().Minimum());

    MoveTo(ScreenAt(0.5, 0.1));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    MoveTo(ScreenAt(0.5, 0.3));
    EXPECT_EQ(Screen->Cursor(), crVSplit);
    EXPECT_FALSE(Form1->Chart1->Zoom().Allow);
    platform::testing::PressMouse(0);
    RunMessages();
    EXPECT_TRUE(Form1->MarkerGrabbed[kLevel1]);
    MoveTo(ScreenAt(0.5, 0.6));
    platform::testing::ReleaseMouse(0);
    RunMessages();
    EXPECT_NEAR(Form1->LevelMarker1, ValueAt(0.6), ValuePerPixel());
    EXPECT_EQ(Series(kLevel1).YValueAt(0), Form1->LevelMarker1);
    EXPECT_EQ(Series(kLevel1).XValueAt(0), 0);
    EXPECT_EQ(Series(kLevel1).XValueAt(1), Time().Maximum());
}

TEST_F(MeasurementMarkers, TypedTimesMoveTheMarkersAndTooLateOnesStopAtTheAxisEnd) {
    const std::int32_t last = static_cast<std::int32_t>(std::nearbyint(Time().Maximum()));
    ASSERT_GT(last, 2000);
    ASSERT_LT(last, 5000);  // so that 50 seconds lie beyond the axis
    // Each typed over "00:00,00".
    const struct {
        TMaskEdit* edit;
        const char* keys;
        std::int32_t marker;
        bool balloon;
    } cases[] = {
        {Form1->skMaskEdit2, "002000", 2000, false},
        {Form1->skMaskEdit1, "000510", 510, false},
        // 9 at the seconds' tens enters 5: 00:50,00, beyond the axis.
        {Form1->skMaskEdit1, "0090", last, true},
        {Form1->skMaskEdit1, "9", last, true},
        {Form1->skMaskEdit1, "001234", 1234, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        HideMarkerBalloon();
        c.edit->SetText("00:00,00");
        TypeInto(c.edit, c.keys);
        const int marker = c.edit == Form1->skMaskEdit1 ? kStart : kEnd;
        EXPECT_EQ(MarkerValue(marker), c.marker);
        EXPECT_EQ(c.edit->Text(), HundredthsToTimeText(c.marker));
        ASSERT_EQ(Series(marker).Count(), 2);
        EXPECT_EQ(Series(marker).XValueAt(0), c.marker);
        EXPECT_EQ(MarkerBalloonText(),
                  c.balloon ? "*Введено не допустимое значение времени\rдопутимое значение от 00:00,00 до " +
                                  HundredthsToTimeText(last)
                            : "");
        EXPECT_EQ(Form1->Label5->Caption(),
                  HundredthsToTimeText(TimeTextToHundredths(Form1->skMaskEdit2->Text()) -
                                       TimeTextToHundredths(Form1->skMaskEdit1->Text())));
    }
}

TEST_F(MeasurementMarkers, AHalfTypedTimeShowsTheBalloonAndKeepsTheMarker) {
    TypeInto(Form1->skMaskEdit1, "001000");
    ASSERT_EQ(Form1->TimeMarkerStart, 1000);
    const std::string difference = Form1->Label5->Caption();
    HideMarkerBalloon();
    Form1->skMaskEdit1->SetSelStart(8);
    PressKey(platform::VK_BACK);  // the last hundredth is blank now
    EXPECT_EQ(Form1->skMaskEdit1->Text(), "00:10,0 ");
    EXPECT_EQ(Form1->TimeMarkerStart, 1000);
    EXPECT_EQ(Form1->Label5->Caption(), difference);
    EXPECT_EQ(MarkerBalloonText().rfind("*Введено не допустимое значение времени", 0), 0u);
    EXPECT_TRUE(boxes.empty());

    // A step of the up-down reads the same half-typed text.
    HideMarkerBalloon();
    ClickOn(Form1->skUpDown1);
    EXPECT_EQ(Form1->TimeMarkerStart, 1000);
    EXPECT_FALSE(MarkerBalloonText().empty());
}

TEST_F(MeasurementMarkers, TheBalloonGoesAfterTwoSeconds) {
    platform::testing::VirtualClockScope clock;
    SetMarkerBalloonTime(kMarkerBalloonMilliseconds);
    Form1->skMaskEdit1->SetShowHint(true);
    TypeInto(Form1->skMaskEdit1, "995999");
    ASSERT_FALSE(MarkerBalloonText().empty());
    EXPECT_FALSE(Form1->skMaskEdit1->ShowHint());
    platform::testing::AdvanceClock(kMarkerBalloonMilliseconds - 100);
    RunMessages();
    EXPECT_FALSE(MarkerBalloonText().empty());
    platform::testing::AdvanceClock(200);
    RunMessages();
    EXPECT_TRUE(MarkerBalloonText().empty());
    EXPECT_TRUE(Form1->skMaskEdit1->ShowHint());
}

TEST_F(MeasurementMarkers, TheEndEditRefusesToStayBeyondTheAxisWhileTyping) {
    const std::int32_t last = static_cast<std::int32_t>(std::nearbyint(Time().Maximum()));
    Form1->skMaskEdit2->SetText("90:00,00");
    TypeInto(Form1->skMaskEdit2, "0");
    EXPECT_FALSE(MarkerBalloonText().empty());
    EXPECT_LE(Form1->TimeMarkerEnd, last);
    EXPECT_LE(TimeTextToHundredths(Form1->skMaskEdit2->Text()), last);
}

TEST_F(MeasurementMarkers, UpDownsStepATickWithinTheAxis) {
    const std::int32_t last = static_cast<std::int32_t>(std::nearbyint(Time().Maximum()));
    ASSERT_LT(last, Time().Maximum() + 1);
    const struct {
        TUpDown* upDown;
        TMaskEdit* edit;
        std::int32_t from;
        bool up;
        std::int32_t to;
    } cases[] = {
        {Form1->skUpDown1, Form1->skMaskEdit1, 100, true, 101},
        {Form1->skUpDown1, Form1->skMaskEdit1, 100, false, 99},
        {Form1->skUpDown1, Form1->skMaskEdit1, 0, false, 0},
        {Form1->skUpDown2, Form1->skMaskEdit2, 700, true, 701},
        {Form1->skUpDown2, Form1->skMaskEdit2, 0, false, 0},
        {Form1->skUpDown2, Form1->skMaskEdit2, last, true, last},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << (c.up ? " up" : " down"));
        c.edit->SetText(HundredthsToTimeText(c.from));
        const int marker = c.edit == Form1->skMaskEdit1 ? kStart : kEnd;
        const TPoint half = c.upDown->ClientToScreen({c.upDown->Width() / 2, c.up ? 2 : c.upDown->Height() - 3});
        platform::testing::Click(half.X, half.Y);
        RunMessages();
        EXPECT_EQ(c.edit->Text(), HundredthsToTimeText(c.to));
        if (c.to != c.from) {
            EXPECT_EQ(MarkerValue(marker), c.to);
        }
        EXPECT_EQ(Series(marker).XValueAt(0), MarkerValue(marker));
    }
    // Only the start's up-down writes the difference.
    Form1->Label5->SetCaption("x");
    Form1->skMaskEdit2->SetText(HundredthsToTimeText(500));
    ClickOn(Form1->skUpDown2);
    EXPECT_EQ(Form1->Label5->Caption(), "x");
    ClickOn(Form1->skUpDown1);
    EXPECT_NE(Form1->Label5->Caption(), "x");
}

TEST_F(MeasurementMarkers, CaptionsShowWhileTheTimeMarkersStandAndDeleteTakesThemAway) {
    const double startTick = TickAt(0.3), endTick = TickAt(0.6);
    const int inkBefore = CaptionInk(startTick) + CaptionInk(endTick);
    Form1->chk1->SetChecked(true);
    ClickAt(ScreenAt(0.3, 0.5));
    Form1->chk2->SetChecked(true);
    ClickAt(ScreenAt(0.6, 0.5));
    Form1->CheckBox1->SetChecked(true);
    ClickAt(ScreenAt(0.5, 0.4));
    Paint();
    EXPECT_GT(CaptionInk(startTick), inkBefore + 20);
    EXPECT_GT(CaptionInk(endTick), inkBefore + 20);

    ClickOn(Form1->btn3);
    Paint();
    EXPECT_EQ(CaptionInk(startTick) + CaptionInk(endTick), inkBefore);
    EXPECT_EQ(Form1->skMaskEdit1->Text(), "00:00,00");
    EXPECT_EQ(Form1->skMaskEdit2->Text(), "00:00,00");
    EXPECT_EQ(Form1->TimeMarkerStart, 0);
    EXPECT_EQ(Form1->TimeMarkerEnd, 0);
    EXPECT_EQ(Series(kStart).Count(), 0);
    EXPECT_EQ(Series(kEnd).Count(), 0);
    EXPECT_FALSE(Form1->chk1->Checked());
    EXPECT_FALSE(Form1->chk2->Checked());
    EXPECT_EQ(Series(kLevel1).Count(), 2);

    ClickOn(Form1->Button5);
    EXPECT_EQ(Series(kLevel1).Count(), 0);
    EXPECT_EQ(Form1->LevelMarker1, 0);
    EXPECT_FALSE(Form1->CheckBox1->Checked());
}

TEST_F(MeasurementMarkers, OpeningALogClearsEveryMarker) {
    Form1->chk1->SetChecked(true);
    ClickAt(ScreenAt(0.3, 0.5));
    Form1->CheckBox2->SetChecked(true);
    ClickAt(ScreenAt(0.3, 0.5));
    OpenLog(kSampleLog);
    for (int marker = 0; marker < 4; ++marker) {
        EXPECT_EQ(Series(marker).Count(), 0) << marker;
        EXPECT_EQ(MarkerValue(marker), 0) << marker;
        EXPECT_FALSE(Box(marker)->Checked()) << marker;
    }
}
