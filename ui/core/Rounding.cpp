#include "ui/core/Rounding.h"

#include <cmath>

double RoundToWhole(double value) {
    // Worked out without the floating-point rounding mode, which a library may
    // have changed and which compilers assume to be the default anyway.
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);
    return rounded;
}

std::int64_t Round(double value) {
    if (std::isnan(value)) return 0;
    double rounded = RoundToWhole(value);
    if (rounded >= 9223372036854775807.0) return INT64_MAX;
    if (rounded <= -9223372036854775808.0) return INT64_MIN;
    return static_cast<std::int64_t>(rounded);
}
