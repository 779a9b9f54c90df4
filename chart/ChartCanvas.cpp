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
