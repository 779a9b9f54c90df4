#include "chart/canvas/ChartPen.h"

#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

#include <utility>

TNotifyEvent ChangeCallback(TChangeEvent onChange) {
    if (!onChange) return nullptr;
    return [f = std::move(onChange)](TObject*) { f(); };
}

namespace {

const TEnumInfo& PenEndStyleInfo() {
    static const TEnumInfo info("TPenEndStyle", {"esRound", "esSquare", "esFlat"});
    return info;
}

// The enumeration a property of the class library's class is published with.
const TEnumInfo& EnumOf(const TClassInfo& type, const char* property) { return *type.FindProperty(property)->EnumType; }

}  // namespace

// Colour, style and width are stored against the pen's own defaults, which
// the pen classes (and owners such as the axis and the zoom) set.
const TClassInfo& TChartPen::StaticClass() {
    using P = TChartPen;
    static const TClassInfo info = TPublished<P>("TChartPen", TPen::StaticClass())
        .Integer("Color", &P::Color, &P::SetColor)
        .Stored(&P::ColorStored)
        .Enumeration("Style", EnumOf(TPen::StaticClass(), "Style"), &P::Style, &P::SetStyle)
        .Stored(&P::StyleStored)
        .Integer("Width", &P::Width, &P::SetWidth)
        .Stored(&P::WidthStored)
        .Enumeration("EndStyle", PenEndStyleInfo(), &P::EndStyle, &P::SetEndStyle)
        .Stored(&P::EndStyleStored)
        .Boolean("SmallDots", &P::SmallDots, &P::SetSmallDots, false)
        .Integer("SmallSpace", &P::SmallSpace, &P::SetSmallSpace, 0)
        .Boolean("Visible", &P::Visible, &P::SetVisible)
        .Stored(&P::VisibleStored)
        .Build();
    return info;
}

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
