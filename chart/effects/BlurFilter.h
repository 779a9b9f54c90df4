#pragma once
// Blur: the 3 x 3 mean (the centre weighted by Amount), run Steps times.

#include "chart/effects/ConvolveFilter.h"

class TBlurFilter : public TConvolveFilter {
    DECLARE_CLASS_INFO
public:
    explicit TBlurFilter(TCollection* collection = nullptr);

    int Amount() const { return amount_; }
    void SetAmount(int value) { amount_ = value; }
    int Steps() const { return steps_; }
    void SetSteps(int value) { steps_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int amount_ = 1;
    int steps_ = 1;
};
