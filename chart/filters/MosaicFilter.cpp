#include "chart/filters/MosaicFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

namespace {

constexpr int kDefaultBlock = 8;

}  // namespace

const TClassInfo& TMosaicFilter::StaticClass() {
    static const TClassInfo info = TPublished<TMosaicFilter>("TMosaicFilter", TAmountFilter::StaticClass())
                                       .Integer("Amount", &TMosaicFilter::Amount, &TMosaicFilter::SetAmount, kDefaultBlock)
                                       .Build();
    return info;
}

TMosaicFilter::TMosaicFilter(TCollection* collection) : TAmountFilter(collection) { amount_ = kDefaultBlock; }

void TMosaicFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty() || amount_ < 1) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    // blocks from the top-left corner; the last ones in each direction end at the rectangle's edge
    for (long top = r.Top; top <= r.Bottom; top += amount_)
        for (long left = r.Left; left <= r.Right; left += amount_) {
            const TRect block{static_cast<int>(left), static_cast<int>(top),
                              static_cast<int>(std::min<long>(left + amount_ - 1, r.Right)),
                              static_cast<int>(std::min<long>(top + amount_ - 1, r.Bottom))};
            long long b = 0, g = 0, red = 0;
            ForEachPixel(lines_, block, bitmap.Width(), [&](const TRGBTriple& p) {
                b += p.Blue;
                g += p.Green;
                red += p.Red;
            });
            const double count = double(block.Right - block.Left + 1) * (block.Bottom - block.Top + 1);
            auto mean = [count](long long sum) { return ClampChannel(Round(sum / count)); };
            const TRGBTriple average{mean(b), mean(g), mean(red)};
            ForEachPixel(lines_, block, bitmap.Width(), [&average](TRGBTriple& p) { p = average; });
        }
}

std::string TMosaicFilter::DisplayName() const { return ChartConst::FilterMosaic; }
