#include "report/engine/CustomPreviewPages.h"

#include "report/engine/CustomOutline.h"
#include "ui/core/TypeInfo.h"

const TClassInfo& TrpCustomPreviewPages::StaticClass() {
    static const TClassInfo info("TrpCustomPreviewPages", &TObject::StaticClass());
    return info;
}

TrpCustomPreviewPages::TrpCustomPreviewPages(TrpReport* report) : report_(report) {}

TrpCustomPreviewPages::~TrpCustomPreviewPages() = default;

void TrpCustomPreviewPages::SetOutline(std::unique_ptr<TrpCustomOutline> outline) { outline_ = std::move(outline); }
