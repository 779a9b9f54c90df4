// Chart navigation of the main window: the rectangle zoom with its bounds,
// panning bounds, the wheel, the axis whose grid is shown, and the time
// labels of the bottom axis.

#include "viewer/mainform/MainForm.h"

#include "device/forms/LogMemoLine.h"
#include "platform/window/Placement.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"
#include "viewer/forms/PeriodForm.h"
#include "viewer/navigation/AxisGridChoice.h"
#include "viewer/navigation/PanBounds.h"
#include "viewer/navigation/TimeAxisLabels.h"
#include "viewer/navigation/WheelZoom.h"

#include <map>
#include <string>
#include <utility>

namespace {

// Series 4 to 23 take the rectangle's height on their own axes.
constexpr int kLastRectangleZoomSeries = 23;
// Below this the series shown first has no data to pan over.
constexpr double kLeastDataEnd = 5;

// The whole second a stream log's period starts at, typed in the period
// window; 0 when the window is missing or its field holds no number.
int PeriodStartSecond() { return Form7 ? StrToIntDef(Form7->Edit1->Text(), 0) : 0; }

}  // namespace

void TForm1::ConnectNavigationAndAnalysis() {
    Chart1->OnZoom = [this](TObject* s) { Chart1Zoom(s); };
    Chart1->OnScroll = [this](TObject* s) { Chart1Scroll(s); };
    Chart1->OnGetAxisLabel = [this](TChartAxis* axis, TChartSeries*, int, std::string& text) {
        if (axis == Chart1->BottomAxis()) text = TimeAxisLabel(text, PeriodStartSecond());
    };
    // The window's wheel zoom is the chart's only wheel action.
    Chart1->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
    OnMouseWheel = [this](TObject* s, TShiftState shift, int delta, TPoint at, bool& handled) {
        FormMouseWheel(s, shift, delta, at, handled);
    };
    Button15->OnClick = [this](TObject* s) { Button15Click(s); };
    Button3->OnClick = [this](TObject* s) { Button3Click(s); };
    ChartZoomBounds.Remember(*Chart1);
}

void TForm1::Chart1Zoom(TObject*) {
    TChartAxis& bottom = *Chart1->BottomAxis();
    AddLogLine(*skMemo1, "Min/max =" + std::to_string(Round(bottom.Minimum())) + "  " +
                             std::to_string(Round(bottom.Maximum())));
    // The rectangle's rows in each axis' values as the axes were drawn, then the new limits.
    const int top = Chart1->Zoom().StartY, lowest = Chart1->Zoom().EndY;
    std::map<TChartAxis*, std::pair<double, double>> limits;
    for (int index = kFirstChannelSeries; index <= kLastRectangleZoomSeries; ++index) {
        TLineSeries& series = *ChartSeries[index];
        if (!series.Active()) continue;
        TChartAxis* axis = series.CustomVertAxis() ? series.CustomVertAxis() : Chart1->LeftAxis();
        limits.try_emplace(axis, axis->ScreenToValue(lowest), axis->ScreenToValue(top));
    }
    for (const auto& [axis, range] : limits) axis->SetLimits(range.first, range.second);
    ChartZoomBounds.Enforce(*Chart1);
}

void TForm1::Chart1Scroll(TObject*) {
    if (ChartSeries[kAccelerationZSeries]->HighestX() < kLeastDataEnd) return;
    const bool boundHit = BoundTimeAxisPanning(*Chart1->BottomAxis(), Extents);
    Chart1->AllowPanning = boundHit ? pmVertical : pmBoth;
}

void TForm1::FormMouseWheel(TObject*, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled) {
    const platform::HWND under = platform::WindowFromPoint({MousePos.X, MousePos.Y});
    if (TWinControl::FindControl(under) != Chart1) return;
    Handled = true;
    ZoomByWheel(*Chart1, Extents,
                {WheelDelta, Shift.Contains(TShiftStateItem::ssCtrl), Shift.Contains(TShiftStateItem::ssRight),
                 Chart1->ScreenToClient(MousePos)});
}

void TForm1::SelectGridAxisAt(int X) { ChooseGridAxisAt(*Chart1, AxisInUse, X); }
