#pragma once
// Every channel through a gamma curve; the amount is the gamma in hundredths.

#include "chart/filters/AmountFilter.h"

class TGammaCorrectionFilter : public TAmountFilter {
    DECLARE_CLASS_INFO
public:
    explicit TGammaCorrectionFilter(TCollection* collection = nullptr);
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    std::string DisplayName() const override;

protected:
    bool OnlyPositive() const override { return true; }
};
