#include "script/members/EventHelper.h"

#include "script/component/Script.h"
#include "script/core/ProcVariable.h"
#include "script/core/ScriptErrors.h"
#include "script/members/MethodHelper.h"
#include "script/messages/ScriptMessages.h"
#include "ui/core/Object.h"

namespace {

// What a script assigns to remove a handler: nil, 0 or Null.
constexpr std::string_view kNoHandler = "0";

}  // namespace

TscEventHelper::TscEventHelper(const std::string& name, const TClassInfo& classRef, TscEventClass adapterClass)
    : TscCustomHelper(name, "", fvtString), ClassRef(&classRef), AdapterClass(std::move(adapterClass)) {}

Variant TscEventHelper::GetValue() { return Variant(std::string()); }

void TscEventHelper::SetValue(const Variant& value) {
    TObject* instance = VariantToObject(ParentValue);
    if (!instance) throw EScriptError("«" + Name() + "»: нет объекта (nil)");
    const TPropInfo* property = instance->ClassType().FindProperty(Name());
    if (!property || property->Kind != TTypeKind::tkMethod || !property->SetMethod) return;
    const std::string text = value.IsNull() ? std::string(kNoHandler) : value.AsString();
    if (text == kNoHandler) {
        property->SetMethod(*instance, TMethod());
        return;
    }
    auto* handler = Program ? dynamic_cast<TscProcVariable*>(Program->Find(text)) : nullptr;
    if (!handler) throw EScriptError(SEventError);
    std::unique_ptr<TscCustomEvent> adapter = AdapterClass(*instance, *handler);
    const TMethod method = adapter->GetMethod();
    Program->Add("", std::move(adapter));
    property->SetMethod(*instance, method);
}
