#include "ui/core/Rounding.h"

#include <cfenv>
#include <cmath>

double RoundToWhole(double value) {
    // nearbyint follows the current mode; insist on the default so a library
    // that changed it cannot change our results.
    int previous = std::fegetround();
    if (previous != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    double rounded = std::nearbyint(value);
    if (previous != FE_TONEAREST) std::fesetround(previous);
    return rounded;
}

std::int64_t Round(double value) {
    if (std::isnan(value)) return 0;
    double rounded = RoundToWhole(value);
    if (rounded >= 9223372036854775807.0) return INT64_MAX;
    if (rounded <= -9223372036854775808.0) return INT64_MIN;
    return static_cast<std::int64_t>(rounded);
}
