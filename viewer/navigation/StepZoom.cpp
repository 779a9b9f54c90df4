#include "viewer/navigation/StepZoom.h"

#include "chart/axes/ChartAxis.h"
#include "ui/core/Rounding.h"
#include "viewer/navigation/AxisLayout.h"

namespace {

constexpr double kStepDivisor = 10;

double StepOf(const TChartAxis& axis) {
    return static_cast<double>(Round((axis.Maximum() - axis.Minimum()) / kStepDivisor)) + 1;
}

}  // namespace

void StepZoomIn(TChartAxis& axis) {
    axis.SetAutomatic(false);
    const double step = StepOf(axis);
    if (axis.Minimum() + step < axis.Maximum()) axis.SetMinimum(axis.Minimum() + step);
    if (axis.Maximum() - step > axis.Minimum()) axis.SetMaximum(axis.Maximum() - step);
}

void StepZoomOut(TChartAxis& axis) {
    axis.SetAutomatic(false);
    const double step = StepOf(axis);
    const double lowered = axis.Minimum() - step;
    ApplyAxisLimits(axis, axis.Minimum() >= 0 && lowered < 0 ? 0 : lowered, axis.Maximum() + step);
}
