#pragma once
// The axes the viewer's navigation works on, by number, and what it asks of
// each: its label step now, and a zoom about a value.

#include <array>

class TChartAxis;
class TCustomAxisPanel;

// The vertical axes: 0 the left axis, 1-4 custom axes 0-3.
inline constexpr int kVerticalAxisCount = 5;
using AxisFlags = std::array<bool, kVerticalAxisCount>;

// Vertical axis `index` (0 the left axis, 1-4 custom axes 0-3).
TChartAxis& VerticalAxis(TCustomAxisPanel& chart, int index);

// The step between labels for the axis' limits as they are now, not as the
// last paint found them.
double CurrentLabelStep(TChartAxis& axis);

// Both limits moved towards `centre` (factor below 1) or away from it,
// keeping the centre at the same place on the axis.
void ZoomAxisAbout(TChartAxis& axis, double centre, double factor);
