#include "ui/controls/MaskedText.h"

#include <gtest/gtest.h>

namespace {

const char* const TimeMask = "##:##,##";

TMaskedText TimeEdit(const char* text = "00:00,00") {
    TMaskedText m{TEditMask(TimeMask)};
    m.SetText(text);
    return m;
}

TEST(EditMaskTest, ParsesFieldsCaseAndEscapes) {
    TEditMask time("##:##,##;1;_");
    EXPECT_EQ(time.Length(), 8);
    EXPECT_TRUE(time.SaveLiterals());
    EXPECT_EQ(time.Blank(), U'_');
    EXPECT_TRUE(time.IsLiteral(2));
    EXPECT_EQ(time.At(2).Literal, U':');
    EXPECT_EQ(time.At(5).Literal, U',');

    TEditMask code(">LL\\-000;0;*");
    EXPECT_EQ(code.Length(), 6);
    EXPECT_FALSE(code.SaveLiterals());
    EXPECT_EQ(code.Blank(), U'*');
    EXPECT_EQ(code.Accept(0, U'a'), U'A');
    EXPECT_EQ(code.Accept(1, U'ж'), U'Ж');
    EXPECT_EQ(code.At(2).Literal, U'-');
    EXPECT_EQ(code.Accept(3, U'x'), 0u);
    EXPECT_TRUE(code.At(3).Required);
}

TEST(EditMaskTest, PositionClasses) {
    struct Case {
        const char* mask;
        char32_t c;
        bool accepted;
    } cases[] = {
        {"#", U'7', true},  {"#", U'-', true},  {"#", U'+', true},  {"#", U'x', false}, {"#", U' ', false},
        {"0", U'5', true},  {"0", U'-', false}, {"9", U'9', true},  {"L", U'Я', true},  {"L", U'1', false},
        {"A", U'1', true},  {"A", U'?', false}, {"C", U'?', true},  {"C", U'\t', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TEditMask(c.mask).Accept(0, c.c) != 0, c.accepted) << c.mask << " " << static_cast<int>(c.c);
}

TEST(MaskedTextTest, TextFromCodeKeepsLiteralsAndBlanks) {
    TMaskedText m = TimeEdit();
    EXPECT_EQ(m.EditText(), "00:00,00");
    EXPECT_EQ(m.Text(), "00:00,00");

    m.SetText("12");
    EXPECT_EQ(m.EditText(), "12:__,__");
    EXPECT_EQ(m.Text(), "12:  ,  ");

    m.SetText("123456");  // literals missing from the text are skipped over
    EXPECT_EQ(m.EditText(), "12:34,56");

    TMaskedText noSave{TEditMask("00-00;0;_")};
    noSave.SetText("1234");
    EXPECT_EQ(noSave.EditText(), "12-34");
    EXPECT_EQ(noSave.Text(), "1234");
}

TEST(MaskedTextTest, TypingOverwritesAndSkipsLiterals) {
    TMaskedText m = TimeEdit();
    m.SetCaret(0);
    for (char32_t c : std::u32string(U"0130"))
        ASSERT_TRUE(m.TypeChar(c));
    EXPECT_EQ(m.EditText(), "01:30,00");
    EXPECT_EQ(m.SelStart(), 6);  // over the comma, on the first hundredth
    ASSERT_TRUE(m.TypeChar(U'9'));
    ASSERT_TRUE(m.TypeChar(U'9'));
    EXPECT_EQ(m.EditText(), "01:30,99");
    EXPECT_EQ(m.SelStart(), 8);
    EXPECT_FALSE(m.TypeChar(U'1'));  // past the end
    EXPECT_EQ(m.EditText(), "01:30,99");
}

TEST(MaskedTextTest, RefusedKeyChangesNothing) {
    TMaskedText m = TimeEdit("12:34,56");
    m.SetCaret(3);
    EXPECT_FALSE(m.TypeChar(U'a'));
    EXPECT_FALSE(m.TypeChar(U'.'));
    EXPECT_EQ(m.EditText(), "12:34,56");
    EXPECT_EQ(m.SelStart(), 3);

    m.SetSel(0, 8);  // a refused key keeps the selection's text too
    EXPECT_FALSE(m.TypeChar(U'x'));
    EXPECT_EQ(m.EditText(), "12:34,56");
}

TEST(MaskedTextTest, TypingALiteralStepsOverIt) {
    TMaskedText m = TimeEdit();
    m.SetCaret(2);
    EXPECT_TRUE(m.TypeChar(U':'));
    EXPECT_EQ(m.SelStart(), 3);
    EXPECT_EQ(m.EditText(), "00:00,00");
}

TEST(MaskedTextTest, SelectionIsBlankedByTyping) {
    TMaskedText m = TimeEdit("12:34,56");
    m.SetSel(0, 8);
    ASSERT_TRUE(m.TypeChar(U'7'));
    EXPECT_EQ(m.EditText(), "7_:__,__");
    EXPECT_EQ(m.Text(), "7 :  ,  ");
}

TEST(MaskedTextTest, BackspaceAndDeleteBlankWithoutShifting) {
    TMaskedText m = TimeEdit("12:34,56");
    m.SetCaret(3);
    m.Backspace();  // over the colon to the second minute digit
    EXPECT_EQ(m.EditText(), "1_:34,56");
    EXPECT_EQ(m.SelStart(), 1);
    m.SetCaret(2);
    m.Delete();  // the colon is not input: the next digit goes
    EXPECT_EQ(m.EditText(), "1_:_4,56");
    m.SetCaret(0);
    m.Backspace();  // nothing before the caret
    EXPECT_EQ(m.EditText(), "1_:_4,56");
}

TEST(MaskedTextTest, PasteGoesThroughTheMaskAllOrNothing) {
    TMaskedText m = TimeEdit();
    m.SetCaret(0);
    EXPECT_TRUE(m.Paste("01:02,03"));
    EXPECT_EQ(m.EditText(), "01:02,03");
    m.SetCaret(3);
    EXPECT_TRUE(m.Paste("4599"));
    EXPECT_EQ(m.EditText(), "01:45,99");
    EXPECT_EQ(m.SelStart(), 8);
    m.SetCaret(0);
    EXPECT_FALSE(m.Paste("1x"));
    EXPECT_EQ(m.EditText(), "01:45,99");
}

TEST(MaskedTextTest, RequiredPositionsDecideCompleteness) {
    TMaskedText date{TEditMask("00/00/0000;1;_")};
    EXPECT_EQ(date.EditText(), "__.__.____");
    EXPECT_TRUE(date.IsBlank());
    date.SetText("3112");
    EXPECT_FALSE(date.IsComplete());
    EXPECT_EQ(date.FirstInvalidPosition(), 6);
    date.SetText("31.12.2025");
    EXPECT_TRUE(date.IsComplete());

    // Optional positions never make a time incomplete.
    TMaskedText t = TimeEdit("1");
    EXPECT_TRUE(t.IsComplete());
}

TEST(MaskedTextTest, ChangingTheMaskKeepsWhatFits) {
    TMaskedText m = TimeEdit("12:34,56");
    m.SetMask(TEditMask("##:##"));
    EXPECT_EQ(m.EditText(), "12:34");
}

}  // namespace
