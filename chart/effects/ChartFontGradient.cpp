#include "chart/effects/ChartFontGradient.h"

#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TChartFontGradient::StaticClass() {
    static const TClassInfo info = TPublished<TChartFontGradient>("TChartFontGradient", TChartGradient::StaticClass())
                                       .Boolean("Outline", &TChartFontGradient::Outline,
                                                &TChartFontGradient::SetOutline, false)
                                       .Build();
    return info;
}

void TChartFontGradient::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartFontGradient*>(source))
        Assign(*other);
    else
        TCustomChartGradient::Assign(source);
}

void TChartFontGradient::SetOutline(bool v) {
    if (StoreIfChanged(outline_, v)) Changed();
}
