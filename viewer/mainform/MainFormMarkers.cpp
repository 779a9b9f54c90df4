// The measurement markers on the main window's chart: two time markers and
// two level markers, placed by a click after checking their box, dragged
// with the split cursors, typed as "mm:ss,hh" and stepped a tick at a time;
// their captions and the burnout mark after every paint.

#include "viewer/mainform/MainForm.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "common/FlightTime.h"
#include "ui/forms/Screen.h"
#include "viewer/mainform/BurnoutMark.h"
#include "viewer/markers/MarkerBalloon.h"
#include "viewer/markers/MarkerCursor.h"
#include "viewer/markers/MarkerLines.h"
#include "viewer/markers/MarkerTimeEntry.h"
#include "viewer/markers/MarkerTolerances.h"

namespace {

constexpr int kStart = kStartMarkerSeries;
constexpr int kEnd = kEndMarkerSeries;
constexpr int kLevel1 = kLevelMarker1Series;
constexpr int kLevel2 = kLevelMarker2Series;

bool IsTimeMarker(int marker) { return marker == kStart || marker == kEnd; }

// The marker captions stand on a near-white brush that is not the chart's white.
constexpr TColor kCaptionBrushColor = static_cast<TColor>(0xFFFFFE);
constexpr int kCaptionOffsetX = 2;
constexpr int kCaptionTop = 3;
constexpr const char* kZeroTimeText = "00:00,00";

}  // namespace

void TForm1::HookMarkerEvents() {
    Chart1->OnMouseMove = [this](TObject* s, TShiftState shift, int x, int y) { Chart1MouseMove(s, shift, x, y); };
    Chart1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        Chart1MouseDown(s, b, shift, x, y);
    };
    Chart1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        Chart1MouseUp(s, b, shift, x, y);
    };
    Chart1->OnClick = [this](TObject* s) { Chart1Click(s); };
    for (int marker = 0; marker < kMeasurementMarkerCount; ++marker)
        MarkerBox(marker)->OnClick = [this, marker](TObject*) { MarkerBoxClick(marker); };
    btn3->OnClick = [this](TObject* s) { btn3Click(s); };
    Button5->OnClick = [this](TObject* s) { Button5Click(s); };
    for (int marker : {kStart, kEnd}) {
        MarkerEdit(marker)->OnKeyPress = [this, marker](TObject*, char32_t& key) { MarkerEditKeyPress(marker, key); };
        MarkerEdit(marker)->OnKeyUp = [this, marker](TObject*, platform::WORD&, TShiftState) {
            MarkerEditKeyUp(marker);
        };
    }
    skUpDown1->OnChangingEx = [this](TObject*, bool&, short, TUpDownDirection direction) {
        MarkerUpDownChangingEx(kStart, direction);
    };
    skUpDown2->OnChangingEx = [this](TObject*, bool&, short, TUpDownDirection direction) {
        MarkerUpDownChangingEx(kEnd, direction);
    };
}

// ---- the markers and their controls ----

TCheckBox* TForm1::MarkerBox(int marker) const {
    const std::array<TCheckBox*, kMeasurementMarkerCount> boxes = {chk1, chk2, CheckBox1, CheckBox2};
    return boxes.at(static_cast<std::size_t>(marker));
}

TMaskEdit* TForm1::MarkerEdit(int marker) const { return marker == kStart ? skMaskEdit1 : skMaskEdit2; }

// Positions are read through the series the chart always has on the time
// axis and on the vertical axis of the chosen quantity.
TChartAxis& TForm1::MarkerTimeAxis() const {
    TChartAxis* axis = ChartSeries[kGpsSpeedSeries]->GetHorizAxis();
    return axis ? *axis : *Chart1->BottomAxis();
}

TChartAxis& TForm1::MarkerValueAxis() const {
    TChartAxis* axis = ChartSeries[kGpsSpeedSeries]->GetVertAxis();
    return axis ? *axis : *Chart1->LeftAxis();
}

bool TForm1::MarkerPresent(int marker) const {
    TLineSeries& line = *ChartSeries[marker];
    return IsTimeMarker(marker) ? TimeMarkerPresent(line) : LevelMarkerPresent(line);
}

bool TForm1::NearMarker(int marker) const {
    const TChartAxis& bottom = *Chart1->BottomAxis();
    const TChartAxis& left = *Chart1->LeftAxis();
    const MarkerTolerances tolerance =
        MarkerTolerancesOf(bottom.Minimum(), bottom.Maximum(), left.Minimum(), left.Maximum());
    if (!MarkerPresent(marker)) return false;
    switch (marker) {
        case kStart: return IsNearMarker(TimeMarkerStart, CursorTick, tolerance.Time);
        case kEnd: return IsNearMarker(TimeMarkerEnd, CursorTick, tolerance.Time);
        case kLevel1: return IsNearMarker(LevelMarker1, CursorValue, tolerance.Level);
        default: return IsNearMarker(LevelMarker2, CursorValue, tolerance.Level);
    }
}

void TForm1::SetMarker(int marker, double position) {
    switch (marker) {
        case kStart: TimeMarkerStart = static_cast<std::int32_t>(position); break;
        case kEnd: TimeMarkerEnd = static_cast<std::int32_t>(position); break;
        case kLevel1: LevelMarker1 = static_cast<float>(position); break;
        default: LevelMarker2 = static_cast<float>(position); break;
    }
}

void TForm1::ShowMarkerTime(int marker) {
    MarkerEdit(marker)->SetText(HundredthsToTimeText(marker == kStart ? TimeMarkerStart : TimeMarkerEnd));
}

void TForm1::ShowTimeDifference() {
    const auto start = TypedTimeTicks(skMaskEdit1->Text());
    const auto end = TypedTimeTicks(skMaskEdit2->Text());
    // A half-typed edit leaves the difference as it was.
    if (start && end) Label5->SetCaption(HundredthsToTimeText(static_cast<std::int64_t>(*end) - *start));
}

std::optional<std::int32_t> TForm1::ReadMarkerEdit(int marker) {
    TMaskEdit& edit = *MarkerEdit(marker);
    const auto ticks = TypedTimeTicks(edit.Text());
    if (!ticks) {
        const TPoint at = MarkerBalloonPoint(edit);
        ShowMarkerBalloon(edit, at.X, at.Y, TimeRangeBalloonText(LastMarkerTick(MarkerTimeAxis().Maximum())),
                          kWideMarkerBalloonWidth);
    }
    return ticks;
}

void TForm1::MarkerBoxClick(int marker) {
    if (!MarkerBox(marker)->Checked()) return;
    for (int other = 0; other < kMeasurementMarkerCount; ++other) {
        MarkerArmed[static_cast<std::size_t>(other)] = other == marker;
        if (other != marker && MarkerBox(other)->Checked()) MarkerBox(other)->SetChecked(false);
    }
}

void TForm1::btn3Click(TObject*) {
    chk1->SetChecked(false);
    chk2->SetChecked(false);
    TimeMarkerStart = TimeMarkerEnd = 0;
    skMaskEdit1->SetText(kZeroTimeText);
    skMaskEdit2->SetText(kZeroTimeText);
    ChartSeries[kStart]->Clear();
    ChartSeries[kEnd]->Clear();
    Chart1->Refresh();
}

void TForm1::Button5Click(TObject*) {
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    LevelMarker1 = LevelMarker2 = 0;
    ChartSeries[kLevel1]->Clear();
    ChartSeries[kLevel2]->Clear();
    Chart1->Refresh();
}

// ---- the chart's mouse ----

void TForm1::Chart1MouseMove(TObject*, TShiftState, int X, int Y) {
    CursorTick = CursorTickAt(MarkerTimeAxis(), X);
    CursorValue = CursorValueAt(MarkerValueAxis(), Y);

    TCursor cursor = crDefault;
    if (NearMarker(kStart) || NearMarker(kEnd))
        cursor = crHSplit;
    else if (NearMarker(kLevel1) || NearMarker(kLevel2))
        cursor = crVSplit;
    Chart1->SetCursor(cursor);
    Screen->SetCursor(cursor);
    // A press on a marker grabs it rather than starting a zoom rectangle.
    Chart1->Zoom().Allow = cursor == crDefault;

    const TChartAxis& vertical = *Chart1->LeftAxis();
    const TChartAxis& time = *Chart1->BottomAxis();
    for (int marker = 0; marker < kMeasurementMarkerCount; ++marker) {
        if (!MarkerGrabbed[static_cast<std::size_t>(marker)]) continue;
        if (IsTimeMarker(marker)) {
            DrawTallTimeLine(*ChartSeries[marker], CursorTick, vertical);
            SetMarker(marker, CursorTick);
            ShowMarkerTime(marker);
        } else {
            DrawFromZeroLevelLine(*ChartSeries[marker], CursorValue, time);
            SetMarker(marker, CursorValue);
        }
    }
    for (int marker = 0; marker < kMeasurementMarkerCount; ++marker) {
        if (!MarkerBox(marker)->Checked() || !MarkerArmed[static_cast<std::size_t>(marker)]) continue;
        if (IsTimeMarker(marker)) {
            DrawTallTimeLine(*ChartSeries[marker], CursorTick, vertical);
            SetMarker(marker, CursorTick);
            ShowMarkerTime(marker);
            ShowTimeDifference();
        } else {
            DrawAcrossLevelLine(*ChartSeries[marker], CursorValue, time);
            SetMarker(marker, CursorValue);
        }
    }
}

void TForm1::Chart1MouseDown(TObject*, TMouseButton Button, TShiftState, int X, int) {
    // The right button pans the chart; markers and the axis strip take only the other buttons.
    if (Button == TMouseButton::mbRight) return;
    for (int marker = 0; marker < kMeasurementMarkerCount; ++marker) {
        if (!NearMarker(marker)) continue;
        MarkerBox(marker)->SetChecked(true);
        for (int other = 0; other < kMeasurementMarkerCount; ++other)
            if (other != marker) MarkerBox(other)->SetChecked(false);
        MarkerGrabbed[static_cast<std::size_t>(marker)] = true;
    }
    SelectGridAxisAt(X);
}

void TForm1::Chart1MouseUp(TObject*, TMouseButton, TShiftState, int, int) { MarkerGrabbed.fill(false); }

void TForm1::Chart1Click(TObject*) {
    const TChartAxis& vertical = *Chart1->LeftAxis();
    for (int marker = 0; marker < kMeasurementMarkerCount; ++marker) {
        if (!MarkerBox(marker)->Checked() || !MarkerArmed[static_cast<std::size_t>(marker)]) continue;
        MarkerArmed[static_cast<std::size_t>(marker)] = false;
        switch (marker) {
            case kStart:
                DrawTallTimeLine(*ChartSeries[marker], CursorTick, vertical);
                SetMarker(marker, CursorTick);
                ShowMarkerTime(marker);
                ShowTimeDifference();
                break;
            case kEnd:
                // The end edit and the difference keep what the last move wrote.
                DrawPlainTimeLine(*ChartSeries[marker], CursorTick, vertical);
                SetMarker(marker, CursorTick);
                break;
            default:
                DrawAcrossLevelLine(*ChartSeries[marker], CursorValue, *Chart1->BottomAxis());
                SetMarker(marker, CursorValue);
                break;
        }
    }
}

// ---- typing and stepping the times ----

void TForm1::MarkerEditKeyPress(int marker, char32_t& Key) {
    TMaskEdit& edit = *MarkerEdit(marker);
    Key = LimitSecondsTens(edit.SelStart(), Key);
    if (marker != kEnd) return;
    const double maximum = MarkerTimeAxis().Maximum();
    const auto ticks = TypedTimeTicks(edit.Text());
    if (!ticks || *ticks <= maximum) return;
    const TPoint at = MarkerBalloonPoint(edit);
    ShowMarkerBalloon(edit, at.X, at.Y, kBadTimeText, kMarkerBalloonWidth);
    edit.SetText(HundredthsToTimeText(LastMarkerTick(maximum)));
}

void TForm1::MarkerEditKeyUp(int marker) {
    const auto ticks = ReadMarkerEdit(marker);
    if (!ticks) return;
    const double maximum = MarkerTimeAxis().Maximum();
    if (*ticks > maximum) {
        TMaskEdit& edit = *MarkerEdit(marker);
        const std::int32_t last = LastMarkerTick(maximum);
        const TPoint at = MarkerBalloonPoint(edit);
        ShowMarkerBalloon(edit, at.X, at.Y, TimeRangeBalloonText(last), kWideMarkerBalloonWidth);
        edit.SetText(HundredthsToTimeText(last));
        SetMarker(marker, last);
    } else {
        SetMarker(marker, *ticks);
    }
    ShowTimeDifference();
    DrawTallTimeLine(*ChartSeries[marker], marker == kStart ? TimeMarkerStart : TimeMarkerEnd, *Chart1->LeftAxis());
}

void TForm1::MarkerUpDownChangingEx(int marker, TUpDownDirection Direction) {
    const auto ticks = ReadMarkerEdit(marker);
    if (!ticks) return;
    if (Direction == TUpDownDirection::updUp && *ticks < MarkerTimeAxis().Maximum()) {
        SetMarker(marker, *ticks + 1);
        ShowMarkerTime(marker);
    } else if (Direction == TUpDownDirection::updDown && *ticks > 0) {
        SetMarker(marker, *ticks - 1);
        ShowMarkerTime(marker);
    }
    if (marker == kStart) ShowTimeDifference();
    DrawTallTimeLine(*ChartSeries[marker], marker == kStart ? TimeMarkerStart : TimeMarkerEnd, *Chart1->LeftAxis());
}

// ---- after every paint ----

void TForm1::Chart1AfterDraw(TObject*) {
    DrawMarkerCaptions();
    DrawBurnoutMark(*Chart1, *ChartSeries[kBaroAltitudeSeries], FlightData.BurnoutTick);
}

void TForm1::DrawMarkerCaptions() {
    if (!Chart1->Canvas()) return;
    TCanvas3D& canvas = *Chart1->Canvas();
    const std::pair<int, const char*> captions[] = {{kStart, "Начало"}, {kEnd, "Конец"}};
    for (const auto& [marker, caption] : captions) {
        if (!MarkerPresent(marker)) continue;
        TChartPen pen;
        pen.SetColor(clBlack);
        canvas.SelectPen(pen);
        canvas.Font().SetColor(clBlack);
        TChartBrush brush;
        canvas.SelectBrush(brush, kCaptionBrushColor);
        canvas.Font().SetStyle({TFontStyle::fsBold});
        canvas.TextOut(ChartSeries[marker]->PointScreenX(0) + kCaptionOffsetX, kCaptionTop, caption);
        canvas.Font().SetStyle({});
    }
}
