#include "chart/series/LineSeries.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/ChartConst.h"
#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TLineSeries::StaticClass() {
    using L = TLineSeries;
    // the brush's own style names
    static const TEnumInfo& brushStyles = *TBrush::StaticClass().FindProperty("Style")->EnumType;
    static const TClassInfo info =
        TPublished<L>("TLineSeries", TChartSeries::StaticClass())
            .Boolean("ClickableLine", &L::ClickableLine, &L::SetClickableLine, true)
            .Boolean("ColorEachLine", &L::ColorEachLine, &L::SetColorEachLine, true)
            .Boolean("Dark3D", &L::Dark3D, &L::SetDark3D, true)
            .Object("Gradient", &TChartGradient::StaticClass, [](L& s) { return &s.Gradient(); }, nullptr)
            .Boolean("InvertedStairs", &L::InvertedStairs, &L::SetInvertedStairs, false)
            .Enumeration("LineBrush", brushStyles, &L::LineBrush, &L::SetLineBrush, 0)
            .Integer("LineHeight", &L::LineHeight, &L::SetLineHeight, 0)
            .Object("LinePen", &TPen::StaticClass, [](L& s) { return &s.LinePen(); }, nullptr)
            .Object("OutLine", &TPen::StaticClass, [](L& s) { return &s.OutLine(); }, nullptr)
            .Object("Pointer", &TSeriesPointer::StaticClass, [](L& s) { return &s.Pointer(); }, nullptr)
            .Object("Shadow", &TChartShadow::StaticClass, [](L& s) { return &s.Shadow(); }, nullptr)
            .Enumeration("Stacked", CustomSeriesStackInfo(), &L::Stacked, &L::SetStacked, cssNone)
            .Boolean("Stairs", &L::Stairs, &L::SetStairs, false)
            .Integer("Transparency", &L::Transparency, &L::SetTransparency, 0)
            .Enumeration("TreatNulls", TreatNullsStyleInfo(), &L::TreatNulls, &L::SetTreatNulls, tnDontPaint)
            .Build();
    return info;
}

TLineSeries::TLineSeries(TComponent* owner) : TCustomSeries(owner) {
    drawLine_ = true;
    allowSinglePoint_ = false;
    pointer_.Hide();
}

void TLineSeries::Assign(const TPersistent* source) {
    TCustomSeries::Assign(source);
    if (source && !dynamic_cast<const TLineSeries*>(source)) pointer_.Hide();
    drawLine_ = true;
}

std::vector<std::string> TLineSeries::ListSubGalleryStyles() const {
    return {ChartConst::StyleNormal, ChartConst::StyleStairs, ChartConst::StylePoints,  ChartConst::StyleHeight,
            ChartConst::StyleHollow, ChartConst::StyleColors, ChartConst::StyleMarks,   ChartConst::StyleNoBorder,
            ChartConst::StyleOutline};
}

void TLineSeries::ApplySubGalleryStyle(int style) {
    switch (style) {
        case 1: SetStairs(true); break;
        case 2: pointer_.Show(); break;
        case 3: SetLineHeight(5); break;
        case 4: SetLineBrush(TBrushStyle::bsClear); break;
        case 5: SetColorEachPoint(true); break;
        case 6: marks_.SetVisible(true); break;
        case 7: pen_.Hide(); break;
        case 8: outLine_.Show(); break;
        default: break;
    }
}

void TLineSeries::SetupLegendCanvas(int, TColor&, TBrushStyle& brushStyle) {
    parentChart_->Canvas()->SelectPen(pen_);
    brushStyle = LineBrush();
}
