#pragma once
// A press in the strip of axes left of the plot chooses the axis whose grid
// is shown: the axes in use stand in columns of 60 pixels, the outermost
// first.

#include "viewer/navigation/ChartAxes.h"

class TCustomAxisPanel;

// `x` in chart pixels. Answers the axis chosen (0 the left axis, 1-4 custom
// axes 0-3), or -1 when the press lies right of the used axes' columns and
// nothing changes. The chosen axis alone shows its grid and has its title
// underlined.
int ChooseGridAxisAt(TCustomAxisPanel& chart, const AxisFlags& axisInUse, int x);
