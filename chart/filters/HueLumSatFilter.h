#pragma once
// Offsets added to a picture's hue, luminance and saturation.

#include "chart/effects/ChartFilter.h"

class THueLumSatFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    int Hue() const { return hue_; }
    void SetHue(int value) { hue_ = value; }
    int Luminance() const { return luminance_; }
    void SetLuminance(int value) { luminance_ = value; }
    int Saturation() const { return saturation_; }
    void SetSaturation(int value) { saturation_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int hue_ = 0;
    int luminance_ = 0;
    int saturation_ = 0;
};
