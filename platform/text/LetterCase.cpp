#include "platform/text/LetterCase.h"

namespace platform {
namespace {

// How far below its small letter each capital sits.
constexpr char32_t kLatinCaseDistance = 0x20;
constexpr char32_t kCyrillicCaseDistance = 0x20;  // А..Я and а..я
constexpr char32_t kCyrillicExtraDistance = 0x50;  // Ѐ..Џ and ѐ..џ
// Signs, not letters, among the accented letters.
constexpr char32_t kMultiplicationSign = 0xD7;
constexpr char32_t kDivisionSign = 0xF7;

bool Between(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

}  // namespace

char32_t LowerLetter(char32_t c) {
    if (Between(c, U'A', U'Z')) return c + kLatinCaseDistance;
    if (Between(c, 0xC0, 0xDE) && c != kMultiplicationSign) return c + kLatinCaseDistance;
    if (Between(c, 0x410, 0x42F)) return c + kCyrillicCaseDistance;
    if (Between(c, 0x400, 0x40F)) return c + kCyrillicExtraDistance;
    return c;
}

char32_t UpperLetter(char32_t c) {
    if (Between(c, U'a', U'z')) return c - kLatinCaseDistance;
    if (Between(c, 0xE0, 0xFE) && c != kDivisionSign) return c - kLatinCaseDistance;
    if (Between(c, 0x430, 0x44F)) return c - kCyrillicCaseDistance;
    if (Between(c, 0x450, 0x45F)) return c - kCyrillicExtraDistance;
    return c;
}

}  // namespace platform
