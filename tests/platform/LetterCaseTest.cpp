#include "platform/text/LetterCase.h"
#include "platform/text/MarkedLetter.h"

#include <gtest/gtest.h>

namespace {

using platform::LowerLetter;
using platform::UpperLetter;

TEST(LetterCase, CapitalsAndSmallLettersOfLatinAndCyrillic) {
    const struct {
        char32_t capital;
        char32_t small;
    } pairs[] = {
        {U'A', U'a'}, {U'Z', U'z'}, {U'À', U'à'}, {U'Þ', U'þ'}, {U'А', U'а'}, {U'Я', U'я'},
        {U'Е', U'е'}, {U'Ё', U'ё'}, {U'Ѐ', U'ѐ'}, {U'Ђ', U'ђ'}, {U'Џ', U'џ'},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(LowerLetter(p.capital), p.small) << static_cast<unsigned>(p.capital);
        EXPECT_EQ(LowerLetter(p.small), p.small) << static_cast<unsigned>(p.small);
        EXPECT_EQ(UpperLetter(p.small), p.capital) << static_cast<unsigned>(p.small);
        EXPECT_EQ(UpperLetter(p.capital), p.capital) << static_cast<unsigned>(p.capital);
    }
}

TEST(LetterCase, EverythingElseStaysAsItIs) {
    // Neighbours of the letter ranges, signs among the accented letters, letters
    // without a case partner here, and the replacement character.
    for (char32_t c : {U'@', U'[', U'`', U'{', U'0', U' ', U'&', U'×', U'÷', U'ß', U'ÿ', U'Ѡ', U'ѣ', char32_t{0x3FF},
                       char32_t{0x460}, char32_t{0xFFFD}, char32_t{0}}) {
        EXPECT_EQ(LowerLetter(c), c) << static_cast<unsigned>(c);
        EXPECT_EQ(UpperLetter(c), c) << static_cast<unsigned>(c);
    }
}

TEST(MarkedLetter, TheLetterAfterASingleAmpersandInLowerCase) {
    const struct {
        const char* label;
        char32_t letter;
    } cases[] = {
        {"&Файл", U'ф'}, {"Вы&ход", U'х'}, {"E&xit", U'x'},  {"&Ёлка", U'ё'}, {"&ёлка", U'ё'},
        {"A&&B", 0},     {"A&&&B", U'b'},  {"&&", 0},        {"Trailing&", 0}, {"", 0},
        {"&1", U'1'},    {"&A &B", U'a'},  {"\x80&Z", U'z'},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::MarkedLetter(c.label), c.letter) << c.label;
}

TEST(MarkedLetter, ATypedLetterInEitherCaseMatches) {
    const struct {
        char32_t typed;
        const char* label;
        bool matches;
    } cases[] = {
        {U'Ё', "&Ёлка", true}, {U'ё', "&Ёлка", true}, {U'Ё', "&ёлка", true}, {U'Е', "&Ёлка", false},
        {U'X', "E&xit", true}, {U'e', "E&xit", false}, {0, "Exit", false},   {U'&', "A&&B", false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::IsMarkedLetter(c.typed, c.label), c.matches) << c.label;
}

}  // namespace
