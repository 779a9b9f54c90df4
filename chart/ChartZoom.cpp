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
    Direction = source.Direction;
    KeyShift = source.KeyShift;
    MouseButton = source.MouseButton;
    if (source.pen_) Pen().Assign(*source.pen_);
    if (source.brush_)
        Brush().Assign(*source.brush_);
    else
        brush_.reset();
}

TChartPen& TChartZoom::Pen() {
    if (!pen_) {
        pen_ = std::make_unique<TChartPen>();
        pen_->SetColor(clWhite);
    }
    return *pen_;
}

TChartBrush& TChartZoom::Brush() {
    if (!brush_) {
        brush_ = std::make_unique<TChartBrush>();
        brush_->SetColor(clWhite);
        brush_->SetStyle(TBrushStyle::bsClear);
    }
    return *brush_;
}
