#pragma once
// 8-bit text by character set and code page, to and from UTF-16.
//
// The system's ANSI code page is Windows-1251, its OEM code page 866 and its
// Macintosh code page 10007 (Cyrillic). The code pages 1251, 1252, 866 and
// 10007 and UTF-8 (65001) convert; others give empty text, as a
// failed conversion does.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::uint32_t CP_ACP = 0;     // the code page of the character set
inline constexpr std::uint32_t CP_OEMCP = 1;
inline constexpr std::uint32_t CP_MACCP = 2;
inline constexpr std::uint32_t CP_UTF8 = 65001;
inline constexpr std::uint32_t kSystemAnsiCodePage = 1251;
inline constexpr std::uint32_t kSystemOemCodePage = 866;
inline constexpr std::uint32_t kSystemMacCodePage = 10007;

// DEFAULT_CHARSET: the ANSI code page; MAC_CHARSET: CP_MACCP; OEM_CHARSET:
// CP_OEMCP; others by the system's character-set table. A set the table does
// not know raises Exception with the system's text of a bad parameter.
std::uint32_t CharSetToCodePage(std::uint32_t charset);

// Code page 0 takes the code page of the character set.
std::u16string AnsiToUnicode(std::string_view text, std::uint8_t charset, std::uint32_t codePage);
// Characters the code page has no place for make the whole conversion fail
// (empty text): nothing is replaced silently.
std::string UnicodeToAnsi(std::u16string_view text, std::uint8_t charset, std::uint32_t codePage);

// The locale identifier of a character set; the thread's locale for others.
std::uint32_t CharsetToLocale(std::uint8_t charset);
