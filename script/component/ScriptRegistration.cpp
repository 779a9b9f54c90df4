#include "script/component/Script.h"

#include "script/core/ProcVariable.h"
#include "script/core/ScriptErrors.h"
#include "script/bindings/RTTIModule.h"
#include "script/members/ClassVariable.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TextCase.h"
#include "ui/forms/Form.h"

#include <cstdint>
#include <limits>

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitNames(const std::string& names) {
    std::vector<std::string> result;
    std::string_view rest = names;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = TrimBlanks(rest.substr(0, comma));
        if (!name.empty()) result.emplace_back(name);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return result;
}

// A set's names take the bits of a 64-bit integer.
constexpr std::size_t kMaxSetBits = 63;

// Integer while it fits, Int64 beyond.
Variant IntegerResultOf(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) return Variant(static_cast<std::int32_t>(value));
    return Variant(value);
}

}  // namespace

void TscScript::AddConst(const std::string& name, const std::string& typeName, const Variant& value) {
    if (Find(name)) return;
    auto constant = std::make_unique<TscVariable>(name, typeName, TypeCodeOf(typeName));
    constant->SetValue(value);
    constant->IsReadOnly = true;
    Add(name, std::move(constant));
}

void TscScript::AddEnumeration(const std::string& typeName, const std::string& names, bool asSet) {
    const std::vector<std::string> list = SplitNames(names);
    if (asSet && list.size() > kMaxSetBits)
        throw EScriptError("Множество «" + typeName + "» не может иметь больше " + std::to_string(kMaxSetBits) + " элементов");
    Add(typeName, std::make_unique<TscVariable>(typeName, typeName, fvtEnum));
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto constant = std::make_unique<TscVariable>(list[i], typeName, fvtEnum);
        const std::int64_t value = asSet ? std::int64_t{1} << i : static_cast<std::int64_t>(i);
        constant->StoredValue = IntegerResultOf(value);
        constant->IsReadOnly = true;
        Add(list[i], std::move(constant));
    }
}

void TscScript::AddEnum(const std::string& typeName, const std::string& names) { AddEnumeration(typeName, names, false); }

void TscScript::AddEnumSet(const std::string& typeName, const std::string& names) { AddEnumeration(typeName, names, true); }

void TscScript::AddObject(const std::string& name, TObject* object) {
    AddVariable(name, object ? object->ClassName() : std::string("TObject"), ObjectToVariant(object));
}

void TscScript::AddVariable(const std::string& name, const std::string& typeName, const Variant& value) {
    if (Find(name)) return;
    auto variable = std::make_unique<TscVariable>(name, typeName, TypeCodeOf(typeName));
    variable->SetValue(value);
    variable->OnGetValue = OnGetVarValue;
    Add(name, std::move(variable));
}

void TscScript::AddType(const std::string& typeName, TscVarType type) {
    if (Find(typeName)) return;
    Add(typeName, std::make_unique<TscTypeVariable>(typeName, std::string(), type));
}

void TscScript::AssignVariable(const std::string& name, const Variant& value) {
    if (TscCustomVariable* entry = Find(name)) entry->SetValue(value);
    else AddVariable(name, "Variant", value);
}

TscClassVariable* TscScript::FindClass(const std::string& name) const { return dynamic_cast<TscClassVariable*>(Find(name)); }

TscClassVariable* TscScript::AddClass(const TClassInfo& classRef, const std::string& ancestorName) {
    if (Find(classRef.Name())) return nullptr;
    auto entry = std::make_unique<TscClassVariable>(classRef, ancestorName, *this);
    if (const TscClassVariable* ancestor = FindClass(ancestorName)) entry->DefaultProperty = ancestor->DefaultProperty;
    TscClassVariable& added = *entry;
    Add(classRef.Name(), std::move(entry));
    return &added;
}

TscMethodHelper& TscScript::AddMethod(const std::string& declaration, TscMethodCall handler, const std::string& category,
                                      const std::string& description) {
    auto method = std::make_unique<TscMethodHelper>(declaration, *this);
    method->OnCall = std::move(handler);
    method->Category = category;
    method->Description = description.empty() ? method->Name() : description;
    TscMethodHelper& added = *method;
    Add(added.Name(), std::move(method));
    return added;
}

TscMethodHelper& TscScript::AddMethodWithParamArray(const std::string& declaration, TscMethodCallWithParams handler,
                                                    const std::string& category, const std::string& description) {
    TscMethodHelper& added = AddMethod(declaration, nullptr, category, description);
    added.OnCallWithParams = std::move(handler);
    return added;
}

namespace {

// The ancestor a form-like component's class is registered under: "TForm"
// for forms, "TDataModule" and "TFrame" for classes that descend from the
// class library's data module or frame; empty for anything else.
std::string FormLikeAncestor(const TComponent& component) {
    if (component.InheritsFrom(TCustomForm::StaticClass())) return "TForm";
    for (const TClassInfo* c = &component.ClassType(); c; c = c->Parent()) {
        if (AnsiSameText(c->Name(), "TDataModule")) return "TDataModule";
        if (AnsiSameText(c->Name(), "TFrame") || AnsiSameText(c->Name(), "TCustomFrame")) return "TFrame";
    }
    return {};
}

}  // namespace

void TscScript::AddForm(TComponent& form) {
    const std::string ancestor = FormLikeAncestor(form);
    if (ancestor.empty()) return;
    TscClassVariable* entry = FindClass(form.ClassName());
    if (!entry) entry = AddClass(form.ClassType(), ancestor);
    if (!entry) return;
    for (int i = 0; i < form.ComponentCount(); ++i) entry->AddComponent(*form.Components(i));
    AddObject(form.Name(), &form);
}

void TscScript::AddRTTI() {
    if (RTTIAttached) return;
    OwnerMarker = kRTTIOwner;
    ScopeExit reset([this] { OwnerMarker = kNoOwner; });
    for (const TscRTTIModuleClass& module : RTTIModules()) Add("", module.create(*this));
    RTTIAttached = true;
}
