#pragma once

#include "ui/core/TypeInfo.h"

// The enumeration a property of the class library's class is published with.
inline const TEnumInfo& EnumOf(const TClassInfo& type, const char* property) {
    return *type.FindProperty(property)->EnumType;
}
