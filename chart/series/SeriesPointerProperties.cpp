// What form data holds of pointers, callouts and the marks symbol.

#include "chart/series/SeriesPointer.h"

#include "chart/core/ChartCustomShapePosition.h"
#include "chart/panel/CustomChartPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

const TEnumInfo& SeriesPointerStyleInfo() {
    static const TEnumInfo info("TSeriesPointerStyle",
                                {"psRectangle", "psCircle", "psTriangle", "psDownTriangle", "psCross", "psDiagCross",
                                 "psStar", "psDiamond", "psSmallDot", "psNothing", "psLeftTriangle", "psRightTriangle",
                                 "psHexagon"});
    return info;
}

const TEnumInfo& ArrowHeadStyleInfo() {
    static const TEnumInfo info("TArrowHeadStyle", {"ahNone", "ahLine", "ahSolid"});
    return info;
}

const TClassInfo& TSeriesPointer::StaticClass() {
    using P = TSeriesPointer;
    static const TClassInfo info =
        TPublished<P>("TSeriesPointer", TPersistent::StaticClass())
            .Object("Brush", &TBrush::StaticClass, [](P& p) { return &p.Brush(); }, nullptr)
            .Boolean("Dark3D", &P::Dark3D, &P::SetDark3D, true)
            .Boolean("Draw3D", &P::Draw3D, &P::SetDraw3D, true)
            .Object("Gradient", &TChartGradient::StaticClass, [](P& p) { return &p.Gradient(); }, nullptr)
            .Integer("HorizSize", &P::HorizSize, &P::SetHorizSize, 4)
            .Boolean("InflateMargins", &P::InflateMargins, &P::SetInflateMargins)
            .Object("Pen", &TPen::StaticClass, [](P& p) { return &p.Pen(); }, nullptr)
            .Object("Shadow", &TChartShadow::StaticClass, [](P& p) { return &p.Shadow(); }, nullptr)
            .Enumeration("Style", SeriesPointerStyleInfo(), &P::Style, &P::SetStyle)
            .Integer("Transparency", &P::Transparency, &P::SetTransparency, 0)
            .Integer("VertSize", &P::VertSize, &P::SetVertSize, 4)
            .Boolean("Visible", &P::Visible, &P::SetVisible)
            .Build();
    return info;
}

const TClassInfo& TCallout::StaticClass() {
    using C = TCallout;
    static const TClassInfo info =
        TPublished<C>("TCallout", TSeriesPointer::StaticClass())
            .Object("Arrow", &TPen::StaticClass, [](C& c) { return &c.Arrow(); }, nullptr)
            .Enumeration("ArrowHead", ArrowHeadStyleInfo(), &C::ArrowHead, &C::SetArrowHead, ahNone)
            .Integer("ArrowHeadSize", &C::ArrowHeadSize, &C::SetArrowHeadSize, 8)
            .Integer("Distance", &C::Distance, &C::SetDistance, 0)
            .Build();
    return info;
}

const TClassInfo& TMarksCallout::StaticClass() {
    using M = TMarksCallout;
    static const TClassInfo info = TPublished<M>("TMarksCallout", TCallout::StaticClass())
                                       .Integer("Length", &M::Length, &M::SetLength)
                                       .Stored(&M::LengthStored)
                                       .Build();
    return info;
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
