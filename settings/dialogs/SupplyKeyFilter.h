#pragma once
// The key filter of the power-supply thresholds: digits, one decimal comma
// (a point becomes one) after at least one digit, backspace; a lone "0"
// takes only a comma or backspace.

#include <string>

inline constexpr char32_t kBackspaceKey = 8;

// The key as it goes into an edit holding `text`; 0 when it is dropped.
char32_t FilterSupplyKey(const std::string& text, char32_t key);
