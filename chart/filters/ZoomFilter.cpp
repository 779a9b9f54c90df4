#include "chart/filters/ZoomFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/CropFilter.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>

namespace {

// A percentage beyond this would crop nothing but white.
constexpr double kLargestPercent = 100;

}  // namespace

const TClassInfo& TZoomFilter::StaticClass() {
    static const TClassInfo info = TPublished<TZoomFilter>("TZoomFilter", TChartFilter::StaticClass())
                                       .Float("Percent", &TZoomFilter::Percent, &TZoomFilter::SetPercent)
                                       .Boolean("Smooth", &TZoomFilter::Smooth, &TZoomFilter::SetSmooth, false)
                                       .Build();
    return info;
}

void TZoomFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    const int w = r.Right - r.Left + 1, h = r.Bottom - r.Top + 1;
    if (w < 1 || h < 1) return;
    const double percent = std::isfinite(percent_) ? std::clamp(percent_, -kLargestPercent, kLargestPercent) : 0;
    const auto dx = static_cast<int>(Round(w * percent * 0.005)), dy = static_cast<int>(Round(h * percent * 0.005));
    TCropFilter crop;
    crop.SetLeft(dx);
    crop.SetTop(dy);
    crop.SetWidth(std::max(1, w - 2 * dx));
    crop.SetHeight(std::max(1, h - 2 * dy));
    crop.SetSmooth(smooth_);
    if (w == bitmap.Width() && h == bitmap.Height()) {
        crop.ApplyToBitmap(bitmap);
        return;
    }
    TBitmap part(w, h, TPixelFormat::pf24bit);
    for (int y = 0; y < h; ++y)
        std::copy_n(lines_[static_cast<std::size_t>(r.Top + y)] + r.Left, w, static_cast<TRGBTriple*>(part.ScanLine(y)));
    crop.ApplyToBitmap(part);
    for (int y = 0; y < h; ++y)
        std::copy_n(static_cast<const TRGBTriple*>(part.ScanLine(y)), w, lines_[static_cast<std::size_t>(r.Top + y)] + r.Left);
}

void TZoomFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar(ChartConst::CaptionPercent, 0, 100, [this] { return static_cast<int>(Round(percent_)); },
                         [this](int v) { percent_ = v; });
    creator.AddCheckBox(ChartConst::CaptionSmooth, [this] { return smooth_; }, [this](bool v) { smooth_ = v; });
}

std::string TZoomFilter::DisplayName() const { return ChartConst::FilterZoom; }
