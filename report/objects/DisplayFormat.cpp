#include "report/objects/DisplayFormat.h"

#include "ui/core/PublishedProperties.h"

const TEnumInfo& TrpFormatKindInfo() {
    static const TEnumInfo info("TrpFormatKind", {"fkText", "fkNumeric", "fkDateTime", "fkBoolean"});
    return info;
}

const TClassInfo& TrpFormat::StaticClass() {
    using F = TrpFormat;
    static const TClassInfo info = TPublished<F>("TrpFormat", TPersistent::StaticClass())
                                       .String("DecimalSeparator", &F::DecimalSeparator, &F::DecimalSeparator)
                                       .String("ThousandSeparator", &F::ThousandSeparator, &F::ThousandSeparator)
                                       .String("FormatStr", &F::FormatStr, &F::FormatStr)
                                       .Enumeration("Kind", TrpFormatKindInfo(), &F::Kind, &F::Kind, 0)
                                       .Build();
    return info;
}

void TrpFormat::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpFormat*>(source);
    if (!other) return TPersistent::Assign(source);
    DecimalSeparator = other->DecimalSeparator;
    ThousandSeparator = other->ThousandSeparator;
    FormatStr = other->FormatStr;
    Kind = other->Kind;
}
