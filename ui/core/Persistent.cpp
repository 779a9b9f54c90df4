#include "ui/core/Persistent.h"

#include "ui/core/Exceptions.h"
#include "ui/core/TypeInfo.h"

const TClassInfo& TPersistent::StaticClass() {
    static const TClassInfo info("TPersistent", &TObject::StaticClass());
    return info;
}

void TPersistent::Assign(const TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const { return ClassName(); }

void TPersistent::AssignTo(TPersistent* dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}
