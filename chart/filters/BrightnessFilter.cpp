#include "chart/filters/BrightnessFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TBrightnessFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TBrightnessFilter>("TBrightnessFilter", TAmountFilter::StaticClass()).Build();
    return info;
}

void TBrightnessFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (amount_ == 0) return;
    // the percentage is taken in single precision
    const long long d = Percent() ? Round(static_cast<float>(amount_) * 0.01f * 255.0f) : amount_;
    ForEachChannel(lines_, rect, bitmap.Width(), [d](std::uint8_t v) { return ClampChannel(v + d); });
}

std::string TBrightnessFilter::DisplayName() const { return ChartConst::FilterBrightness; }
