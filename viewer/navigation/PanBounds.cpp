#include "viewer/navigation/PanBounds.h"

#include "chart/axes/ChartAxis.h"
#include "viewer/navigation/AxisLayout.h"

namespace {

// A bound is hit past a twentieth of the span; the axis goes back to a
// little beyond it, so the next step does not hit it again at once.
constexpr double kBoundDivisor = 20;
constexpr double kLeftSnapDivisor = 20.01;
constexpr double kRightSnapDivisor = 19.99;

}  // namespace

bool BoundTimeAxisPanning(TChartAxis& bottom, const DataExtents& extents) {
    const double span = double(extents.MaxX) - extents.MinX;
    const double leftSnap = extents.MinX - span / kLeftSnapDivisor;
    const double rightSnap = extents.MaxX + span / kRightSnapDivisor;
    const double shown = bottom.Maximum() - bottom.Minimum();
    double minimum = bottom.Minimum(), maximum = bottom.Maximum();
    bool hit = false;
    if (extents.MinX - span / kBoundDivisor > minimum) {
        minimum = leftSnap;
        maximum = leftSnap + shown;
        hit = true;
    }
    if (extents.MaxX + span / kBoundDivisor < maximum) {
        maximum = rightSnap;
        minimum = hit ? leftSnap : rightSnap - shown;
        hit = true;
    }
    if (hit) ApplyAxisLimits(bottom, minimum, maximum);
    return hit;
}
