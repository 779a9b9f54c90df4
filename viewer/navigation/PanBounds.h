#pragma once
// How far the time axis may be panned: a twentieth of the data's span past
// either end of the data.

#include "viewer/analysis/DataExtents.h"

class TChartAxis;

// After a step of panning: a time axis past a bound is moved back inside,
// keeping its span (or over both bounds when it is wider than they allow).
// Answers whether a bound was hit.
bool BoundTimeAxisPanning(TChartAxis& bottom, const DataExtents& extents);
