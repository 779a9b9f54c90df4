// What form data holds of a pointer.

#include "chart/series/SeriesPointer.h"

#include "ui/core/PublishedProperties.h"

const TEnumInfo& SeriesPointerStyleInfo() {
    static const TEnumInfo info("TSeriesPointerStyle",
                                {"psRectangle", "psCircle", "psTriangle", "psDownTriangle", "psCross", "psDiagCross",
                                 "psStar", "psDiamond", "psSmallDot", "psNothing", "psLeftTriangle", "psRightTriangle",
                                 "psHexagon"});
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
