#pragma once
// A picture in shades of grey: the plain mean of the channels, or weighted
// as the eye sees them.

#include "chart/effects/ChartFilter.h"

enum class TGrayMethod { gmSimple, gmEye, gmEye2 };

class TGrayScaleFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    TGrayMethod Method() const { return method_; }
    void SetMethod(TGrayMethod value) { method_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    TGrayMethod method_ = TGrayMethod::gmSimple;
};
