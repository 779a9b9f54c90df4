#include "chart/Chart.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"
#include "ui/Rounding.h"

#include <algorithm>
#include <cstdlib>

// ---- zoom ----

void TCustomChart::SaveAxisScales() {
    savedScales_.assign(Axes().size(), SavedScale{});
    for (std::size_t i = 0; i < Axes().size(); ++i) {
        TChartAxis* axis = Axes()[i];
        if (axis->IsDepthAxis()) continue;
        savedScales_[i] = {axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(), axis->Minimum(),
                           axis->Maximum()};
    }
}

void TCustomChart::RestoreAxisScales() {
    const std::size_t n = std::min(savedScales_.size(), Axes().size());
    for (std::size_t i = 0; i < n; ++i) {
        TChartAxis* axis = Axes()[i];
        if (axis->IsDepthAxis()) continue;
        const SavedScale& s = savedScales_[i];
        axis->RestoreScale(s.automatic, s.automaticMinimum, s.automaticMaximum, s.minimum, s.maximum);
    }
}

void TCustomChart::ZoomToRectangle() {
    zoom_.Normalize();
    ZoomToValues(TopAxis()->ScreenToValue(zoom_.StartX), TopAxis()->ScreenToValue(zoom_.EndX),
                 BottomAxis()->ScreenToValue(zoom_.StartX), BottomAxis()->ScreenToValue(zoom_.EndX),
                 LeftAxis()->ScreenToValue(zoom_.EndY), LeftAxis()->ScreenToValue(zoom_.StartY),
                 RightAxis()->ScreenToValue(zoom_.EndY), RightAxis()->ScreenToValue(zoom_.StartY));
}

void TCustomChart::ZoomToValues(double topMin, double topMax, double bottomMin, double bottomMax, double leftMin,
                                double leftMax, double rightMin, double rightMax) {
    if (firstZoom_) {
        SaveAxisScales();
        firstZoom_ = false;
    }
    const bool vertical = zoom_.Direction != tzdHorizontal;
    const bool horizontal = zoom_.Direction != tzdVertical;
    if (zoom_.Animated) {
        auto step = [](TChartAxis* axis, double minimum, double maximum) {
            axis->SetLimits(axis->Minimum() + (minimum - axis->Minimum()) / 3.0,
                            axis->Maximum() - (axis->Maximum() - maximum) / 3.0);
        };
        for (int i = 1; i < zoom_.AnimatedSteps; ++i) {
            if (vertical) {
                step(LeftAxis(), leftMin, leftMax);
                step(RightAxis(), rightMin, rightMax);
            }
            if (horizontal) {
                step(TopAxis(), topMin, topMax);
                step(BottomAxis(), bottomMin, bottomMax);
            }
            Refresh();
        }
    }
    if (vertical) {
        LeftAxis()->SetLimits(leftMin, leftMax);
        RightAxis()->SetLimits(rightMin, rightMax);
    }
    if (horizontal) {
        TopAxis()->SetLimits(topMin, topMax);
        BottomAxis()->SetLimits(bottomMin, bottomMax);
    }
    zoomActive_ = true;
    if (OnZoom) OnZoom(this);
}

void TCustomChart::UndoZoom() {
    if (!firstZoom_) {
        RestoreAxisScales();
        savedScales_.clear();
        firstZoom_ = true;
    }
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    zoomActive_ = false;
}

bool TCustomChart::HasAxisSeries() const {
    bool anyActive = false;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = SeriesAt(i);
        if (!s->Active()) continue;
        anyActive = true;
        if (s->UsesAxes()) return true;
    }
    return !anyActive;
}

// ---- clicks ----

TChartClickedPart TCustomChart::FindClickedPart(TPoint p, bool onlyClickable) {
    TChartClickedPart part;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = SeriesAt(i);
        if (!s->Active()) continue;
        if (onlyClickable && !s->HasClickEvents() && !OnClickSeries) continue;
        const int index = s->ClickedIndex(p.X, p.Y);
        if (index != -1) return {cpSeries, index, s, nullptr};
    }
    for (TChartAxis* axis : Axes()) {
        if (axis->HitTest(p.X, p.Y)) return {cpAxis, -1, nullptr, axis};
        if (axis->Title().HitTest(p.X, p.Y)) return {cpAxisTitle, -1, nullptr, axis};
    }
    const TRect& r = PlotRect();
    if (ActiveSeriesCount() > 0 && p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom)
        part.Part = cpChartRect;
    return part;
}

bool TCustomChart::BackgroundClick(TMouseButton button, TShiftState shift, int x, int y) {
    if (!OnClickBackground) return false;
    MouseCancelled = true;
    OnClickBackground(this, button, shift, x, y);
    return MouseCancelled;
}

bool TCustomChart::StartDrag(TMouseButton button, TShiftState shift, int x, int y) {
    if (!HasAxisSeries()) return false;
    bool started = false;
    const TRect& r = PlotRect();
    auto holds = [&shift](TShiftState keys) { return (keys * shift) == keys; };
    if (zoom_.Allow && button == zoom_.MouseButton && holds(zoom_.KeyShift)) {
        if (zoom_.Direction == tzdVertical) x = r.Left;
        if (zoom_.Direction == tzdHorizontal) y = r.Top;
        zoom_.Activate(x, y);
        if (zoom_.Direction == tzdVertical) zoom_.EndX = r.Right;
        if (zoom_.Direction == tzdHorizontal) zoom_.EndY = r.Bottom;
        started = true;
    }
    if (allowPanning_ != pmNone && button == scrollMouseButton_) {
        scrollDrag_.Activate(x, y);
        started = true;
    }
    return started;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    if (MouseCancelled || zoom_.Dragging || scrollDrag_.Dragging) return;
    MouseCancelled = false;
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
        case cpChartRect:
            handled = BackgroundClick(button, shift, x, y);
            if (!handled) handled = StartDrag(button, shift, x, y);
            break;
        default: break;
    }
    if (!handled) BackgroundClick(button, shift, x, y);
    MouseCancelled = false;
}

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

void TCustomChart::MouseMove(TShiftState, int x, int y) {
    if (MouseCancelled) return;
    const TRect& r = PlotRect();
    if (zoom_.Dragging) {
        if (zoom_.Direction == tzdVertical) x = r.Right;
        if (zoom_.Direction == tzdHorizontal) y = r.Bottom;
        zoom_.EndX = x;
        zoom_.EndY = y;
        return;
    }
    if (!scrollDrag_.Dragging) return;
    if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) {
        scrollDrag_.Dragging = false;
        return;
    }
    if (x == scrollDrag_.EndX && y == scrollDrag_.EndY) return;
    bool scrolled = false;
    if (firstZoom_) {
        SaveAxisScales();
        firstZoom_ = false;
    }
    if (x != scrollDrag_.EndX && (allowPanning_ == pmHorizontal || allowPanning_ == pmBoth)) {
        ScrollPass(true, x, scrollDrag_.EndX);
        scrolled = true;
    }
    if (y != scrollDrag_.EndY && (allowPanning_ == pmVertical || allowPanning_ == pmBoth)) {
        ScrollPass(false, y, scrollDrag_.EndY);
        scrolled = true;
    }
    scrollDrag_.EndX = x;
    scrollDrag_.EndY = y;
    if (scrolled) {
        if (OnScroll) OnScroll(this);
        Invalidate();
    }
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState, int x, int y) {
    MouseCancelled = false;
    if (zoom_.Dragging && button == zoom_.MouseButton) {
        zoom_.Dragging = false;
        if (zoom_.Direction != tzdVertical) zoom_.EndX = x;
        if (zoom_.Direction != tzdHorizontal) zoom_.EndY = y;
        const bool wide = zoom_.Direction == tzdVertical || std::abs(zoom_.EndX - zoom_.StartX) > zoom_.MinimumPixels;
        const bool tall = zoom_.Direction == tzdHorizontal || std::abs(zoom_.EndY - zoom_.StartY) > zoom_.MinimumPixels;
        if (wide && tall) {
            const bool forward =
                zoom_.Direction == tzdVertical ? zoom_.EndY > zoom_.StartY : zoom_.EndX > zoom_.StartX;
            if (zoom_.UpLeftZooms || forward)
                ZoomToRectangle();
            else
                UndoZoom();
            Invalidate();
        }
    }
    scrollDrag_.Dragging = false;
}

void TCustomChart::MouseWheelDown() {
    if (allowPanning_ != pmVertical && allowPanning_ != pmBoth) return;
    for (TChartAxis* axis : Axes()) {
        if (axis->Horizontal()) continue;
        const double step = (axis->Maximum() - axis->Minimum()) * 0.03;
        double minimum = axis->Minimum() + step;
        double maximum = axis->Maximum() + step;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allow);
        if (allow) axis->ShiftRange(step, false);
    }
}

void TCustomChart::MouseWheelUp() {
    if (allowPanning_ != pmVertical && allowPanning_ != pmBoth) return;
    for (TChartAxis* axis : Axes()) {
        if (axis->Horizontal()) continue;
        const double step = (axis->Maximum() - axis->Minimum()) * 0.03;
        double minimum = axis->Minimum() - step;
        double maximum = axis->Maximum() - step;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allow);
        if (allow) axis->ShiftRange(-step, false);
    }
}

bool TCustomChart::SeriesColorIsFree(TColor color, bool checkBackground, TChartSeries* series) {
    for (int i = 0; i < SeriesCount(); ++i)
        if (SeriesAt(i) != series && SeriesAt(i)->SeriesColor() == color) return false;
    return !(checkBackground && (color == Color || color == walls_.Back.Color()));
}
