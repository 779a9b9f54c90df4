#include "report/bands/Subreport.h"

#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Canvas.h"

namespace {

constexpr TColor kSubreportColor = 0xC0C0C0;
constexpr int kSubreportFontSize = 8;
constexpr int kNameInset = 2;

}  // namespace

const TClassInfo& TrpSubreport::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpSubreport>("TrpSubreport", TrpView::StaticClass())
            .Object("Page", &TrpReportPage::StaticClass,
                    [](TrpSubreport& s) -> TObject* { return s.SubreportPage(); }, &TrpSubreport::SetSubreportPage)
            .Boolean("PrintOnParent", &TrpSubreport::PrintOnParent, &TrpSubreport::PrintOnParent, false)
            .Build();
    return info;
}

TrpSubreport::TrpSubreport(TComponent* owner) : TrpView(owner) {
    RemoveStyleFlag(kStyleToPreparedPages);
    Frame()->SetTyp(TrpFrameTypes{TrpFrameType::ftLeft, TrpFrameType::ftRight, TrpFrameType::ftTop,
                                  TrpFrameType::ftBottom});
    SetParentFont(false);
    Font()->SetName("Tahoma");
    Font()->SetSize(kSubreportFontSize);
    SetColor(kSubreportColor);
}

TrpSubreport::~TrpSubreport() { SetSubreportPage(nullptr); }

void TrpSubreport::SetSubreportPage(TrpReportPage* page) {
    if (page_) page_->RemoveFreeNotification(this);
    page_ = page;
    if (page_) page_->FreeNotification(this);
}

void TrpSubreport::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    TrpView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    canvas.Font()->Assign(Font());
    canvas.TextOut(Device().X + kNameInset, Device().Y + kNameInset, Name());
}

void TrpSubreport::Notification(TComponent* component, TOperation operation) {
    TrpView::Notification(component, operation);
    if (operation == TOperation::opRemove && component == page_) page_ = nullptr;
}

TrpSubreport* SubreportOfPage(const TrpReportPage& page) {
    TrpReport* report = page.Report();
    if (!report) return nullptr;
    for (TrpComponent* object : report->AllObjects())
        if (auto* subreport = dynamic_cast<TrpSubreport*>(object); subreport && subreport->SubreportPage() == &page)
            return subreport;
    return nullptr;
}
