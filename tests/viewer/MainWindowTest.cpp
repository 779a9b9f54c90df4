// The main window: its first show without settings, the open-log command on
// the sample flight through the open dialog, a file that cannot be read,
// the menu and the side-panel button.

#include "tests/viewer/MainWindowFixture.h"
#include "common/TextFormatting.h"
#include "device/link/DeviceWorkers.h"
#include "ui/dialogs/MessageDialogs.h"
#include "tools/loggen/SampleFlight.h"
#include "viewer/analysis/EventRows.h"

#include <array>
#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

namespace {

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";

// Barometric altitude and accelerometer altitude on axis 1 (the left axis),
// accelerometer speed on axis 3, everything else hidden.
constexpr const char* kAltitudeAndSpeed =
    "[Checked]\nchAltBaro=1\nchAccAlt=1\nchAccSpeed=1\n[CustomAxisAlt]\ncaAlt=0\ncaSpeed=2\n";

class MainWindowTest : public MainWindowFixture {};

// A device worker that runs until it is told to stop.
class RunsUntilStopped : public TThread {
protected:
    void Execute() override {
        while (!Terminated()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
};

}  // namespace

TEST_F(MainWindowTest, WithoutSettingsEverySeriesIsHiddenAndBlackAndTheWindowAtItsDefaults) {
    Show();
    EXPECT_EQ(Form1->Left(), 10);
    EXPECT_EQ(Form1->Top(), 10);
    EXPECT_EQ(Form1->Width(), 1200);
    EXPECT_EQ(Form1->Height(), 700);
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        EXPECT_FALSE(Series(series).Active()) << series;
        EXPECT_EQ(Series(series).SeriesColor(), clBlack) << series;
        EXPECT_EQ(Form2->SmoothingList(series)->ItemIndex(), 0) << series;
    }
    EXPECT_FALSE(Form2->CheckBox1->Checked());
    EXPECT_EQ(Form2->ComboBox[32]->Text(), "С общим нулем");
    EXPECT_EQ(Form2->ComboBox[24]->Text(), "1");
    EXPECT_EQ(Form9->skSpinEdit1->Value(), 2);
    EXPECT_EQ(Form9->skSpinEdit2->Value(), 2);
    EXPECT_EQ(Form9->skSpinEdit3->Value(), 1);
    EXPECT_EQ(Series(kStartMarkerSeries).LinePen().Width(), 2);
    EXPECT_EQ(Series(kAccelerationXSeries).LinePen().Width(), 1);
    EXPECT_EQ(Series(kZeroLineSeries).LinePen().Width(), 2);
    EXPECT_TRUE(Form19->skCheckBox1->Checked());
    EXPECT_FALSE(Form19->skCheckBox3->Checked());
}

TEST_F(MainWindowTest, OpeningTheSampleLogFillsTheSeriesAndFitsTheAxes) {
    const SampleFlight flight = MakeSampleFlight();
    WriteSettings(kAltitudeAndSpeed);
    Show();
    EXPECT_EQ(OpenLog(kSampleLog), "Открыть");

    // One point a tick in every fed series; none in the GPS series.
    const std::int32_t ticks = flight.Samples.back().TicksAfter;
    ASSERT_EQ(Form1->FlightData.LogTime, ticks);
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        const bool gps = series == kGpsAltitudeSeries || series == kGpsSpeedSeries;
        EXPECT_EQ(Series(series).Count(), gps ? 0 : ticks) << "series " << series;
    }
    // The time axis: the shown data with a fiftieth of its span either side.
    const double lastTick = ticks - 1;
    EXPECT_DOUBLE_EQ(Form1->Chart1->BottomAxis()->Minimum(), -lastTick / 50);
    EXPECT_DOUBLE_EQ(Form1->Chart1->BottomAxis()->Maximum(), lastTick + lastTick / 50);
    // All shown data at or above zero: each axis from -5 % to 105 % of its maximum.
    const double altitudeMax = std::max(Series(kBaroAltitudeSeries).HighestY(), Series(kAccelAltitudeSeries).HighestY());
    EXPECT_GT(altitudeMax, flight.ApogeeAltitude / 10.0 * 0.9);
    EXPECT_NEAR(Form1->Chart1->LeftAxis()->Minimum(), -0.0525 * altitudeMax, 1e-9);
    EXPECT_NEAR(Form1->Chart1->LeftAxis()->Maximum(), 1.05 * altitudeMax, 1e-9);
    TChartAxis& speedAxis = *Form1->Chart1->CustomAxes().GetAxis(1);
    const double speedMax = Series(kAccelSpeedSeries).HighestY();
    EXPECT_GT(speedMax, 0);
    EXPECT_NEAR(speedAxis.Maximum(), 1.05 * speedMax, 1e-9);
    EXPECT_EQ(Series(kAccelSpeedSeries).CustomVertAxis(), &speedAxis);
    EXPECT_EQ(Series(kBaroAltitudeSeries).CustomVertAxis(), nullptr);
    EXPECT_EQ(Form1->Chart1->LeftAxis()->Title().Caption(), "Высота, м  ");
    EXPECT_EQ(speedAxis.Title().Caption(), "Скорость, м/с  ");
    // Speed on custom axis 1 only: 60 pixels left of the plot.
    EXPECT_EQ(Form1->Chart1->MarginLeft(), 66);
    EXPECT_EQ(Form1->AxisInUse, (std::array<bool, kVerticalAxisCount>{true, false, true, false, false}));

    // The zero line runs from 0 to the end of the time axis.
    ASSERT_EQ(Series(kZeroLineSeries).Count(), 2);
    EXPECT_EQ(Series(kZeroLineSeries).XValueAt(1), Form1->Chart1->BottomAxis()->Maximum());
    EXPECT_EQ(Series(kZeroLineSeries).YValueAt(1), 0);

    // The event list: the start of the log, then each event of the flight.
    TStringGrid& events = *Form8->StringGrid1;
    ASSERT_EQ(events.RowCount(), 2 + static_cast<int>(flight.Events.size()) + 1);
    for (std::size_t i = 0; i < flight.Events.size(); ++i)
        EXPECT_EQ(events.Cells(1, 2 + static_cast<int>(i)), EventRowTimeText(flight.Events[i].LogTime)) << i;
    EXPECT_EQ(Form1->FlightData.BurnoutTick, flight.BurnoutTick);

    const auto lines = LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.front().rfind("ID = ", 0), 0u);
    EXPECT_EQ(lines.back(), "=================================");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, AFileThatCannotBeReadIsToldAndTheFlightShownStays) {
    WriteSettings(kAltitudeAndSpeed);
    Show();
    OpenLog(kSampleLog);
    const int points = Series(kBaroAltitudeSeries).Count();
    const int rows = Form8->StringGrid1->RowCount();
    const double bottomMax = Form1->Chart1->BottomAxis()->Maximum();

    const std::string empty = folder.Write("empty.log", "");
    OpenLog(empty);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("пуст"), std::string::npos) << boxes[0];
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), points);
    EXPECT_EQ(Form8->StringGrid1->RowCount(), rows);
    EXPECT_EQ(Form1->Chart1->BottomAxis()->Maximum(), bottomMax);
}

TEST_F(MainWindowTest, ALogWithoutBurnoutLeavesNoBurnoutTickOfTheLogBefore) {
    WriteSettings(kAltitudeAndSpeed);
    Show();
    OpenLog(kSampleLog);
    ASSERT_GT(Form1->FlightData.BurnoutTick, 0);
    // The short black mark across the altitude at the burnout.
    Form1->Chart1->Repaint();
    RunMessages();
    TChartSeries& altitude = Series(kBaroAltitudeSeries);
    const int x = altitude.PointScreenX(Form1->FlightData.BurnoutTick);
    const int y = altitude.PointScreenY(Form1->FlightData.BurnoutTick);
    for (int dx : {-7, 7}) EXPECT_EQ(platform::testing::WindowPixel(Form1->Chart1->Handle(), x + dx, y), 0u) << dx;
    LogFileBuilder quiet;
    quiet.AddHeaderPage(7, {});
    quiet.AddSensorPage(LogFileBuilder::kOneTickRate, std::vector<SensorRecordRaw>(5));
    OpenLog(folder.Write("quiet.log", quiet.Bytes()));
    EXPECT_EQ(Form1->FlightData.BurnoutTick, 0);
    EXPECT_EQ(Series(kBaroAltitudeSeries).Count(), 5);
    // No mark at the first point either.
    Form1->Chart1->Repaint();
    RunMessages();
    const int x0 = altitude.PointScreenX(0), y0 = altitude.PointScreenY(0);
    EXPECT_NE(platform::testing::WindowPixel(Form1->Chart1->Handle(), x0 + 7, y0), 0u);
}

TEST_F(MainWindowTest, ClearAllLeavesTheSeriesFrom30On) {
    Show();
    for (int series = 0; series < kChartSeriesCount; ++series) Series(series).AddPointXY(1, 2);
    Form1->N35->Click();
    for (int series = 0; series < kChartSeriesCount; ++series)
        EXPECT_EQ(Series(series).Count(), series <= 29 ? 0 : 1) << series;
}

TEST_F(MainWindowTest, TheMenuHasEveryItemAndHidesTheHiddenOnes) {
    Show();
    const struct {
        TMenuItem* item;
        const char* caption;
        bool visible;
    } items[] = {
        {Form1->N1, "   Файл   ", true}, {Form1->N30, "Открыть файл", true}, {Form1->N4, "Настройки", false},
        {Form1->N47, "Скин", false}, {Form1->N26, "Масштаб 125%", false}, {Form1->N24, "Использовать скин", false},
        {Form1->N6, "Выход", true}, {Form1->N37, "Настройки \"большого\" контроллера", true},
        {Form1->G1, "Настройки контроллера \"Мини\"", true}, {Form1->N34, "? Настройка внешнего вида графиков ?", true},
        {Form1->N7, "   Настройка   ", false}, {Form1->N28, "Системные настройки", false},
        {Form1->Y1, "Настройка модема", false}, {Form1->N29, "График в реальном времени", false},
        {Form1->N8, "   О программе   ", true},
    };
    for (const auto& i : items) {
        EXPECT_EQ(i.item->Caption(), i.caption);
        EXPECT_EQ(i.item->Visible(), i.visible) << i.caption;
    }
    EXPECT_EQ(Form1->N1->Count(), 15);  // the items and their separators
    EXPECT_GE(Form1->N30->ImageIndex(), 0);
    EXPECT_GE(Form1->N31->ImageIndex(), 0);
    EXPECT_GE(Form1->N6->ImageIndex(), 0);
    EXPECT_EQ(Form1->N35->ImageIndex(), -1);
    for (TMenuItem* submenu : {Form1->N2, Form1->U1, Form1->N7, Form1->N20, Form1->N8}) EXPECT_EQ(submenu->GroupIndex, 1);
}

TEST_F(MainWindowTest, TheControllerItemsShowTheDeviceWindows) {
    Show();
    const struct {
        TMenuItem* item;
        TForm* window;
    } cases[] = {{Form1->N32, Form5}, {Form1->N11, Form11}, {Form1->N15, Form2}, {Form1->N23, Form8}, {Form1->N22, Form4}};
    for (const auto& c : cases) {
        EXPECT_FALSE(c.window->Visible()) << c.item->Caption();
        c.item->Click();
        RunMessages();
        EXPECT_TRUE(c.window->Visible()) << c.item->Caption();
        c.window->Hide();
    }
}

TEST_F(MainWindowTest, TheSidePanelButtonGivesTheChartThePanelsRoom) {
    Show();
    const int width = Form1->Chart1->Width();
    Form1->SpeedButton1->Click();
    EXPECT_EQ(Form1->Panel2->Width(), 0);
    EXPECT_EQ(Form1->SpeedButton1->Caption(), "<");
    EXPECT_EQ(Form1->SpeedButton1->Hint(), "Показать панель");
    EXPECT_EQ(Form1->Chart1->Width(), width + 290);
    Form1->SpeedButton1->Click();
    EXPECT_EQ(Form1->Chart1->Width(), width);
    EXPECT_EQ(Form1->SpeedButton1->Caption(), ">");
}

TEST_F(MainWindowTest, LegendRowsShowInBothLegendsUpToTen) {
    Show();
    for (int i = 0; i < 12; ++i) Form1->AddMarkerLegendRow(" event " + std::to_string(i), static_cast<TColor>(0x100 * i));
    EXPECT_EQ(Form1->LegendRowCount, 10);
    for (int row = 1; row <= kMarkerLegendRows; ++row) {
        EXPECT_TRUE(Form1->MarkerText[row]->Visible()) << row;
        EXPECT_EQ(Form1->PanMarkerText[row]->Caption(), " event " + std::to_string(row - 1));
        EXPECT_EQ(Form1->MarkerColor[row]->Color(), static_cast<TColor>(0x100 * (row - 1)));
    }
    EXPECT_EQ(Form1->Panel4->Height(), 9 * 16 + 35);
    Form1->HideMarkerLegend();
    EXPECT_EQ(Form1->LegendRowCount, 0);
    EXPECT_FALSE(Form1->MarkerText[1]->Visible());
    EXPECT_FALSE(Form1->PanMarkerColor[10]->Visible());
    EXPECT_EQ(Form1->Panel4->Height(), 20);
}

TEST_F(MainWindowTest, TheFloatingPanelsStackAtTheChartsRightEdge) {
    Show();
    Form1->Panel3->Show();
    Form1->Panel4->Show();
    Form1->PlaceFloatingPanels();
    const int top = Form1->Chart1->Top() + 2;
    EXPECT_EQ(Form1->Panel4->Top(), top);
    EXPECT_EQ(Form1->Panel3->Top(), top + Form1->Panel4->Height() + 7);
    EXPECT_EQ(Form1->Panel3->Left(), Form1->Chart1->Width() - Form1->Panel3->Width() - 12);
    // The legend's close box hides it, and the results panel moves up.
    Form19->skCheckBox3->SetChecked(true);
    Form1->Panel6->Click();
    EXPECT_FALSE(Form1->Panel4->Visible());
    EXPECT_FALSE(Form19->skCheckBox3->Checked());
    EXPECT_EQ(Form1->Panel3->Top(), top);
}

TEST_F(MainWindowTest, TheMarkerKindsComeFromSettingsAndALoadShowsItsHeaderSettings) {
    WriteSettings(std::string(kAltitudeAndSpeed) + "[EasyMarker]\nColorMarker3=4660\nSelectMarker3=1\n");
    Show();
    EXPECT_EQ(Form4->ColorPanel(3)->Color(), 4660);
    EXPECT_TRUE(Form4->MarkerText(3)->Checked());
    EXPECT_EQ(Form4->ColorPanel(1)->Color(), 128) << "a missing key keeps its default";

    // The launch acceleration of the sample's header page: (value / 512 - 1) g.
    std::ifstream log(kSampleLog, std::ios::binary);
    std::array<unsigned char, 13> head{};
    log.read(reinterpret_cast<char*>(head.data()), head.size());
    const double launchG = ((head[11] << 8) | head[12]) / 512.0 - 1;
    OpenLog(kSampleLog);
    EXPECT_EQ(Form4->ValueLabel(6)->Caption(), FloatToCommaText(1, launchG));
}

TEST_F(MainWindowTest, ClosingWhileADeviceWorkerRunsAsksThenStopsIt) {
    const struct {
        TDeviceWorkerKind kind;
        const char* questionNames;
    } cases[] = {{TDeviceWorkerKind::FirmwareUpdate, "прошивки"}, {TDeviceWorkerKind::LogFiles, "контроллером"}};
    for (const auto& c : cases) {
        Show();
        ASSERT_TRUE(StartDeviceWorker(std::make_unique<RunsUntilStopped>(), c.kind));
        int answer = IDNO;
        std::vector<std::string> questions;
        Application->SetMessageBoxFunction([&](const std::string& text, const std::string&, unsigned) {
            questions.push_back(text);
            return answer;
        });
        Form1->Close();
        RunMessages();
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_NE(questions[0].find(c.questionNames), std::string::npos) << questions[0];
        EXPECT_TRUE(Form1->Visible()) << "answered no: the window stays";
        EXPECT_TRUE(DeviceWorkerRunning());

        answer = IDYES;
        Form1->Close();
        RunMessages();
        EXPECT_EQ(questions.size(), 2u);
        EXPECT_FALSE(Form1->Visible());
        EXPECT_FALSE(DeviceWorkerRunning()) << "the worker is stopped and joined before the window goes";
        Restart();
    }
}

TEST_F(MainWindowTest, ClosingWithNoDeviceWorkerAsksNothing) {
    Show();
    Form1->Close();
    RunMessages();
    EXPECT_FALSE(Form1->Visible());
    EXPECT_TRUE(boxes.empty());
}
