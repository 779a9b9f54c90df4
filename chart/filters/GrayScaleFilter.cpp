#include "chart/filters/GrayScaleFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Bitmap.h"

namespace {

const TEnumInfo& GrayMethodInfo() {
    static const TEnumInfo info("TGrayMethod", {"gmSimple", "gmEye", "gmEye2"});
    return info;
}

long long GreyOf(TGrayMethod method, const TRGBTriple& p) {
    switch (method) {
        case TGrayMethod::gmEye: return Round(0.3 * p.Red + 0.59 * p.Green + 0.11 * p.Blue);
        case TGrayMethod::gmEye2: return (11 * p.Red + 16 * p.Green + 5 * p.Blue) >> 5;
        case TGrayMethod::gmSimple: break;
    }
    return (p.Blue + p.Green + p.Red) / 3;
}

}  // namespace

const TClassInfo& TGrayScaleFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TGrayScaleFilter>("TGrayScaleFilter", TChartFilter::StaticClass())
            .Enumeration("Method", GrayMethodInfo(), &TGrayScaleFilter::Method, &TGrayScaleFilter::SetMethod, 0)
            .Build();
    return info;
}

void TGrayScaleFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    ForEachPixel(lines_, rect, bitmap.Width(), [this](TRGBTriple& p) {
        const std::uint8_t grey = ClampChannel(GreyOf(method_, p));
        p = {grey, grey, grey};
    });
}

void TGrayScaleFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddChoice("Method", {"Simple", "Eye", "Eye 2"}, [this] { return static_cast<int>(method_); },
                      [this](int v) { method_ = static_cast<TGrayMethod>(std::clamp(v, 0, 2)); });
}

std::string TGrayScaleFilter::DisplayName() const { return ChartConst::FilterGrayScale; }
