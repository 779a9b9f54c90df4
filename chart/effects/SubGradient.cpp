#include "chart/effects/SubGradient.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/effects/detail/GradientColours.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TSubGradient::StaticClass() {
    static const TClassInfo info = [] {
        TPublished<TSubGradient> p("TSubGradient", TCustomChartGradient::StaticClass());
        PublishColours(p)
            .Integer("Transparency", &TSubGradient::Transparency, &TSubGradient::SetTransparency, 50)
            .Boolean("Visible", &TSubGradient::Visible, &TSubGradient::SetVisible, false);
        return p.Build();
    }();
    return info;
}

void TSubGradient::SetTransparency(int v) {
    if (StoreIfChanged(transparency_, v)) Changed();
}
