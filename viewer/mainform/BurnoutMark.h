#pragma once
// The short black mark at the point of the barometric altitude where the
// engine burned out, drawn after every paint of the chart.

#include <cstdint>

class TCustomAxisPanel;
class TChartSeries;

// Nothing for a burnout tick of 0 (the log had no burnout) or beyond the
// series' points.
void DrawBurnoutMark(TCustomAxisPanel& chart, TChartSeries& altitude, std::int32_t burnoutTick);
