#include "skin/core/manager/MenuSupport.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TxMenuSupport::StaticClass() {
    static const TClassInfo info =
        TPublished<TxMenuSupport>("TxMenuSupport", TPersistent::StaticClass())
            .Boolean("UseExtraLine", &TxMenuSupport::UseExtraLine, &TxMenuSupport::UseExtraLine, false)
            .Integer("ExtraLineWidth", &TxMenuSupport::ExtraLineWidth, &TxMenuSupport::ExtraLineWidth,
                     kDefaultExtraLineWidth)
            .Object("ExtraLineFont", &TFont::StaticClass, &TxMenuSupport::ExtraLineFont, &TxMenuSupport::SetExtraLineFont)
            .Integer("AlphaBlend", &TxMenuSupport::AlphaBlend, &TxMenuSupport::AlphaBlend, kOpaque)
            .String("IcoLineSkin", &TxMenuSupport::IcoLineSkin, &TxMenuSupport::IcoLineSkin)
            .Build();
    return info;
}
