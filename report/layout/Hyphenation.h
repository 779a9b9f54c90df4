#pragma once
// Where a Russian word may be broken with a hyphen at the end of a line.

#include <string_view>
#include <vector>

// Positions p (1-based) after which the word may break: both parts longer
// than one letter and each holding a vowel. Words of three letters or fewer,
// and words of other alphabets, give none.
std::vector<int> HyphenPositions(std::u16string_view word);
