#include "viewer/navigation/ZoomBounds.h"

#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/Rounding.h"
#include "viewer/navigation/AxisLayout.h"
#include "viewer/navigation/ChartAxes.h"

namespace {

// The time axis: labels a hundredth of a second apart at the finest.
constexpr double kBottomStepHundredths = 100;
constexpr double kValueAxisFinestStep = 0.1;
// The last custom axis is never finer than whole units.
constexpr double kLastCustomAxisFinestStep = 1;
constexpr int kLastCustomAxis = 4;

TChartAxis& BoundedAxis(TCustomAxisPanel& chart, int index) {
    return index == 0 ? *chart.BottomAxis() : VerticalAxis(chart, index - 1);
}

bool StepCoarseEnough(int index, double step) {
    if (index == 0) return Round(step * kBottomStepHundredths) > kBottomStepHundredths;
    if (index - 1 == kLastCustomAxis) return step > kLastCustomAxisFinestStep;
    return step > kValueAxisFinestStep;
}

}  // namespace

void ZoomBounds::Remember(TCustomAxisPanel& chart) {
    for (int index = 0; index < kBoundedAxes; ++index) {
        const TChartAxis& axis = BoundedAxis(chart, index);
        remembered_[index] = {axis.Minimum(), axis.Maximum()};
    }
}

void ZoomBounds::Enforce(TCustomAxisPanel& chart) {
    for (int index = 0; index < kBoundedAxes; ++index) {
        TChartAxis& axis = BoundedAxis(chart, index);
        if (StepCoarseEnough(index, CurrentLabelStep(axis)))
            remembered_[index] = {axis.Minimum(), axis.Maximum()};
        else
            ApplyAxisLimits(axis, remembered_[index].Minimum, remembered_[index].Maximum);
    }
}
