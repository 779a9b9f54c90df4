#pragma once
// Channels pushed away from (or drawn towards) the middle grey.

#include "chart/filters/AmountFilter.h"

class TContrastFilter : public TAmountFilter {
    DECLARE_CLASS_INFO
public:
    using TAmountFilter::TAmountFilter;
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;
};
