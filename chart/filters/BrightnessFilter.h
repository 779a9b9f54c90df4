#pragma once
// Every channel lifted (or lowered) by the amount, in percent of full scale
// or in channel steps.

#include "chart/filters/AmountFilter.h"

class TBrightnessFilter : public TAmountFilter {
    DECLARE_CLASS_INFO
public:
    using TAmountFilter::TAmountFilter;
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;
};
