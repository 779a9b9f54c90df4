#include "chart/canvas/ChartBrush.h"

#include "chart/canvas/detail/PublishedEnum.h"
#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

#include <utility>

const TClassInfo& TChartBrush::StaticClass() {
    using B = TChartBrush;
    static const TClassInfo info = TPublished<B>("TChartBrush", TBrush::StaticClass())
        .Integer("BackColor", &B::BackColor, &B::SetBackColor, clNone)
        .Integer("Color", &B::Color, &B::SetColor)
        .Stored(&B::ColorStored)
        .Object("Image", &TPicture::StaticClass, [](B& b) { return b.Image(); }, nullptr)
        .Enumeration("Style", EnumOf(TBrush::StaticClass(), "Style"), &B::Style, &B::SetStyle)
        .Stored(&B::StyleStored)
        .Build();
    return info;
}

TChartBrush::TChartBrush(TChangeEvent onChange) {
    Quietly([this] { SetColor(clDefault); });
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
