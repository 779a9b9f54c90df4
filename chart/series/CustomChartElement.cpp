#include "chart/series/CustomChartElement.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/CustomChartSeries.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TCustomChartElement::StaticClass() {
    static const TClassInfo info = TPublished<TCustomChartElement>("TCustomChartElement", TComponent::StaticClass())
        .Boolean("Active", &TCustomChartElement::Active, &TCustomChartElement::SetActive, true)
        .Build();
    return info;
}

TCustomChartElement::TCustomChartElement(TComponent* owner)
    : TComponent(owner), pen_([this] { Repaint(); }), brush_([this] { Repaint(); }) {}

void TCustomChartElement::SetActive(bool value) {
    if (active_ == value) return;
    active_ = value;
    Repaint();
}

void TCustomChartElement::SetParentChart(TCustomAxisPanel* chart) {
    if (parentChart_ == chart) return;
    auto* series = dynamic_cast<TCustomChartSeries*>(this);
    if (parentChart_ && series) parentChart_->RemoveSeries(series);
    parentChart_ = chart;
    if (parentChart_ && series) parentChart_->AddSeries(series);
}

TComponent* TCustomChartElement::GetParentComponent() const { return parentChart_; }

void TCustomChartElement::SetParentComponent(TComponent* parent) {
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) SetParentChart(chart);
}

void TCustomChartElement::Repaint() {
    if (parentChart_) parentChart_->Invalidate();
}
