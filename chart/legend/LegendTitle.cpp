#include "chart/legend/LegendTitle.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomChartPanel.h"
#include "chart/text/TextRoutines.h"
#include "ui/core/PublishedProperties.h"

TLegendTitle::TLegendTitle(TCustomChartPanel* panel) : TChartShape(panel) {
    text_.OnChange = [this](TObject*) { RepaintParent(); };
    SetTransparent(true);
    TransparentDefault = true;
    Font().SetStyle(TFontStyles{TFontStyle::fsBold});
    Font().StyleDefault = Font().Style();
    Shadow().SetDefaults(0xC0C0C0, 2);
}

void TLegendTitle::Assign(const TPersistent* source) {
    if (const auto* title = dynamic_cast<const TLegendTitle*>(source))
        Assign(*title);
    else
        TPersistent::Assign(source);
}

void TLegendTitle::Assign(const TLegendTitle& s) {
    text_.Assign(&s.text_);
    textAlignment_ = s.textAlignment_;
    TChartShape::Assign(s);
}

void TLegendTitle::SetText(const std::vector<std::string>& lines) {
    ReplaceLines(text_, lines);
}

void TLegendTitle::SetTextAlignment(TAlignment v) {
    if (StoreIfChanged(textAlignment_, v)) RepaintParent();
}

const TClassInfo& TLegendTitle::StaticClass() {
    using T = TLegendTitle;
    static const TClassInfo info =
        TPublished<T>("TLegendTitle", TPersistent::StaticClass())
            .Enumeration("Bevel", PanelBevelInfo(), &T::Bevel, &T::SetBevel, static_cast<int>(TPanelBevel::bvNone))
            .Object("Brush", &TBrush::StaticClass, [](T& t) { return &t.Brush(); }, nullptr)
            .Integer("Color", &T::Color, &T::SetColor, static_cast<std::int64_t>(clWhite))
            .Object("Font", &TFont::StaticClass, [](T& t) { return &t.Font(); }, nullptr)
            .Object("Frame", &TPen::StaticClass, [](T& t) { return &t.Pen(); }, nullptr)
            .Object("Text", &TStrings::StaticClass, [](T& t) { return &t.Text(); }, nullptr)
            .Stored([](const T& t) { return t.Text().Count() > 0; })
            .Enumeration("TextAlignment", AlignmentInfo(), &T::TextAlignment, &T::SetTextAlignment,
                         static_cast<int>(TAlignment::taLeftJustify))
            .Boolean("Transparent", &T::Transparent, &T::SetTransparent)
            .Stored(&T::TransparentStored)
            .Boolean("Visible", &T::Visible, &T::SetVisible, true)
            .Build();
    return info;
}
