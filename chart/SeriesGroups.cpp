#include "chart/SeriesGroups.h"

#include "chart/ChartSeries.h"
#include "ui/PublishedProperties.h"

#include <algorithm>

const TEnumInfo& SeriesGroupActiveInfo() {
    static const TEnumInfo info("TSeriesGroupActive", {"gaYes", "gaNo", "gaSome"});
    return info;
}

const TClassInfo& TSeriesGroup::StaticClass() {
    static const TClassInfo info = TPublished<TSeriesGroup>("TSeriesGroup", TCollectionItem::StaticClass())
        .Enumeration("Active", SeriesGroupActiveInfo(), &TSeriesGroup::Active, &TSeriesGroup::SetActive, gaYes)
        .String("Name", &TSeriesGroup::Name, &TSeriesGroup::SetName)
        .Build();
    return info;
}

TSeriesGroup::TSeriesGroup(TCollection* collection) : TCollectionItem(collection) {
    name_ = "Group" + std::to_string(collection ? collection->Count() : 1);
}

void TSeriesGroup::Assign(const TPersistent* source) {
    if (const auto* group = dynamic_cast<const TSeriesGroup*>(source)) {
        name_ = group->name_;
        series_ = group->series_;
        return;
    }
    TCollectionItem::Assign(source);
}

TSeriesGroupActive TSeriesGroup::Active() const {
    const auto active = std::count_if(series_.begin(), series_.end(), [](TChartSeries* s) { return s->Active(); });
    if (active == static_cast<long>(series_.size())) return gaYes;
    return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive value) {
    if (value == gaSome || value == Active()) return;
    for (TChartSeries* s : series_) s->SetActive(value == gaYes);
}

TSeriesGroups::TSeriesGroups(TPersistent* owner) : TCollection(TSeriesGroup::StaticClass(), owner) {}
