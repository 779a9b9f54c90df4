#include "ui/controls/TextAlignment.h"

#include "ui/core/TypeInfo.h"

const TEnumInfo& AlignmentInfo() {
    static const TEnumInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    return info;
}
