#pragma once
// Numbers from text, as the library converts them.

#include <cstdint>
#include <string>
#include <string_view>

// Decimal with an optional sign and surrounding blanks, or hexadecimal after
// '$' or "0x"; anything else, or a value out of the 32-bit range, raises
// EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// As StrToInt, giving the fallback in place of the error.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// The shortest text of up to 15 significant digits with the program's
// decimal comma ("2,5", "0,1", "1E20", "-3").
std::string FloatToStr(double value);

// A real with a comma or a point as decimal separator, surrounding blanks
// and an optional exponent; anything else raises EConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloatDef(std::string_view text, double fallback);
