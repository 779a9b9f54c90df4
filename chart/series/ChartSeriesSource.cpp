// Where a series takes its points from: other series and source components.

#include "chart/series/ChartSeriesSource.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

#include <algorithm>
#include <typeinfo>

// ---- source component ----

TChartSeriesSource::TChartSeriesSource(TComponent* owner) : TComponent(owner) {}

TChartSeriesSource::~TChartSeriesSource() {
    Destroying();
    ChangeActive(false);
}

void TChartSeriesSource::AttachSeries(TChartSeries* series) {
    if (series_ == series) return;
    Deactivate();
    if (series_) RemoveFreeNotification(series_);
    TChartSeries* old = series_;
    series_ = series;
    if (series_) {
        FreeNotification(series_);
        if (series_->DataSources().IndexOf(this) < 0) series_->SetDataSource(this);
    } else if (old && old->DataSource() == this) {
        old->SetDataSource(nullptr);
    }
}

void TChartSeriesSource::ChangeActive(bool value) {
    if (value != active_ && series_) {
        if (value) {
            active_ = true;
            if (!IsLoading()) LoadPoints();
        } else if (!IsDestroying() && !series_->IsDestroying()) {
            series_->Clear();
        }
    }
    active_ = value;
}

bool TChartSeriesSource::FeedsSeries(const TChartSeries* series) const {
    const TComponent* source = series ? series->DataSource() : nullptr;
    return source && typeid(*source) == typeid(*this);
}

void TChartSeriesSource::Deactivate() {
    if (!IsLoading() && !IsDestroying()) ChangeActive(false);
}

void TChartSeriesSource::Reload() {
    if (active_ && !IsLoading()) LoadPoints();
}

void TChartSeriesSource::Loaded() {
    TComponent::Loaded();
    Reload();
}

void TChartSeriesSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == series_) series_ = nullptr;
}

// ---- the list ----

int TDataSourcesList::IndexOf(const TComponent* component) const {
    auto it = std::find(items_.begin(), items_.end(), component);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TDataSourcesList::Remove(TComponent* component) {
    const int index = IndexOf(component);
    if (index < 0) return;
    items_.erase(items_.begin() + index);
    if (auto* source = dynamic_cast<TChartSeries*>(component))
        std::erase(source->linkedSeries_, series_);
    else
        series_->RemoveFreeNotification(component);
}

void TDataSourcesList::Clear() {
    for (TComponent* component : items_) {
        if (auto* source = dynamic_cast<TChartSeries*>(component))
            std::erase(source->linkedSeries_, series_);
        else
            series_->RemoveFreeNotification(component);
    }
    items_.clear();
    if (!series_->HasOwnData()) series_->Clear();
}
