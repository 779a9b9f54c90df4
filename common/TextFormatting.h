#pragma once
// Numbers and values as text, the way the program's windows and logs show them.

#include "platform/system/Wsprintf.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

// x rounded to 4 decimals first, then shown with `decimals` decimals and a
// decimal comma, without blanks: (3, 1.23456) gives "1,235". decimals >= 1.
std::string FloatToCommaText(int decimals, double x);

// Decimal digits with leading zeros up to at least `digits` characters.
std::string IntToZeroPaddedText(std::uint64_t n, int digits);

// Removes trailing, then leading characters with codes up to 32.
std::string TrimText(std::string_view text);

// One value of FormatString: an integer (passed as 32 bits) or a text for %s.
class FormatValue {
public:
    template <class Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
    FormatValue(Integer value) : argument_(static_cast<std::int32_t>(value)) {}
    FormatValue(const char* text) : argument_(text) {}
    FormatValue(const std::string& text) : argument_(text.c_str()) {}

    const platform::WsprintfArg& Argument() const { return argument_; }

private:
    platform::WsprintfArg argument_;
};

// printf-style formatting through the system's small formatter (at most 1023
// characters of result; see platform::wvsprintfA for the letters it knows).
std::string FormatString(std::string_view format, std::initializer_list<FormatValue> values);
