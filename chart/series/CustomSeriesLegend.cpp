// What a line series draws as its legend symbol.

#include "chart/series/CustomSeries.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/panel/CustomAxisPanel.h"

#include <algorithm>

void TCustomSeries::PaintLegendShape(int item, const TRect& rect) {
    TCanvas3D& c = *parentChart_->Canvas();
    TColor color = item == -1 ? SeriesColor() : LegendRowColor(item);
    if (!pointer_.Visible()) {
        if (drawLine_)
            DrawLegendLine(color, rect, parentChart_->View3D());
        else
            TChartSeries::PaintLegendShape(item, rect);
        return;
    }
    if (drawLine_) DrawLegendLine(color, rect, false);
    TSeriesPointerStyle style = pointer_.Style();
    if (item != -1 && OnGetPointerStyle) {
        // a point's own style shows in the pointer's own colour
        style = OnGetPointerStyle(this, item);
        if (pointer_.Brush().Color() != clDefault) color = pointer_.Brush().Color();
    }
    pointer_.SetUpCanvas(c, color);
    bool penVisible = pen_.Visible();
    if (const TChartPen* symbolPen = parentChart_->LegendSymbolPen) {
        c.SelectPen(*symbolPen);
        penVisible = symbolPen->Visible();
    }
    const int w = penVisible ? rect.Width() / 3 : rect.Width() / 2 + 1;
    const int h = penVisible ? rect.Height() / 3 : rect.Height() / 2 + 1;
    pointer_.PaintShape(c, false, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2,
                        std::min(pointer_.HorizSize(), w), std::min(pointer_.VertSize(), h), color, style);
}

void TCustomSeries::DrawLegendLine(TColor color, const TRect& rect, bool as3D) {
    TCanvas3D& c = *parentChart_->Canvas();
    // a symbol pen of the legend's own stays as the legend chose it
    if (!parentChart_->LegendSymbolPen) {
        if (!as3D) {
            PrepareLinePen(color);
        } else {
            if (c.Monochrome()) color = clWhite;
            if (brush_.HasImage()) {
                c.SelectBrush(brush_, color);
            } else {
                c.Brush().SetStyle(brush_.Style());
                c.Brush().SetColor(color);
            }
            c.SelectPen(pen_);
        }
    }
    if (as3D)
        c.Rectangle(rect);
    else
        c.HorizontalLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}
