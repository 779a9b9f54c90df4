#include "script/events/CustomEvent.h"

#include "script/core/ProcVariable.h"
#include "script/members/MethodHelper.h"
#include "ui/core/Events.h"

#include <algorithm>

TscCustomEvent::TscCustomEvent(TObject& instance, TscProcVariable& handler)
    : instance_(&instance), handler_(&handler), alive_(std::make_shared<const bool>(true)) {}

TscCustomEvent::~TscCustomEvent() = default;

bool TscCustomEvent::CallHandler(const std::vector<Variant>& arguments) {
    if (handler_->Executing) return false;
    const int count = std::min(handler_->ParamCount(), static_cast<int>(arguments.size()));
    for (int i = 0; i < count; ++i) handler_->GetParam(i)->SetValue(arguments[static_cast<std::size_t>(i)]);
    handler_->GetValue();
    return true;
}

Variant TscCustomEvent::ParamValue(int index) const {
    if (index < 0 || index >= handler_->ParamCount()) return Variant::Null();
    return handler_->GetParam(index)->GetValue();
}

TMethod TscNotifyEvent::GetMethod() {
    return TNotifyEvent(Bind<TObject*>([this](TObject* sender) { CallHandler({ObjectToVariant(sender)}); }));
}
