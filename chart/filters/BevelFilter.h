#pragma once
// A raised frame: rings along the edges lit on the top and left, shaded on
// the bottom and right.

#include "chart/effects/ChartFilter.h"

class TBevelFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    int Bright() const { return bright_; }
    void SetBright(int value) { bright_ = value; }
    // How many rings.
    int Size() const { return size_; }
    void SetSize(int value) { size_ = value; }

    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int bright_ = 64;
    int size_ = 15;
};
