#include "script/grammar/GrammarRules.h"

#include "script/xml/XMLItem.h"
#include "ui/core/TextCase.h"

namespace {

const std::unordered_map<std::string_view, RuleKind>& KindsByName() {
    static const std::unordered_map<std::string_view, RuleKind> kinds = {
        {"sequence", RuleKind::Sequence},
        {"switch", RuleKind::Switch},
        {"optionalswitch", RuleKind::OptionalSwitch},
        {"loop", RuleKind::Loop},
        {"optionalloop", RuleKind::OptionalLoop},
        {"optional", RuleKind::Optional},
        {"keyword", RuleKind::Keyword},
        {"ident", RuleKind::Ident},
        {"number", RuleKind::Number},
        {"string", RuleKind::String},
        {"char", RuleKind::Char},
        {"frstring", RuleKind::FrString},
        {"eol", RuleKind::Eol},
    };
    return kinds;
}

// An attribute present with an empty value counts as present.
bool HasAttribute(const TscXMLItem& item, std::string_view name) {
    const std::string text = " " + AnsiUpperCase(item.Text());
    return text.find(" " + AnsiUpperCase(name) + "=\"") != std::string::npos;
}

}  // namespace

GrammarRules::GrammarRules(const TscXMLItem& language) {
    TscXMLItem emptyErrors;
    const TscXMLItem* errors = &emptyErrors;
    const int parser = language.Find("parser");
    if (parser >= 0) {
        const int found = language.Items(parser)->Find("errors");
        if (found >= 0) errors = language.Items(parser)->Items(found);
    }
    for (int i = 0; i < language.Count(); ++i) {
        const TscXMLItem& item = *language.Items(i);
        rules_.push_back(std::make_unique<RuleElement>(Read(item, true, *errors)));
        // The first rule of a name is the one found.
        byName_.emplace(rules_.back()->name, rules_.back().get());
    }
    auto program = byName_.find("program");
    if (program == byName_.end()) {
        auto empty = std::make_unique<RuleElement>();
        empty->isRuleDefinition = true;
        empty->name = "program";
        rules_.push_back(std::move(empty));
        program_ = rules_.back().get();
    } else {
        program_ = program->second;
    }
    for (auto& rule : rules_) Resolve(*rule);
}

RuleElement GrammarRules::Read(const TscXMLItem& item, bool isRuleDefinition, const TscXMLItem& errors) {
    RuleElement element;
    element.isRuleDefinition = isRuleDefinition;
    element.name = AnsiLowerCase(item.Name());
    if (!isRuleDefinition) {
        auto kind = KindsByName().find(element.name);
        element.kind = kind == KindsByName().end() ? RuleKind::RuleReference : kind->second;
    }
    element.text = AnsiLowerCase(item.Prop("text"));
    element.node = AnsiLowerCase(item.Prop("node"));
    element.add = item.Prop("add");
    element.hasAddText = HasAttribute(item, "addtext");
    element.addText = item.Prop("addtext");
    const std::string errorKey = item.Prop("err");
    if (!errorKey.empty()) {
        const int found = errors.Find(errorKey);
        if (found >= 0) element.errorMessage = errors.Items(found)->Prop("text");
    }
    element.term = item.Prop("term") == "1";
    const std::string skip = item.Prop("skip");
    element.noBlankSkip = skip == "0";
    element.dropsLoopError = skip == "1";
    element.children.reserve(static_cast<std::size_t>(item.Count()));
    for (int i = 0; i < item.Count(); ++i) element.children.push_back(Read(*item.Items(i), false, errors));
    return element;
}

void GrammarRules::Resolve(RuleElement& element) {
    if (element.kind == RuleKind::RuleReference && !element.isRuleDefinition) {
        auto rule = byName_.find(element.name);
        if (rule != byName_.end()) element.target = rule->second;
    }
    for (RuleElement& child : element.children) Resolve(child);
}
