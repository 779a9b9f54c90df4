// The main window's first show, its layout on resize, the side-panel button,
// the floating panels and the event-marker legend rows.

#include "viewer/mainform/MainForm.h"

#include "chart/axes/DateTimeSteps.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/settings/DisplaySettings.h"

namespace {

constexpr int kResizeBottom = 65;
constexpr int kStatusBarBottom = 60;
constexpr int kSpeedButtonGap = 20;
constexpr int kSidePanelGap = 22;
constexpr int kChartGap = 28;
constexpr int kStatusBarGap = 20;
constexpr int kMemoBottom = 70;
constexpr int kFloatingPanelInset = 12;
constexpr int kFloatingPanelTop = 2;
constexpr int kFloatingPanelGap = 7;
constexpr int kHiddenLegendHeight = 20;
constexpr int kLegendExtra = 35;

void SetLineWidth(TLineSeries* series, int width) { series->LinePen().SetWidth(width); }

}  // namespace

void TForm1::FormShow(TObject*) {
    if (shown_) return;
    shown_ = true;
    AxisInUse.fill(false);
    ReloadSameLog = false;
    Chart1->BottomAxis()->SetDateTimeFormat("mm:ss:zz");
    Chart1->BottomAxis()->SetIncrement(DateTimeStepValues[dtOneSecond] / 100);
    const std::string settings = SettingsFileToRead();
    ReadDisplaySettings(*this, *Form2, *Form19, settings);
    FormResize(this);
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        ChartSeries[series]->SetActive(Form2->ShowBox(series)->Checked());
        ChartSeries[series]->SetSeriesColor(Form2->ColorPanel(series)->Color());
    }
    Form4->LoadMarkerSettings(settings);
    ReadLineWidthSettings(*Form9, settings);
    ApplyLineWidths();
    UpdateDataExtents();
    HideMarkerLegend();
    if (chk1->CanFocus()) chk1->SetFocus();
}

void TForm1::FormResize(TObject*) {
    const int width = Width(), height = Height(), status = StatusBar1->Height();
    const int rowHeight = height - status - kResizeBottom;
    SpeedButton1->SetBounds(width - SpeedButton1->Width() - kSpeedButtonGap, SpeedButton1->Top(), SpeedButton1->Width(),
                            rowHeight);
    Panel2->SetBounds(width - SpeedButton1->Width() - Panel2->Width() - kSidePanelGap, Panel2->Top(), Panel2->Width(),
                      rowHeight);
    Chart1->SetBounds(Chart1->Left(), Chart1->Top(), width - SpeedButton1->Width() - Panel2->Width() - kChartGap,
                      rowHeight);
    StatusBar1->SetBounds(StatusBar1->Left(), height - status - kStatusBarBottom, width - kStatusBarGap, status);
    skMemo1->SetHeight(height - skMemo1->Top() - status - kMemoBottom);
}

void TForm1::SpeedButton1Click(TObject*) {
    if (Panel2->Width() > 0) {
        Panel2->SetWidth(0);
        SpeedButton1->SetCaption("<");
        SpeedButton1->SetHint("Показать панель");
    } else {
        Panel2->SetWidth(kSidePanelWidth);
        SpeedButton1->SetCaption(">");
        SpeedButton1->SetHint("Скрыть панель");
    }
    FormResize(this);
    if (CanFocus()) SetFocus();
}

void TForm1::Chart1Resize(TObject*) {
    for (TPanel* panel : {Panel3, Panel4})
        panel->SetLeft(Chart1->Width() - panel->Width() - kFloatingPanelInset);
}

void TForm1::PlaceFloatingPanels() {
    Chart1Resize(this);
    const int top = Chart1->Top() + kFloatingPanelTop;
    if (Panel3->Visible() && Panel4->Visible()) {
        Panel4->SetTop(top);
        Panel3->SetTop(top + Panel4->Height() + kFloatingPanelGap);
    } else if (Panel3->Visible()) {
        Panel3->SetTop(top);
    } else if (Panel4->Visible()) {
        Panel4->SetTop(top);
    }
}

void TForm1::HideMarkerLegend() {
    LegendRowCount = 0;
    for (int row = 1; row <= kMarkerLegendRows; ++row)
        for (TControl* control : {static_cast<TControl*>(MarkerColor[row]), static_cast<TControl*>(MarkerText[row]),
                                  static_cast<TControl*>(PanMarkerColor[row]), static_cast<TControl*>(PanMarkerText[row])})
            control->Hide();
    Panel4->SetHeight(kHiddenLegendHeight);
}

void TForm1::AddMarkerLegendRow(const std::string& text, TColor color) {
    if (LegendRowCount >= kMarkerLegendRows) return;
    const int row = LegendRowCount + 1;
    for (TPanel* strip : {MarkerColor[row], PanMarkerColor[row]}) {
        strip->SetColor(color);
        strip->Show();
    }
    for (TLabel* label : {MarkerText[row], PanMarkerText[row]}) {
        label->SetCaption(text);
        label->Show();
    }
    Panel4->SetHeight(LegendRowCount * kLegendRowPitch + kLegendExtra);
    ++LegendRowCount;
}

void TForm1::ApplyLineWidths() {
    for (int series = kStartMarkerSeries; series <= kLevelMarker2Series; ++series)
        SetLineWidth(ChartSeries[series], Form9->skSpinEdit1->Value());
    for (int series : EventMarkerSeries) SetLineWidth(ChartSeries[series], Form9->skSpinEdit2->Value());
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series)
        SetLineWidth(ChartSeries[series], Form9->skSpinEdit3->Value());
}

void TForm1::UpdateDataExtents() { Extents = ComputeDataExtents(*Chart1); }
