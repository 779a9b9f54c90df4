#pragma once
// A framed box with nothing of its own beyond the shape.

#include "chart/core/ChartCustomShape.h"

class TChartShape : public TChartCustomShape {
public:
    using TChartCustomShape::TChartCustomShape;
};
