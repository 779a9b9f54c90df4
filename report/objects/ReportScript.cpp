#include "report/objects/Report.h"

#include "common/TextFormatting.h"
#include "report/engine/CustomEngine.h"
#include "report/engine/CustomOutline.h"
#include "report/engine/CustomPreviewPages.h"
#include "report/resources/Resources.h"
#include "report/script/ExpressionCache.h"
#include "script/component/Script.h"
#include "script/members/MethodHelper.h"
#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"

#include <array>
#include <cstdint>

namespace {

enum SystemVariable { svDate, svTime, svPage, svPageNo, svTotalPages, svTotalPagesNo, svLine, svLineNo, svCopyName };

// The routines every report script has; the macro ones get their
// arguments as source texts.
constexpr std::array kScriptRoutines = {
    "function Get(Name: String): Variant",
    "procedure Set(Name: String; Value: Variant)",
    "macrofunction IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant",
    "macrofunction SUM(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction AVG(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction MIN(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction MAX(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant",
    "macrofunction COUNT(Band: Variant = 0; Flags: Integer = 0): Variant",
};

int ParamCount(const Variant& params) {
    return params.IsArray() ? params.ArrayHighBound(1) - params.ArrayLowBound(1) + 1 : 0;
}

std::string ParamText(const Variant& params, int index) {
    if (index >= ParamCount(params)) return {};
    return VarToStr(params.GetElement({params.ArrayLowBound(1) + index}));
}

}  // namespace

bool TrpReport::PrepareScript() {
    expressionCache_->Clear();
    expressionCache_->ScriptLanguage = scriptLanguage_;
    if (engine_) engine_->NotifyList().Clear();
    const auto marker = reinterpret_cast<TscOwnerMarker>(this);
    script_->ClearItems(marker);
    script_->OwnerMarker = marker;
    script_->IsMainProgram = true;
    ScopeExit unmark([this] { script_->OwnerMarker = kNoOwner; });

    for (TrpComponent* object : AllObjects()) {
        object->SetDesigning(false);
        object->PrepareForRun();
        script_->AddObject(object->Name(), object);
    }
    script_->AddObject("Report", this);
    if (engine_) script_->AddObject("Engine", engine_.get());
    if (previewPages_ && previewPages_->Outline()) script_->AddObject("Outline", previewPages_->Outline());
    script_->AddVariable("Value", "Variant", Variant::Null());
    script_->AddVariable("Self", "TrpView", Variant::Null());

    auto getHandler = [this](TObject*, const TClassInfo*, const std::string&, Variant& params) {
        return ScriptGet(ParamText(params, 0));
    };
    auto setHandler = [this](TObject*, const TClassInfo*, const std::string&, Variant& params) {
        const std::string name = ParamText(params, 0);
        const Variant value = ParamCount(params) > 1 ? params.GetElement({params.ArrayLowBound(1) + 1}) : Variant();
        variables_.SetVariables(name, VariantToValue(value));
        return Variant();
    };
    auto functionHandler = [this](TObject*, const TClassInfo*, const std::string& name, Variant& params) {
        return ScriptFunction(name, params);
    };
    script_->AddMethodWithParamArray(kScriptRoutines[0], getHandler);
    script_->AddMethodWithParamArray(kScriptRoutines[1], setHandler);
    for (std::size_t i = 2; i < kScriptRoutines.size(); ++i)
        script_->AddMethodWithParamArray(kScriptRoutines[i], functionHandler);

    valueVariable_ = script_->Find("Value");
    selfVariable_ = script_->Find("Self");
    script_->SetLines(scriptText_);
    script_->SyntaxType = scriptLanguage_;
    const bool compiled = script_->Compile();
    if (!compiled)
        errors_.Add(FormatString(rpResourceManager().Get("clScrError"), {script_->ErrorPosition(), script_->ErrorMessage()}));
    return compiled;
}

Variant TrpReport::Calc(const std::string& expression, TscScript* script, bool fromScriptCalc) {
    Variant value = Variant::Null();
    if (ResolveName(expression, value)) return value;
    std::string errorText;
    value = expressionCache_->Calc(expression, errorText, script);
    if (errorText.empty()) return value;
    if (expressionCache_->DividedByZero() && engineOptions_.IgnoreDevByZero) return value;
    if (fromScriptCalc) throw Exception("Error in Calc expression: " + errorText);
    const std::string message = CurrentObjectName.empty() ? errorText : CurrentObjectName + ": " + errorText;
    errors_.Add(message);
    throw Exception(message);
}

Variant TrpReport::SystemVariable(int index) const {
    TrpCustomEngine* engine = engine_.get();
    TrpCustomPreviewPages* pages = previewPages_.get();
    switch (index) {
    case svDate: return Variant::FromDate(engine ? engine->StartDate() : 0);
    case svTime: return Variant::FromDate(engine ? engine->StartTime() : 0);
    case svPage: return pages ? Variant(pages->LogicalPageNumber()) : Variant::Null();
    case svPageNo: return pages ? Variant(pages->CurrentPage() + 1) : Variant::Null();
    case svTotalPages: return pages ? Variant(pages->LogicalPageTotal()) : Variant::Null();
    case svTotalPagesNo: return engine ? Variant(engine->TotalPages()) : Variant::Null();
    case svLine: return engine ? Variant(engine->CurLine()) : Variant::Null();
    case svLineNo: return engine ? Variant(engine->CurLineThrough()) : Variant::Null();
    case svCopyName: return ValueToVariant(rpGlobalVariables().Variables("CopyName0"));
    default: return Variant::Null();
    }
}

bool TrpReport::ResolveName(const std::string& name, Variant& value) {
    value = Variant::Null();
    const int system = systemVariableNames_.IndexOf(name);
    if (system >= 0) {
        value = SystemVariable(system);
        return true;
    }
    for (int pass = 0; pass < 2; ++pass) {
        Variant answer;
        if (pass == 0 && OnGetValue) OnGetValue(name, answer);
        if (pass == 1 && OnNewGetValue) OnNewGetValue(this, name, answer);
        if (!answer.IsEmpty()) {
            value = answer;
            return true;
        }
    }
    if (variables_.IndexOf(name) >= 0) {
        const TrpValue stored = variables_.Variables(name);
        const auto* text = std::get_if<std::string>(&stored);
        // A one-line text is an expression; a text of several lines is plain text.
        value = text && text->find("\r\n") == std::string::npos ? Calc(*text) : ValueToVariant(stored);
        return true;
    }
    if (rpGlobalVariables().IndexOf(name) >= 0) {
        value = ValueToVariant(rpGlobalVariables().Variables(name));
        return true;
    }
    TscCustomVariable* entry = script_->FindLocal(name);
    if (entry && dynamic_cast<TscVariable*>(entry)) {
        value = entry->GetValue();
        return true;
    }
    return false;
}

Variant TrpReport::ScriptGet(const std::string& name) {
    Variant value;
    if (ResolveName(name, value)) return value;
    const std::size_t parenthesis = name.find('(');
    if (parenthesis != std::string::npos) {
        const std::string function = AnsiUpperCase(TrimText(name.substr(0, parenthesis)));
        for (const char* aggregate : {"SUM", "MIN", "MAX", "AVG", "COUNT"})
            if (function == aggregate) return Calc(name);
    }
    errors_.Add(rpResourceManager().Get("clUnknownVar") + " " + name);
    return Variant::Null();
}

Variant TrpReport::ScriptFunction(const std::string& name, Variant& params) {
    TscScript* running = script_->RunningProcProgram;
    if (AnsiSameText(name, "IIF")) {
        try {
            const Variant condition = Calc(ParamText(params, 0), running);
            return Calc(ParamText(params, condition == Variant(true) ? 1 : 2), running);
        } catch (const Exception&) {
            return Variant::Null();
        }
    }
    const bool count = AnsiSameText(name, "COUNT");
    if (!count && !AnsiSameText(name, "SUM") && !AnsiSameText(name, "AVG") && !AnsiSameText(name, "MIN") &&
        !AnsiSameText(name, "MAX"))
        return Variant();
    const int first = count ? 0 : 1;
    // A band comes as its object reference, a number like the flags.
    auto integerOf = [&](int index) -> std::int64_t {
        const std::string text = TrimText(ParamText(params, index));
        return text.empty() ? 0 : Calc(text, running).AsInt64();
    };
    const std::int64_t band = integerOf(first);
    const auto flags = static_cast<int>(integerOf(first + 1));
    if (!engine_) return Variant::Null();
    auto* bandObject = reinterpret_cast<TrpBand*>(static_cast<std::intptr_t>(band));
    return engine_->AggregateValue(AnsiUpperCase(name), count ? std::string() : ParamText(params, 0), bandObject, flags);
}

void TrpReport::DoNotifyEvent(TObject* object, const std::string& eventName, bool runAlways) {
    if (eventName.empty() || !(runAlways || (engine_ && engine_->Running()))) return;
    script_->CallFunction(eventName, VarArrayOf({ObjectToVariant(object)}));
}

void TrpReport::DoParamEvent(const std::string& eventName, Variant& params, bool runAlways) {
    if (eventName.empty() || !(runAlways || (engine_ && engine_->Running()))) return;
    script_->CallFunctionVar(eventName, params);
}

void TrpReport::SetScriptValue(const Variant& value) {
    if (valueVariable_) valueVariable_->SetValue(value);
}

void TrpReport::SetScriptSelf(TObject* object) {
    if (selfVariable_) selfVariable_->SetValue(ObjectToVariant(object));
}
