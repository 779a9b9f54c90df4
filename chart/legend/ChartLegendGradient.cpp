#include "chart/legend/ChartLegendGradient.h"

#include <utility>

TChartLegendGradient::TChartLegendGradient(TChangeEvent onChange) : TChartGradient(nullptr) {
    SetDirection(gdRightLeft);
    SetEndColor(0xFFFFFF);
    SetStartColor(0xC0C0C0);
    OnChange = std::move(onChange);
}
