#pragma once
// Squares of Amount pixels, each filled with its mean colour.

#include "chart/filters/AmountFilter.h"

class TMosaicFilter : public TAmountFilter {
    DECLARE_CLASS_INFO
public:
    explicit TMosaicFilter(TCollection* collection = nullptr);
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;

protected:
    bool OnlyPositive() const override { return true; }
};
