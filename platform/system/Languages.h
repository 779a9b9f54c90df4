#pragma once
// The system's language as a language identifier: primary language in the
// low ten bits, sublanguage above them.

#include "platform/system/BasicTypes.h"

#include <string_view>

namespace platform {

using LANGID = WORD;

constexpr WORD LANG_NEUTRAL = 0x00;
constexpr WORD LANG_ENGLISH = 0x09;
constexpr WORD LANG_JAPANESE = 0x11;
constexpr WORD LANG_RUSSIAN = 0x19;
constexpr WORD SUBLANG_DEFAULT = 0x01;

constexpr LANGID MAKELANGID(WORD primary, WORD sub) { return static_cast<LANGID>((sub << 10) | primary); }
constexpr WORD PRIMARYLANGID(LANGID id) { return static_cast<WORD>(id & 0x3FF); }

// The identifier of a locale name such as "ja_JP.UTF-8"; LANG_NEUTRAL for
// a language this table does not know, or for "C" and "POSIX".
LANGID LangIdOfLocale(std::string_view locale);

// From the first of LC_ALL, LC_MESSAGES and LANG that is set.
LANGID GetSystemDefaultLangID();

}  // namespace platform
