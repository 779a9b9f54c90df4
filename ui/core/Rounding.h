#pragma once
// The program's one rounding rule: to the nearest integer, halves to even.

#include <cstdint>

// The rounded value as a real, for values beyond the integer range.
double RoundToWhole(double value);

// NaN gives 0; values beyond the 64-bit range give its nearest end.
std::int64_t Round(double value);
