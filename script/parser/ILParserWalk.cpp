// Walking the grammar's rule elements over the tokenizer.
#include "script/parser/ILParser.h"

#include "script/messages/ScriptMessages.h"
#include "ui/core/Exceptions.h"
#include "ui/core/TextCase.h"

namespace {

// Counts the rule elements walked inside one another.
class DepthStep {
public:
    explicit DepthStep(int& depth) : depth_(++depth) {}
    ~DepthStep() { --depth_; }
    DepthStep(const DepthStep&) = delete;
    DepthStep& operator=(const DepthStep&) = delete;

private:
    int& depth_;
};

}  // namespace

bool TscILParser::MatchRule(const RuleElement& element) {
    if (walk_.tooDeep) return false;
    DepthStep step(walk_.depth);
    if (walk_.depth > kMaxWalkDepth) {
        RecordTooDeep();
        return false;
    }
    switch (element.isRuleDefinition ? RuleKind::Sequence : element.kind) {
    case RuleKind::Switch:
    case RuleKind::OptionalSwitch: return MatchSwitch(element);
    case RuleKind::Loop:
    case RuleKind::OptionalLoop: return MatchLoop(element);
    case RuleKind::Optional: return MatchOptional(element);
    default: return MatchWithOutput(element);
    }
}

bool TscILParser::MatchChildren(const RuleElement& element) {
    for (const RuleElement& child : element.children)
        if (!MatchRule(child)) return false;
    return true;
}

// Terminals, line ends, sequences, rule references and rule definitions:
// they record their error, wrap their output and add their element.
bool TscILParser::MatchWithOutput(const RuleElement& element) {
    const int start = parser_.Position();
    const std::size_t startCount = walk_.lines.size();
    std::string token;
    bool matched = false;
    const bool walksChildren = element.isRuleDefinition || element.kind == RuleKind::Sequence;
    if (walksChildren) {
        matched = MatchChildren(element);
    } else if (element.kind == RuleKind::RuleReference) {
        if (element.target == nullptr) throw Exception(SInvalidLanguage);
        matched = MatchRule(*element.target);
    } else if (element.kind == RuleKind::Eol) {
        matched = parser_.ReadLineEnd();
    } else {
        matched = MatchTerminal(element, token);
    }
    if (matched) {
        if (!element.isRuleDefinition) WrapNode(element, start, startCount, true);
        if (!element.add.empty()) AppendAdd(element, token);
        if (!walksChildren) matched = MatchChildren(element);
    } else {
        RecordError(element, start);
    }
    if (!matched) TakeBack(start, startCount);
    if (element.isRuleDefinition) WrapNode(element, start, startCount, matched);
    return matched;
}

bool TscILParser::MatchTerminal(const RuleElement& element, std::string& token) {
    switch (element.kind) {
    case RuleKind::Char:
        if (!element.noBlankSkip) parser_.SkipBlanks();
        token = parser_.ReadPunctuation();
        break;
    case RuleKind::Keyword: token = parser_.ReadWord(); break;
    case RuleKind::Ident: token = parser_.ReadIdentifier(); break;
    case RuleKind::Number: token = parser_.ReadNumber(); break;
    case RuleKind::String: token = parser_.ReadStringLiteral(); break;
    case RuleKind::FrString:
        token = parser_.ReadBracketedText();
        if (!token.empty()) WriteBracketedCall(token);
        break;
    default: break;
    }
    if (token.empty()) return false;
    if (element.text.empty()) return true;
    return parser_.CaseSensitive ? token == element.text : AnsiSameText(token, element.text);
}

bool TscILParser::MatchSwitch(const RuleElement& element) {
    const int start = parser_.Position();
    for (const RuleElement& child : element.children)
        if (MatchRule(child)) return true;
    if (element.kind == RuleKind::OptionalSwitch) return true;
    RecordError(element, start);
    parser_.SetPosition(start);
    return false;
}

bool TscILParser::MatchOptional(const RuleElement& element) {
    const int start = parser_.Position();
    const std::size_t startCount = walk_.lines.size();
    if (!MatchChildren(element)) TakeBack(start, startCount);
    return true;
}

void TscILParser::TakeBack(int start, std::size_t startCount) {
    // What a failed alternative wrote never survives it: a dimension "[2]"
    // tried first as "low..high" must not leave its "2" behind.
    parser_.SetPosition(start);
    walk_.lines.resize(startCount);
}

bool TscILParser::MatchLoop(const RuleElement& element) {
    const int start = parser_.Position();
    const std::size_t startCount = walk_.lines.size();
    // Only an error met inside this loop can be the normal end of its list.
    const bool errorBefore = !walk_.errorMessage.empty();
    int passes = 0;
    bool passFailed = false;
    for (;;) {
        ++passes;
        const int passStart = parser_.Position();
        if (!MatchChildren(element)) {
            passFailed = true;
            break;
        }
        if (!element.text.empty()) {
            const int passEnd = parser_.Position();
            parser_.SkipBlanks();
            if (parser_.ReadPunctuation() != element.text) {
                parser_.SetPosition(passEnd);
                break;
            }
        }
        if (parser_.Position() == passStart) break;
    }
    // The position stays where the last pass stopped.
    if (passes > 1) {
        if (!errorBefore && (element.dropsLoopError || walk_.errorTerm)) DropError();
        return true;
    }
    if (!passFailed) return true;
    if (element.kind == RuleKind::OptionalLoop) {
        TakeBack(start, startCount);
        return true;
    }
    return false;
}
