#include "viewer/markers/MarkerLines.h"

#include "chart/axes/ChartAxis.h"
#include "chart/series/ChartSeries.h"

namespace {

constexpr double kTallFactor = 1.5;

void DrawVertical(TChartSeries& series, double x, double bottom, double top) {
    series.Clear();
    series.AddPointXY(x, bottom);
    series.AddPointXY(x, top);
}

void DrawHorizontal(TChartSeries& series, double y, double left, double right) {
    series.Clear();
    series.AddPointXY(left, y);
    series.AddPointXY(right, y);
}

}  // namespace

void DrawTallTimeLine(TChartSeries& series, double tick, const TChartAxis& vertical) {
    DrawVertical(series, tick, vertical.Minimum() * kTallFactor, vertical.Maximum() * kTallFactor);
}

void DrawPlainTimeLine(TChartSeries& series, double tick, const TChartAxis& vertical) {
    DrawVertical(series, tick, vertical.Minimum(), vertical.Maximum());
}

void DrawFromZeroLevelLine(TChartSeries& series, double value, const TChartAxis& time) {
    DrawHorizontal(series, value, 0, time.Maximum());
}

void DrawAcrossLevelLine(TChartSeries& series, double value, const TChartAxis& time) {
    DrawHorizontal(series, value, time.Minimum(), time.Maximum());
}

bool TimeMarkerPresent(TChartSeries& series) { return series.Count() > 0 && series.HighestY() > 0; }

bool LevelMarkerPresent(TChartSeries& series) { return series.Count() > 0 && series.HighestX() > 0; }
