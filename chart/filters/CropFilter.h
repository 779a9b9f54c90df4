#pragma once
// A part of a picture enlarged over the whole of it.

#include "chart/filters/ResizeFilter.h"

class TCropFilter : public TResizeFilter {
    DECLARE_CLASS_INFO
public:
    using TResizeFilter::TResizeFilter;

    int Left() const { return left_; }
    void SetLeft(int value) { left_ = value; }
    int Top() const { return top_; }
    void SetTop(int value) { top_ = value; }
    // Resampled rather than stretched pixel by pixel.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value) { smooth_ = value; }

    // The whole bitmap, whatever the rectangle; it keeps its size.
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int left_ = 0;
    int top_ = 0;
    bool smooth_ = false;
};
