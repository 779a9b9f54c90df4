#pragma once
// Named groups of a chart's series that are shown or hidden together.

#include "ui/core/Collection.h"
#include "ui/core/Component.h"

#include <string>
#include <vector>

class TChartSeries;
class TEnumInfo;

enum TSeriesGroupActive { gaYes, gaNo, gaSome };
const TEnumInfo& SeriesGroupActiveInfo();

class TSeriesGroup : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    // Named "Group" and the collection's count.
    explicit TSeriesGroup(TCollection* collection);
    void Assign(const TPersistent* source) override;

    // gaYes for an empty group or when every series is active, gaNo when
    // none is, gaSome otherwise.
    TSeriesGroupActive Active() const;
    // gaSome changes nothing.
    void SetActive(TSeriesGroupActive value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    const std::vector<TChartSeries*>& Series() const { return series_; }
    void SetSeries(const std::vector<TChartSeries*>& value) { series_ = value; }
    void Add(TChartSeries* series) { series_.push_back(series); }
    // A series that goes away leaves the group.
    void Remove(TChartSeries* series);
    std::string DisplayName() const override { return name_; }
    // "Series": the names of the group's series, when it has any.
    void DefineProperties(TFiler& filer) override;
    // The series read by name, once every component of `owner` exists.
    void ResolveNames(TComponent* owner);

private:
    std::string name_;
    std::vector<TChartSeries*> series_;
    std::vector<std::string> pendingNames_;
};

class TSeriesGroups : public TCollection {
public:
    explicit TSeriesGroups(TPersistent* owner = nullptr);
    TSeriesGroup* Add() { return static_cast<TSeriesGroup*>(TCollection::Add()); }
    TSeriesGroup* Items(int index) const { return static_cast<TSeriesGroup*>(TCollection::Items(index)); }
    void ResolveNames(TComponent* owner);
    void RemoveSeries(TChartSeries* series);
};
