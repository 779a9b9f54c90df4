#include "report/layout/HtmlTags.h"
#include "report/layout/Hyphenation.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSize = 12;

TrpHTMLTagsList Fresh(bool allow = true) {
    TrpHTMLTagsList list;
    list.AllowTags = allow;
    list.Reset(clBlack, kSize, {});
    return list;
}

TEST(HtmlTagsTest, BoldRunKeepsSourcePositionsAndMarksStyleChanges) {
    TrpHTMLTagsList list = Fresh();
    std::u16string text = u"a<b>b</b>c";
    list.ExpandTags(text);
    EXPECT_EQ(text, u"abc");
    const TrpHTMLTags& line = list.Line(0);
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[0].Position, 1);
    EXPECT_EQ(line[1].Position, 5);
    EXPECT_EQ(line[2].Position, 10);
    EXPECT_FALSE(line[0].StyleChange);
    EXPECT_TRUE(line[1].StyleChange);
    EXPECT_TRUE(line[1].Style.Contains(TFontStyle::fsBold));
    EXPECT_TRUE(line[2].StyleChange);
    EXPECT_FALSE(line[2].Style.Contains(TFontStyle::fsBold));
}

TEST(HtmlTagsTest, TagsGiveTheirStyles) {
    struct Case {
        std::u16string source, text;
        TColor color;
        TFontStyles style;
        int size, raise;
        bool noWrap;
    };
    const TFontStyles none;
    const Case cases[] = {
        {u"<font color=\"#FF0000\">x", u"x", clRed, none, kSize, 0, false},
        {u"<FONT COLOR=Red>x", u"x", clRed, none, kSize, 0, false},
        {u"<font color=  \"#0000ff\">x", u"x", clBlue, none, kSize, 0, false},
        {u"<font color=Reddish>x", u"<font color=Reddish>x", clBlack, none, kSize, 0, false},
        {u"<font color=\"#GG0000\">x", u"<font color=\"#GG0000\">x", clBlack, none, kSize, 0, false},
        {u"<sub>2", u"2", clBlack, none, 8, 1, false},
        {u"<sup>2", u"2", clBlack, none, 8, 0, false},
        {u"<sub>2</sub>x", u"2x", clBlack, none, kSize, 0, false},
        {u"<i><u>x", u"x", clBlack, TFontStyles{TFontStyle::fsItalic, TFontStyle::fsUnderline}, kSize, 0, false},
        {u"<strike>x", u"x", clBlack, TFontStyles{TFontStyle::fsStrikeOut}, kSize, 0, false},
        {u"<strike></strike>x", u"x", clBlack, none, kSize, 0, false},
        {u"<nowrap>x", u"x", clBlack, none, kSize, 0, true},
        {u"<abc>x", u"x", clBlack, none, kSize, 0, false},   // any five characters go
        {u"</ab>x", u"x", clBlack, none, kSize, 0, false},
        {u"<x>y", u"<x>y", clBlack, none, kSize, 0, false},  // unknown three-character tag stays
        {u"a < b", u"a < b", clBlack, none, kSize, 0, false},
    };
    for (const Case& c : cases) {
        TrpHTMLTagsList list = Fresh();
        std::u16string text = c.source;
        list.ExpandTags(text);
        EXPECT_EQ(text, c.text);
        const TrpHTMLTag& last = list.Line(0).back();
        EXPECT_EQ(last.Color, c.color) << text.size();
        EXPECT_EQ(last.Style, c.style) << text.size();
        EXPECT_EQ(last.Size, c.size) << text.size();
        EXPECT_EQ(last.Raise, c.raise) << text.size();
        EXPECT_EQ(last.NoWrap, c.noWrap) << text.size();
        EXPECT_EQ(list.Line(0).size(), text.size());
    }
}

TEST(HtmlTagsTest, UnterminatedTagsAndEntitiesStayTextWithoutReadingPastTheEnd) {
    for (std::u16string source : {u"<", u"<b", u"</", u"</b", u"<font color=", u"<font color=\"#FF", u"<sub", u"&amp",
                                  u"x<nowrap", u"<strike", u"</strike"}) {
        TrpHTMLTagsList list = Fresh();
        std::u16string text = source;
        list.ExpandTags(text);
        EXPECT_EQ(text, source);
        EXPECT_EQ(list.Line(0).size(), source.size());
    }
}

TEST(HtmlTagsTest, OnlyTagsBecomeOneBlank) {
    TrpHTMLTagsList list = Fresh();
    std::u16string text = u"<b></b>";
    list.ExpandTags(text);
    EXPECT_EQ(text, u" ");
    EXPECT_EQ(list.Line(0).size(), 1u);
}

TEST(HtmlTagsTest, WithoutTagsEveryCharacterIsPlainText) {
    TrpHTMLTagsList list = Fresh(false);
    std::u16string text = u"<b>x";
    list.ExpandTags(text);
    EXPECT_EQ(text, u"<b>x");
    for (const TrpHTMLTag& tag : list.Line(0)) EXPECT_FALSE(tag.StyleChange);
}

TEST(HtmlTagsTest, SplittingMovesRecordsAndCarriesTheBreakPosition) {
    TrpHTMLTagsList list = Fresh();
    std::u16string text = u"ab cd";
    list.ExpandTags(text);
    list.SplitLine(3, false);  // after "ab "
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Line(0).size(), 3u);
    ASSERT_EQ(list.Line(1).size(), 2u);
    EXPECT_EQ(list.Line(1)[0].Position, 3);  // the blank the line broke at
    EXPECT_EQ(list.Line(1)[1].Position, 5);

    list.SplitLine(1, true);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Line(1).size(), 2u);  // "c" and the hyphen's copy
    EXPECT_EQ(list.Line(2)[0].Position, 5);
    list.SplitLine(5, false);  // too few records: nothing
    EXPECT_EQ(list.Count(), 3);
}

TEST(HyphenationTest, RussianWordsBreakAtAllowedPlaces) {
    struct Case {
        std::u16string word;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {u"мастер", {2, 3}},              // ма-стер, мас-тер
        {u"ванна", {3}},                  // doubled consonant: ван-на only
        {u"зайка", {3}},                  // never before й
        {u"подъезд", {2}},                // по-дъезд: a sign keeps its consonant
        {u"кот", {}},                     // three letters are never broken
        {u"программирование", {3, 4, 7, 9, 11, 13}},
        {u"ЁЛКА", {2}},
        {u"window", {}},                  // other alphabets give none
    };
    for (const Case& c : cases) EXPECT_EQ(HyphenPositions(c.word), c.positions) << c.word.size();
}

}  // namespace
