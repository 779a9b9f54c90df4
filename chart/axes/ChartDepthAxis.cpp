#include "chart/axes/ChartDepthAxis.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TChartDepthAxis::StaticClass() {
    static const TClassInfo info = TPublished<TChartDepthAxis>("TChartDepthAxis", TChartAxis::StaticClass()).Build();
    return info;
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TChartAxis(chart, true) { visible_ = false; }

void TChartDepthAxis::SetInverted(bool value) {
    TChartAxis::SetInverted(value);
    if (!chart_) return;
    for (TChartAxis* other : chart_->Axes())
        if (other != this && other->IsDepthAxis() && other->Inverted() != value) other->TChartAxis::SetInverted(value);
}

TAxisLabelStyle TChartDepthAxis::AutoLabelStyle() {
    if (chart_)
        for (int i = 0; i < chart_->SeriesCount(); ++i) {
            TChartSeries* series = chart_->SeriesAt(i);
            if (series->Active() && series->HighestZ() != series->LowestZ()) return talValue;
        }
    return talText;
}
