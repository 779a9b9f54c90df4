#pragma once
// An event of a host class as scripts see it: assigning a procedure's name
// hooks the procedure to the instance's event property through a new
// adapter; assigning nil (0) removes the handler.

#include "script/events/CustomEvent.h"
#include "script/members/CustomHelper.h"

class TClassInfo;

class TscEventHelper : public TscCustomHelper {
public:
    TscEventHelper(const std::string& name, const TClassInfo& classRef, TscEventClass adapterClass);

    // The empty string: an event has no value to read.
    Variant GetValue() override;
    // The adapter goes into the member's program, which owns it from then
    // on. Raises EScriptError for a name that is no procedure and for a nil
    // instance; nothing happens when the instance's class has no such event.
    void SetValue(const Variant& value) override;

    const TClassInfo* ClassRef;
    TscEventClass AdapterClass;
};
