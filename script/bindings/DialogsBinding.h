#pragma once
// The dialogs binding: the class library's common dialogs and the message
// box routine as scripts see them.

#include "script/bindings/RTTIModule.h"
#include "ui/variant/Variant.h"

#include <string>

class TscMethodHelper;
class TClassInfo;

class TscDialogsFunctions : public TscRTTIModule {
public:
    explicit TscDialogsFunctions(TscScript& script);

private:
    Variant CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method);
};
