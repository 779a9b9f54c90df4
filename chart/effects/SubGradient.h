#pragma once
// A gradient drawn semi-transparently over its owner gradient.

#include "chart/effects/ChartGradient.h"

class TSubGradient : public TCustomChartGradient {
    DECLARE_CLASS_INFO
public:
    using TCustomChartGradient::TCustomChartGradient;
    int Transparency() const { return transparency_; }
    void SetTransparency(int value);

private:
    int transparency_ = 50;
};
