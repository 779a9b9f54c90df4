#pragma once
// Numbers from text, as the library converts them.

#include <cstdint>
#include <string_view>

// Decimal with an optional sign and surrounding blanks, or hexadecimal after
// '$' or "0x"; anything else, or a value out of the 32-bit range, raises
// EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// As StrToInt, giving the fallback in place of the error.
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);
