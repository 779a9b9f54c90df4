#include "script/members/MethodHelper.h"

#include "script/core/Declarations.h"
#include "script/members/ClassVariable.h"
#include "script/members/LiveObjects.h"
#include "script/core/ScriptErrors.h"
#include "ui/core/ScopeGuards.h"

#include <cstdint>

namespace {

constexpr std::string_view kGetSuffix = ".GET";
constexpr std::string_view kSetSuffix = ".SET";

}  // namespace

Variant ObjectToVariant(TObject* object) {
    RememberLiveObject(object);
    return Variant(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(object)));
}

TObject* VariantToObject(const Variant& value) {
    if (value.IsNull() || value.IsEmpty() || !value.IsOrdinal()) return nullptr;
    const std::int64_t address = value.AsInt64();
    if (address == 0) return nullptr;
    auto* object = reinterpret_cast<TObject*>(static_cast<std::intptr_t>(address));
    if (!IsLiveObject(object)) throw EScriptError("Объект по ссылке " + std::to_string(address) + " уже освобождён или неизвестен");
    return object;
}

TscMethodHelper::TscMethodHelper(const std::string& declaration, TscScript& script)
    : TscMethodHelper(ParseDeclaration(declaration, script), declaration, script) {}

TscMethodHelper::TscMethodHelper(std::unique_ptr<TscCustomVariable> parsed, const std::string& declaration,
                                 TscScript& script)
    : TscCustomHelper(parsed->Name(), parsed->TypeName, parsed->Type), Declaration(declaration) {
    IsMacro = parsed->IsMacro;
    IsReadOnly = true;
    SwapItems(*parsed);
    Program = &script;
}

TObject* TscMethodHelper::Instance() {
    // A constructor's parent value is a class reference, never an object.
    if (Type == fvtConstructor) {
        auto* classEntry = dynamic_cast<TscClassVariable*>(ParentRef);
        ConstructedClass = classEntry ? &classEntry->ClassRef() : ClassRef;
        return nullptr;
    }
    return VariantToObject(ParentValue);
}

Variant TscMethodHelper::GetParam(int index) const {
    if (index == ParamCount()) return assigned_;
    return TscCustomVariable::GetParam(index)->GetValue();
}

void TscMethodHelper::SetParam(int index, const Variant& value) { TscCustomVariable::GetParam(index)->SetValue(value); }

Variant TscMethodHelper::GetValue() {
    const std::string name = IsIndexMethod ? UpperName() + std::string(kGetSuffix) : UpperName();
    if (OnCallWithParams) {
        std::vector<Variant> values;
        for (int i = 0; i < ParamCount(); ++i) values.push_back(GetParam(i));
        Variant params = VarArrayOf(values);
        Variant result = OnCallWithParams(Instance(), ClassRef, name, params);
        for (int i = 0; i < ParamCount(); ++i)
            if (TscCustomVariable::GetParam(i)->IsVarParam) SetParam(i, params.GetElement({i}));
        return result;
    }
    if (OnCall) return OnCall(Instance(), ClassRef, name, *this);
    return Variant(0);
}

void TscMethodHelper::SetValue(const Variant& value) {
    if (!IsIndexMethod) return;
    const std::string name = UpperName() + std::string(kSetSuffix);
    if (OnCallWithParams) {
        std::vector<Variant> values;
        for (int i = 0; i < ParamCount(); ++i) values.push_back(GetParam(i));
        values.push_back(value);
        Variant params = VarArrayOf(values);
        OnCallWithParams(Instance(), ClassRef, name, params);
    } else if (OnCall) {
        assigned_ = value;
        ScopeExit reset([this] { assigned_ = Variant::Null(); });
        OnCall(Instance(), ClassRef, name, *this);
    }
}
