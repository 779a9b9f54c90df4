#include "chart/filters/InvertFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TInvertFilter::StaticClass() {
    static const TClassInfo info = TPublished<TInvertFilter>("TInvertFilter", TChartFilter::StaticClass()).Build();
    return info;
}

void TInvertFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    ForEachChannel(lines_, rect, bitmap.Width(), [](std::uint8_t v) { return static_cast<std::uint8_t>(255 - v); });
}

std::string TInvertFilter::DisplayName() const { return ChartConst::FilterInvert; }
