#pragma once
// Reading numbers and truth words out of a variant's text; shared by the
// conversions and the operators.

#include <cstdint>
#include <string_view>

// A whole decimal number of the 64-bit range with an optional sign and blanks.
bool ParseVariantInteger(std::string_view text, std::int64_t& value);
// A real with a comma or a point.
bool ParseVariantFloat(std::string_view text, double& value);
// "True" or "False" in any case.
bool ParseVariantBoolean(std::string_view text, bool& value);
