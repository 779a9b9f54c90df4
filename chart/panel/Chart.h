#pragma once
// The chart the program's windows hold, with its settings published for
// form data.

#include "chart/panel/CustomChart.h"

class TChart : public TCustomChart {
    DECLARE_CLASS_INFO
public:
    using TCustomChart::TCustomChart;
};
