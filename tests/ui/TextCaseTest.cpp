#include "ui/core/TextCase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCase, LatinAndCyrillicChangeCaseAndEverythingElseStays) {
    const struct {
        std::string text;
        std::string upper;
        std::string lower;
    } cases[] = {
        {"Полёт Ёжика 12:05,3", "ПОЛЁТ ЁЖИКА 12:05,3", "полёт ёжика 12:05,3"},
        {"Flight À-ß ×÷", "FLIGHT À-ß ×÷", "flight à-ß ×÷"},
        {"Ђорђе", "ЂОРЂЕ", "ђорђе"},
        // A malformed byte is one replacement character, the rest unharmed.
        {"a\xC0z\xD0", "A\xEF\xBF\xBDZ\xEF\xBF\xBD", "a\xEF\xBF\xBDz\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiUpperCase(c.text), c.upper) << c.text;
        EXPECT_EQ(AnsiLowerCase(c.text), c.lower) << c.text;
    }
}

TEST(TextCase, ComparisonsFollowTheAlphabetWithYoAfterYe) {
    const struct {
        const char* a;
        const char* b;
        int sign;  // of AnsiCompareText
    } cases[] = {
        {"ёлка", "ЁЛКА", 0}, {"Ель", "ёлка", -1}, {"ёлка", "Жук", -1}, {"Яма", "ёлка", 1},
        {"abc", "ABD", -1},  {"abc", "ab", 1},    {"", "", 0},
    };
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(AnsiCompareText(c.a, c.b)), c.sign) << c.a << " " << c.b;
        EXPECT_EQ(sign(AnsiCompareText(c.b, c.a)), -c.sign) << c.a << " " << c.b;
        EXPECT_EQ(AnsiSameText(c.a, c.b), c.sign == 0) << c.a << " " << c.b;
    }
    // Case counts in AnsiCompareStr: capitals come first.
    EXPECT_LT(AnsiCompareStr("Ёлка", "ёлка"), 0);
    EXPECT_EQ(AnsiCompareStr("ёлка", "ёлка"), 0);
}

}  // namespace
