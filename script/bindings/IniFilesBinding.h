#pragma once
// The INI-file binding: the class library's INI files as scripts see them,
// with string lists stored as numbered keys and section values without names.

#include "script/bindings/RTTIModule.h"
#include "ui/variant/Variant.h"

#include <string>

class TscMethodHelper;
class TClassInfo;

class TscIniFilesFunctions : public TscRTTIModule {
public:
    explicit TscIniFilesFunctions(TscScript& script);

private:
    Variant CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method);
};
