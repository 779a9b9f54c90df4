#include "viewer/analysis/DataExtents.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "viewer/analysis/ChartSeriesTable.h"

#include <algorithm>

namespace {

constexpr int kLastExtentSeries = kAcceleration100gSeries;

}  // namespace

DataExtents ComputeDataExtents(TCustomAxisPanel& chart) {
    DataExtents extents;
    bool first = true;
    for (int index = kFirstChannelSeries; index <= kLastExtentSeries; ++index) {
        TChartSeries* series = chart.SeriesAt(index);
        if (!series->Active()) continue;
        const auto minX = static_cast<float>(series->LowestX()), maxX = static_cast<float>(series->HighestX());
        const auto minY = static_cast<float>(series->LowestY()), maxY = static_cast<float>(series->HighestY());
        if (first) {
            extents = {minX, minY, maxX, maxY};
            first = false;
            continue;
        }
        extents.MinX = std::min(extents.MinX, minX);
        extents.MinY = std::min(extents.MinY, minY);
        extents.MaxX = std::max(extents.MaxX, maxX);
        extents.MaxY = std::max(extents.MaxY, maxY);
    }
    return extents;
}
