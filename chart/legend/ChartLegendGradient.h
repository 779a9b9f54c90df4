#pragma once

#include "chart/canvas/ChangeCallback.h"
#include "chart/effects/ChartGradient.h"

// The legend's gradient: grey to white from the right.
class TChartLegendGradient : public TChartGradient {
public:
    explicit TChartLegendGradient(TChangeEvent onChange = nullptr);
};
