// module: viewer loggen
// Opening a log in the main window: decoding, smoothing, the accelerometer
// integration, the event rows, filling the chart's series and the chart's
// first full drawing, on the GUI thread, as "Открыть файл" does it (the
// file last chosen, so no dialog waits). The decode-only figure is
// bench_log_decoding's, on the same log.
#include "bench/MillionRecordLog.h"
#include "platform/display/Display.h"
#include "platform/window/MessageQueue.h"
#include "tests/support/TempFolder.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/EventListForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/mainform/MainForm.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The shown channels of a first start: altitude, accelerations, accelerometer altitude and speed.
constexpr const char* kMainChannels =
    "[Checked]\nchAltBaro=1\nchAccX=1\nchAccY=1\nchAccZ=1\nchAccAlt=1\nchAccSpeed=1\n"
    "[CustomAxisAlt]\ncaAlt=0\ncaAccr=1\ncaSpeed=2\n";

void PumpMessages() {
    platform::MSG message;
    while (platform::PeekMessage(&message, nullptr, 0, 0, platform::PM_REMOVE)) platform::DispatchMessage(&message);
}

struct MainWindow {
    MainWindow() {
        platform::testing::UseHeadlessDisplay();
        folder.Write("settings.ini", kMainChannels);
        Form2 = new TForm2(nullptr);
        Form4 = new TForm4(nullptr);
        Form8 = new TForm8(nullptr);
        Form9 = new TForm9(nullptr);
        Form19 = new TForm19(nullptr);
        Form1 = new TForm1(nullptr);
        Form1->SettingsFolder = folder.Path().string();
        Form1->Show();
        PumpMessages();
        const TNotifyEvent drawn = Form1->Chart1->OnAfterDraw;
        Form1->Chart1->OnAfterDraw = [this, drawn](TObject* sender) {
            ++draws;
            drawn(sender);
        };
    }
    ~MainWindow() {
        delete Form1;
        for (TForm* form : {static_cast<TForm*>(Form2), static_cast<TForm*>(Form4), static_cast<TForm*>(Form8), static_cast<TForm*>(Form9),
                            static_cast<TForm*>(Form19)})
            delete form;
    }
    TempFolder folder;
    int draws = 0;
};

// Each stage starts from a chart without points, as the first load of a
// start does: the old points are cleared and drawn away outside the timing.
void ClearChart(MainWindow& window) {
    Form1->N35Click(nullptr);
    Form1->Chart1->Repaint();
    PumpMessages();
    (void)window;
}

bool LoadedWhole() {
    return Form1->FlightData.RecordCount - 1 == kRecords && Form1->ChartSeries[kBaroAltitudeSeries]->Count() == kRecords;
}

// Decoding, smoothing, integration, event rows and series filling, then the
// axes fitted ("Открыть файл" up to the chart's drawing).
void OpenMillionRecordLog(benchmark::State& state, bool withEvents) {
    MainWindow window;
    Form1->skOpenDialog1->FileName = window.folder.Write("LOG001.log", MillionRecordLog(withEvents));
    for (auto _ : state) {
        state.PauseTiming();
        ClearChart(window);
        Form1->ReloadSameLog = true;
        state.ResumeTiming();
        Form1->N30Click(nullptr);
        if (!LoadedWhole()) {
            state.SkipWithError("the log was not loaded whole");
            break;
        }
    }
}

void BM_OpenMillionRecordLog(benchmark::State& state) { OpenMillionRecordLog(state, true); }
BENCHMARK(BM_OpenMillionRecordLog)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_OpenMillionRecordLogWithoutEvents(benchmark::State& state) { OpenMillionRecordLog(state, false); }
BENCHMARK(BM_OpenMillionRecordLogWithoutEvents)->Unit(benchmark::kMillisecond)->Iterations(2);

// The first full drawing of the loaded chart: six channels of a million points.
void BM_FirstDrawOfMillionRecordLog(benchmark::State& state) {
    MainWindow window;
    Form1->skOpenDialog1->FileName = window.folder.Write("LOG001.log", MillionRecordLog(false));
    Form1->ReloadSameLog = true;
    Form1->N30Click(nullptr);
    for (auto _ : state) {
        const int draws = window.draws;
        Form1->Chart1->Repaint();
        PumpMessages();
        if (!LoadedWhole() || window.draws == draws) {
            state.SkipWithError("the chart was not drawn");
            break;
        }
    }
}
BENCHMARK(BM_FirstDrawOfMillionRecordLog)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
