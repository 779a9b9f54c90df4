#include "report/script/ExpressionCache.h"

#include "report/resources/Resources.h"
#include "script/component/Script.h"
#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/variant/VariantErrors.h"

namespace {

constexpr const char* kFunctionPrefix = "rptf";

}  // namespace

TrpExpressionCache::TrpExpressionCache(TscScript& mainScript)
    : mainScript_(mainScript), cacheScript_(std::make_unique<TscScript>(nullptr)) {
    expressions_.SetSorted(true);
    expressions_.SetDuplicates(TDuplicates::dupIgnore);
}

TrpExpressionCache::~TrpExpressionCache() = default;

std::string TrpExpressionCache::FunctionText(const std::string& expression, int index) const {
    const std::string name = kFunctionPrefix + std::to_string(index);
    if (AnsiSameText(ScriptLanguage, "PascalScript"))
        return "function " + name + ": Variant; begin Result := " + expression + " end; begin end.";
    if (AnsiSameText(ScriptLanguage, "C++Script")) return "Variant " + name + "() { return " + expression + "; } {}";
    if (AnsiSameText(ScriptLanguage, "BasicScript"))
        return "function " + name + "\r\nreturn " + expression + "\r\nend function";
    if (AnsiSameText(ScriptLanguage, "JScript")) return "function " + name + "() { return " + expression + "; }";
    return cacheScript_->Lines().Text();
}

Variant TrpExpressionCache::Calc(const std::string& expression, std::string& errorText, TscScript* script) {
    errorText.clear();
    dividedByZero_ = false;
    cacheScript_->Parent = script ? script : &mainScript_;
    TscCustomVariable* function = nullptr;
    const int found = expressions_.IndexOf(expression);
    if (found >= 0) {
        function = static_cast<TscCustomVariable*>(expressions_.Objects(found));
    } else {
        const int index = expressions_.Count();
        cacheScript_->SyntaxType = ScriptLanguage;
        cacheScript_->Lines().SetText(FunctionText(expression, index));
        const bool compiled = cacheScript_->Compile();
        function = cacheScript_->FindLocal(kFunctionPrefix + std::to_string(index));
        if (!compiled) {
            if (function) std::unique_ptr<TObject> dropped = cacheScript_->Remove(function);
            errorText = rpResourceManager().Get("clExprError") + " '" + expression + "': " + cacheScript_->ErrorMessage();
            return Variant::Null();
        }
        if (!function) {
            errorText = rpResourceManager().Get("clExprError") + " '" + expression + "'";
            return Variant::Null();
        }
        expressions_.AddObject(expression, function);
    }
    // Procedures the expression calls must not take the main program's place.
    const bool wasMain = mainScript_.IsMainProgram;
    mainScript_.IsMainProgram = false;
    ScopeExit restore([&] { mainScript_.IsMainProgram = wasMain; });
    try {
        return function->GetValue();
    } catch (const EZeroDivide& e) {
        dividedByZero_ = true;
        errorText = e.Message();
        return Variant::Null();
    } catch (const Exception& e) {
        errorText = e.Message();
        return Variant::Null();
    }
}

void TrpExpressionCache::Clear() {
    expressions_.Clear();
    cacheScript_->Clear();
}
