#include "report/objects/ReportClasses.h"

#include "report/objects/LineView.h"
#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/objects/ShapeView.h"
#include "ui/core/TypeInfo.h"

void RegisterReportClasses() {
    for (const TClassInfo* info : {&TrpReport::StaticClass(), &TrpReportPage::StaticClass(),
                                   &TrpDataPage::StaticClass(), &TrpDialogPage::StaticClass(), &TrpMemoView::StaticClass(),
                                   &TrpShapeView::StaticClass(), &TrpLineView::StaticClass()})
        RegisterClass(*info);
}
