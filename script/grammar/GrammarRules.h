#pragma once
// A grammar's rule elements, read once from its XML tree into a form the
// walker can follow without searching attribute texts: kinds, lower-cased
// texts, error messages looked up, references tied to their rules.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TscXMLItem;

enum class RuleKind {
    RuleReference,
    Sequence,
    Switch,
    OptionalSwitch,
    Loop,
    OptionalLoop,
    Optional,
    Keyword,
    Ident,
    Number,
    String,
    Char,
    FrString,
    Eol,
};

struct RuleElement {
    RuleKind kind = RuleKind::Sequence;
    // A child of the grammar's top element: walked as the sequence of its
    // children, its `node` applied with the final result.
    bool isRuleDefinition = false;
    std::string name;  // lower case
    std::string text;  // lower case: the token wanted, or a loop's separator
    std::string node;  // lower case
    std::string add;
    std::string addText;
    bool hasAddText = false;
    // The message of the element's `err`; empty: none to report.
    std::string errorMessage;
    bool term = false;
    bool noBlankSkip = false;     // a char's skip "0"
    bool dropsLoopError = false;  // a loop's skip "1"
    // A reference's rule; nullptr when the grammar does not define it.
    const RuleElement* target = nullptr;
    std::vector<RuleElement> children;
};

class GrammarRules {
public:
    // `language` is the grammar's top element.
    explicit GrammarRules(const TscXMLItem& language);
    GrammarRules(const GrammarRules&) = delete;
    GrammarRules& operator=(const GrammarRules&) = delete;

    // The rule `program`; an empty one when the grammar has none.
    const RuleElement& Program() const { return *program_; }

private:
    RuleElement Read(const TscXMLItem& item, bool isRuleDefinition, const TscXMLItem& errors);
    void Resolve(RuleElement& element);

    std::vector<std::unique_ptr<RuleElement>> rules_;
    std::unordered_map<std::string, const RuleElement*> byName_;
    const RuleElement* program_ = nullptr;
};
