#include "chart/effects/FlipFilter.h"

#include "chart/core/ChartConst.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <utility>

const TClassInfo& TFlipFilter::StaticClass() {
    static const TClassInfo info = TPublished<TFlipFilter>("TFlipFilter", TChartFilter::StaticClass()).Build();
    return info;
}

const TClassInfo& TReverseFilter::StaticClass() {
    static const TClassInfo info = TPublished<TReverseFilter>("TReverseFilter", TChartFilter::StaticClass()).Build();
    return info;
}

void TFlipFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    for (int k = 0; r.Top + k < r.Bottom - k; ++k)
        std::swap_ranges(lines_[r.Top + k] + r.Left, lines_[r.Top + k] + r.Right + 1, lines_[r.Bottom - k] + r.Left);
}

std::string TFlipFilter::DisplayName() const { return ChartConst::FilterFlip; }

void TReverseFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    for (int y = r.Top; y <= r.Bottom; ++y)
        std::reverse(lines_[y] + r.Left, lines_[y] + r.Right + 1);
}

std::string TReverseFilter::DisplayName() const { return ChartConst::FilterReverse; }
