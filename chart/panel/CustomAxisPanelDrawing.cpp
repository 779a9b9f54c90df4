// The drawing cycle of the axis panel: the fixed order in which the chart's
// parts are laid out and drawn.

#include "chart/panel/CustomAxisPanel.h"

#include "chart/canvas/ChartCanvas.h"
#include "chart/series/ChartSeries.h"

#include <algorithm>

namespace {

// Keeps repaint requests quiet while the chart draws: handlers that change
// properties during the cycle must not start another one.
class QuietRepaints {
public:
    explicit QuietRepaints(TCustomChartPanel& panel) : panel_(panel), was_(panel.RepaintOnChange()) {
        panel_.SetRepaintOnChange(false);
    }
    ~QuietRepaints() { panel_.SetRepaintOnChange(was_); }
    QuietRepaints(const QuietRepaints&) = delete;
    QuietRepaints& operator=(const QuietRepaints&) = delete;

private:
    TCustomChartPanel& panel_;
    bool was_;
};

}  // namespace

void TCustomAxisPanel::DrawContents(const TRect& rect) {
    QuietRepaints quiet(*this);
    ComputeSeriesDrawOrderFlag();
    const bool fullRotation = canvas_ && canvas_->SupportsRotation3D();
    if (!fullRotation) DrawPanelBackground(rect);
    AnnounceToolEvent(cteBeforeDraw);
    if (OnBeforeDrawChart) OnBeforeDrawChart(this);
    if (!fullRotation) DrawTitlesPass(true);
    ComputeZOrders();
    ComputePlotRect3D();
    LayoutAxes();
    ApplySeriesMargins();
    if (canvas_) canvas_->SetupProjection(depth3DWidth_, plotRect_);
    DrawAllWalls();
    if (axisBehind_) {
        AnnounceToolEvent(cteBeforeDrawAxes);
        DrawAxes();
    }
    AnnounceToolEvent(cteBeforeDrawSeries);
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    DrawAllSeries();
    AnnounceToolEvent(cteAfterDrawSeries);
    if (!axisBehind_) {
        AnnounceToolEvent(cteBeforeDrawAxes);
        DrawAxes();
    }
    DrawTitlesPass(false);
    DrawZoomRectangleInCycle();
    AnnounceToolEvent(cteAfterDraw);
    if (canvas_) canvas_->SetDefaultTools();
    FireEvent(OnAfterDraw, this);
}

void TCustomAxisPanel::ComputeZOrders() {
    highestZOrder_ = 0;
    const bool inDepth = useZOrder_ && view3D_;
    if (inDepth) {
        highestZOrder_ = -1;
        for (TChartSeries* s : series_)
            if (s->Active()) s->ComputeZOrder(highestZOrder_);
    }
    // Seen from the front the first series stands at the back; an inverted
    // depth axis keeps the orders as taken. Without depth every series
    // stands at the front, whichever way the axis runs.
    if (inDepth && depthAxis_->Inverted()) return;
    for (TChartSeries* s : series_)
        if (s->Active()) s->SetInternalZOrder(inDepth ? highestZOrder_ - s->EffectiveZOrder() : 0);
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
    FinishPlotRect();
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
    const bool floorReversed = IsPlaneReversed(0);
    for (TChartAxis* axis : axes_)
        if (AxisIsVisible(axis) && !(axis == bottomAxis_ && floorReversed)) axis->PaintAxis(true);
}

void TCustomAxisPanel::DrawAllSeries() {
    // a copy: a handler may take a series off the chart while it draws
    std::vector<TChartSeries*> order(series_);
    if (depthAxis_->Inverted() != IsPlaneReversed(depth3DWidth_)) std::reverse(order.begin(), order.end());
    for (TChartSeries* s : order) {
        if (!s->Active()) continue;
        s->ComputeDepthPositions();
        if (!view3D_ || !s->SharesZOrder())
            DrawSeries(s);
        else if (s->IsDrawingVisible())
            DrawSeriesGroup(s);
    }
}

void TCustomAxisPanel::ClipToChart() {
    // the box over the plot, one pixel more above and below, through the depth
    const TRect& r = plotRect_;
    canvas_->ClipToBox(TRect{r.Left, r.Top - 1, r.Right, r.Bottom + 1}, 0, depth3DWidth_);
}

bool TCustomAxisPanel::ClipsSeries(const TChartSeries* series) const {
    return series->UsesAxes() && clipPoints_ && canvas_ && ClipAllowed();
}

void TCustomAxisPanel::DrawSeries(TChartSeries* series) {
    series->ComputeVisibleRange();
    if (series->FirstVisibleIndex() == -1) return;
    series->DoBeforeDrawValues();
    const bool clip = ClipsSeries(series);
    if (clip) ClipToChart();
    series->DrawAllPoints();
    if (clip) canvas_->RemoveClip();
    DrawSeriesMarks(series);
    series->DoAfterDrawValues();
}

void TCustomAxisPanel::DrawSeriesGroup(TChartSeries* drawing) {
    // the active series from this one on that stand at the same depth, drawn point by point together
    std::vector<TChartSeries*> group;
    for (int i = SeriesIndexOf(drawing); i < SeriesCount(); ++i) {
        TChartSeries* s = series_[i];
        if (!s->Active() || s->EffectiveZOrder() != drawing->EffectiveZOrder()) continue;
        s->ComputeDepthPositions();
        group.push_back(s);
    }
    std::vector<TChartSeries*> shown;
    int first = -1, last = -1;
    bool clipped = false;
    for (TChartSeries* s : group) {
        s->ComputeVisibleRange();
        if (s->FirstVisibleIndex() == -1) continue;
        s->DoBeforeDrawValues();
        shown.push_back(s);
        first = std::max(first, s->FirstVisibleIndex());
        last = std::max(last, s->LastVisibleIndex());
        if (!clipped && ClipsSeries(s)) {
            ClipToChart();
            clipped = true;
        }
    }
    auto drawPoint = [&](int i) {
        const bool forward = !seriesDrawOrderFlag_ || i >= drawing->Count();
        auto draw = [i](TChartSeries* s) {
            if (i < s->Count()) s->DrawOnePoint(i);
        };
        if (forward)
            std::for_each(group.begin(), group.end(), draw);
        else
            std::for_each(group.rbegin(), group.rend(), draw);
    };
    if (first != -1) {
        if (drawing->PointsDrawnForward())
            for (int i = first; i <= last; ++i) drawPoint(i);
        else
            for (int i = last; i >= first; --i) drawPoint(i);
    }
    if (clipped) canvas_->RemoveClip();
    for (TChartSeries* s : shown) {
        DrawSeriesMarks(s);
        s->DoAfterDrawValues();
    }
}

void TCustomAxisPanel::DrawLegendSymbolRect(const TRect& rect) {
    if (Canvas()) Canvas()->Rectangle(rect);
}
