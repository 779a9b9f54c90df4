#pragma once
// The grammar walker: turns a script's source text, in the dialect of a
// registered grammar, into the intermediate XML form that one program
// builder serves for every dialect. It follows the grammar's rule elements
// over the tokenizer, writes XML fragments as they match, takes back what a
// failed alternative wrote, records the first reportable error with its
// position, and pulls in the units that a uses clause names.

#include "script/grammar/LoadedGrammar.h"
#include "script/parser/CompileTarget.h"
#include "script/tokenizer/Parser.h"
#include "script/xml/XMLDocument.h"
#include "ui/core/Object.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Rule elements walked inside one another at most. Each nested bracket or
// block of a source costs several of them; deeper source is a syntax error
// rather than a stack overflow.
inline constexpr int kMaxWalkDepth = 1500;
// The message of that error.
inline constexpr std::string_view kNestingTooDeep = "Слишком глубокая вложенность конструкций";

class TscILParser : public TObject {
public:
    // `walkDepth`: how deep the walk that includes this parser's unit stands.
    explicit TscILParser(TscCompileTarget& script, int walkDepth = 0);
    ~TscILParser() override;

    // Configures the tokenizer and the rules from the registered grammar;
    // raises "Language '%s' not found" or "Invalid file format".
    void SelectLanguage(const std::string& name);
    // True when the text matched the grammar's `program` without a reported
    // error; fills the IL document and the script's error texts. Raises
    // "Invalid language definition" for a rule the grammar lacks.
    bool ParseSource(std::string_view text);

    TscXMLDocument& ILDocument() { return il_; }
    // The selected grammar's top element `language`; nullptr before a selection.
    const TscXMLItem* GrammarRoot() const { return grammar_ ? &grammar_->Language() : nullptr; }
    TscParser& Parser() { return parser_; }
    const std::string& LanguageName() const { return languageName_; }
    bool DeclareVars() const { return declareVars_; }
    const std::string& UnitName() const { return unitName_; }
    void SetUnitName(std::string name) { unitName_ = std::move(name); }
    const std::vector<std::string>& UsesList() const { return uses_; }

private:
    struct Walk {
        std::vector<std::string> lines;
        std::string errorMessage;
        std::string errorPosition;
        bool errorTerm = false;
        bool tooDeep = false;
        int depth = 0;
    };

    void ApplyParserSettings(const TscXMLItem& language);
    void ReadLanguageDirective(std::string_view text);
    void MakeILDocument();

    bool MatchRule(const RuleElement& element);
    bool MatchWithOutput(const RuleElement& element);
    bool MatchChildren(const RuleElement& element);
    bool MatchTerminal(const RuleElement& element, std::string& token);
    bool MatchSwitch(const RuleElement& element);
    bool MatchOptional(const RuleElement& element);
    bool MatchLoop(const RuleElement& element);

    void TakeBack(int start, std::size_t startCount);
    void RecordError(const RuleElement& element, int start);
    void RecordTooDeep();
    void DropError();
    std::string PositionAfterBlanks(int position);
    void WrapNode(const RuleElement& element, int start, std::size_t startCount, bool matched);
    void AppendAdd(const RuleElement& element, const std::string& token);
    void WriteBracketedCall(const std::string& text);

    void IncludeUnits(std::size_t startCount);
    std::vector<std::string> IncludeUnit(const std::string& name);
    std::string UnitSource(const std::string& name) const;

    TscCompileTarget& script_;
    const int baseDepth_;
    std::shared_ptr<const LoadedGrammar> grammar_;
    TscXMLDocument il_;
    TscParser parser_;
    std::string languageName_;
    bool declareVars_ = true;
    std::string unitName_;
    std::vector<std::string> uses_;
    Walk walk_;
};
