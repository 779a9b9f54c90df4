#pragma once
// The classes binding: the class library's root object, persistent
// objects, string lists and components as scripts see them.

#include "script/bindings/RTTIModule.h"
#include "ui/variant/Variant.h"

#include <string>

class TscMethodHelper;
class TClassInfo;

class TscClassesFunctions : public TscRTTIModule {
public:
    explicit TscClassesFunctions(TscScript& script);

private:
    Variant CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method);
    Variant GetProp(TObject* instance, const TClassInfo* classRef, const std::string& name);
    void SetProp(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value);
};
