#include "chart/filters/ContrastFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

namespace {

constexpr int kMiddleGrey = 128;

}  // namespace

const TClassInfo& TContrastFilter::StaticClass() {
    static const TClassInfo info = TPublished<TContrastFilter>("TContrastFilter", TAmountFilter::StaticClass()).Build();
    return info;
}

void TContrastFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    const long long amount = amount_;
    if (Percent())
        ForEachChannel(lines_, rect, bitmap.Width(), [amount](std::uint8_t v) {
            const long long scaled = Round(static_cast<double>(v) * amount * 0.01);
            return ClampChannel(v + scaled * (v - kMiddleGrey) / 256);
        });
    else
        ForEachChannel(lines_, rect, bitmap.Width(), [amount](std::uint8_t v) {
            return ClampChannel(v + amount * (v - kMiddleGrey) / 256);
        });
}

std::string TContrastFilter::DisplayName() const { return ChartConst::FilterContrast; }
