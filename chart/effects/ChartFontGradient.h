#pragma once

#include "chart/effects/ChartGradient.h"

// Inside text; with Outline it fills the letters' outline instead of their body.
class TChartFontGradient : public TChartGradient {
    DECLARE_CLASS_INFO
public:
    using TChartGradient::TChartGradient;
    bool Outline() const { return outline_; }
    void SetOutline(bool value);
    using TCustomChartGradient::Assign;
    void Assign(const TChartFontGradient& source) {
        TCustomChartGradient::Assign(source);
        outline_ = source.outline_;
    }
    void Assign(const TPersistent* source) override;

private:
    bool outline_ = false;
};
