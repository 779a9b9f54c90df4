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
    const TChartPen plain;
    pen_.Assign(&plain);
    brush_.SetColor(clWhite);
    brush_.SetStyle(TBrushStyle::bsSolid);
    brush_.SetBackColor(clNone);
    SetTextAlign(TA_LEFT | TA_TOP);
}

void TChartCanvas::SelectBrushColor(const TChartBrush& brush, TColor color, TColor backColor) {
    if (monochrome_) color = clWhite;
    brush_.SetColor(color);
    brush_.SetStyle(brush.Style());
    brush_.SetBackColor(backColor);
}

void TChartCanvas::BevelFrame(TRect& r, TColor topColor, TColor bottomColor, int width) {
    pen_.SetWidth(1);
    pen_.SetStyle(TPenStyle::psSolid);
    --r.Right;
    --r.Bottom;
    for (int i = 0; i < width; ++i) {
        pen_.SetColor(topColor);
        Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        pen_.SetColor(bottomColor);
        Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    ++r.Right;
    ++r.Bottom;
}
