#pragma once
// The intermediate form as a short outline for comparing: an element's name,
// ":" and its `text` when it has one, its children in brackets; positions
// are left out (tests that care read them with Prop).

#include "script/grammar/ScriptGrammars.h"
#include "script/parser/ILParser.h"
#include "script/xml/XMLItem.h"

#include <string>
#include <string_view>

inline std::string Outline(const TscXMLItem& item) {
    std::string text = item.Name();
    const std::string value = item.Prop("text");
    if (!value.empty()) text += ":" + value;
    if (item.Count() > 0) {
        text += "(";
        for (int i = 0; i < item.Count(); ++i) text += (i > 0 ? " " : "") + Outline(*item.Items(i));
        text += ")";
    }
    return text;
}

// The program's children but the trailing `types` copy.
inline std::string ProgramOutline(const TscXMLItem& program) {
    std::string text;
    for (int i = 0; i + 1 < program.Count(); ++i) text += (i > 0 ? " " : "") + Outline(*program.Items(i));
    return text;
}

struct ParseOutcome {
    bool ok = false;
    std::string outline;
    std::string message;
    std::string position;
};

inline ParseOutcome ParsePascal(std::string_view source, TscCompileTarget* target = nullptr) {
    RegisterScriptGrammars();
    TscCompileTarget own;
    TscCompileTarget& script = target != nullptr ? *target : own;
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    ParseOutcome outcome;
    outcome.ok = parser.ParseSource(source);
    if (outcome.ok) outcome.outline = ProgramOutline(*parser.ILDocument().Root());
    outcome.message = script.ErrorMessage;
    outcome.position = script.ErrorPosition;
    return outcome;
}
