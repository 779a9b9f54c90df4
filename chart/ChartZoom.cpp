#include "chart/ChartZoom.h"

#include <utility>

void TZoomPanning::Normalize() {
    if (EndX < StartX) std::swap(StartX, EndX);
    if (EndY < StartY) std::swap(StartY, EndY);
}

void TChartZoom::Assign(const TChartZoom& source) {
    Allow = source.Allow;
    Animated = source.Animated;
    AnimatedSteps = source.AnimatedSteps;
    SetBrush(source.brush_.get());
    Direction = source.Direction;
    KeyShift = source.KeyShift;
    MouseButton = source.MouseButton;
    SetPen(source.pen_.get());
}

TChartZoomPen& TChartZoom::Pen() {
    if (!pen_) pen_ = std::make_unique<TChartZoomPen>();
    return *pen_;
}

TChartZoomBrush& TChartZoom::Brush() {
    if (!brush_) brush_ = std::make_unique<TChartZoomBrush>();
    return *brush_;
}

void TChartZoom::SetPen(const TChartPen* pen) {
    if (!pen)
        pen_.reset();
    else
        Pen().Assign(static_cast<const TPersistent*>(pen));
}

void TChartZoom::SetBrush(const TChartBrush* brush) {
    if (!brush)
        brush_.reset();
    else
        Brush().Assign(static_cast<const TPersistent*>(brush));
}
