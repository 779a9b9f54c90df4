#pragma once
// Reals as text, with the program's decimal comma and a blank between
// thousands: by format and precision (FloatToStrF) or by a mask (FormatFloat).

#include <string>

constexpr char DecimalSeparator = ',';
constexpr char ThousandSeparator = ' ';
// The currency the program would show amounts in, after the number.
inline constexpr const char* CurrencyString = "р.";

enum class TFloatFormat {
    // The shorter of fixed and scientific, trailing zeros removed;
    // scientific when the value needs more integer digits than the
    // precision or is below 0,0001; digits: the exponent's least digits (0-4).
    ffGeneral,
    // d,ddd…E+dddd with `precision` digits; digits: the exponent's least digits (0-4).
    ffExponent,
    // -ddd,dd with `digits` decimals (0-18); a value whose integer digits
    // exceed the precision is written as ffGeneral writes it.
    ffFixed,
    // As ffFixed, thousands separated.
    ffNumber,
    // As ffNumber, followed by a blank and the currency; a minus before.
    ffCurrency,
};

// `precision` is the number of significant digits, 1 to 15 (a double holds
// no more; values outside count as the nearest end). NaN gives "NAN",
// infinities "INF" and "-INF". A value that shows as zero has no sign.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// An integer's digits with the separator (ThousandSeparator unless given)
// between groups of three.
std::string GroupThousands(const std::string& digits, char separator = ThousandSeparator);

// Mask formatting: '0' digit, '#' optional digit, ',' thousands grouping,
// '.' decimal point, 'E+'/'E-' exponent, "..." or '...' literal text, up to
// three sections separated by ';' (positive; negative; zero).
std::string FormatFloat(const std::string& mask, double value);
