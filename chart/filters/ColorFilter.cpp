#include "chart/filters/ColorFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TColorFilter::StaticClass() {
    static const TClassInfo info = TPublished<TColorFilter>("TColorFilter", TChartFilter::StaticClass())
                                       .Integer("Red", &TColorFilter::Red, &TColorFilter::SetRed, 0)
                                       .Integer("Green", &TColorFilter::Green, &TColorFilter::SetGreen, 0)
                                       .Integer("Blue", &TColorFilter::Blue, &TColorFilter::SetBlue, 0)
                                       .Build();
    return info;
}

void TColorFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (red_ == 0 && green_ == 0 && blue_ == 0) return;
    ForEachPixel(lines_, rect, bitmap.Width(), [this](TRGBTriple& p) {
        p.Red = ClampChannel(p.Red + static_cast<long long>(red_));
        p.Green = ClampChannel(p.Green + static_cast<long long>(green_));
        p.Blue = ClampChannel(p.Blue + static_cast<long long>(blue_));
    });
}

void TColorFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar("Red", -255, 255, [this] { return red_; }, [this](int v) { red_ = v; });
    creator.AddScrollBar("Green", -255, 255, [this] { return green_; }, [this](int v) { green_ = v; });
    creator.AddScrollBar("Blue", -255, 255, [this] { return blue_; }, [this](int v) { blue_ = v; });
}

std::string TColorFilter::DisplayName() const { return ChartConst::FilterColor; }
