#pragma once
// What the mouse points at on the chart, as the markers take it: a whole
// tick on the time axis, a value of three decimals on the vertical axis.

class TChartAxis;

// Rounded to hundredths first, then to the nearest tick.
float CursorTickAt(const TChartAxis& time, int x);
float CursorValueAt(const TChartAxis& vertical, int y);
