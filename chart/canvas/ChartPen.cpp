#include "chart/canvas/ChartPen.h"

#include "chart/canvas/detail/PublishedEnum.h"
#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"

#include <utility>

namespace {

const TEnumInfo& PenEndStyleInfo() {
    static const TEnumInfo info("TPenEndStyle", {"esRound", "esSquare", "esFlat"});
    return info;
}

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
