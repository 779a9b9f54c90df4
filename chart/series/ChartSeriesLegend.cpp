// A series' symbol in a legend row.

#include "chart/series/ChartSeries.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/panel/CustomAxisPanel.h"

namespace {

// Keeps the chart from repainting while a symbol changes the series' brush.
class NoRepaint {
public:
    explicit NoRepaint(TCustomChartPanel& chart) : chart_(chart), was_(chart.RepaintOnChange()) {
        chart_.SetRepaintOnChange(false);
    }
    ~NoRepaint() { chart_.SetRepaintOnChange(was_); }
    NoRepaint(const NoRepaint&) = delete;
    NoRepaint& operator=(const NoRepaint&) = delete;

private:
    TCustomChartPanel& chart_;
    bool was_;
};

}  // namespace

void TChartSeries::DrawLegendSymbol(int item, const TRect& rect) {
    if (item == -1 && colorEachPoint_) return;
    if (!parentChart_ || !parentChart_->Canvas()) return;
    TCustomAxisPanel& chart = *parentChart_;
    TCanvas3D& c = *chart.Canvas();
    NoRepaint quiet(chart);
    const TColor color = item == -1 ? SeriesColor() : LegendRowColor(item);
    c.Brush().SetColor(color);
    if (color == clNone) return;
    TColor back = chart.LegendBackColor;
    TBrushStyle style = brush_.Style();
    c.SelectPen(pen_);
    SetupLegendCanvas(item, back, style);
    if (chart.LegendSymbolPen) c.SelectPen(*chart.LegendSymbolPen);
    if (back == clDefault) back = chart.LegendBackColor == clDefault ? chart.Color() : chart.LegendBackColor;
    const TBrushStyle own = brush_.Style();
    const bool swap = style != own && !brush_.HasImage();
    if (swap) brush_.SetStyle(style);
    chart.SetContrastBrush(color, brush_, back);
    PaintLegendShape(item, rect);
    if (swap) brush_.SetStyle(own);
}

void TChartSeries::PaintLegendShape(int, const TRect& rect) {
    if (parentChart_) parentChart_->DrawLegendSymbolRect(rect);
}
