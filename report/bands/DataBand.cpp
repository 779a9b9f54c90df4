#include "report/bands/DataBand.h"

#include "report/bands/BandProperties.h"
#include "report/data/DataSetList.h"
#include "report/data/UserDataSet.h"

namespace {

template <class C>
void PublishDataBandSet(TPublished<C>& b) {
    using D = TrpDataBand;
    b.Boolean("AllowSplit", &TrpBand::AllowSplit, &TrpBand::SetAllowSplit, false);
    PublishChild(b);
    b.Integer("Columns", &D::Columns, &D::SetColumns, 0)
        .Float("ColumnWidth", &D::ColumnWidth, &D::SetColumnWidth)
        .Float("ColumnGap", &D::ColumnGap, &D::SetColumnGap)
        .Object("DataSet", &TrpDataSet::StaticClass, [](C& band) -> TObject* { return band.DataSet(); },
                &D::SetDataSet)
        .String("DataSetName", &D::DataSetName, &D::SetDataSetName)
        .Boolean("FooterAfterEach", &D::FooterAfterEach, &D::FooterAfterEach, false)
        .Boolean("KeepChild", &TrpBand::KeepChild, &TrpBand::SetKeepChild, false)
        .Boolean("KeepFooter", &D::KeepFooter, &D::KeepFooter, false)
        .Boolean("KeepHeader", &D::KeepHeader, &D::KeepHeader, false)
        .Boolean("KeepTogether", &D::KeepTogether, &D::KeepTogether, false)
        .String("OutlineText", &TrpBand::OutlineText, &TrpBand::SetOutlineText)
        .Boolean("PrintChildIfInvisible", &TrpBand::PrintChildIfInvisible, &TrpBand::SetPrintChildIfInvisible, false)
        .Boolean("PrintIfDetailEmpty", &D::PrintIfDetailEmpty, &D::PrintIfDetailEmpty, false)
        .Integer("RowCount", &D::RowCount, &D::SetRowCount, 0)
        .Boolean("StartNewPage", &TrpBand::StartNewPage, &TrpBand::SetStartNewPage, false)
        .Boolean("Stretched", &TrpBand::Stretched, &TrpBand::SetStretched, false)
        .String("OnMasterDetail", &D::OnMasterDetail, &D::OnMasterDetail);
}

}  // namespace

const TClassInfo& TrpDataBand::StaticClass() {
    static const TClassInfo info = [] {
        TPublished<TrpDataBand> b("TrpDataBand", TrpBand::StaticClass());
        PublishDataBandSet(b);
        return b.Build();
    }();
    return info;
}

TrpDataBand::TrpDataBand(TComponent* owner) : TrpBand(owner), builtIn_(std::make_unique<TrpUserDataSet>(nullptr)) {
    builtIn_->SetRangeEnd(TrpRangeEnd::reCount);
}

TrpDataBand::~TrpDataBand() { SetDataSet(nullptr); }

void TrpDataBand::SetColumnIndex(int value) {
    if (value > columns_) value = 1;
    columnIndex_ = value;
    if (value == 1) RowBottom = 0;
    // The field itself: a move within the band's row, not a designed move.
    TrpComponent::SetLeft((value - 1) * (columnWidth_ + columnGap_));
}

void TrpDataBand::SetDataSet(TrpDataSet* value) {
    if (dataSet_ == builtIn_.get() || value == builtIn_.get()) {
        dataSet_ = value;
        return;
    }
    if (dataSet_) dataSet_->RemoveFreeNotification(this);
    dataSet_ = value;
    if (dataSet_) {
        dataSet_->FreeNotification(this);
        dataSetName_ = dataSet_->UserName();
    }
}

std::string TrpDataBand::DataSetName() const {
    return dataSet_ && dataSet_ != builtIn_.get() ? dataSet_->UserName() : dataSetName_;
}

void TrpDataBand::SetDataSetName(const std::string& value) {
    dataSetName_ = value;
    SetDataSet(LookUpDataSet(*this, dataSet_, value));
    dataSetName_ = value;
}

void TrpDataBand::SetRowCount(int value) {
    rowCount_ = value;
    builtIn_->SetRangeEndCount(value);
}

void TrpDataBand::Notification(TComponent* component, TOperation operation) {
    TrpBand::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_) dataSet_ = nullptr;
}

#define VELZAR_DATA_BAND_CLASS(Class)                                         \
    const TClassInfo& Class::StaticClass() {                                 \
        static const TClassInfo info = [] {                                  \
            TPublished<Class> b(#Class, TrpDataBand::StaticClass());         \
            return b.Build();                                                 \
        }();                                                                  \
        return info;                                                          \
    }

VELZAR_DATA_BAND_CLASS(TrpMasterData)
VELZAR_DATA_BAND_CLASS(TrpDetailData)
VELZAR_DATA_BAND_CLASS(TrpSubdetailData)
VELZAR_DATA_BAND_CLASS(TrpDataBand4)
VELZAR_DATA_BAND_CLASS(TrpDataBand5)
VELZAR_DATA_BAND_CLASS(TrpDataBand6)
