#include "chart/axes/ChartCustomAxes.h"

#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>

TChartCustomAxes::TChartCustomAxes(TCustomAxisPanel* chart)
    : TCollection(TChartAxis::StaticClass(), chart), chart_(chart) {}

void TChartCustomAxes::SetMaster(TChartAxis* axis, TChartAxis* master) {
    for (auto& [follower, itsMaster] : masters_)
        if (follower == axis) {
            itsMaster = master;
            return;
        }
    masters_.emplace_back(axis, master);
}

TChartAxis* TChartCustomAxes::Master(const TChartAxis* axis) const {
    for (const auto& [follower, master] : masters_)
        if (follower == axis) return master;
    return nullptr;
}

void TChartCustomAxes::ForgetMaster(const TChartAxis* axis) {
    std::erase_if(masters_, [axis](const auto& link) { return link.first == axis || link.second == axis; });
}

void TChartCustomAxes::Clear() {
    TCollection::Clear();
    masters_.clear();
}

void TChartCustomAxes::Assign(const TChartCustomAxes& source) {
    Clear();
    for (int i = 0; i < source.Count(); ++i) Add()->Assign(*source.GetAxis(i));
    const auto& from = source.chart_->Axes();
    const auto& to = chart_->Axes();
    for (int i = 0; i < source.Count(); ++i) {
        const TChartAxis* master = source.Master(source.GetAxis(i));
        const auto at = std::find(from.begin(), from.end(), master);
        if (master && at != from.end() && static_cast<std::size_t>(at - from.begin()) < to.size())
            SetMaster(GetAxis(i), to[at - from.begin()]);
    }
}

void TChartCustomAxes::ApplyLinkedRange(TChartAxis* master) {
    for (int i = 0; i < Count(); ++i) {
        TChartAxis* axis = GetAxis(i);
        // an axis linked to itself would never stop following
        if (Master(axis) == master && axis != master) axis->SetLimits(master->Minimum(), master->Maximum());
    }
}
