#pragma once
// The graphics binding: colours by name, fonts, pens, brushes, canvases,
// graphics, pictures and bitmaps of the class library as scripts see them.

#include "script/bindings/RTTIModule.h"
#include "ui/variant/Variant.h"

#include <string>

class TscMethodHelper;
class TClassInfo;

class TscGraphicsFunctions : public TscRTTIModule {
public:
    explicit TscGraphicsFunctions(TscScript& script);

private:
    Variant CallMethod(TObject* instance, const TClassInfo* classRef, const std::string& name, TscMethodHelper& method);
    Variant GetProp(TObject* instance, const TClassInfo* classRef, const std::string& name);
    void SetProp(TObject* instance, const TClassInfo* classRef, const std::string& name, const Variant& value);
};
