#pragma once
// Text as code points for the editing models: carets and selections count
// characters, not UTF-8 bytes.

#include <string>
#include <string_view>

std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view text);
