#include "chart/series/Callout.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/PublishedProperties.h"

TCallout::TCallout(TChartSeries* series) : TSeriesPointer(series), arrow_([this] { Changed(); }) {
    fullGradient_ = true;
    SetDraw3D(false);
    Brush().SetColor(clBlack);
}

void TCallout::CopyFrom(const TSeriesPointer& source) {
    if (const auto* callout = dynamic_cast<const TCallout*>(&source)) {
        distance_ = callout->distance_;
        arrow_.Assign(&callout->arrow_);
        arrowHead_ = callout->arrowHead_;
        arrowHeadSize_ = callout->arrowHeadSize_;
    }
    TSeriesPointer::CopyFrom(source);
}

void TCallout::SetArrowHead(TArrowHeadStyle value) {
    if (StoreIfChanged(arrowHead_, value)) Changed();
}
void TCallout::SetArrowHeadSize(int value) {
    if (StoreIfChanged(arrowHeadSize_, value)) Changed();
}
void TCallout::SetDistance(int value) {
    if (StoreIfChanged(distance_, value)) Changed();
}

void TCallout::PaintCallout(TColor color, TPoint start, int z, TPoint end) {
    TCustomAxisPanel* chart = Series() ? Series()->ParentChart() : nullptr;
    if (!chart || !chart->Canvas()) return;
    TCanvas3D& canvas = *chart->Canvas();
    const bool view3D = chart->View3D();
    if (arrow_.Visible()) {
        canvas.Brush().SetColor(Brush().Color());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.SelectPen(arrow_);
        switch (arrowHead_) {
            case ahLine: canvas.Arrow(false, end, start, arrowHeadSize_, arrowHeadSize_, z); break;
            case ahSolid: canvas.Arrow(true, end, start, arrowHeadSize_, arrowHeadSize_, z); break;
            case ahNone:
                if (view3D)
                    canvas.LineAtDepth(start.X, start.Y, end.X, end.Y, z);
                else
                    canvas.Line(start, end);
                break;
        }
    }
    if (arrowHead_ == ahNone && Visible()) {
        SetUpCanvas(canvas, color);
        const TPoint at = view3D ? canvas.ChartToScreen(start, z) : start;
        PaintShape(canvas, false, at.X, at.Y, HorizSize(), VertSize(), Brush().Color(), Style());
    }
}

const TEnumInfo& ArrowHeadStyleInfo() {
    static const TEnumInfo info("TArrowHeadStyle", {"ahNone", "ahLine", "ahSolid"});
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
