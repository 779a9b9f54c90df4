#pragma once
// Numbers and date-times as label text, with the program's decimal comma.

#include <string>

// Mask formatting: '0' digit, '#' optional digit, ',' thousands grouping,
// '.' decimal point, 'E+'/'E-' exponent, "..." or '...' literal text, up to
// three sections separated by ';' (positive; negative; zero).
std::string FormatFloat(const std::string& mask, double value);
// Date-time formatting: yyyy yy m mm mmm? d dd h hh n nn s ss z zzz, quoted
// literals; m/mm right after h/hh are minutes.
std::string DateTimeToString(const std::string& format, double dateTime);

constexpr char DecimalSeparator = ',';
constexpr char ThousandSeparator = ' ';
