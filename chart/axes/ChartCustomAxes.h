#pragma once
// The axes a user adds to a chart beside its standard ones.

#include "chart/axes/ChartAxis.h"
#include "ui/core/Collection.h"

#include <utility>
#include <vector>

class TCustomAxisPanel;

// The user's axes, a collection the chart owns; each may follow the range
// of a master axis.
class TChartCustomAxes : public TCollection {
public:
    explicit TChartCustomAxes(TCustomAxisPanel* chart);
    TChartAxis* Add() { return static_cast<TChartAxis*>(TCollection::Add()); }
    TChartAxis* GetAxis(int index) const { return static_cast<TChartAxis*>(Items(index)); }
    // Every custom axis whose master is `master` takes its limits.
    void ApplyLinkedRange(TChartAxis* master);
    void SetMaster(TChartAxis* axis, TChartAxis* master);
    TChartAxis* Master(const TChartAxis* axis) const;
    // An axis being freed follows nothing and is followed by nothing.
    void ForgetMaster(const TChartAxis* axis);
    // As many axes as the source, with its settings; a master among the
    // source's own axes becomes the same axis here.
    void Assign(const TChartCustomAxes& source);
    using TCollection::Assign;
    void Clear();

private:
    TCustomAxisPanel* chart_;
    std::vector<std::pair<const TChartAxis*, TChartAxis*>> masters_;  // axis, its master
};
