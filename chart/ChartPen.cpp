#include "chart/ChartPen.h"

#include "chart/StoreIfChanged.h"
#include "ui/Picture.h"

#include <utility>

TNotifyEvent ChangeCallback(TChangeEvent onChange) {
    if (!onChange) return nullptr;
    return [f = std::move(onChange)](TObject*) { f(); };
}

TChartPen::TChartPen(TChangeEvent onChange) { OnChange = ChangeCallback(std::move(onChange)); }

void TChartPen::Assign(const TPersistent* source) {
    if (auto* pen = dynamic_cast<const TChartPen*>(source)) {
        visible_ = pen->visible_;
        smallDots_ = pen->smallDots_;
        smallSpace_ = pen->smallSpace_;
        endStyle_ = pen->endStyle_;
    }
    TPen::Assign(source);
}

void TChartPen::SetEndStyle(TPenEndStyle v) {
    if (StoreIfChanged(endStyle_, v)) Changed();
}
void TChartPen::SetSmallDots(bool v) {
    if (StoreIfChanged(smallDots_, v)) Changed();
}
void TChartPen::SetSmallSpace(int v) {
    if (StoreIfChanged(smallSpace_, v)) Changed();
}
void TChartPen::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}

TChartHiddenPen::TChartHiddenPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    visible_ = false;
    defaultVisible_ = false;
}

TDottedGrayPen::TDottedGrayPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    Quietly([this] {
        SetColor(clGray);
        SetStyle(TPenStyle::psDot);
    });
}

TDarkGrayPen::TDarkGrayPen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    Quietly([this] { SetColor(clGray); });
}

TWhitePen::TWhitePen(TChangeEvent onChange) : TChartPen(std::move(onChange)) {
    Quietly([this] { SetColor(clWhite); });
}

TChartBrush::TChartBrush(TChangeEvent onChange) {
    SetColor(clDefault);
    OnChange = ChangeCallback(std::move(onChange));
}

TChartBrush::~TChartBrush() = default;

void TChartBrush::Assign(const TPersistent* source) {
    if (auto* brush = dynamic_cast<const TChartBrush*>(source)) {
        SetImage(brush->HasImage() ? brush->image_.get() : nullptr);
        backColor_ = brush->backColor_;
    }
    TBrush::Assign(source);
}

void TChartBrush::SetBackColor(TColor v) {
    if (StoreIfChanged(backColor_, v)) Changed();
}

TPicture* TChartBrush::Image() {
    if (!image_) {
        image_ = std::make_unique<TPicture>();
        image_->OnChange = [this](TObject*) { Changed(); };
    }
    return image_.get();
}

bool TChartBrush::HasImage() const { return image_ && image_->Graphic(); }

void TChartBrush::SetImage(const TPicture* picture) {
    if (!picture) {
        image_.reset();
        Changed();
        return;
    }
    Image()->Assign(picture);
    Changed();
}
