#pragma once
// UTF-8 code points one by one, and the Windows-1251 code page of the
// legacy files.

#include <optional>
#include <string>
#include <string_view>

// The code point at `at`, advancing it; a malformed byte gives itself as a
// code point (0x80-0xFF), so nothing is lost or skipped twice.
char32_t NextCodePoint(std::string_view text, std::size_t& at);
void AppendUtf8(std::string& out, char32_t c);

// Well-formed UTF-8 (ASCII included).
bool IsValidUtf8(std::string_view bytes);

// Windows-1251 bytes as UTF-8 text.
std::string Cp1251ToUtf8(std::string_view bytes);
// UTF-8 text as Windows-1251 bytes; nothing when a character has no place in it.
std::optional<std::string> Utf8ToCp1251(std::string_view text);
