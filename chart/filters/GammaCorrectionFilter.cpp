#include "chart/filters/GammaCorrectionFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/filters/detail/PixelLoops.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kDefaultGamma = 70;
// Keeps the exponent finite for an amount of 0.
constexpr double kSmallestGamma = 0.001;

}  // namespace

const TClassInfo& TGammaCorrectionFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TGammaCorrectionFilter>("TGammaCorrectionFilter", TAmountFilter::StaticClass())
            .Integer("Amount", &TGammaCorrectionFilter::Amount, &TGammaCorrectionFilter::SetAmount, kDefaultGamma)
            .Build();
    return info;
}

TGammaCorrectionFilter::TGammaCorrectionFilter(TCollection* collection) : TAmountFilter(collection) {
    amount_ = kDefaultGamma;
}

void TGammaCorrectionFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    TChartFilter::Apply(bitmap, rect);
    if (lines_.empty()) return;
    const double gamma = std::max(std::abs(static_cast<double>(amount_)) / 100.0, kSmallestGamma);
    std::array<std::uint8_t, 256> table{};
    for (int i = 1; i < 256; ++i) table[static_cast<std::size_t>(i)] = ClampChannel(Round(255 * std::pow(i / 255.0, 1 / gamma)));
    ForEachChannel(lines_, rect, bitmap.Width(), [&table](std::uint8_t v) { return table[v]; });
}

std::string TGammaCorrectionFilter::DisplayName() const { return ChartConst::FilterGammaCorrection; }
