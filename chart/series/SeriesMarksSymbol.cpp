#include "chart/series/SeriesMarksSymbol.h"

#include "chart/core/ChartCustomShapePosition.h"
#include "chart/panel/CustomChartPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomChartPanel* panel) : TChartCustomShape(panel) {
    SetVisible(false);
    SetTransparent(false);
    Shadow().SetDefaults(Shadow().Color(), 1);
}

void TSeriesMarksSymbol::Assign(const TPersistent* source) {
    if (const auto* symbol = dynamic_cast<const TSeriesMarksSymbol*>(source))
        TChartCustomShape::Assign(*symbol);
    else
        TPersistent::Assign(source);
}

const TClassInfo& TSeriesMarksSymbol::StaticClass() {
    using S = TSeriesMarksSymbol;
    static const TClassInfo info =
        TPublished<S>("TSeriesMarksSymbol", TPersistent::StaticClass())
            .Enumeration("Bevel", PanelBevelInfo(), &S::Bevel, &S::SetBevel, static_cast<int>(TPanelBevel::bvNone))
            .Integer("BevelWidth", &S::BevelWidth, &S::SetBevelWidth, 2)
            .Object("Brush", &TBrush::StaticClass, [](S& s) { return &s.Brush(); }, nullptr)
            .Object("Frame", &TPen::StaticClass, [](S& s) { return &s.Pen(); }, nullptr)
            .Object("Gradient", &TChartGradient::StaticClass, [](S& s) { return &s.Gradient(); }, nullptr)
            .Stored([](const S& s) { return s.HasGradient(); })
            .Object("Picture", &TPicture::StaticClass, [](S& s) { return &s.Picture(); }, nullptr)
            .Stored([](const S& s) { return s.HasPicture(); })
            .Object("Shadow", &TChartShadow::StaticClass, [](S& s) { return &s.Shadow(); }, nullptr)
            .Enumeration("ShapeStyle", ChartObjectShapeStyleInfo(), &S::ShapeStyle, &S::SetShapeStyle, fosRectangle)
            .Integer("Transparency", &S::Transparency, &S::SetTransparency, 0)
            .Boolean("Visible", &S::Visible, &S::SetVisible, false)
            .Build();
    return info;
}
