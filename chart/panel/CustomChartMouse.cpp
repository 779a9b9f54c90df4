// The chart's mouse: clicks on its parts, the zoom rectangle dragged with
// one button and drawn on the window while it moves, scrolling by dragging
// with the other, and the wheel. The control's own mouse events run first.

#include "chart/panel/CustomChart.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartCanvas3D.h"
#include "chart/series/ChartSeries.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/window/Painting.h"

#include <cstdlib>

namespace {

bool Holds(TShiftState shift, TShiftState keys) { return (keys * shift) == keys; }

// Points the chart's canvas at the window itself for drawing outside a
// frame, and back at the control's canvas afterwards.
class WindowDrawing {
public:
    WindowDrawing(TCustomChart& chart, TCanvas3D* canvas, TCanvas* controlCanvas)
        : canvas_(dynamic_cast<TChartCanvas3D*>(canvas)), controlCanvas_(controlCanvas) {
        if (!canvas_ || !chart.HandleAllocated()) return;
        window_ = chart.Handle();
        dc_ = platform::GetDC(window_);
        screen_.SetHandle(dc_);
        canvas_->SetTargetCanvas(&screen_);
    }
    ~WindowDrawing() {
        if (!dc_) return;
        canvas_->SetTargetCanvas(controlCanvas_);
        screen_.SetHandle(nullptr);
        platform::ReleaseDC(window_, dc_);
    }
    WindowDrawing(const WindowDrawing&) = delete;
    WindowDrawing& operator=(const WindowDrawing&) = delete;

private:
    TChartCanvas3D* canvas_;
    TCanvas* controlCanvas_;
    TCanvas screen_;
    platform::HWND window_ = nullptr;
    platform::HDC dc_ = nullptr;
};

}  // namespace

// ---- the zoom rectangle ----

void TCustomChart::DrawZoomRectangleInCycle() {
    if (Zoom().Dragging) PaintZoomRectangle();
}

void TCustomChart::DrawZoomRectangleOnScreen() {
    WindowDrawing onWindow(*this, Canvas(), ControlCanvas());
    PaintZoomRectangle();
}

// ---- clicks ----

void TCustomChart::DispatchToolMouse(TChartToolMouseKind kind, TMouseButton button, TShiftState shift, int x, int y) {
    for (TChartTool* tool : Tools()) {
        if (tool->Active) tool->ChartMouseEvent(kind, button, shift, x, y);
        if (MouseCancelled) break;
    }
}

void TCustomChart::DispatchToolWheel(TChartToolWheelKind kind, int delta, int x, int y) {
    for (TChartTool* tool : Tools()) {
        if (tool->Active) tool->ChartWheelEvent(kind, delta, x, y);
        if (MouseCancelled) break;
    }
}

TChartClickedPart TCustomChart::FindClickedPart(TPoint p, bool onlyClickable) {
    // a legend placed by hand lies over the series; one beside the plot does not
    const int customRow = legend_.Visible() && legend_.CustomPosition() ? legend_.HitAt(p.X, p.Y) : -1;
    if (customRow != -1) return {cpLegend, customRow, nullptr, nullptr};
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = SeriesAt(i);
        if (!s->Active()) continue;
        if (onlyClickable && !s->HasClickEvents() && !OnClickSeries) continue;
        const int index = s->ClickedIndex(p.X, p.Y);
        if (index != -1) return {cpSeries, index, s, nullptr};
        if (s->Marks().Visible()) {
            const int mark = s->Marks().MarksClicked(p.X, p.Y);
            if (mark != -1) return {cpSeriesMarks, mark, s, nullptr};
        }
    }
    for (TChartAxis* axis : Axes()) {
        if (axis->HitTest(p.X, p.Y)) return {cpAxis, -1, nullptr, axis};
        if (axis->Title().HitTest(p.X, p.Y)) return {cpAxisTitle, -1, nullptr, axis};
    }
    const int row = legend_.Visible() && !legend_.CustomPosition() ? legend_.HitAt(p.X, p.Y) : -1;
    if (row != -1) return {cpLegend, row, nullptr, nullptr};
    const std::pair<TChartTitle*, TChartClickedPartKind> titles[] = {
        {&title_, cpTitle}, {&subTitle_, cpSubTitle}, {&foot_, cpFoot}, {&subFoot_, cpSubFoot}};
    for (const auto& [title, kind] : titles)
        if (title->HitAt(p.X, p.Y)) return {kind, -1, nullptr, nullptr};
    const TRect& r = PlotRect();
    if (ActiveSeriesCount() > 0 && p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom)
        return {cpChartRect, -1, nullptr, nullptr};
    return {};
}

bool TCustomChart::BackgroundClick(TMouseButton button, TShiftState shift, int x, int y) {
    if (!OnClickBackground) return false;
    MouseCancelled = true;
    OnClickBackground(this, button, shift, x, y);
    return MouseCancelled;
}

bool TCustomChart::TitleClick(TChartTitle* title, TMouseButton button, TShiftState shift, int x, int y) {
    if (!OnClickTitle) return false;
    MouseCancelled = true;
    OnClickTitle(this, title, button, shift, x, y);
    return MouseCancelled;
}

bool TCustomChart::StartDrag(TMouseButton button, TShiftState shift, int x, int y) {
    if (!HasAxisSeries()) return false;
    bool started = false;
    const TRect& r = PlotRect();
    if (Zoom().Allow && button == Zoom().MouseButton && Holds(shift, Zoom().KeyShift)) {
        if (Zoom().Direction == tzdVertical) x = r.Left;
        if (Zoom().Direction == tzdHorizontal) y = r.Top;
        Zoom().Activate(x, y);
        if (Zoom().Direction == tzdVertical) Zoom().EndX = r.Right;
        if (Zoom().Direction == tzdHorizontal) Zoom().EndY = r.Bottom;
        DrawZoomRectangleOnScreen();
        started = true;
    }
    if (AllowPanning != pmNone && button == scrollMouseButton_ && Holds(shift, ChartScrollShift)) {
        ScrollDrag().Activate(x, y);
        started = true;
    }
    if (started) SetCursor(SavedCursor);
    return started;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // the control's OnMouseDown runs here and may change the zoom or panning settings
    TCustomAxisPanel::MouseDown(button, shift, x, y);
    if (MouseCancelled || Zoom().Dragging || ScrollDrag().Dragging) return;
    MouseCancelled = false;
    DispatchToolMouse(tmkDown, button, shift, x, y);
    if (!MouseCancelled) {
        const TChartClickedPart part = FindClickedPart({x, y}, true);
        bool handled = false;
        switch (part.Part) {
            case cpAxis:
                if (OnClickAxis) {
                    MouseCancelled = true;
                    OnClickAxis(this, part.AAxis, button, shift, x, y);
                    handled = MouseCancelled;
                }
                if (!handled) handled = StartDrag(button, shift, x, y);
                break;
            case cpSeries:
                MouseCancelled = false;
                part.ASeries->Clicked(part.PointIndex, button, shift, x, y);
                handled = MouseCancelled;
                if (OnClickSeries) {
                    MouseCancelled = true;
                    OnClickSeries(this, part.ASeries, part.PointIndex, button, shift, x, y);
                    handled = MouseCancelled;
                }
                if (!handled) handled = StartDrag(button, shift, x, y);
                break;
            case cpTitle:
            case cpSubTitle:
            case cpFoot:
            case cpSubFoot: {
                TChartTitle* title = part.Part == cpTitle      ? &title_
                                     : part.Part == cpSubTitle ? &subTitle_
                                     : part.Part == cpFoot     ? &foot_
                                                               : &subFoot_;
                handled = TitleClick(title, button, shift, x, y);
                if (!handled) handled = StartDrag(button, shift, x, y);
                break;
            }
            case cpLegend:
                handled = legend_.ClickCheckBox(part.PointIndex);
                if (OnClickLegend) {
                    MouseCancelled = true;
                    OnClickLegend(this, button, shift, x, y);
                    handled = MouseCancelled;
                }
                break;
            case cpChartRect:
                handled = BackgroundClick(button, shift, x, y);
                if (!handled) handled = StartDrag(button, shift, x, y);
                break;
            default: break;
        }
        if (!handled) BackgroundClick(button, shift, x, y);
    }
    MouseCancelled = false;
}

// ---- dragging ----

void TCustomChart::ScrollPass(bool horizontal, int position, int last) {
    for (TChartAxis* axis : Axes()) {
        if (axis->IsDepthAxis() || axis->Horizontal() != horizontal) continue;
        const double delta = axis->ScreenToValue(last) - axis->ScreenToValue(position);
        double minimum = axis->Minimum() + delta;
        double maximum = axis->Maximum() + delta;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allow);
        if (allow) axis->SetLimits(minimum, maximum);
    }
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y) {
    TCustomAxisPanel::MouseMove(shift, x, y);
    DispatchToolMouse(tmkMove, TMouseButton::mbLeft, shift, x, y);
    if (MouseCancelled) return;
    const TRect& r = PlotRect();
    TZoomPanning& scroll = ScrollDrag();
    if (Zoom().Dragging) {
        if (Zoom().Direction == tzdVertical) x = r.Right;
        if (Zoom().Direction == tzdHorizontal) y = r.Bottom;
        if (x == Zoom().EndX && y == Zoom().EndY) return;
        DrawZoomRectangleOnScreen();  // the old one goes
        Zoom().EndX = x;
        Zoom().EndY = y;
        DrawZoomRectangleOnScreen();
        return;
    }
    if (scroll.Dragging) {
        if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) {
            scroll.Dragging = false;
            return;
        }
        if (x == scroll.EndX && y == scroll.EndY) return;
        SaveScalesOnce();
        bool scrolled = false;
        if (x != scroll.EndX && (AllowPanning == pmHorizontal || AllowPanning == pmBoth)) {
            ScrollPass(true, x, scroll.EndX);
            scrolled = true;
        }
        if (y != scroll.EndY && (AllowPanning == pmVertical || AllowPanning == pmBoth)) {
            ScrollPass(false, y, scroll.EndY);
            scrolled = true;
        }
        scroll.EndX = x;
        scroll.EndY = y;
        if (scrolled) {
            FireEvent(OnScroll, this);
            Invalidate();
        }
        return;
    }
    // each series hears whether the mouse is over it; over none, the chart's cursor comes back
    bool overSeries = false;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = SeriesAt(i);
        if (s->Active() && s->CheckMouseOver(x, y)) overSeries = true;
    }
    if (!overSeries) SetCursor(SavedCursor);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    MouseCancelled = false;
    TCustomAxisPanel::MouseUp(button, shift, x, y);
    if (Zoom().Dragging && button == Zoom().MouseButton) {
        DrawZoomRectangleOnScreen();  // gone from the window
        Zoom().Dragging = false;
        Canvas()->Pen().SetMode(TPenMode::pmCopy);
        if (Zoom().Direction != tzdVertical) Zoom().EndX = x;
        if (Zoom().Direction != tzdHorizontal) Zoom().EndY = y;
        const bool wide = Zoom().Direction == tzdVertical || std::abs(Zoom().EndX - Zoom().StartX) > Zoom().MinimumPixels;
        const bool tall = Zoom().Direction == tzdHorizontal || std::abs(Zoom().EndY - Zoom().StartY) > Zoom().MinimumPixels;
        if (wide && tall) {
            const bool forward =
                Zoom().Direction == tzdVertical ? Zoom().EndY > Zoom().StartY : Zoom().EndX > Zoom().StartX;
            if (Zoom().UpLeftZooms || forward)
                ZoomToRectangle();
            else
                UndoZoom();
            Invalidate();
        }
    }
    ScrollDrag().Dragging = false;
    DispatchToolMouse(tmkUp, button, shift, x, y);
}

// ---- the wheel ----

bool TCustomChart::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    const bool handled = TCustomAxisPanel::DoMouseWheel(shift, delta, mousePos);
    const TPoint p = ScreenToClient(mousePos);
    DispatchToolWheel(twkWheelTurned, delta, p.X, p.Y);
    if (handled) return true;
    // towards the user is down
    if (delta < 0)
        DoMouseWheelDown();
    else if (delta > 0)
        DoMouseWheelUp();
    return false;
}

void TCustomChart::ScrollVerticalAxes(double sign) {
    if (!ChartWheelScrolls || (AllowPanning != pmVertical && AllowPanning != pmBoth)) return;
    for (TChartAxis* axis : Axes()) {
        if (axis->Horizontal()) continue;
        const double step = sign * (axis->Maximum() - axis->Minimum()) * 0.03;
        double minimum = axis->Minimum() + step;
        double maximum = axis->Maximum() + step;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allow);
        if (allow) axis->ShiftRange(step, false);
    }
    Invalidate();
}

void TCustomChart::DoMouseWheelDown() {
    ScrollVerticalAxes(+1);
    DispatchToolWheel(twkWheelDown, 0, 0, 0);
}

void TCustomChart::DoMouseWheelUp() {
    ScrollVerticalAxes(-1);
    DispatchToolWheel(twkWheelUp, 0, 0, 0);
}
