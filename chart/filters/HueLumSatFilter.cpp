#include "chart/filters/HueLumSatFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/HlsColor.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& THueLumSatFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<THueLumSatFilter>("THueLumSatFilter", TChartFilter::StaticClass())
            .Integer("Hue", &THueLumSatFilter::Hue, &THueLumSatFilter::SetHue, 0)
            .Integer("Luminance", &THueLumSatFilter::Luminance, &THueLumSatFilter::SetLuminance, 0)
            .Integer("Saturation", &THueLumSatFilter::Saturation, &THueLumSatFilter::SetSaturation, 0)
            .Build();
    return info;
}

void THueLumSatFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (hue_ == 0 && luminance_ == 0 && saturation_ == 0) return;
    auto shifted = [](int value, int offset) { return offset == 0 ? value : int{ClampChannel(value + static_cast<long long>(offset))}; };
    ForEachPixel(lines_, rect, bitmap.Width(), [&](TRGBTriple& p) {
        THlsColor hls = RgbToHls(p);
        hls.Hue = shifted(hls.Hue, hue_);
        hls.Luminance = shifted(hls.Luminance, luminance_);
        hls.Saturation = shifted(hls.Saturation, saturation_);
        p = HlsToRgb(hls);
    });
}

void THueLumSatFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar("Hue", -255, 255, [this] { return hue_; }, [this](int v) { hue_ = v; });
    creator.AddScrollBar("Luminance", -255, 255, [this] { return luminance_; }, [this](int v) { luminance_ = v; });
    creator.AddScrollBar("Saturation", -255, 255, [this] { return saturation_; }, [this](int v) { saturation_ = v; });
}

std::string THueLumSatFilter::DisplayName() const { return ChartConst::FilterHueLumSat; }
