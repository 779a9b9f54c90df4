#include "report/objects/Report.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpReport::StaticClass() {
    static const TClassInfo info = TPublished<TrpReport>("TrpReport", TrpComponent::StaticClass()).Build();
    return info;
}

TrpReport::TrpReport(TComponent* owner) : TrpComponent(owner) {
    errors_.SetSorted(true);
    errors_.SetDuplicates(TDuplicates::dupIgnore);
}
