#pragma once
// The lines of the measurement and event markers: a time marker is a
// series of two points at one tick, a level marker two points at one value. Each drawing
// clears the series first; the lower or left end comes first.

class TChartAxis;
class TChartSeries;

// From 1.5 times the vertical axis minimum to 1.5 times its maximum, so the
// line stays whole while the vertical range changes a little.
void DrawTallTimeLine(TChartSeries& series, double tick, const TChartAxis& vertical);
// From the vertical axis minimum to its maximum.
void DrawPlainTimeLine(TChartSeries& series, double tick, const TChartAxis& vertical);
// From tick 0 to the time axis maximum.
void DrawFromZeroLevelLine(TChartSeries& series, double value, const TChartAxis& time);
// Across the time axis, minimum to maximum.
void DrawAcrossLevelLine(TChartSeries& series, double value, const TChartAxis& time);

// A time marker is there when its line reaches above 0, a level marker when
// its line reaches right of tick 0.
bool TimeMarkerPresent(TChartSeries& series);
bool LevelMarkerPresent(TChartSeries& series);
