#pragma once
// A form holding a chart of a short flight: four line series on the left
// axis (altitude, speed and two accelerations), the battery voltage on a
// custom axis at the right, time along the bottom.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/forms/Form.h"

#include <array>
#include <memory>

struct TChartShowcase {
    std::unique_ptr<TForm> Form;
    TChart* Chart = nullptr;  // owned by the form
    std::array<std::unique_ptr<TLineSeries>, 4> LeftSeries;
    std::unique_ptr<TLineSeries> VoltageSeries;
    TChartAxis* VoltageAxis = nullptr;

    TChartShowcase() = default;
    TChartShowcase(TChartShowcase&&) = default;
    TChartShowcase& operator=(TChartShowcase&&) = default;
    // The series leave the chart before the form goes.
    ~TChartShowcase();
};

// Points every 0.1 s for 20 s.
TChartShowcase BuildChartShowcase();
