#include "chart/effects/ChartPicture.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TChartPicture::StaticClass() {
    static const TClassInfo info =
        TPublished<TChartPicture>("TChartPicture", TPicture::StaticClass())
            .Object("Filters", &TFilterItems::StaticClass,
                    [](TChartPicture& p) { return &p.Filters(); }, nullptr)
            // the list goes into form data as "FilterItems", with the class of each filter
            .Stored([](const TChartPicture&) { return false; })
            .Build();
    return info;
}

TChartPicture::TChartPicture() = default;

TChartPicture::~TChartPicture() = default;

TFilterItems& TChartPicture::Filters() {
    if (!filters_) filters_ = std::make_unique<TFilterItems>(this);
    return *filters_;
}

void TChartPicture::SetFilters(const TFilterItems* value) {
    if (!value || value->Count() == 0) {
        filters_.reset();
        return;
    }
    Filters().Assign(value);
}

TGraphic* TChartPicture::FilteredGraphic() {
    TGraphic* graphic = Graphic();
    if (!graphic || !HasFilters()) return graphic;
    if (!filtered_) filtered_ = std::make_unique<TBitmap>();
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) {
        filtered_->Assign(bitmap);
    } else {
        // other formats are drawn onto a white bitmap of their size
        filtered_->SetPixelFormat(TPixelFormat::pf24bit);
        filtered_->SetSize(0, 0);
        filtered_->SetSize(graphic->Width(), graphic->Height());
        filtered_->Canvas()->Draw(0, 0, graphic);
    }
    filters_->ApplyToBitmap(*filtered_);
    return filtered_.get();
}

void TChartPicture::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartPicture*>(source)) SetFilters(other->filters_.get());
    TPicture::Assign(source);
}

void TChartPicture::DefineProperties(TFiler& filer) {
    TPicture::DefineProperties(filer);
    filer.DefineProperty(
        "FilterItems", [this](TReader& reader) { Filters().ReadData(reader); },
        [this](TWriter& writer) { filters_->WriteData(writer); }, HasFilters());
}
