#include "viewer/markers/MarkerCursor.h"

#include "chart/axes/ChartAxis.h"
#include "ui/core/Rounding.h"

namespace {

double RoundToDecimals(double value, double scale) { return RoundToWhole(value * scale) / scale; }

}  // namespace

float CursorTickAt(const TChartAxis& time, int x) {
    return static_cast<float>(RoundToWhole(RoundToDecimals(time.ScreenToValue(x), 100)));
}

float CursorValueAt(const TChartAxis& vertical, int y) {
    return static_cast<float>(RoundToDecimals(vertical.ScreenToValue(y), 1000));
}
