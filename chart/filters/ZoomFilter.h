#pragma once
// The centre of a picture enlarged back to its size: a crop by a
// percentage of each side.

#include "chart/effects/ChartFilter.h"

class TZoomFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    double Percent() const { return percent_; }
    void SetPercent(double value) { percent_ = value; }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value) { smooth_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    double percent_ = 10.0;
    bool smooth_ = false;
};
