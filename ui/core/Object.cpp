#include "ui/core/Object.h"

#include "ui/core/TypeInfo.h"

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

std::string TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(const TClassInfo& ancestor) const { return ClassType().InheritsFrom(ancestor); }
