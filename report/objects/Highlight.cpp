#include "report/objects/Highlight.h"

#include "report/objects/ReportFont.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpHighlight::StaticClass() {
    using H = TrpHighlight;
    static const TClassInfo info = TPublished<H>("TrpHighlight", TPersistent::StaticClass())
                                       .Boolean("Active", &H::Active, &H::Active, false)
                                       .Object("Font", &TFont::StaticClass, [](H& h) { return h.Font(); }, &H::SetFont)
                                       .Integer("Color", &H::Color, &H::Color, clNone)
                                       .String("Condition", &H::Condition, &H::Condition)
                                       .Build();
    return info;
}

TrpHighlight::TrpHighlight() { SetReportFontDefaults(font_, clRed); }

void TrpHighlight::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpHighlight*>(source);
    if (!other) return TPersistent::Assign(source);
    font_.Assign(&other->font_);
    Color = other->Color;
    Condition = other->Condition;
}
