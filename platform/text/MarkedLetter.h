#pragma once
// The letter a label marks with '&' for keyboard choice (menu items, Alt+letter
// on buttons and labels); "&&" stands for a plain '&'.

#include <string_view>

namespace platform {

// The marked letter in lower case (LetterCase.h), 0 when the label marks none.
char32_t MarkedLetter(std::string_view label);

// Whether a typed character, in either case, is the label's marked letter.
bool IsMarkedLetter(char32_t typed, std::string_view label);

}  // namespace platform
