#include "common/SignRule.h"
#include "common/TextFormatting.h"

#include <gtest/gtest.h>

TEST(FloatToCommaText, RoundsToFourDecimalsThenShowsWithAComma) {
    const struct {
        int decimals;
        double x;
        const char* text;
    } cases[] = {
        {3, 1.23456, "1,235"},  {1, 20, "20,0"},      {2, -0.5, "-0,50"},     {1, 0, "0,0"},
        {4, 0.00004, "0,0000"}, {4, 0.00006, "0,0001"}, {2, 123456789.126, "123456789,13"},
        {1, 1e15, "1000000000000000,0"}, {6, 1.1234567, "1,123500"},
    };
    for (const auto& c : cases) EXPECT_EQ(FloatToCommaText(c.decimals, c.x), c.text) << c.x;
}

TEST(FloatToCommaText, PreRoundsHalvesToEven) {
    // These products with 10000 are exact halves in binary.
    EXPECT_EQ(FloatToCommaText(4, 0.00005), "0,0000");
    EXPECT_EQ(FloatToCommaText(4, 0.00025), "0,0002");
    EXPECT_EQ(FloatToCommaText(4, 0.00035), "0,0004");
    EXPECT_EQ(FloatToCommaText(4, 2.00025), "2,0002");
}

TEST(IntToZeroPaddedText, PadsToAtLeastTheDigits) {
    EXPECT_EQ(IntToZeroPaddedText(7, 3), "007");
    EXPECT_EQ(IntToZeroPaddedText(12345, 2), "12345");
    EXPECT_EQ(IntToZeroPaddedText(0, 1), "0");
    EXPECT_EQ(IntToZeroPaddedText(4294967295u, 12), "004294967295");
}

TEST(TrimText, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(TrimText("  a b \r\n"), "a b");
    EXPECT_EQ(TrimText("\t\x01x\x1f"), "x");
    EXPECT_EQ(TrimText(" \t\r\n"), "");
    EXPECT_EQ(TrimText("\xd0\x9f"), "\xd0\x9f");  // Cyrillic bytes are above 32
}

TEST(SignExtend16, KeepsUpTo32768AndWrapsAbove) {
    const struct {
        std::uint32_t u;
        std::int32_t value;
    } cases[] = {{0, 0}, {1, 1}, {32767, 32767}, {32768, 32768}, {32769, -32767}, {65535, -1}};
    for (const auto& c : cases) EXPECT_EQ(SignExtend16(c.u), c.value) << c.u;
}

TEST(FormatString, FormatsIntegersAndTexts) {
    EXPECT_EQ(FormatString("SET FEATURE ERROR: %s (%x)", {std::string("Access is denied."), 5}),
              "SET FEATURE ERROR: Access is denied. (5)");
    EXPECT_EQ(FormatString("%d|%u|%08X|%-4s|%3d", {-1, -1, 0xBEEF, "ab", 7}), "-1|4294967295|0000BEEF|ab  |  7");
    EXPECT_EQ(FormatString("100%%", {}), "100%");
}

TEST(FormatString, MissingValuesDoNotReadPastTheList) {
    EXPECT_EQ(FormatString("%d %s", {}), "0 (null)");
    EXPECT_EQ(FormatString("%s", {5}), "(null)");
}

TEST(FormatString, CutsTheResultAt1023Characters) {
    std::string longText(3000, 'a');
    EXPECT_EQ(FormatString("%s!", {longText}).size(), 1023u);
}
