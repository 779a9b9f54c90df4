#pragma once
// The negative of a picture.

#include "chart/effects/ChartFilter.h"

class TInvertFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;
};
