#include "chart/filters/BevelFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TBevelFilter::StaticClass() {
    static const TClassInfo info = TPublished<TBevelFilter>("TBevelFilter", TChartFilter::StaticClass())
                                       .Integer("Bright", &TBevelFilter::Bright, &TBevelFilter::SetBright, 64)
                                       .Integer("Size", &TBevelFilter::Size, &TBevelFilter::SetSize, 15)
                                       .Build();
    return info;
}

void TBevelFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const TRect r = InsideBitmap(rect, bitmap.Width(), bitmap.Height());
    auto shift = [](TRGBTriple& p, long long d) {
        p = {ClampChannel(p.Blue + d), ClampChannel(p.Green + d), ClampChannel(p.Red + d)};
    };
    auto line = [this](int y) { return lines_[static_cast<std::size_t>(y)]; };
    for (int k = 0; k < size_; ++k) {
        const bool rows = k < (r.Bottom - r.Top) / 2, columns = k < (r.Right - r.Left) / 2;
        if (!rows && !columns) break;
        if (rows)
            for (int x = r.Left + k; x <= r.Right - k; ++x) {
                shift(line(r.Top + k)[x], bright_);
                shift(line(r.Bottom - k)[x], -static_cast<long long>(bright_));
            }
        if (columns)
            for (int y = r.Top + k + 1; y <= r.Bottom - k; ++y) {
                shift(line(y)[r.Left + k], bright_);
                shift(line(y)[r.Right - k], -static_cast<long long>(bright_));
            }
    }
}

void TBevelFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar("Bright", 1, 255, [this] { return bright_; }, [this](int v) { bright_ = v; });
    creator.AddScrollBar("Size", 1, 1000, [this] { return size_; }, [this](int v) { size_ = v; });
}

std::string TBevelFilter::DisplayName() const { return ChartConst::FilterBevel; }
