#pragma once
// The chart step of a load: each record becomes one smoothed point of every
// fed channel series (ten points for a record of ten ticks), so a point's X,
// its index, is the log time in ticks.

#include "viewer/analysis/ChartSeriesTable.h"
#include "viewer/analysis/SmoothingFactors.h"
#include "viewer/log/LogRecordSteps.h"

#include <array>

class TCustomAxisPanel;

class ChartRecordSteps : public LogRecordSteps {
public:
    // The chart holds the series table; it outlives the steps.
    explicit ChartRecordSteps(TCustomAxisPanel& chart) : chart_(chart) {}

    // Read before each load.
    void SetFactors(const SmoothingFactors& factors) { factors_ = factors; }
    // The last smoothed value of a channel series, in its state unit.
    float State(int series) const { return states_[series]; }

    // A load starts: its first record seeds every state.
    void ResetIntegration() override { seedNext_ = true; }
    void AppendRecordToChart(const WorkingRecord& record, std::int32_t recordCount, RecordRate rate) override;

private:
    void AppendOneTick(const FlightRecord& record);
    void AppendTenTicks(const FlightRecord& record);
    void Seed(const FlightRecord& record);
    // The state after one step towards x, as the state keeps it.
    float Smoothed(int series, double x) const;

    TCustomAxisPanel& chart_;
    SmoothingFactors factors_{};
    std::array<float, kChartSeriesCount> states_{};
    bool seedNext_ = true;
};
