// The grammar-configured tokenizer over default (Pascal-like) and C-like settings.
#include "script/tokenizer/Parser.h"

#include <gtest/gtest.h>

namespace {

void UseCLikeSettings(TscParser& parser) {
    parser.CommentBlock1 = "/*,*/";
    parser.CommentBlock2.clear();
    parser.StringQuotes = "\"";
    parser.HexSequence = "0x";
    parser.SpecStrChar = true;
}

}  // namespace

TEST(ScriptTokenizer, CommentsOfEveryKindAreBlanks) {
    TscParser parser;
    parser.SetText("{ brace } (* paren *) // line\r\n  name");
    EXPECT_EQ(parser.ReadIdentifier(), "name");
    EXPECT_EQ(parser.TokenStart(), 34);
    // An unclosed block comment runs to the end.
    TscParser open;
    open.SetText("a { never closed");
    EXPECT_EQ(open.ReadWord(), "a");
    EXPECT_EQ(open.ReadWord(), "");
    EXPECT_EQ(open.Position(), open.Size() + 1);
}

TEST(ScriptTokenizer, WithoutSkipEOLOnlyCodeLinesKeepTheirLineEnd) {
    TscParser parser;
    parser.SetText("' only a comment\r\nx = 1 ' after code\r\ny");
    parser.CommentLine1 = "'";
    parser.SkipEOL = false;
    EXPECT_EQ(parser.ReadWord(), "x");  // the comment line went with its line end
    EXPECT_EQ(parser.ReadPunctuation(), "");  // no blank skipping
    EXPECT_FALSE(parser.ReadLineEnd());
    EXPECT_EQ(parser.ReadPunctuation(), "=");
    EXPECT_EQ(parser.ReadNumber(), "1");
    EXPECT_TRUE(parser.ReadLineEnd());
    EXPECT_EQ(parser.ReadWord(), "y");
}

TEST(ScriptTokenizer, LineContinuationsJoinLines) {
    std::string text = "a";
    for (int i = 0; i < 100000; ++i) text += " _\r\n";  // each owes a line end, none recurses
    text += "b";
    TscParser parser;
    parser.SetText(text);
    parser.SkipEOL = false;
    parser.SkipChar = "_";
    EXPECT_EQ(parser.ReadWord(), "a");
    EXPECT_FALSE(parser.ReadLineEnd());
    EXPECT_EQ(parser.ReadWord(), "b");
}

TEST(ScriptTokenizer, KeywordsFollowCaseSensitivity) {
    TscParser parser;
    parser.SetText("BEGIN begin");
    parser.AddKeyword("begin");
    EXPECT_EQ(parser.ReadIdentifier(), "");
    EXPECT_EQ(parser.Position(), 1);  // put back
    EXPECT_EQ(parser.ReadWord(), "BEGIN");
    parser.CaseSensitive = true;
    parser.SetPosition(1);
    EXPECT_EQ(parser.ReadIdentifier(), "BEGIN");
    EXPECT_EQ(parser.ReadIdentifier(), "");
    EXPECT_TRUE(parser.IsKeyword("begin"));
    EXPECT_FALSE(parser.IsKeyword("Begin"));
}

TEST(ScriptTokenizer, IdentifiersStartWithANonDigitIdentChar) {
    TscParser parser;
    parser.SetText("1abc _x9 имя");
    EXPECT_EQ(parser.ReadWord(), "");
    EXPECT_EQ(parser.ReadNumber(), "1");
    EXPECT_EQ(parser.ReadWord(), "abc");
    EXPECT_EQ(parser.ReadWord(), "_x9");
    EXPECT_EQ(parser.ReadWord(), "");  // national letters only with the extended set
    for (int c = 128; c < 256; ++c) parser.IdentChars.set(static_cast<std::size_t>(c));
    EXPECT_EQ(parser.ReadWord(), "имя");
    parser.SetIdentChars("xy");
    parser.SetText("xyz");
    EXPECT_EQ(parser.ReadWord(), "xy");
}

TEST(ScriptTokenizer, NumbersInBothSettings) {
    struct Case {
        const char* text;
        bool cLike;
        const char* number;
        int after;  // the position after it
    };
    const Case cases[] = {
        {"$1F;", false, "$1F", 4},     {"$;", false, "", 1},         {"12.5e-3;", false, "12.5e-3", 8},
        {"1..5", false, "1", 2},       {"7e;", false, "7", 2},       {"2E+;", false, "2", 2},
        {"0x1F;", true, "$1F", 5},     {"1.5e10;", true, "1.5e10", 7}, {"3.;", true, "3", 2},
        {"0x;", true, "", 1},          {"$1F", true, "", 1},
    };
    for (const Case& c : cases) {
        TscParser parser;
        parser.SetText(c.text);
        if (c.cLike) UseCLikeSettings(parser);
        EXPECT_EQ(parser.ReadNumber(), c.number) << c.text;
        EXPECT_EQ(parser.Position(), c.after) << c.text;
    }
}

TEST(ScriptTokenizer, StringLiterals) {
    struct Case {
        const char* text;
        bool cLike;
        const char* literal;
    };
    const Case cases[] = {
        {"'It''s'#13#10'ok'", false, "'It's\r\nok'"},
        {"#$41#66", false, "'AB'"},
        {"'a\\n'", false, "'a\\n'"},
        {"#1025", false, "'Ё'"},
        {"\"a\\\"b\"", true, "'a\"b'"},
        {"\"x\\x41\\n\\r\\\\\"\"y\"", true, "'xA\n\r\\y'"},
        {"\"\\x\"", true, "''"},
        {"'tab\there'", false, "'tab\there'"},
    };
    for (const Case& c : cases) {
        TscParser parser;
    parser.SetText(c.text);
        if (c.cLike) UseCLikeSettings(parser);
        EXPECT_EQ(parser.ReadStringLiteral(), c.literal) << c.text;
    }
}

TEST(ScriptTokenizer, UnterminatedLiteralIsNoStringAndStaysPut) {
    for (const char* text : {"  'open", "  'line\nend'", "  \"esc\\x41"}) {
        TscParser parser;
    parser.SetText(text);
        if (text[2] == '"') UseCLikeSettings(parser);
        EXPECT_EQ(parser.ReadStringLiteral(), "") << text;
        EXPECT_EQ(parser.Position(), 3) << text;
    }
    TscParser hash;
    hash.SetText("#x");
    EXPECT_EQ(hash.ReadStringLiteral(), "");
    EXPECT_EQ(hash.Position(), 1);
}

TEST(ScriptTokenizer, BracketedTextStopsAtItsOwnClosingBracket) {
    struct Case {
        const char* text;
        const char* inside;
    };
    const Case cases[] = {
        {"Data.Field> + 1", "Data.Field"},
        {"a<b>c[d]e> x", "a<b>c[d]e"},
        {"a[b>c", "a[b>c"},
        {"'>'\">\"q> y", "'>'\">\"q"},
        {"\"it's>\"z> w", "\"it's>\"z"},
        {"never closed", "never closed"},
    };
    for (const Case& c : cases) {
        TscParser parser;
    parser.SetText(c.text);
        EXPECT_EQ(parser.ReadBracketedText(), c.inside) << c.text;
    }
}

TEST(ScriptTokenizer, PunctuationIsOneCharacterWithoutBlankSkipping) {
    TscParser parser;
    parser.SetText(":= a");
    EXPECT_EQ(parser.ReadPunctuation(), ":");
    EXPECT_EQ(parser.ReadPunctuation(), "=");
    EXPECT_EQ(parser.ReadPunctuation(), "");
    EXPECT_EQ(parser.Position(), 3);
}

TEST(ScriptTokenizer, PositionsAsLineAndColumn) {
    TscParser parser;
    parser.SetText("ab\r\ncd\r\nef\nlast");
    parser.SetPosition(9);
    EXPECT_EQ(parser.SourcePositionText(), "3:1");
    parser.SetPosition(1);
    EXPECT_EQ(parser.SourcePositionText(), "1:1");
    parser.SetPosition(4);  // the line feed belongs to its line
    EXPECT_EQ(parser.SourcePositionText(), "1:4");
    EXPECT_EQ(parser.PositionText(15), "4:4");
    EXPECT_EQ(parser.LineColumnToPosition(1, 3), 9);
    EXPECT_EQ(parser.LineColumnToPosition(2, 4), 13);
    EXPECT_EQ(parser.LineColumnToPosition(1, 5), -1);
    EXPECT_EQ(parser.LineColumnToPosition(1, 0), -1);
}

TEST(ScriptTokenizer, ReadersStopAtTheEndWhateverTheSettings) {
    // A zero among the identifier characters and openers that could not move
    // on must not take any reader past the text.
    TscParser parser;
    parser.SetText(std::string_view("ab\0", 3));
    parser.SetIdentChars(std::string("ab\0", 3));
    EXPECT_EQ(parser.ReadWord(), std::string("ab\0", 3));
    EXPECT_EQ(parser.Position(), 4);
    TscParser blanks;
    blanks.SetText("x\r");
    blanks.SkipEOL = false;
    blanks.CommentLine1 = "\r";
    blanks.CommentBlock1 = ",";
    EXPECT_EQ(blanks.ReadWord(), "x");
    blanks.SkipBlanks();
    EXPECT_EQ(blanks.Position(), 2);
    blanks.HexSequence.clear();
    EXPECT_EQ(blanks.ReadNumber(), "");
}
