#include "ui/core/FloatFormatting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxPrecision = 15;
constexpr int kMaxDecimals = 18;
constexpr int kMaxExponentDigits = 4;
// Below this a general value is written in scientific form.
constexpr int kLowestFixedExponent = -4;

// A magnitude as significant digits: |value| = d.ddd × 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// Rounded once, from the binary value, to `count` significant digits.
DecimalDigits SignificantDigits(double magnitude, int count) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, magnitude);
    const std::string text = buffer;
    const std::size_t e = text.find('e');
    DecimalDigits d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::atoi(text.c_str() + e + 1);
    return d;
}

std::string ExponentText(int exponent, bool plusSign, int leastDigits) {
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < leastDigits) digits.insert(0, leastDigits - digits.size(), '0');
    std::string text = "E";
    if (exponent < 0)
        text += '-';
    else if (plusSign)
        text += '+';
    return text + digits;
}

// d,ddd with every digit given, then the exponent.
std::string Scientific(const DecimalDigits& d, bool plusSign, int exponentDigits) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += DecimalSeparator + d.digits.substr(1);
    return text + ExponentText(d.exponent, plusSign, exponentDigits);
}

std::string General(double magnitude, int precision, int exponentDigits) {
    if (magnitude == 0) return "0";
    DecimalDigits d = SignificantDigits(magnitude, precision);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.exponent >= precision || d.exponent < kLowestFixedExponent) return Scientific(d, false, exponentDigits);
    if (d.exponent < 0) return std::string("0") + DecimalSeparator + std::string(-d.exponent - 1, '0') + d.digits;
    const std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerDigits) return d.digits + std::string(integerDigits - d.digits.size(), '0');
    return d.digits.substr(0, integerDigits) + DecimalSeparator + d.digits.substr(integerDigits);
}

// The integer and decimal digits of the magnitude with `decimals` decimals,
// rounded at whichever comes first: the last decimal or the last
// significant digit the precision allows.
void FixedParts(double magnitude, const DecimalDigits& d, int precision, int decimals, std::string& integerPart,
                std::string& decimalPart) {
    if (magnitude == 0 || d.exponent + 1 + decimals <= precision) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
        const std::string text = buffer;
        const std::size_t point = text.find('.');
        integerPart = text.substr(0, point);
        decimalPart = point == std::string::npos ? "" : text.substr(point + 1);
        return;
    }
    // The precision rounds first: its digits, then zeros.
    std::string all = d.digits;
    int integerDigits = d.exponent + 1;
    if (integerDigits <= 0) {
        all.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    const std::size_t wanted = static_cast<std::size_t>(integerDigits + decimals);
    if (all.size() < wanted) all.append(wanted - all.size(), '0');
    integerPart = all.substr(0, static_cast<std::size_t>(integerDigits));
    decimalPart = all.substr(static_cast<std::size_t>(integerDigits), static_cast<std::size_t>(decimals));
}

bool AllZeros(const std::string& text) { return text.find_first_of("123456789") == std::string::npos; }

}  // namespace

std::string GroupThousands(const std::string& digits, char separator) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 1, kMaxPrecision);
    const double magnitude = std::fabs(value);
    const bool negative = std::signbit(value);
    std::string text;
    switch (format) {
        case TFloatFormat::ffGeneral:
            text = General(magnitude, precision, std::clamp(digits, 0, kMaxExponentDigits));
            break;
        case TFloatFormat::ffExponent:
            text = Scientific(SignificantDigits(magnitude, precision), true, std::clamp(digits, 0, kMaxExponentDigits));
            break;
        case TFloatFormat::ffFixed:
        case TFloatFormat::ffNumber:
        case TFloatFormat::ffCurrency: {
            const DecimalDigits d = SignificantDigits(magnitude, precision);
            if (magnitude != 0 && d.exponent >= precision) {
                text = General(magnitude, precision, 0);
                break;
            }
            std::string integerPart, decimalPart;
            FixedParts(magnitude, d, precision, std::clamp(digits, 0, kMaxDecimals), integerPart, decimalPart);
            if (format != TFloatFormat::ffFixed) integerPart = GroupThousands(integerPart);
            text = integerPart;
            if (!decimalPart.empty()) text += DecimalSeparator + decimalPart;
            if (format == TFloatFormat::ffCurrency) text += std::string(" ") + CurrencyString;
            break;
        }
    }
    const bool shownAsZero = AllZeros(text.substr(0, text.find('E')));
    return negative && !shownAsZero ? "-" + text : text;
}
