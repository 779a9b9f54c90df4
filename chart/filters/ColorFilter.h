#pragma once
// Offsets added to the red, green and blue channels.

#include "chart/effects/ChartFilter.h"

class TColorFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    int Red() const { return red_; }
    void SetRed(int value) { red_ = value; }
    int Green() const { return green_; }
    void SetGreen(int value) { green_ = value; }
    int Blue() const { return blue_; }
    void SetBlue(int value) { blue_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
};
