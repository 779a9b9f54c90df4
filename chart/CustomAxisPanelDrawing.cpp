// The drawing cycle of the axis panel: the fixed order in which the chart's
// parts are laid out and drawn.

#include "chart/CustomAxisPanel.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartSeries.h"

#include <algorithm>

void TCustomAxisPanel::DrawContents(const TRect& rect) {
    seriesDrawOrderFlag_ = false;  // a 2D view is seen from the front
    DrawPanelBackground(rect);
    if (OnBeforeDrawChart) OnBeforeDrawChart(this);
    DrawTitlesPass(true);
    highestZOrder_ = 0;
    ComputePlotRect3D();
    LayoutAxes();
    ApplySeriesMargins();
    DrawAllWalls();
    if (axisBehind_) DrawAxes();
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    for (TChartSeries* s : std::vector<TChartSeries*>(series_))
        if (s->Active()) DrawSeries(s);
    if (!axisBehind_) DrawAxes();
    DrawTitlesPass(false);
    if (canvas_) canvas_->SetDefaultTools();
    if (OnAfterDraw) OnAfterDraw(this);
}

void TCustomAxisPanel::LayoutAxes() {
    for (TChartAxis* axis : axes_) {
        SetAxisShown(axis, ComputeAxisVisible(axis));
        axis->ComputeEffectiveRange();
    }
    for (TChartAxis* axis : axes_) axis->ComputePixelSpan();
    TRect a = plotRect_;
    for (std::size_t i = 0; i < axes_.size(); ++i) {
        TChartAxis* axis = axes_[i];
        if (!AxisIsVisible(axis)) continue;
        TRect copy = a;
        axis->ReserveBands(copy, i <= 4);
        // the shrunk copy still meets the rectangle: keep their intersection
        const TRect meet{std::max(a.Left, copy.Left), std::max(a.Top, copy.Top), std::min(a.Right, copy.Right),
                         std::min(a.Bottom, copy.Bottom)};
        if (meet.Left < meet.Right && meet.Top < meet.Bottom) a = meet;
    }
    if (!fixedPlotRect_) plotRect_ = a;
    for (TChartAxis* axis : axes_) axis->ComputePixelSpan();
}

void TCustomAxisPanel::ApplySeriesMargins() {
    for (TChartAxis* axis : axes_) {
        TRect margins{0, 0, 0, 0};
        for (TChartSeries* s : series_) {
            if (!s->Active() || !s->IsBoundToAxis(axis)) continue;
            int a = 0, b = 0;
            if (axis->Horizontal()) {
                s->ComputeHorizMargins(a, b);
                if (axis->AutomaticMinimum()) margins.Left = std::max(margins.Left, a);
                if (axis->AutomaticMaximum()) margins.Right = std::max(margins.Right, b);
            } else {
                s->ComputeVertMargins(a, b);
                if (axis->AutomaticMaximum()) margins.Top = std::max(margins.Top, a);
                if (axis->AutomaticMinimum()) margins.Bottom = std::max(margins.Bottom, b);
            }
        }
        int toMinimum = axis->MinimumOffset();
        int toMaximum = axis->MaximumOffset();
        if (axis->Inverted()) std::swap(toMinimum, toMaximum);
        if (axis->Horizontal()) {
            margins.Left += toMinimum;
            margins.Right += toMaximum;
        } else {
            margins.Bottom += toMinimum;
            margins.Top += toMaximum;
        }
        if (margins.Left || margins.Right || margins.Top || margins.Bottom) axis->ApplyPixelMargins(margins);
    }
}

void TCustomAxisPanel::DrawAxes() {
    if (!axisVisible_) return;
    if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
    for (TChartAxis* axis : axes_)
        if (AxisIsVisible(axis)) axis->PaintAxis(true);
}

void TCustomAxisPanel::DrawSeries(TChartSeries* series) {
    series->ComputeVisibleRange();
    if (series->FirstVisibleIndex() == -1) return;
    series->DoBeforeDrawValues();
    const bool clip = series->UsesAxes() && clipPoints_ && canvas_;
    if (clip) {
        // one pixel of room above and below the plot
        TRect r = plotRect_;
        --r.Top;
        ++r.Bottom;
        canvas_->ClipToRect(r);
    }
    series->DrawAllPoints();
    if (clip) canvas_->RemoveClip();
    series->DoAfterDrawValues();
}
