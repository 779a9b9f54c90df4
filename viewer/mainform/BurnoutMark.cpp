#include "viewer/mainform/BurnoutMark.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartPen.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace {

constexpr int kHalfLength = 8;

}  // namespace

void DrawBurnoutMark(TCustomAxisPanel& chart, TChartSeries& altitude, std::int32_t burnoutTick) {
    // Tick 0 ends no record, so it means the log had no burnout.
    if (burnoutTick <= 0 || burnoutTick >= altitude.Count() || !chart.Canvas()) return;
    TCanvas3D& canvas = *chart.Canvas();
    TChartPen pen;
    pen.SetColor(clBlack);
    canvas.SelectPen(pen);
    TChartBrush brush;
    canvas.SelectBrush(brush, altitude.SeriesColor());
    const int x = altitude.PointScreenX(burnoutTick);
    const int y = altitude.PointScreenY(burnoutTick);
    canvas.Line(x - kHalfLength, y, x + kHalfLength, y);
    canvas.Line(x - kHalfLength, y + 1, x + kHalfLength, y + 1);
}
