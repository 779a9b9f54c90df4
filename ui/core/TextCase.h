#pragma once
// Case changes and comparisons of UTF-8 text, as the library's Ansi* routines
// do them: Latin and Cyrillic letters change case, everything else stays.

#include <string>
#include <string_view>

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

// Negative, zero or positive, by code points in alphabet order (Ё after Е).
int AnsiCompareStr(std::string_view a, std::string_view b);
// As AnsiCompareStr after both are brought to lower case.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
