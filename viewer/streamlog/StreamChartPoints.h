#pragma once
// The chart step of a stream load: one point per record on every channel
// series but the 100 g one, in the series' units, smoothed when the filter
// is on; the GPS altitude and speed series show the latest fix.

#include "viewer/analysis/ChartSeriesTable.h"
#include "viewer/analysis/SmoothingFactors.h"
#include "viewer/streamlog/StreamLogReader.h"

#include <array>

class TCustomAxisPanel;

class StreamChartPoints : public StreamLogSteps {
public:
    // The chart holds the series table; it outlives the step.
    StreamChartPoints(TCustomAxisPanel& chart, const SmoothingFactors& factors, bool filterOn)
        : chart_(chart), factors_(factors), filterOn_(filterOn) {}

    void AppendStreamRecord(const FlightRecord& record, const GpsFix& lastFix, bool seed) override;

private:
    TCustomAxisPanel& chart_;
    SmoothingFactors factors_;
    bool filterOn_;
    std::array<double, kChartSeriesCount> states_{};
};
