#include "chart/effects/FilterRegion.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TFilterRegion::StaticClass() {
    static const TClassInfo info = TPublished<TFilterRegion>("TFilterRegion", TPersistent::StaticClass())
                                       .Integer("Left", &TFilterRegion::Left, &TFilterRegion::Left, 0)
                                       .Integer("Top", &TFilterRegion::Top, &TFilterRegion::Top, 0)
                                       .Integer("Width", &TFilterRegion::Width, &TFilterRegion::Width, 0)
                                       .Integer("Height", &TFilterRegion::Height, &TFilterRegion::Height, 0)
                                       .Build();
    return info;
}

void TFilterRegion::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TFilterRegion*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    Left = other->Left;
    Top = other->Top;
    Width = other->Width;
    Height = other->Height;
}
