#pragma once
// The classes binding: the class library's root object, persistent
// objects, string lists, collections, streams and components, and the
// script engine's XML classes as scripts see them.

#include "script/bindings/RTTIModule.h"
#include "script/members/ClassVariable.h"
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

    // Streams, collections and the XML classes; each handler is false for a
    // class it does not serve.
    void RegisterStreamsAndCollections(const TscMethodCall& call, const TscPropertyGet& get, const TscPropertySet& set);
    bool CallStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name,
                                   TscMethodHelper& method, Variant& result);
    bool GetStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name, Variant& result);
    bool SetStreamsAndCollections(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value);
};
