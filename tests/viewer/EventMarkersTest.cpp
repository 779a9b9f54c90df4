// The event markers: drawn after a load for the kinds chosen on the
// event-marker window, with their legend rows, and the window's commands
// (apply, exit with its question, clear, the colour dialog, the ten-kind
// limit, the notice without a log, the wheel).

#include "tests/viewer/MainWindowFixture.h"

#include "platform/system/Clock.h"
#include "tools/loggen/SampleFlight.h"
#include "ui/core/IniFiles.h"
#include "ui/dialogs/MessageDialogs.h"
#include "viewer/log/EventNames.h"
#include "viewer/markers/MarkerBalloon.h"

#include <map>

namespace {

// A log of one-tick records, `records` long, with the given events at their
// ticks; the header page is the sample flight's, so every kind is enabled.
std::string EventLog(const std::map<int, std::uint8_t>& events, int records) {
    const SampleFlight sample = MakeSampleFlight();
    LogFileBuilder log;
    log.AddHeaderPage(sample.DeviceIdentity, sample.Settings);
    std::vector<SensorRecordRaw> page;
    for (int tick = 0; tick < records; ++tick) {
        SensorRecordRaw record;
        record.BaroAltitude = static_cast<std::uint16_t>(tick % 1000);
        if (auto e = events.find(tick); e != events.end()) record.Event = e->second;
        page.push_back(record);
        if (page.size() == LogFileBuilder::kSensorRecordsPerPage || tick + 1 == records) {
            log.AddSensorPage(LogFileBuilder::kOneTickRate, page);
            page.clear();
        }
    }
    return log.Bytes();
}

class EventMarkers : public MainWindowFixture {
protected:
    // The window's notice without a log comes only when a test steps the clock.
    platform::testing::VirtualClockScope clock;

    EventMarkers() {
        WriteSettings("[Checked]\nchAltBaro=1\n");
        Show();
    }
    ~EventMarkers() override {
        HideMarkerBalloon();
        Application->SetMessageBoxFunction(nullptr);
    }
    void Choose(std::initializer_list<int> codes) {
        for (int code : codes) Form4->KindOfCode(code).CheckBox->SetChecked(true);
    }
    void OpenEvents(const std::map<int, std::uint8_t>& events, int records = 1500) {
        OpenLog(folder.Write("events.log", EventLog(events, records)));
    }
    // The next questions are answered so, noted in `boxes`.
    void Answer(int answer) {
        Application->SetMessageBoxFunction([this, answer](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return answer;
        });
    }
    int DrawnMarkers() const {
        int drawn = 0;
        for (int series : EventMarkerSeries) drawn += Series(series).Count() > 0 ? 1 : 0;
        return drawn;
    }
};

}  // namespace

TEST_F(EventMarkers, ChosenKindsGetAMarkerAtTheirTicksAndALegendRow) {
    Form4->KindOfCode(5).ColorPanel->SetColor(clRed);
    Form4->KindOfCode(7).ColorPanel->SetColor(clTeal);
    Choose({5, 7});
    OpenEvents({{300, 3}, {1200, 5}, {1300, 22}, {1450, 7}});
    ASSERT_TRUE(Form4->KindOfCode(5).CheckBox->Checked());
    ASSERT_TRUE(Form4->KindOfCode(7).CheckBox->Checked());

    const struct {
        int tick;
        int code;
        TColor color;
    } expected[] = {{1200, 5, clRed}, {1450, 7, clTeal}};
    TChartAxis& left = *Form1->Chart1->LeftAxis();
    for (std::size_t n = 0; n < std::size(expected); ++n) {
        SCOPED_TRACE(n);
        TLineSeries& marker = Series(EventMarkerSeries[n]);
        ASSERT_EQ(marker.Count(), 2);
        EXPECT_EQ(marker.XValueAt(0), expected[n].tick);
        EXPECT_EQ(marker.XValueAt(1), expected[n].tick);
        EXPECT_DOUBLE_EQ(marker.YValueAt(0), left.Minimum() * 1.5);
        EXPECT_DOUBLE_EQ(marker.YValueAt(1), left.Maximum() * 1.5);
        EXPECT_EQ(marker.SeriesColor(), expected[n].color);
        const std::string text = " " + std::string(EventNames[static_cast<std::size_t>(expected[n].code)]);
        const int row = static_cast<int>(n) + 1;
        EXPECT_EQ(text.rfind("   ", 0), 0u);
        EXPECT_EQ(Form1->MarkerText[row]->Caption(), text);
        EXPECT_EQ(Form1->PanMarkerText[row]->Caption(), text);
        EXPECT_EQ(Form1->MarkerColor[row]->Color(), expected[n].color);
        EXPECT_EQ(Form1->PanMarkerColor[row]->Color(), expected[n].color);
        EXPECT_TRUE(Form1->MarkerText[row]->Visible());
        EXPECT_TRUE(Form1->PanMarkerColor[row]->Visible());
    }
    EXPECT_EQ(DrawnMarkers(), 2);
    EXPECT_EQ(Form1->LegendRowCount, 2);
    EXPECT_FALSE(Form1->MarkerText[3]->Visible());
    EXPECT_EQ(Form1->Panel4->Height(), 1 * 16 + 35);
}

TEST_F(EventMarkers, TheSampleFlightsEventsAreMarkedAtTheirRecordsFirstTick) {
    const SampleFlight flight = MakeSampleFlight();
    ASSERT_GE(flight.Events.size(), 3u);
    for (const FlightEventMark& e : flight.Events) Form4->KindOfCode(e.Code).CheckBox->SetChecked(true);
    OpenLog(std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log");
    ASSERT_EQ(Form1->LegendRowCount, static_cast<int>(flight.Events.size()));
    for (std::size_t n = 0; n < flight.Events.size(); ++n) {
        // A one-tick record's event stands on the tick the record begins.
        EXPECT_EQ(Series(EventMarkerSeries[n]).XValueAt(0), flight.Events[n].LogTime - 1) << n;
        EXPECT_EQ(Form1->MarkerText[static_cast<int>(n) + 1]->Caption(),
                  " " + std::string(EventNames[flight.Events[n].Code]));
    }
}

TEST_F(EventMarkers, TenMarkersAtMostAndNoneWithoutQualifyingEvents) {
    Choose({1});
    std::map<int, std::uint8_t> many;
    for (int i = 0; i < 12; ++i) many[100 + 50 * i] = 1;
    OpenEvents(many);
    EXPECT_EQ(DrawnMarkers(), 10);
    EXPECT_EQ(Series(EventMarkerSeries[9]).XValueAt(0), 100 + 50 * 9);
    EXPECT_EQ(Form1->LegendRowCount, 10);
    EXPECT_EQ(Form1->Panel4->Height(), 179);

    OpenEvents({{200, 2}, {400, 0}});
    EXPECT_EQ(DrawnMarkers(), 0);
    EXPECT_EQ(Form1->LegendRowCount, 0);
    EXPECT_FALSE(Form1->MarkerText[1]->Visible());
    EXPECT_EQ(Form1->Panel4->Height(), 20);
}

TEST_F(EventMarkers, ApplyDrawsTheChoiceSavesItAndChecksTheViewItem) {
    OpenEvents({{200, 1}, {900, 10}});
    ASSERT_EQ(DrawnMarkers(), 0);
    Form4->Show();
    RunMessages();
    Choose({10});
    EXPECT_TRUE(Form4->KindsModified);
    ClickOn(Form4->Button2);
    EXPECT_FALSE(Form4->KindsModified);
    EXPECT_TRUE(Form1->N39->Checked());
    ASSERT_EQ(DrawnMarkers(), 1);
    EXPECT_EQ(Series(EventMarkerSeries[0]).XValueAt(0), 900);
    EXPECT_EQ(Form1->LegendRowCount, 1);
    TIniFile ini(Form1->SettingsFileToRead());
    EXPECT_TRUE(ini.ReadBool("EasyMarker", "SelectMarker" + std::to_string(MarkerControlOfCode(10)), false));
    EXPECT_FALSE(ini.ReadBool("EasyMarker", "SelectMarker" + std::to_string(MarkerControlOfCode(1)), true));
}

TEST_F(EventMarkers, ExitAsksAboutChangesAndNoPutsTheAppliedKindsBack) {
    Choose({5});
    Form4->KindOfCode(5).ColorPanel->SetColor(clGreen);
    Form4->Show();
    RunMessages();
    Choose({7});
    Form4->KindOfCode(5).CheckBox->SetChecked(false);
    Form4->KindOfCode(5).ColorPanel->SetColor(clFuchsia);
    Answer(IDNO);
    ClickOn(Form4->Button1);
    ASSERT_EQ(boxes, std::vector<std::string>{"Применить изминения?"});
    EXPECT_FALSE(Form4->Visible());
    EXPECT_TRUE(Form4->KindOfCode(5).CheckBox->Checked());
    EXPECT_FALSE(Form4->KindOfCode(7).CheckBox->Checked());
    EXPECT_EQ(Form4->KindOfCode(5).ColorPanel->Color(), clGreen);
    EXPECT_FALSE(Form4->KindsModified);

    // Nothing changed since: no question.
    Form4->Show();
    RunMessages();
    ClickOn(Form4->Button1);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(Form4->Visible());
}

TEST_F(EventMarkers, ExitWithYesApplies) {
    OpenEvents({{600, 8}});
    Form4->Show();
    RunMessages();
    Choose({8});
    Answer(IDYES);
    ClickOn(Form4->Button1);
    EXPECT_EQ(DrawnMarkers(), 1);
    EXPECT_FALSE(Form4->Visible());
}

TEST_F(EventMarkers, PuttingBackTenKindsInPlaceOfTenOthersKeepsThemAll) {
    Choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    Form4->Show();
    RunMessages();
    for (int code = 1; code <= 10; ++code) Form4->KindOfCode(code).CheckBox->SetChecked(false);
    Choose({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    Answer(IDNO);
    ClickOn(Form4->Button1);
    for (int code = 1; code <= kMarkerKindCount; ++code)
        EXPECT_EQ(Form4->KindOfCode(code).CheckBox->Checked(), code <= 10) << code;
}

TEST_F(EventMarkers, AnEleventhKindIsRefusedOnceTheWindowWasShown) {
    Choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(Form4->CheckedKindCount(), 11);  // settings may choose more before the first show
    Form4->KindOfCode(11).CheckBox->SetChecked(false);
    Form4->Show();
    RunMessages();
    TCheckBox& eleventh = *Form4->KindOfCode(12).CheckBox;
    eleventh.SetChecked(true);
    EXPECT_FALSE(eleventh.Checked());
    EXPECT_EQ(Form4->CheckedKindCount(), 10);
    EXPECT_EQ(MarkerBalloonText(), "*Можно выбрать не больше 10 маркеров");
}

TEST_F(EventMarkers, ClearAsksThenUnchecksEveryKindAndRemovesTheMarkers) {
    Choose({3, 9});
    OpenEvents({{100, 3}, {800, 9}});
    ASSERT_EQ(DrawnMarkers(), 2);
    Form4->Show();
    RunMessages();
    Answer(IDNO);
    ClickOn(Form4->Button3);
    EXPECT_EQ(boxes, std::vector<std::string>{"Вы уверены что хотите удалить маркеры?"});
    EXPECT_EQ(DrawnMarkers(), 2);
    Answer(IDYES);
    ClickOn(Form4->Button3);
    EXPECT_EQ(Form4->CheckedKindCount(), 0);
    EXPECT_EQ(DrawnMarkers(), 0);
    EXPECT_EQ(Form1->LegendRowCount, 2);  // the rows stay until the next apply or load
}

TEST_F(EventMarkers, AColourPanelTakesTheColourOnlyWhenTheDialogIsConfirmed) {
    Form4->Show();
    RunMessages();
    TPanel& panel = *Form4->KindOfCode(4).ColorPanel;
    panel.SetColor(clNavy);
    Form4->skColorDialog1->Color = clOlive;
    {
        ModalAnswer cancel(Form4, {platform::VK_ESCAPE});
        Form4->ColorPanelClick(&panel);
        EXPECT_FALSE(cancel.caption.empty());
    }
    EXPECT_EQ(panel.Color(), clNavy);
    EXPECT_FALSE(Form4->KindsModified);
    {
        ModalAnswer confirm(Form4, {platform::VK_RETURN});
        Form4->ColorPanelClick(&panel);
    }
    EXPECT_EQ(panel.Color(), clOlive);
    EXPECT_TRUE(Form4->KindsModified);
}

TEST_F(EventMarkers, ShownWithoutALogTheWindowSaysSoOnce) {
    Form4->Show();
    RunMessages();
    EXPECT_TRUE(boxes.empty());
    platform::testing::AdvanceClock(150);
    RunMessages();
    platform::testing::AdvanceClock(150);
    RunMessages();
    EXPECT_EQ(boxes, std::vector<std::string>{"Для коректной настройки нужно открыть файл лога"});
    EXPECT_FALSE(Form4->Timer1->Enabled());
}

TEST_F(EventMarkers, ShownWithALogTheWindowSaysNothing) {
    OpenEvents({});
    Form4->Show();
    RunMessages();
    platform::testing::AdvanceClock(300);
    RunMessages();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(EventMarkers, TheWheelScrollsTheSheetFifteenPixelsAStep) {
    Form4->Show();
    RunMessages();
    TControlScrollBar& bar = *Form4->ScrollBox1->VertScrollBar();
    ASSERT_GT(bar.Range() - Form4->ScrollBox1->ClientHeight(), 60);
    const TPoint over = Form4->ScrollBox1->ClientToScreen({100, 100});
    platform::testing::MoveMouse(over.X, over.Y);
    const struct {
        int delta;
        int position;
    } steps[] = {{-120, 15}, {-120, 30}, {120, 15}, {120, 0}, {120, 0}};
    for (const auto& s : steps) {
        platform::testing::TurnWheel(s.delta);
        RunMessages();
        EXPECT_EQ(bar.Position(), s.position) << s.delta;
    }
}
