#pragma once
// A picture resampled to a new size.

#include "chart/effects/ChartFilter.h"

class TResizeFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }

    // The whole bitmap, whatever the rectangle.
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

protected:
    // The sizes no larger than an editor offers, so that wild data cannot
    // ask for an enormous picture.
    int LimitedWidth() const;
    int LimitedHeight() const;

private:
    int width_ = 0;
    int height_ = 0;
};
