#pragma once
// Numbers and date-times as label text, with the program's decimal comma.
// (The class library's formatting routines take over once it has them.)

#include <string>

// Mask formatting: '0' digit, '#' optional digit, ',' thousands grouping,
// '.' decimal point, 'E+'/'E-' exponent, "..." or '...' literal text, up to
// three sections separated by ';' (positive; negative; zero).
std::string FormatFloat(const std::string& mask, double value);
// Shortest general form with up to 15 significant digits.
std::string FloatToStr(double value);
// Date-time formatting: yyyy yy m mm mmm? d dd h hh n nn s ss z zzz, quoted
// literals; m/mm right after h/hh are minutes.
std::string DateTimeToString(const std::string& format, double dateTime);

constexpr char DecimalSeparator = ',';
constexpr char ThousandSeparator = ' ';
