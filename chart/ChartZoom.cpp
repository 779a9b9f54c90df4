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
}
