#include "chart/filters/CropFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/effects/BitmapResampling.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr int kLargestPlace = 10000;

}  // namespace

const TClassInfo& TCropFilter::StaticClass() {
    static const TClassInfo info = TPublished<TCropFilter>("TCropFilter", TResizeFilter::StaticClass())
                                       .Integer("Left", &TCropFilter::Left, &TCropFilter::SetLeft, 0)
                                       .Integer("Top", &TCropFilter::Top, &TCropFilter::SetTop, 0)
                                       .Boolean("Smooth", &TCropFilter::Smooth, &TCropFilter::SetSmooth, false)
                                       .Build();
    return info;
}

void TCropFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty() || Width() < 1 || Height() < 1) return;
    const int w = bitmap.Width(), h = bitmap.Height();
    // the area, white where it runs off the picture
    TBitmap area(LimitedWidth(), LimitedHeight(), TPixelFormat::pf24bit);
    for (int y = 0; y < area.Height(); ++y) {
        const long sy = static_cast<long>(top_) + y;
        if (sy < 0 || sy >= h) continue;
        auto* row = static_cast<TRGBTriple*>(area.ScanLine(y));
        for (int x = 0; x < area.Width(); ++x) {
            const long sx = static_cast<long>(left_) + x;
            if (sx >= 0 && sx < w) row[x] = lines_[static_cast<std::size_t>(sy)][sx];
        }
    }
    if (smooth_) {
        const auto enlarged = ResampledCopy(area, w, h);
        for (int y = 0; y < h; ++y)
            std::copy_n(static_cast<const TRGBTriple*>(enlarged->ScanLine(y)), w, lines_[static_cast<std::size_t>(y)]);
    } else {
        bitmap.Canvas()->StretchDraw(TRect{0, 0, w, h}, &area);
    }
}

void TCropFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TResizeFilter::AddEditorControls(creator, std::move(changed));
    creator.AddIntegerField(ChartConst::CaptionLeft, 0, kLargestPlace, [this] { return left_; },
                            [this](int v) { left_ = v; });
    creator.AddIntegerField(ChartConst::CaptionTop, 0, kLargestPlace, [this] { return top_; },
                            [this](int v) { top_ = v; });
    creator.AddCheckBox(ChartConst::CaptionSmooth, [this] { return smooth_; }, [this](bool v) { smooth_ = v; });
}

std::string TCropFilter::DisplayName() const { return ChartConst::FilterCrop; }
