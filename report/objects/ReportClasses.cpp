#include "report/objects/ReportClasses.h"

#include "report/bands/DataBand.h"
#include "report/bands/Subreport.h"
#include "report/data/UserDataSet.h"
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
    for (const TClassInfo* info :
         {&TrpReportTitle::StaticClass(), &TrpReportSummary::StaticClass(), &TrpPageHeader::StaticClass(),
          &TrpPageFooter::StaticClass(), &TrpHeader::StaticClass(), &TrpFooter::StaticClass(),
          &TrpMasterData::StaticClass(), &TrpDetailData::StaticClass(), &TrpSubdetailData::StaticClass(),
          &TrpDataBand4::StaticClass(), &TrpDataBand5::StaticClass(), &TrpDataBand6::StaticClass(),
          &TrpGroupHeader::StaticClass(), &TrpGroupFooter::StaticClass(), &TrpChild::StaticClass(),
          &TrpColumnHeader::StaticClass(), &TrpColumnFooter::StaticClass(), &TrpOverlay::StaticClass(),
          &TrpNullBand::StaticClass(), &TrpSubreport::StaticClass(), &TrpUserDataSet::StaticClass()})
        RegisterClass(*info);
}
