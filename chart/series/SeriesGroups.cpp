#include "chart/series/SeriesGroups.h"

#include "chart/series/ChartSeries.h"
#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"

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

void TSeriesGroup::Remove(TChartSeries* series) { std::erase(series_, series); }

void TSeriesGroup::DefineProperties(TFiler& filer) {
    TCollectionItem::DefineProperties(filer);
    filer.DefineProperty(
        "Series",
        [this](TReader& r) {
            pendingNames_.clear();
            r.ReadListBegin();
            while (!r.EndOfList()) pendingNames_.push_back(r.ReadString());
            r.ReadListEnd();
        },
        [this](TWriter& w) {
            w.WriteListBegin();
            for (TChartSeries* series : series_) w.WriteString(series->Name());
            w.WriteListEnd();
        },
        !series_.empty());
}

void TSeriesGroup::ResolveNames(TComponent* owner) {
    if (pendingNames_.empty()) return;
    series_.clear();
    // a name that finds no series is dropped
    for (const std::string& name : pendingNames_)
        if (auto* series = owner ? dynamic_cast<TChartSeries*>(owner->FindComponent(name)) : nullptr)
            series_.push_back(series);
    pendingNames_.clear();
}

void TSeriesGroups::ResolveNames(TComponent* owner) {
    for (int i = 0; i < Count(); ++i) Items(i)->ResolveNames(owner);
}

void TSeriesGroups::RemoveSeries(TChartSeries* series) {
    for (int i = 0; i < Count(); ++i) Items(i)->Remove(series);
}
