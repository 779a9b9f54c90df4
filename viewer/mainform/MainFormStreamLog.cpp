// The stream-log load: the file and the period chosen, the packets decoded
// onto the chart with the progress panel over it, the error counts and the
// accelerometer's results in the text log. No command of the window starts it.

#include "viewer/mainform/MainForm.h"

#include "common/FileHelpers.h"
#include "common/MessageBoxText.h"
#include "device/forms/LogMemoLine.h"
#include "platform/system/Clock.h"
#include "ui/core/FloatFormatting.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "viewer/analysis/EventRows.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/EventListForm.h"
#include "viewer/forms/PeriodForm.h"
#include "viewer/streamlog/StreamChartPoints.h"

#include <string>
#include <vector>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kResultDecimals = 3;
// The dialog's altitude step is in metres, the records' in 0.1 m.
constexpr std::int32_t kAltitudeStepScale = 10;
constexpr int kLastHiddenOnLoad = 25;

// The window's side of a stream load: what it resets once the file is
// read, the progress gauge, and the integration lines in the text log.
class StreamLoadWindowSteps : public StreamLogSteps {
public:
    StreamLoadWindowSteps(TForm1& form, std::string caption, std::uint64_t fileSize)
        : form_(form), caption_(std::move(caption)), fileSize_(fileSize) {}

    void StartLoad() override {
        form_.SetCaption(caption_);
        form_.skMemo1->Lines()->Clear();
        ::AddLogLine(*form_.skMemo1, std::to_string(fileSize_));
        form_.skGauge1->SetProgress(0);
        form_.Panel1->SetLeft((form_.Chart1->Width() - form_.Panel1->Width()) / 2);
        form_.Panel1->SetTop((form_.Chart1->Height() - form_.Panel1->Height()) / 2);
        form_.Panel1->Show();
        Application->ProcessMessages();
        for (int series = 0; series <= kLastClearedSeries; ++series) form_.ChartSeries[series]->Clear();
        for (int series = kFirstChannelSeries; series <= kLastHiddenOnLoad; ++series)
            form_.ChartSeries[series]->SetActive(false);
        StartEventList(*Form8->StringGrid1);
    }
    void ShowProgress(int percent) override {
        form_.skGauge1->SetProgress(percent);
        form_.skGauge1->Update();
    }
    void AddLogLine(const std::string& line) override { ::AddLogLine(*form_.skMemo1, line); }

private:
    TForm1& form_;
    std::string caption_;
    std::uint64_t fileSize_;
};

std::string ResultNumber(double value) {
    return FloatToStrF(value, TFloatFormat::ffNumber, kSignificantDigits, kResultDecimals);
}

}  // namespace

void TForm1::N2Click(TObject*) {
    PrepareChartForLoad();
    if (!ReloadSameLog) {
        if (!skOpenDialog1->Execute()) return;
        Form7->ShowModal();
    }
    if (!ReloadSameStream) return;
    ReloadSameStream = ReloadSameLog = false;
    const PeriodChoice period = Form7->ChosenPeriod();
    if (!period.Error.empty()) {
        ShowMessageBox(period.Error);
        return;
    }

    SmoothingChoice smoothing = Form2->Smoothing();
    const bool filterOn = smoothing.FilterOn;
    // Each series its own factor: the common list is not consulted.
    smoothing.FilterOn = true;
    smoothing.CommonIndex = 0;
    StreamLoadOptions options;
    options.Compensate1G = Form2->DecodeOptions().Compensate1G;
    options.AltitudeStepLimit = Form2->SpinEdit1->Value() * kAltitudeStepScale;
    options.Period = period.Period;

    const std::uint64_t started = platform::GetTickCount64();
    const std::string& fileName = skOpenDialog1->FileName;
    StreamLoadWindowSteps window(*this, "ВЕЛЗАР  ( Файл: " + fileName + " )", FileSizeByName(fileName));
    StreamChartPoints points(*Chart1, SmoothingFactorsOf(smoothing), filterOn);
    StreamLogReader reader(FlightData, options);
    reader.Attach(window);
    reader.Attach(points);
    StreamLoadResult result;
    {
        ScopeExit hidePanel([this] { Panel1->Hide(); });
        std::vector<TLineSeries*> fed(ChartSeries.begin() + kFirstChannelSeries,
                                      ChartSeries.begin() + kLastChannelSeries + 1);
        for (TLineSeries* series : fed) series->BeginUpdate();
        ScopeExit endUpdate([&fed] {
            for (TLineSeries* series : fed) series->EndUpdate();
        });
        result = reader.LoadStreamLog(fileName);
    }
    if (!result.Opened) {
        ShowMessageBox(result.Messages.front());
        return;
    }
    for (const std::string& message : result.Messages) AddLogLine(*skMemo1, message);
    AddLogLine(*skMemo1, "Total time:" + std::to_string(result.RecordCount));
    for (std::size_t kind = 0; kind < kStreamErrorKinds; ++kind)
        AddLogLine(*skMemo1, kStreamErrorTexts[kind] + std::to_string(result.Errors.Counts[kind]));
    AddLogLine(*skMemo1, "       ");
    AddLogLine(*skMemo1, "Ошибок всего: " + std::to_string(result.Errors.Total()));
    AddLogLine(*skMemo1, "Время загрузки в мС: " + std::to_string(platform::GetTickCount64() - started));

    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series)
        ChartSeries[series]->SetActive(Form2->ShowBox(series)->Checked());
    UpdateDataExtents();
    if (result.ReachedFileEnd) AssignSeriesToAxes();
    Chart1UndoZoom(this);
    if (result.ReachedFileEnd) {
        const TLineSeries& accelerationZ = *ChartSeries[kAccelerationZSeries];
        TLineSeries& zeroLine = *ChartSeries[kZeroLineSeries];
        zeroLine.Clear();
        if (accelerationZ.Count() > 0) {
            zeroLine.AddPointXY(accelerationZ.XValueAt(0), 0);
            zeroLine.AddPointXY(accelerationZ.XValueAt(accelerationZ.Count() - 1), 0);
        }
    }
    AddLogLine(*skMemo1, "Максимальная скорость:" + ResultNumber(result.Speed) + "m/c");
    AddLogLine(*skMemo1, "Высота:" + ResultNumber(result.Altitude) + "m");
}
