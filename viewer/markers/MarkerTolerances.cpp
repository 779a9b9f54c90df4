#include "viewer/markers/MarkerTolerances.h"

namespace {

constexpr double kTimeFraction = 300;
constexpr double kLevelFraction = 100;
// An axis of no width still lets a marker be grabbed exactly on it.
constexpr double kFlatAxisTolerance = 0.002;

double ToleranceOf(double minimum, double maximum, double fraction) {
    const double tolerance = (maximum - minimum) / fraction;
    return tolerance == 0 ? kFlatAxisTolerance : tolerance;
}

}  // namespace

MarkerTolerances MarkerTolerancesOf(double bottomMinimum, double bottomMaximum, double leftMinimum,
                                    double leftMaximum) {
    return {ToleranceOf(bottomMinimum, bottomMaximum, kTimeFraction),
            ToleranceOf(leftMinimum, leftMaximum, kLevelFraction)};
}
