#include "chart/panel/ZoomPanning.h"

#include <utility>

void TZoomPanning::Normalize() {
    if (EndX < StartX) std::swap(StartX, EndX);
    if (EndY < StartY) std::swap(StartY, EndY);
}
