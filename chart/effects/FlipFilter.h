#pragma once
// Mirroring a picture in place: upside down (flip) or left to right (reverse).

#include "chart/effects/ChartFilter.h"

class TFlipFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;
};

class TReverseFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;
};
