// The series' side of its data sources: binding a source, checking that no
// cycle of series feeds itself, and letting go of a source that is freed.

#include "chart/series/ChartSeries.h"

#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeriesSource.h"
#include "common/TextFormatting.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>
#include <vector>

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
