#pragma once

#include "chart/axes/ChartAxis.h"

// The chart's two depth axes: hidden by default; inverting one inverts both.
class TChartDepthAxis : public TChartAxis {
    DECLARE_CLASS_INFO
public:
    explicit TChartDepthAxis(TCustomAxisPanel* chart);
    void SetInverted(bool value) override;
    TAxisLabelStyle AutoLabelStyle() override;
};
