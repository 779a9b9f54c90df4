#include "report/utils/Conversions.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/StringList.h"

#include <gtest/gtest.h>

namespace {

TEST(ConversionsTest, TextToFloatTakesEitherSeparatorAndDropsBlanks) {
    EXPECT_DOUBLE_EQ(rpTextToFloat("1 234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(rpTextToFloat("1234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(rpTextToFloat(" -0,25 "), -0.25);
    EXPECT_THROW(rpTextToFloat("12a"), EConvertError);
}

TEST(ConversionsTest, FloatToTextShowsFractionsWithTwoDecimals) {
    EXPECT_EQ(rpFloatToText(2.0), "2");
    EXPECT_EQ(rpFloatToText(2.5), "2,50");
    EXPECT_EQ(rpFloatToText(-0.126), "-0,13");
}

TEST(ConversionsTest, PageListsTable) {
    struct Case {
        std::string text;
        std::string pages;
    };
    const Case cases[] = {
        {"1,3,5-7", "1,3,5,6,7"}, {"8-", "8,9,10"}, {"5-3", ""}, {"", ""}, {" 2 , 2 ", "2,2"},
    };
    for (const auto& c : cases) {
        TStringList list;
        rpParsePageList(c.text, list, 10);
        EXPECT_EQ(list.CommaText(), c.pages) << c.text;
    }
    TStringList list;
    EXPECT_THROW(rpParsePageList("1,x", list, 10), EConvertError);
    EXPECT_THROW(rpParsePageList("1-2000000000", list, 10), EConvertError);
}

TEST(ConversionsTest, BracketsSkipQuotesAndNestedPairs) {
    std::string text = "x [a + ']' + [b]] y";
    std::size_t start = 2, end = 0;
    EXPECT_EQ(rpFindBracketed(text, "[", "]", start, end), "a + ']' + [b]");
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 16u);
    std::size_t s2 = 0, e2 = 0;
    EXPECT_EQ(rpFindBracketed("[open to the end", "[", "]", s2, e2), "open to the end");
    std::size_t s3 = 0, e3 = 0;
    EXPECT_EQ(rpFindBracketedW(u"[[Дата]]", u"[", u"]", s3, e3), u"[Дата]");
    EXPECT_EQ(e3, 7u);
}

TEST(ConversionsTest, TokensAndSplitting) {
    std::size_t at = 0;
    EXPECT_EQ(rpNextToken("a,b", at, ","), "a");
    EXPECT_EQ(at, 2u);
    EXPECT_EQ(rpNextToken("a,b", at, ","), "b");
    TStringList list;
    rpSplitString("p1;p2;", list, ";");
    EXPECT_EQ(list.CommaText(), "p1,p2");
    rpSplitString("", list, ";");
    EXPECT_EQ(list.Count(), 0);
}

TEST(ConversionsTest, HexAndChecksumOfStreams) {
    TMemoryStream stream;
    rpHexToStream("00FFa5", stream);
    EXPECT_EQ(stream.Size(), 3);
    EXPECT_EQ(rpStreamToHex(stream), "00FFA5");
    TMemoryStream check;
    check.WriteBuffer("123456789", 9);
    check.SetPosition(4);
    EXPECT_EQ(rpCrc32OfStream(check), 0xCBF43926u);  // the standard check value
    EXPECT_EQ(check.Position(), 4);
    TMemoryStream bad;
    EXPECT_THROW(rpHexToStream("0G", bad), EConvertError);
}

TEST(ConversionsTest, HighCharsEscapeAndBack) {
    std::string text = "a\xC0\xFF\x01";
    std::string encoded = rpEscapeHighChars(text, true);
    EXPECT_EQ(encoded, std::string("a\x01\x40\x01\x7F\x01", 6));
    EXPECT_EQ(rpEscapeHighChars(encoded, false), text);
}

}  // namespace
