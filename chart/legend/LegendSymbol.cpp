#include "chart/legend/LegendSymbol.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/legend/CustomChartLegend.h"
#include "ui/core/PublishedProperties.h"

TLegendSymbol::TLegendSymbol(TCustomChartLegend* legend)
    : legend_(legend), gradient_([this] { Changed(); }), pen_([this] { Changed(); }), shadow_([this] { Changed(); }) {
    shadow_.SetDefaults(shadow_.Color(), 3);
}

void TLegendSymbol::Changed() {
    if (legend_) legend_->RepaintParent();
}

void TLegendSymbol::Assign(const TPersistent* source) {
    if (const auto* symbol = dynamic_cast<const TLegendSymbol*>(source))
        Assign(*symbol);
    else
        TPersistent::Assign(source);
}

void TLegendSymbol::Assign(const TLegendSymbol& s) {
    continuous_ = s.continuous_;
    gradient_.Assign(s.gradient_);
    pen_.Assign(&s.pen_);
    position_ = s.position_;
    shadow_.Assign(s.shadow_);
    squared_ = s.squared_;
    width_ = s.width_;
    widthUnits_ = s.widthUnits_;
    visible_ = s.visible_;
    Changed();
}

void TLegendSymbol::SetContinuous(bool v) {
    if (StoreIfChanged(continuous_, v)) Changed();
}
void TLegendSymbol::SetDefaultPen(bool v) {
    if (StoreIfChanged(defaultPen_, v)) Changed();
}
void TLegendSymbol::SetPosition(TLegendSymbolPosition v) {
    if (StoreIfChanged(position_, v)) Changed();
}
void TLegendSymbol::SetSquared(bool v) {
    if (StoreIfChanged(squared_, v)) Changed();
}
void TLegendSymbol::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}
void TLegendSymbol::SetWidth(int v) {
    if (StoreIfChanged(width_, v)) Changed();
}
void TLegendSymbol::SetWidthUnits(TLegendSymbolSize v) {
    if (StoreIfChanged(widthUnits_, v)) Changed();
}

int TLegendSymbol::CalcWidth(int textWidth) const {
    if (!visible_) return 0;
    if (squared_) return legend_ ? legend_->RowHeight() - 5 : 0;
    if (widthUnits_ == lcsPixels) return width_;
    return static_cast<int>(Round(textWidth * width_ * 0.01));
}

const TEnumInfo& LegendSymbolPositionInfo() {
    static const TEnumInfo info("TLegendSymbolPosition", {"spLeft", "spRight"});
    return info;
}

const TEnumInfo& LegendSymbolSizeInfo() {
    static const TEnumInfo info("TLegendSymbolSize", {"lcsPercent", "lcsPixels"});
    return info;
}

const TClassInfo& TLegendSymbol::StaticClass() {
    using S = TLegendSymbol;
    static const TClassInfo info =
        TPublished<S>("TLegendSymbol", TPersistent::StaticClass())
            .Boolean("Continuous", &S::Continuous, &S::SetContinuous, false)
            .Boolean("DefaultPen", &S::DefaultPen, &S::SetDefaultPen, true)
            .Object("Gradient", &TChartGradient::StaticClass,
                    [](S& s) { return &s.Gradient(); }, nullptr)
            .Object("Pen", &TPen::StaticClass, [](S& s) { return &s.Pen(); }, nullptr)
            .Enumeration("Position", LegendSymbolPositionInfo(), &S::Position, &S::SetPosition, spLeft)
            .Object("Shadow", &TChartShadow::StaticClass, [](S& s) { return &s.Shadow(); },
                    nullptr)
            .Boolean("Squared", &S::Squared, &S::SetSquared, false)
            .Boolean("Visible", &S::Visible, &S::SetVisible, true)
            .Integer("Width", &S::Width, &S::SetWidth, 20)
            .Enumeration("WidthUnits", LegendSymbolSizeInfo(), &S::WidthUnits, &S::SetWidthUnits, lcsPercent)
            .Build();
    return info;
}

void TLegendSymbol::Draw(TCanvas3D& c, TColor color, const TRect& rect) {
    if (shadow_.Visible() && shadow_.Spread() != 0) shadow_.Draw(c, rect);
    if (!defaultPen_) c.SelectPen(pen_);
    if (gradient_.Visible()) {
        gradient_.SetEndColor(color);
        gradient_.Draw(c, rect);
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        c.Brush().SetColor(color);
    }
    TRect r = rect;
    if (c.Pen().Style() == TPenStyle::psClear && c.Brush().Style() != TBrushStyle::bsClear) {
        ++r.Right;
        ++r.Bottom;
    }
    c.Rectangle(r);
}
