#pragma once
// The Windows-1251 code page of the legacy files, to and from UTF-8.

#include <optional>
#include <string>
#include <string_view>

// Windows-1251 bytes as UTF-8 text.
std::string Cp1251ToUtf8(std::string_view bytes);
// UTF-8 text as Windows-1251 bytes; nothing when a character has no place in
// it (malformed UTF-8 included).
std::optional<std::string> Utf8ToCp1251(std::string_view text);
