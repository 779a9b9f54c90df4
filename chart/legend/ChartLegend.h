#pragma once
// The legend a chart holds, with its settings published for form data.

#include "chart/legend/CustomChartLegend.h"

class TChartLegend : public TCustomChartLegend {
    DECLARE_CLASS_INFO
public:
    using TCustomChartLegend::TCustomChartLegend;
};
