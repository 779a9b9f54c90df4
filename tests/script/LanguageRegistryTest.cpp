// The language registry, selecting a grammar's settings into the walker's
// tokenizer, and the engine's message texts.
#include "script/grammar/LanguageRegistry.h"
#include "script/grammar/ScriptGrammars.h"
#include "script/messages/ScriptMessages.h"
#include "script/parser/ILParser.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

std::string SelectError(TscILParser& parser, const std::string& name) {
    try {
        parser.SelectLanguage(name);
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

}  // namespace

TEST(ScriptLanguages, UnknownNameIsReportedWithTheName) {
    EXPECT_EQ(SLangNotFound, "Language '%s' not found");
    TscCompileTarget script;
    TscILParser parser(script);
    EXPECT_EQ(SelectError(parser, "Klingon"), "Language 'Klingon' not found");
}

TEST(ScriptLanguages, NamesMatchWithoutCaseAndALaterGrammarReplaces) {
    RegisterLanguage("TestDialect", "<?xml?><language text=\"one\"><parser><hexsequence text=\"&H\"/></parser></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("TestDialect");
    EXPECT_EQ(parser.Parser().HexSequence, "&H");
    RegisterLanguage("TESTDIALECT", "<?xml?><language text=\"two\"><parser><hexsequence text=\"0x\"/></parser></language>");
    EXPECT_NE(LanguageText("testdialect").find("\"two\""), std::string::npos);
    parser.SelectLanguage("testDialect");
    EXPECT_EQ(parser.Parser().HexSequence, "0x");
    EXPECT_EQ(parser.GrammarRoot()->Prop("text"), "two");
}

TEST(ScriptLanguages, PascalScriptIsRegisteredWithItsSettings) {
    RegisterScriptGrammars();
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("pascalscript");
    const TscParser& p = parser.Parser();
    EXPECT_EQ(p.CommentLine1, "//");
    EXPECT_EQ(p.CommentBlock1, "{,}");
    EXPECT_EQ(p.CommentBlock2, "(*,*)");
    EXPECT_EQ(p.StringQuotes, "'");
    EXPECT_EQ(p.HexSequence, "$");
    EXPECT_FALSE(p.CaseSensitive);
    EXPECT_TRUE(p.SkipEOL);
    EXPECT_TRUE(parser.DeclareVars());
    for (const char* word : {"and", "Begin", "goto", "LABEL", "xor", "uses"}) EXPECT_TRUE(p.IsKeyword(word)) << word;
    EXPECT_FALSE(p.IsKeyword("integer"));
    EXPECT_FALSE(p.IdentChars.test(0xD0));

    const TscXMLItem& language = *parser.GrammarRoot();
    const TscXMLItem& errors = *language.Items(language.Find("parser"))->Items(
        language.Items(language.Find("parser"))->Find("errors"));
    ASSERT_EQ(errors.Count(), 20);
    EXPECT_EQ(errors.Items(19)->Prop("text"), "'>' expected");  // stored escaped
    EXPECT_EQ(language.Items(language.Find("types"))->Count(), 0);
}

TEST(ScriptLanguages, ExtendedCharsetAddsNationalLetters) {
    RegisterScriptGrammars();
    TscCompileTarget script;
    script.ExtendedCharset = true;
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    for (int c = 128; c < 256; ++c) EXPECT_TRUE(parser.Parser().IdentChars.test(static_cast<std::size_t>(c))) << c;
}

TEST(ScriptLanguages, ParserSettingsAreReadFromTheGrammar) {
    RegisterLanguage("SettingsDialect",
                     "<?xml?><language><parser>"
                     "<identchars text=\"abc\"/><commentline1 text=\"'\"/><commentline2 text=\"rem\"/>"
                     "<commentblock1 text=\"/*,*/\"/><commentblock2 text=\"\"/><stringquotes text=\"&#34;\"/>"
                     "<specstrchar text=\"1\"/><declarevars text=\"0\"/><skipeol text=\"0\"/>"
                     "<skipchar text=\"_\"/><casesensitive text=\"1\"/><unknown text=\"x\"/>"
                     "<keywords><If/><then/></keywords></parser></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("SettingsDialect");
    const TscParser& p = parser.Parser();
    EXPECT_EQ(p.IdentChars.count(), 3u);
    EXPECT_EQ(p.CommentLine1, "'");
    EXPECT_EQ(p.CommentLine2, "rem");
    EXPECT_EQ(p.CommentBlock1, "/*,*/");
    EXPECT_EQ(p.CommentBlock2, "");
    EXPECT_EQ(p.StringQuotes, "\"");
    EXPECT_TRUE(p.SpecStrChar);
    EXPECT_FALSE(parser.DeclareVars());
    EXPECT_FALSE(p.SkipEOL);
    EXPECT_EQ(p.SkipChar, "_");
    EXPECT_TRUE(p.CaseSensitive);
    EXPECT_TRUE(p.IsKeyword("If"));
    EXPECT_FALSE(p.IsKeyword("if"));

    // Only "1" switches these on; a language chosen next starts afresh.
    RegisterLanguage("OffDialect", "<?xml?><language><parser><specstrchar text=\"yes\"/>"
                                   "<casesensitive text=\"true\"/></parser></language>");
    parser.SelectLanguage("OffDialect");
    EXPECT_FALSE(parser.Parser().SpecStrChar);
    EXPECT_FALSE(parser.Parser().CaseSensitive);
    EXPECT_TRUE(parser.DeclareVars());
    EXPECT_EQ(parser.Parser().CommentLine1, "//");
    EXPECT_FALSE(parser.Parser().IsKeyword("If"));
}

TEST(ScriptLanguages, BrokenGrammarTextIsInvalidFormat) {
    RegisterLanguage("BrokenDialect", "<language><program/></language>");
    TscCompileTarget script;
    TscILParser parser(script);
    EXPECT_EQ(SelectError(parser, "BrokenDialect"), "Invalid file format");
}

TEST(ScriptMessageTexts, SeventeenStartUpTextsThatCanBeReplaced) {
    const std::string* messages[] = {&SLangNotFound, &SInvalidLanguage, &SIdRedeclared, &SUnknownType,
                                     &SIncompatibleTypes, &SIdUndeclared, &SClassRequired, &SIndexRequired,
                                     &SStringError, &SClassError, &SArrayRequired, &SVarRequired,
                                     &SNotEnoughParams, &STooManyParams, &SLeftCantAssigned, &SForError,
                                     &SEventError};
    for (const std::string* message : messages) EXPECT_FALSE(message->empty());
    EXPECT_EQ(SStringError, "Strings doesn't have properties or methods");
    EXPECT_EQ(ScriptMessageWith(SClassError, "TFont"), "Class TFont does not have a default property");

    // Every raise reads the text at that moment.
    const std::string saved = SLangNotFound;
    SLangNotFound = "Нет языка '%s'";
    TscCompileTarget script;
    TscILParser parser(script);
    EXPECT_EQ(SelectError(parser, "X"), "Нет языка 'X'");
    SLangNotFound = saved;
}
