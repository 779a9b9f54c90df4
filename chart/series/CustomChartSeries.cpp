#include "chart/series/CustomChartSeries.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TCustomChartSeries::StaticClass() {
    static const TClassInfo info = TPublished<TCustomChartSeries>("TCustomChartSeries", TCustomChartElement::StaticClass())
        .Boolean("ShowInLegend", &TCustomChartSeries::ShowInLegend, &TCustomChartSeries::SetShowInLegend, true)
        .String("Title", &TCustomChartSeries::Title, &TCustomChartSeries::SetTitle)
        .Stored([](const TCustomChartSeries& s) { return !s.Title().empty(); })
        .Build();
    return info;
}

void TCustomChartSeries::SetShowInLegend(bool value) {
    if (showInLegend_ == value) return;
    showInLegend_ = value;
    Repaint();
}

void TCustomChartSeries::SetTitle(const std::string& value) {
    if (title_ == value) return;
    title_ = value;
    Repaint();
    if (parentChart_) parentChart_->AnnounceSeriesEvent(this, seChangeTitle);
}
