#pragma once
// Rounding of a pixel position, inline for the per-point mapping of a series:
// the program's rule (halves to even, NaN gives 0, see ui/core/Rounding.h)
// for positions that fit an int, without a library call.

#include <cmath>

inline int RoundPixel(double p) {
    if (std::isnan(p)) return 0;
    // Truncation and the fraction it leaves are exact in this range.
    const int whole = static_cast<int>(p);
    const double fraction = p - whole;
    // Comparisons counted as 0 or 1, no branches: along a noisy line the
    // fraction follows no pattern a branch could learn.
    const int odd = whole & 1;
    return whole + (fraction > 0.5) - (fraction < -0.5) + odd * ((fraction == 0.5) - (fraction == -0.5));
}
