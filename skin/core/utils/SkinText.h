#pragma once
// Number texts and word and string routines of the skin library.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

// One bit per character code.
using TSkCharSet = std::bitset<256>;
TSkCharSet MakeCharSet(std::string_view characters);
inline bool CharInCharSet(char c, const TSkCharSet& set) { return set.test(static_cast<unsigned char>(c)); }

// Hexadecimal digits with one optional trailing 'H'; 0 for any other character or an empty text.
std::int64_t HexToInt64(std::string_view text);
// Only signs, digits, 'E'/'e' and the decimal separator; then a number of its first 63 characters.
bool TextIsFloat(std::string_view text, double& value, char decimalSeparator = ',');
// With the flag the integer part gets the thousand separator between groups of three digits.
std::string GroupThousands(std::string_view text, bool group, char thousandSeparator, char decimalSeparator);

// 1-based start of the n-th word (0 when there is none); words are runs of
// characters outside the delimiter set.
std::size_t NthWordStart(int n, std::string_view text, const TSkCharSet& delimiters);
std::string NthWord(int n, std::string_view text, const TSkCharSet& delimiters);
int CountWords(std::string_view text, const TSkCharSet& delimiters);

// n copies of the character; empty for n <= 0.
std::string CharString(char c, int n);
inline std::string FillString(char c, int n) { return CharString(c, n); }
// Without leading and/or trailing blanks (code 32 only).
std::string TrimBlanks(std::string_view text);
std::string TrimLeftBlanks(std::string_view text);
std::string TrimRightBlanks(std::string_view text);
std::string RemoveChar(std::string_view text, char c);
// Left to right, never rescanning what was inserted.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
