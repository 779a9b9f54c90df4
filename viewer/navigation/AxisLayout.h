#pragma once
// The layout and scaling of the chart's vertical axes (the left axis and the
// custom axes 0-3 beside it) and the time axis fitted to the data.

#include "viewer/analysis/DataExtents.h"
#include "viewer/navigation/ChartAxes.h"

enum class AxisScaling {
    CommonZero,    // "С общим нулем": every axis puts zero at the same height
    EachOwnRange,  // "На все пространство"
};

// Sets both limits in the order the axis' own check allows; a reversed range
// gets the message "Ошибка масштабирования!!!" and leaves the axis as it was.
void ApplyAxisLimits(TChartAxis& axis, double minimum, double maximum);

// The time axis over the data with a fiftieth of its span either side, when
// the data spans more than 1 both ways.
void FitTimeAxis(TChartAxis& bottom, const DataExtents& extents);

// Places the custom axes in use left of the plot and scales every axis in use
// to the visible channel series on it.
void LayoutAxes(TCustomAxisPanel& chart, const AxisFlags& axisInUse, AxisScaling scaling);
