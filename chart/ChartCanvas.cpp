#include "chart/ChartCanvas.h"

void TChartCanvas::SelectPenColor(const TChartPen& pen, TColor color) {
    if (monochrome_) color = clBlack;
    if (!pen.Visible()) {
        pen_.SetStyle(TPenStyle::psClear);
        return;
    }
    pen_.Assign(pen);
    pen_.SetColor(color);
}

void TChartCanvas::SetDefaultTools() {
    TChartPen plain;
    pen_.Assign(plain);
    brush_.SetColor(clWhite);
    brush_.SetStyle(TBrushStyle::bsSolid);
    brush_.SetBackColor(clNone);
    SetTextAlign(TA_LEFT | TA_TOP);
}
