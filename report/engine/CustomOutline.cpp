#include "report/engine/CustomOutline.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpCustomOutline::StaticClass() {
    static const TClassInfo info = TPublished<TrpCustomOutline>("TrpCustomOutline", TPersistent::StaticClass()).Build();
    return info;
}
