// Where a series takes its points from: other series and source components.

#include "chart/ChartSeriesSource.h"

#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"
#include "chart/ChartSeries.h"
#include "chart/CustomAxisPanel.h"
#include "common/TextFormatting.h"
#include "ui/core/TypeInfo.h"

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

// ---- the series' side ----

bool TChartSeries::AcceptsSource(TComponent* component) const {
    auto* series = dynamic_cast<TChartSeries*>(component);
    return series && series != this && FunctionAcceptsSource(series);
}

void TChartSeries::CheckNotFeeding(TChartSeries* source) const {
    if (parentChart_) {
        parentChart_->CheckCircularSource(this, source);
        return;
    }
    // without a chart the same walk: a cycle of sources would feed itself forever
    std::vector<const TChartSeries*> pending{source};
    std::vector<const TChartSeries*> seen;
    while (!pending.empty()) {
        const TChartSeries* s = pending.back();
        pending.pop_back();
        if (s == this) throw ChartException(ChartConst::CircularSeriesSources);
        if (std::find(seen.begin(), seen.end(), s) != seen.end()) continue;
        seen.push_back(s);
        for (TChartSeries* feeder : s->SourceSeries()) pending.push_back(feeder);
    }
}

int TChartSeries::BindDataSource(TComponent* component, bool clearFirst) {
    if (!component) return -1;
    if (parentChart_) {
        if (!parentChart_->AcceptsDataSource(this, component)) {
            const std::string name = component->Name().empty() ? component->ClassType().Name() : component->Name();
            throw ChartException(FormatString(ChartConst::NoValidDataSource, {name}));
        }
    } else if (!AcceptsSource(component)) {
        throw ChartException(ChartConst::NoParentChartToValidate);
    }
    if (dataSources_.IndexOf(component) >= 0) return -1;
    if (auto* series = dynamic_cast<TChartSeries*>(component)) CheckNotFeeding(series);
    if (clearFirst && !IsLoading()) dataSources_.Clear();
    AppendDataSource(component);
    RefreshFromSource();
    return dataSources_.IndexOf(component);
}

int TChartSeries::AppendDataSource(TComponent* component) {
    if (!component) return -1;
    dataSources_.Add(component);
    hasOwnData_ = false;
    if (auto* series = dynamic_cast<TChartSeries*>(component)) {
        if (std::find(series->linkedSeries_.begin(), series->linkedSeries_.end(), this) == series->linkedSeries_.end())
            series->linkedSeries_.push_back(this);
    } else {
        FreeNotification(component);
        auto* source = dynamic_cast<TChartSeriesSource*>(component);
        TChartSeries* other = source ? source->Series() : nullptr;
        if (other && other != this) {
            const bool wasOpen = source->Active();
            source->Deactivate();
            if (source->Owner() == other) {
                other->RemoveComponent(source);
                InsertComponent(source);
            }
            // the other series no longer lists a source that feeds this one
            other->dataSources_.Remove(source);
            source->AttachSeries(this);
            if (wasOpen) source->Activate();
        }
    }
    return dataSources_.Count() - 1;
}

void TChartSeries::SetDataSource(TComponent* component) {
    if (!component) {
        if (TComponent* current = DataSource()) UnbindDataSource(current);
        return;
    }
    BindDataSource(component, true);
}

void TChartSeries::UnbindDataSource(TComponent* component) {
    if (IsDestroying()) return;
    if (!dynamic_cast<TChartSeries*>(component)) RemoveFreeNotification(component);
    if (parentChart_ && DataSource()) parentChart_->DataSourceRemoved(this, component);
    if (component == DataSource())
        dataSources_.Clear();
    else
        dataSources_.Remove(component);
    RefreshFromSource();
}

void TChartSeries::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || dataSources_.IndexOf(component) < 0) return;
    // a freed component never stays in the list, first or not
    if (IsDestroying())
        std::erase(dataSources_.items_, component);
    else if (component == DataSource())
        UnbindDataSource(component);
    else
        dataSources_.Remove(component);
}
