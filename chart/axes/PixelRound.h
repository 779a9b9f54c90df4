#pragma once
// Rounding of a pixel position, inline for the per-point mapping of a series:
// the program's rule (halves to even, NaN gives 0, see ui/core/Rounding.h)
// for positions that fit an int, without a library call.

#include <cmath>

inline int RoundPixel(double p) {
    if (std::isnan(p)) return 0;
    // Truncation and the fraction it leaves are exact in this range.
    const double size = std::fabs(p);
    const int whole = static_cast<int>(size);
    const double fraction = size - whole;
    // Comparisons counted as 0 or 1, no branches: along a noisy line the
    // fraction follows no pattern a branch could learn.
    const int rounded = whole + ((fraction > 0.5) | ((fraction >= 0.5) & whole));
    return std::signbit(p) ? -rounded : rounded;
}
