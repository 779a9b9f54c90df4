#pragma once
// The permitted range of a settings spin edit, carried in its hint as
// "min/max" with the decimal comma ("0,5/9,9"), and the tolerant comparison
// every settings check uses.

#include <string>

class TDecimalSpinEdit;

struct TMinMax {
    double Min = 0;
    double Max = 0;
    bool Ok = false;  // the hint parsed
    std::string MinText;
    std::string MaxText;
};

// Values closer than this are equal.
constexpr double kValueTolerance = 0.01;

// Splits at the first "/"; each side must be a number written with the
// program's decimal comma (a point does not parse), rounded to two decimals.
// On failure only Ok (false) is set.
TMinMax ParseMinMaxHint(const std::string& hint);
// False when the hint does not parse; else within the range, with the tolerance.
bool IsInHintRange(const TDecimalSpinEdit& edit);

bool TolerantEqual(double a, double b);
bool TolerantLess(double a, double b);
bool TolerantGreater(double a, double b);
