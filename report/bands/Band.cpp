#include "report/bands/Band.h"

#include "report/bands/BandProperties.h"
#include "report/bands/DataBand.h"
#include "report/xml/XmlText.h"
#include "ui/core/Exceptions.h"

const TClassInfo& TrpBand::StaticClass() {
    static const TClassInfo info = [] {
        TPublished<TrpBand> b("TrpBand", TrpReportComponent::StaticClass());
        PublishBandBase(b);
        return b.Build();
    }();
    return info;
}

TrpBand::TrpBand(TComponent* owner) : TrpReportComponent(owner) {}

TrpBand::~TrpBand() { SetChild(nullptr); }

int TrpBand::BandNumber() const {
    // Most derived kinds first: the data bands derive from TrpDataBand, not from each other.
    if (dynamic_cast<const TrpOverlay*>(this)) return static_cast<int>(TrpBandKind::Overlay);
    if (dynamic_cast<const TrpColumnFooter*>(this)) return static_cast<int>(TrpBandKind::ColumnFooter);
    if (dynamic_cast<const TrpColumnHeader*>(this)) return static_cast<int>(TrpBandKind::ColumnHeader);
    if (dynamic_cast<const TrpChild*>(this)) return static_cast<int>(TrpBandKind::Child);
    if (dynamic_cast<const TrpGroupFooter*>(this)) return static_cast<int>(TrpBandKind::GroupFooter);
    if (dynamic_cast<const TrpGroupHeader*>(this)) return static_cast<int>(TrpBandKind::GroupHeader);
    if (dynamic_cast<const TrpDataBand6*>(this)) return static_cast<int>(TrpBandKind::DataBand6);
    if (dynamic_cast<const TrpDataBand5*>(this)) return static_cast<int>(TrpBandKind::DataBand5);
    if (dynamic_cast<const TrpDataBand4*>(this)) return static_cast<int>(TrpBandKind::DataBand4);
    if (dynamic_cast<const TrpSubdetailData*>(this)) return static_cast<int>(TrpBandKind::SubdetailData);
    if (dynamic_cast<const TrpDetailData*>(this)) return static_cast<int>(TrpBandKind::DetailData);
    if (dynamic_cast<const TrpMasterData*>(this)) return static_cast<int>(TrpBandKind::MasterData);
    if (dynamic_cast<const TrpFooter*>(this)) return static_cast<int>(TrpBandKind::Footer);
    if (dynamic_cast<const TrpHeader*>(this)) return static_cast<int>(TrpBandKind::Header);
    if (dynamic_cast<const TrpPageFooter*>(this)) return static_cast<int>(TrpBandKind::PageFooter);
    if (dynamic_cast<const TrpPageHeader*>(this)) return static_cast<int>(TrpBandKind::PageHeader);
    if (dynamic_cast<const TrpReportSummary*>(this)) return static_cast<int>(TrpBandKind::ReportSummary);
    return static_cast<int>(TrpBandKind::ReportTitle);
}

void TrpBand::SetChild(TrpChild* child) {
    for (const TrpBand* link = child; link; link = link->Child())
        if (link == this) throw Exception("Circular child reference is not allowed");
    if (child_) child_->RemoveFreeNotification(this);
    child_ = child;
    if (child_) child_->FreeNotification(this);
}

void TrpBand::Notification(TComponent* component, TOperation operation) {
    TrpReportComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == child_) child_ = nullptr;
}

std::string TrpGroupHeader::DifferenceText(const TrpComponent& reference) const {
    std::string text = TrpBand::DifferenceText(reference);
    // Escaped like every attribute, so a prepared page stays readable whatever the name holds.
    if (DrillDown) text += AttributeText("DrillName", EscapeAttrText(DrillName));
    return text;
}

#define VELZAR_BAND_CLASS(Class, Publish)                                   \
    const TClassInfo& Class::StaticClass() {                               \
        static const TClassInfo info = [] {                                \
            TPublished<Class> b(#Class, TrpBand::StaticClass());           \
            Publish(b);                                                     \
            return b.Build();                                               \
        }();                                                                \
        return info;                                                        \
    }

VELZAR_BAND_CLASS(TrpReportTitle, PublishTitleSet)
VELZAR_BAND_CLASS(TrpReportSummary, PublishTitleSet)
VELZAR_BAND_CLASS(TrpChild, PublishTitleSet)
VELZAR_BAND_CLASS(TrpPageHeader, PublishPageHeaderSet)
VELZAR_BAND_CLASS(TrpPageFooter, PublishPageFooterSet)
VELZAR_BAND_CLASS(TrpHeader, PublishHeaderSet)
VELZAR_BAND_CLASS(TrpFooter, PublishFooterSet)
VELZAR_BAND_CLASS(TrpGroupHeader, PublishGroupHeaderSet)
VELZAR_BAND_CLASS(TrpGroupFooter, PublishGroupFooterSet)
VELZAR_BAND_CLASS(TrpColumnHeader, PublishColumnHeaderSet)
VELZAR_BAND_CLASS(TrpColumnFooter, PublishNothing)
VELZAR_BAND_CLASS(TrpOverlay, PublishOverlaySet)
VELZAR_BAND_CLASS(TrpNullBand, PublishNothing)
