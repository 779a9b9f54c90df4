#include "settings/ranges/MinMaxHint.h"

#include "ui/controls/SpinEdit.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr char kRangeSeparator = '/';
constexpr double kHundredths = 100;

// A number with the decimal comma only: the hints are the program's own texts.
std::optional<double> CommaNumber(const std::string& text) {
    if (text.find('.') != std::string::npos) return std::nullopt;
    const double value = StrToFloatDef(text, std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(value)) return std::nullopt;
    return RoundToWhole(value * kHundredths) / kHundredths;
}

}  // namespace

TMinMax ParseMinMaxHint(const std::string& hint) {
    const std::size_t slash = hint.find(kRangeSeparator);
    const std::string minText = hint.substr(0, slash);
    const std::string maxText = slash == std::string::npos ? std::string() : hint.substr(slash + 1);
    const std::optional<double> min = CommaNumber(minText);
    const std::optional<double> max = CommaNumber(maxText);
    TMinMax range;
    if (!min || !max) return range;
    range.Min = *min;
    range.Max = *max;
    range.Ok = true;
    range.MinText = minText;
    range.MaxText = maxText;
    return range;
}

bool IsInHintRange(const TDecimalSpinEdit& edit) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return false;
    const double value = edit.Value();
    return value <= range.Max + kValueTolerance && value >= range.Min - kValueTolerance;
}

bool TolerantEqual(double a, double b) { return std::abs(a - b) <= kValueTolerance; }
bool TolerantLess(double a, double b) { return a < b && !TolerantEqual(a, b); }
bool TolerantGreater(double a, double b) { return a > b && !TolerantEqual(a, b); }
