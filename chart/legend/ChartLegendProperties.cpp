// What form data holds of the legend.

#include "chart/legend/ChartLegend.h"

#include "chart/axes/ChartAxis.h"
#include "chart/panel/ChartTitle.h"
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
