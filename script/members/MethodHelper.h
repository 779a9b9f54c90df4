#pragma once
// A host routine or method as scripts call it: a declaration string gives
// its name, result type and parameters; a handler of the binding serves
// the call. Index methods (indexed properties) also take writes.

#include "script/members/CustomHelper.h"

#include "ui/core/TypeInfo.h"

#include <functional>
#include <memory>
#include <string>

class TObject;
class TscMethodHelper;

// Member style: instance (nullptr for routines and Null parents), the class
// the member was registered with, the upper-case name (".GET"/".SET"
// appended for index methods) and the member, whose parameters the handler reads.
using TscMethodCall = std::function<Variant(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                            TscMethodHelper& method)>;
// Array style: the parameter values in an array that the handler may change;
// var parameters receive their elements afterwards.
using TscMethodCallWithParams = std::function<Variant(TObject* instance, const TClassInfo* classRef,
                                                      const std::string& name, Variant& params)>;

class TscMethodHelper : public TscCustomHelper {
public:
    // Raises EScriptError for a text that declares no routine.
    TscMethodHelper(const std::string& declaration, TscScript& script);

    // The call: through the handler, 0 without one.
    Variant GetValue() override;
    // Index methods: the indexed property's write; others ignore it.
    void SetValue(const Variant& value) override;

    // Parameter i's value; i equal to the parameter count gives the value
    // being assigned to an indexed property.
    Variant GetParam(int index) const;
    void SetParam(int index, const Variant& value);

    std::string Category;
    std::string Description;
    std::string Declaration;
    const TClassInfo* ClassRef = nullptr;
    // During a constructor's call: the class the script named, whose object
    // it makes (the member may be registered on an ancestor).
    const TClassInfo* ConstructedClass = nullptr;
    bool IsIndexMethod = false;
    TscMethodCall OnCall;
    TscMethodCallWithParams OnCallWithParams;

private:
    TscMethodHelper(std::unique_ptr<TscCustomVariable> parsed, const std::string& declaration, TscScript& script);
    TObject* Instance();
    Variant assigned_ = Variant::Null();
};

// An object reference as scripts hold it (an integer with the address),
// the object remembered as live (LiveObjects.h). Back: nullptr for nil, 0
// and Null; EScriptError for an address of no live object.
Variant ObjectToVariant(TObject* object);
TObject* VariantToObject(const Variant& value);
