#pragma once
// How a memo shows its value: as text, a number, a date and time or a
// Boolean, by a format text and its own separators.

#include "ui/core/Persistent.h"

#include <string>

class TEnumInfo;

enum class TrpFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
const TEnumInfo& TrpFormatKindInfo();

class TrpFormat : public TPersistent {
    DECLARE_CLASS_INFO
public:
    std::string DecimalSeparator;
    std::string ThousandSeparator;
    std::string FormatStr;
    TrpFormatKind Kind = TrpFormatKind::fkText;

    void Assign(const TPersistent* source) override;
};
