#include "script/core/Declarations.h"

#include "script/component/Script.h"
#include "script/core/ScriptErrors.h"
#include "script/tokenizer/Parser.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view kMacroPrefix = "macro";
constexpr int kFirstExtendedChar = 128;
constexpr int kLastChar = 255;

// A group's default after "=": a number, a string, "-" and a number, or the
// value of a script entry of that name (Null when there is none).
Variant ReadDefault(TscParser& parser, const TscScript& script) {
    parser.SkipBlanks();
    std::string text = parser.ReadNumber();
    if (text.empty()) text = parser.ReadStringLiteral();
    if (text.empty() && parser.ReadPunctuation() == "-") {
        parser.SkipBlanks();
        const std::string number = parser.ReadNumber();
        if (!number.empty()) text = "-" + number;
    }
    if (!text.empty()) return ConvertLiteral(text);
    const std::string name = parser.ReadWord();
    TscCustomVariable* entry = name.empty() ? nullptr : script.Find(name);
    return entry ? entry->GetValue() : Variant::Null();
}

void ReadParameters(TscParser& parser, const TscScript& script, TscCustomVariable& routine) {
    while (true) {
        std::vector<std::string> names;
        bool byReference = false;
        std::string separator;
        while (true) {
            const std::string word = parser.ReadWord();
            if (AnsiSameText(word, "var")) byReference = true;
            else if (!word.empty() && !AnsiSameText(word, "const")) names.push_back(word);
            parser.SkipBlanks();
            separator = parser.ReadPunctuation();
            // "var" and "const" stand before a name with no punctuation between.
            if (separator == ":" || separator == ")" || (separator.empty() && word.empty())) break;
        }
        if (separator != ":") return;
        const std::string typeName = parser.ReadWord();
        const TscVarType type = script.TypeCodeOf(typeName);
        parser.SkipBlanks();
        Variant defaultValue = Variant::Null();
        separator = parser.ReadPunctuation();
        if (separator == "=") {
            defaultValue = ReadDefault(parser, script);
            parser.SkipBlanks();
            separator = parser.ReadPunctuation();
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            const bool last = i + 1 == names.size();
            auto param = std::make_unique<TscParamItem>(names[i], type, typeName, last && !defaultValue.IsNull(), byReference);
            if (last) param->DefaultValue = defaultValue;
            routine.Add(std::move(param));
        }
        if (separator != ";") return;
    }
}

}  // namespace

std::unique_ptr<TscCustomVariable> ParseDeclaration(const std::string& declaration, const TscScript& script) {
    TscParser parser;
    if (script.CompileTarget().ExtendedCharset)
        for (int c = kFirstExtendedChar; c <= kLastChar; ++c) parser.IdentChars.set(static_cast<std::size_t>(c));
    parser.SetText(declaration);
    std::string kind = parser.ReadWord();
    bool macro = false;
    if (AnsiLowerCase(kind).starts_with(kMacroPrefix)) {
        macro = true;
        kind.erase(0, kMacroPrefix.size());
    }
    const bool isFunction = AnsiSameText(kind, "function");
    const std::string name = parser.ReadWord();
    if (kind.empty() || name.empty()) throw EScriptError("Неверное описание подпрограммы: «" + declaration + "»");
    std::string resultType;
    if (isFunction) {
        const std::size_t colon = declaration.rfind(':');
        if (colon != std::string::npos) {
            TscParser tail;
            tail.SetText(std::string_view(declaration).substr(colon + 1));
            resultType = tail.ReadWord();
        }
    }
    auto routine = std::make_unique<TscCustomVariable>(name, resultType, isFunction ? script.TypeCodeOf(resultType) : fvtVariant);
    routine->IsMacro = macro;
    parser.SkipBlanks();
    const int afterName = parser.Position();
    if (parser.ReadPunctuation() == "(") ReadParameters(parser, script, *routine);
    else parser.SetPosition(afterName);
    return routine;
}

bool AssignCompatible(const TscCustomVariable& target, const TscCustomVariable& source, const TscScript& program) {
    if (target.Type == fvtInt && source.Type == fvtFloat) return false;
    return TypesCompatible(target.Type, target.TypeName, source.Type, source.TypeName, program);
}

Variant ConvertLiteral(const std::string& text) {
    if (text.empty()) return Variant::Null();
    if (text.front() == '\'') return Variant(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string());
    std::int64_t value = 0;
    bool whole = false;
    if (text.front() == '$') {
        const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
        whole = error == std::errc() && end == text.data() + text.size() && text.size() > 1;
    } else {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        whole = error == std::errc() && end == text.data() + text.size();
    }
    if (whole) {
        if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
            return Variant(value);
        return Variant(static_cast<std::int32_t>(value));
    }
    // StrToFloat takes a point or a comma, whatever the user's separator.
    return Variant(StrToFloat(text));
}
