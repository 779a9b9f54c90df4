#pragma once
// Objects that copy each other's settings (Assign) and take part in
// streaming through their published and defined properties.

#include "ui/core/Object.h"

#include <string>

class TFiler;

class TPersistent : public TObject {
    DECLARE_CLASS_INFO
public:
    // Copies the source's settings; a class that cannot take them raises
    // EConvertError "Cannot assign a <source class> to a <class>".
    virtual void Assign(const TPersistent* source);
    // Properties kept in form data beside the published ones.
    virtual void DefineProperties(TFiler& filer);
    virtual TPersistent* GetOwner() const { return nullptr; }
    // The dotted name a designer would show: owner's path, then the own name.
    virtual std::string GetNamePath() const;

protected:
    // The other half of Assign: this object copies itself into `dest`.
    virtual void AssignTo(TPersistent* dest) const;
};
