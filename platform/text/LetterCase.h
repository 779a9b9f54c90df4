#pragma once
// The one case rule for letters: Latin (ASCII and the accented letters of
// U+00C0-U+00FE) and Cyrillic (А-Я and Ѐ-Џ, Ё among them). Every other code
// point stays as it is. Menu mnemonics, Alt+letter and the class library's
// case-insensitive text all fold through these.

namespace platform {

char32_t LowerLetter(char32_t c);
char32_t UpperLetter(char32_t c);

}  // namespace platform
