#include "viewer/navigation/ChartAxes.h"

#include "chart/panel/CustomAxisPanel.h"
#include "viewer/navigation/AxisLayout.h"

TChartAxis& VerticalAxis(TCustomAxisPanel& chart, int index) {
    return index == 0 ? *chart.LeftAxis() : *chart.CustomAxes().GetAxis(index - 1);
}

double CurrentLabelStep(TChartAxis& axis) {
    axis.ComputeEffectiveRange();
    return axis.LabelStep();
}

void ZoomAxisAbout(TChartAxis& axis, double centre, double factor) {
    ApplyAxisLimits(axis, centre - (centre - axis.Minimum()) * factor, centre + (axis.Maximum() - centre) * factor);
}
