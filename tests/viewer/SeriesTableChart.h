#pragma once
// A chart with the viewer's 39 line series and nothing else, for the
// analysis steps; no window is shown.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "viewer/analysis/ChartSeriesTable.h"

#include <memory>
#include <vector>

struct SeriesTableChart {
    SeriesTableChart() : owner(std::make_unique<TComponent>(nullptr)), chart(new TChart(owner.get())) {
        for (int i = 0; i < kChartSeriesCount; ++i) (new TLineSeries(owner.get()))->SetParentChart(chart);
    }
    TChartSeries& Series(int index) const { return *chart->SeriesAt(index); }
    // The Y values of a series, in point order.
    std::vector<double> Points(int index) const {
        std::vector<double> values;
        for (int i = 0; i < Series(index).Count(); ++i) values.push_back(Series(index).YValueAt(i));
        return values;
    }

    std::unique_ptr<TComponent> owner;
    TChart* chart;
};
