// "Открыть файл": the markers cleared, the smoothing read, the log chosen in
// the open dialog decoded onto the chart, the axes fitted to it.

#include "viewer/mainform/MainForm.h"

#include "common/MessageBoxText.h"
#include "device/forms/LogMemoLine.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "viewer/analysis/EventRows.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/EventListForm.h"
#include "viewer/log/PagedLogDecoder.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* kLoadEndLine = "=================================";

// What a load resets, done only once the log turns out readable: the first
// call the decoder makes for the file (or the end of a load of no pages)
// runs it, so a file that cannot be read leaves the chart and the event
// list as they were. Attached before the steps that add to them.
class LoadStartStep : public LogRecordSteps {
public:
    explicit LoadStartStep(std::function<void()> start) : start_(std::move(start)) {}

    void ResetIntegration() override { pending_ = true; }
    void ShowHeader(const LogHeaderPage&) override { Begin(); }
    void IntegrateAcceleration(std::int32_t, WorkingRecord&) override { Begin(); }
    void AppendRecordToChart(const WorkingRecord&, std::int32_t, RecordRate) override { Begin(); }
    void AddEventRow(std::int32_t, EventCode) override { Begin(); }

    void Begin() {
        if (!pending_) return;
        pending_ = false;
        start_();
    }

private:
    std::function<void()> start_;
    bool pending_ = false;
};

// The header page's identity line in the text log.
class HeaderLineStep : public LogRecordSteps {
public:
    explicit HeaderLineStep(TMemo& log) : log_(log) {}
    void ShowHeader(const LogHeaderPage& header) override { AddLogLine(log_, DeviceIdentityLine(header)); }

private:
    TMemo& log_;
};

}  // namespace

void TForm1::N30Click(TObject*) {
    ClearMeasurementMarkers();
    HideMarkerLegend();
    ReadSmoothingFactors();
    LoadPagedLog();
    PlaceEventMarkers();
    TLineSeries& zeroLine = *ChartSeries[kZeroLineSeries];
    zeroLine.Clear();
    zeroLine.AddPointXY(0, 0);
    zeroLine.AddPointXY(Chart1->BottomAxis()->Maximum(), 0);
}

void TForm1::N35Click(TObject*) {
    for (int series = 0; series <= kLastClearedSeries; ++series) ChartSeries[series]->Clear();
}

void TForm1::ClearMeasurementMarkers() {
    chk1->SetChecked(false);
    chk2->SetChecked(false);
    TimeMarkerStart = TimeMarkerEnd = 0;
    ChartSeries[kStartMarkerSeries]->Clear();
    ChartSeries[kEndMarkerSeries]->Clear();
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    LevelMarker1 = LevelMarker2 = 0;
    ChartSeries[kLevelMarker1Series]->Clear();
    ChartSeries[kLevelMarker2Series]->Clear();
}

void TForm1::ReadSmoothingFactors() { chartSteps_->SetFactors(SmoothingFactorsOf(Form2->Smoothing())); }

void TForm1::PrepareChartForLoad() {
    for (int axis = 0; axis < Chart1->CustomAxes().Count(); ++axis) Chart1->CustomAxes().GetAxis(axis)->Grid().SetVisible(false);
    Chart1->LeftAxis()->Grid().SetVisible(true);
    TFont& title = Chart1->LeftAxis()->Title().Font();
    TFontStyles style = title.Style();
    style.Include(TFontStyle::fsUnderline);
    title.SetStyle(style);
    for (int series : EventMarkerSeries) ChartSeries[series]->SetShowInLegend(false);
}

void TForm1::LoadPagedLog() {
    TStringGrid& events = *Form8->StringGrid1;
    PrepareChartForLoad();
    if (!ReloadSameLog && !skOpenDialog1->Execute()) return;
    ReloadSameLog = false;
    Application->ProcessMessages();

    LoadStartStep start([this, &events] {
        StartEventList(events);
        for (int series = 0; series <= kLastClearedSeries; ++series) ChartSeries[series]->Clear();
    });
    HeaderLineStep header(*skMemo1);
    EventRowSteps rows(events);
    PagedLogDecoder decoder(FlightData, Form2->DecodeOptions());
    decoder.Attach(start);
    decoder.Attach(header);
    decoder.Attach(*Form4);
    decoder.Attach(integration_);
    decoder.Attach(*chartSteps_);
    decoder.Attach(rows);

    LogLoadResult result;
    {
        // The chart hears of the points once, after the load.
        std::vector<TLineSeries*> fed(ChartSeries.begin() + kFirstChannelSeries, ChartSeries.begin() + kLastChannelSeries + 1);
        for (TLineSeries* series : fed) series->BeginUpdate();
        ScopeExit endUpdate([&fed] {
            for (TLineSeries* series : fed) series->EndUpdate();
        });
        result = decoder.LoadPagedLog(skOpenDialog1->FileName);
    }
    if (!result.Opened) {
        std::string text;
        for (const std::string& message : result.Messages) text += (text.empty() ? "" : "\n") + message;
        ShowMessageBox(text);
        return;
    }
    LogFileSize = result.LogFileSize;
    start.Begin();
    rows.WriteRows();
    for (const std::string& message : result.Messages) AddLogLine(*skMemo1, message);
    AddLogLine(*skMemo1, kLoadEndLine);
    UpdateDataExtents();
    AssignSeriesToAxes();
    UpdateDataExtents();
    Chart1UndoZoom(this);
}
