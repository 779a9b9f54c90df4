// What form data holds of the legend and its symbol.

#include "chart/ChartLegend.h"

#include "chart/ChartAxis.h"
#include "chart/ChartTitle.h"
#include "ui/core/PublishedProperties.h"

const TEnumInfo& LegendAlignmentInfo() {
    static const TEnumInfo info("TLegendAlignment", {"laLeft", "laRight", "laTop", "laBottom"});
    return info;
}

const TEnumInfo& CheckBoxesStyleInfo() {
    static const TEnumInfo info("TCheckBoxesStyle", {"cbsCheck", "cbsRadio"});
    return info;
}

const TEnumInfo& LegendStyleInfo() {
    static const TEnumInfo info("TLegendStyle", {"lsAuto", "lsSeries", "lsValues", "lsLastValues", "lsSeriesGroups"});
    return info;
}

const TEnumInfo& LegendTextStyleInfo() {
    static const TEnumInfo info("TLegendTextStyle",
                                {"ltsPlain", "ltsLeftValue", "ltsRightValue", "ltsLeftPercent", "ltsRightPercent",
                                 "ltsXValue", "ltsValue", "ltsPercent", "ltsXAndValue", "ltsXAndPercent"});
    return info;
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

const TClassInfo& TChartLegend::StaticClass() {
    using L = TChartLegend;
    static const TClassInfo info =
        TPublished<L>("TChartLegend", TChartCustomShapePosition::StaticClass())
            .Enumeration("Alignment", LegendAlignmentInfo(), &L::Alignment, &L::SetAlignment, laRight)
            .Boolean("CheckBoxes", &L::CheckBoxes, &L::SetCheckBoxes, false)
            .Enumeration("CheckBoxesStyle", CheckBoxesStyleInfo(), &L::CheckBoxesStyle, &L::SetCheckBoxesStyle,
                         cbsCheck)
            .Integer("ColorWidth", &L::ColorWidth, &L::SetColorWidth, 20)
            .Boolean("CurrentPage", &L::CurrentPage, &L::SetCurrentPage, true)
            .Object("DividingLines", &TPen::StaticClass,
                    [](L& l) { return &l.DividingLines(); }, nullptr)
            .Integer("FirstValue", &L::FirstValue, &L::SetFirstValue, 0)
            .Boolean("FontSeriesColor", &L::FontSeriesColor, &L::SetFontSeriesColor, false)
            .Integer("HorizMargin", &L::HorizMargin, &L::SetHorizMargin, 0)
            .Boolean("Inverted", &L::Inverted, &L::SetInverted, false)
            .Integer("LeftPercent", &L::LeftPercent, &L::SetLeftPercent, 0)
            .Enumeration("LegendStyle", LegendStyleInfo(), &L::LegendStyle, &L::SetLegendStyle, lsAuto)
            .Integer("MaxNumRows", &L::MaxNumRows, &L::SetMaxNumRows, 10)
            .Enumeration("PositionUnits", ChartUnitsInfo(), &L::PositionUnits, &L::SetPositionUnits, muPixels)
            .Boolean("ResizeChart", &L::ResizeChart, &L::SetResizeChart, true)
            .Object("Shadow", &TChartShadow::StaticClass, [](L& l) { return &l.Shadow(); },
                    nullptr)
            .Object("Symbol", &TLegendSymbol::StaticClass, [](L& l) { return &l.Symbol(); },
                    nullptr)
            .Object("Title", &TLegendTitle::StaticClass, [](L& l) { return &l.Title(); },
                    nullptr)
            .Enumeration("TextStyle", LegendTextStyleInfo(), &L::TextStyle, &L::SetTextStyle, ltsLeftValue)
            .Integer("TopPos", &L::TopPos, &L::SetTopPos, 10)
            .Integer("TopPercent", &L::TopPercent, &L::SetTopPercent, 0)
            .Integer("VertMargin", &L::VertMargin, &L::SetVertMargin, 0)
            .Integer("VertSpacing", &L::VertSpacing, &L::SetVertSpacing, 0)
            .Build();
    return info;
}
