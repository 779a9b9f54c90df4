#include "chart/filters/ResizeFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/effects/BitmapResampling.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr int kLargestSide = 10000;

}  // namespace

const TClassInfo& TResizeFilter::StaticClass() {
    static const TClassInfo info = TPublished<TResizeFilter>("TResizeFilter", TChartFilter::StaticClass())
                                       .Integer("Width", &TResizeFilter::Width, &TResizeFilter::SetWidth, 0)
                                       .Integer("Height", &TResizeFilter::Height, &TResizeFilter::SetHeight, 0)
                                       .Build();
    return info;
}

int TResizeFilter::LimitedWidth() const { return std::min(width_, kLargestSide); }
int TResizeFilter::LimitedHeight() const { return std::min(height_, kLargestSide); }

void TResizeFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty() || width_ <= 0 || height_ <= 0) return;
    const auto copy = ResampledCopy(bitmap, LimitedWidth(), LimitedHeight());
    bitmap.Assign(copy.get());
    lines_.clear();
}

void TResizeFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddIntegerField(ChartConst::CaptionWidth, 0, kLargestSide, [this] { return width_; },
                            [this](int v) { width_ = v; });
    creator.AddIntegerField(ChartConst::CaptionHeight, 0, kLargestSide, [this] { return height_; },
                            [this](int v) { height_ = v; });
}

std::string TResizeFilter::DisplayName() const { return ChartConst::FilterResize; }
