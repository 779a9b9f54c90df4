#include "script/parser/ILParser.h"

#include "common/TextFormatting.h"
#include "script/grammar/LanguageRegistry.h"
#include "script/messages/ScriptMessages.h"
#include "script/xml/FileText.h"
#include "script/xml/XMLReader.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TextCase.h"

// Each element of the intermediate form is written by a walked element, so
// the form is never deeper than the walk and always reads back.
static_assert(kMaxWalkDepth + 16 <= kMaxXMLDepth);

namespace {

constexpr std::string_view kLanguageDirective = "language";
constexpr int kFirstExtendedChar = 128;
constexpr int kLastChar = 255;

}  // namespace

TscILParser::TscILParser(TscCompileTarget& script, int walkDepth) : script_(script), baseDepth_(walkDepth) {}

TscILParser::~TscILParser() = default;

void TscILParser::SelectLanguage(const std::string& name) {
    parser_.Reset();
    // A grammar sets case sensitivity only to switch it on, so a language
    // chosen after a case-sensitive one starts without it.
    parser_.CaseSensitive = false;
    declareVars_ = true;
    languageName_ = name;
    grammar_ = LanguageGrammar(name);
    ApplyParserSettings(grammar_->Language());
    if (script_.ExtendedCharset)
        for (int c = kFirstExtendedChar; c <= kLastChar; ++c) parser_.IdentChars.set(static_cast<std::size_t>(c));
}

void TscILParser::ApplyParserSettings(const TscXMLItem& language) {
    const int found = language.Find("parser");
    if (found < 0) return;
    const TscXMLItem& settings = *language.Items(found);
    const int keywords = settings.Find("keywords");
    if (keywords >= 0)
        for (int i = 0; i < settings.Items(keywords)->Count(); ++i)
            parser_.AddKeyword(settings.Items(keywords)->Items(i)->Name());
    for (int i = 0; i < settings.Count(); ++i) {
        const TscXMLItem& setting = *settings.Items(i);
        const std::string name = AnsiLowerCase(setting.Name());
        const std::string text = setting.Prop("text");
        if (name == "identchars") parser_.SetIdentChars(text);
        else if (name == "commentline1") parser_.CommentLine1 = text;
        else if (name == "commentline2") parser_.CommentLine2 = text;
        else if (name == "commentblock1") parser_.CommentBlock1 = text;
        else if (name == "commentblock2") parser_.CommentBlock2 = text;
        else if (name == "stringquotes") parser_.StringQuotes = text;
        else if (name == "hexsequence") parser_.HexSequence = text;
        else if (name == "specstrchar") parser_.SpecStrChar = text == "1";
        else if (name == "declarevars") declareVars_ = text != "0";
        else if (name == "skipeol") parser_.SkipEOL = text != "0";
        else if (name == "skipchar") parser_.SkipChar = text;
        else if (name == "casesensitive") parser_.CaseSensitive = text == "1";
    }
}

void TscILParser::ReadLanguageDirective(std::string_view text) {
    parser_.SetPosition(1);
    const bool directive = parser_.ReadPunctuation() == "#" && AnsiSameText(parser_.ReadWord(), kLanguageDirective);
    if (!directive) {
        parser_.SetPosition(1);
        return;
    }
    // The name runs to the line's end; the walk starts on the next line, and
    // positions still count the directive as line 1.
    const auto nameStart = static_cast<std::size_t>(parser_.Position() - 1);
    std::size_t lineEnd = text.find_first_of("\r\n", nameStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    SelectLanguage(TrimText(text.substr(nameStart, lineEnd - nameStart)));
    std::size_t walkStart = lineEnd;
    if (walkStart < text.size() && text[walkStart] == '\r') ++walkStart;
    if (walkStart < text.size() && text[walkStart] == '\n') ++walkStart;
    parser_.SetPosition(static_cast<int>(walkStart) + 1);
}

bool TscILParser::ParseSource(std::string_view text) {
    if (!grammar_) throw Exception(ScriptMessageWith(SLangNotFound, languageName_));
    walk_ = Walk{};
    walk_.depth = baseDepth_;
    if (text.size() > kLargestScriptFile) {
        script_.ErrorMessage = "Текст сценария больше " + std::to_string(kLargestScriptFile / (1024 * 1024)) + " МБ";
        script_.ErrorPosition = "1:1";
        return false;
    }
    parser_.SetText(text);
    ReadLanguageDirective(text);
    const bool matched = MatchRule(grammar_->Rules().Program());
    const bool success = matched && walk_.errorMessage.empty() && !walk_.tooDeep;
    if (success) MakeILDocument();
    script_.ErrorMessage = walk_.errorMessage;
    script_.ErrorPosition = walk_.errorPosition;
    return success;
}

void TscILParser::MakeILDocument() {
    std::string xml = "<?xml version=\"1.0\"?><program>";
    for (const std::string& line : walk_.lines) xml += line;
    xml += "</program>";
    walk_.lines.clear();
    TStringStream stream(xml);
    il_.LoadFromStream(stream);
    TscXMLItem* types = il_.Root()->Add();
    const int found = grammar_->Language().Find("types");
    if (found >= 0) types->CopyFrom(grammar_->Language().Items(found));
    else types->SetName("types");
}
