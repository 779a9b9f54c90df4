#pragma once
// UTF-16 text of the report engine (memo lines, the string table) to and
// from the program's UTF-8, through the one UTF-8 codec: a lone surrogate
// becomes U+FFFD, as a malformed UTF-8 byte does.

#include <string>
#include <string_view>

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
