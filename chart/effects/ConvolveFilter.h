#pragma once
// A 3 x 3 convolution over a picture; the subclasses fill the kernel.

#include "chart/effects/ChartFilter.h"

class TConvolveFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    explicit TConvolveFilter(TCollection* collection = nullptr);
    // Each inner pixel of `rect` becomes the weighted mean of its 3 x 3
    // block; the rectangle's one-pixel border keeps its values.
    void Apply(TBitmap& bitmap, const TRect& rect) override;

protected:
    // Row by row, top-left first.
    float weights_[3][3] = {};
    float inverseSum_ = 1.0f / 9;
};
