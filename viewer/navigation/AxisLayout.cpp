#include "viewer/navigation/AxisLayout.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "common/MessageBoxText.h"
#include "ui/core/Rounding.h"
#include "viewer/analysis/ChartSeriesTable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPlotLeftMargin = 10;
constexpr int kAxisPitch = 50;
constexpr double kMarginPerAxis = 1.1;
constexpr double kNoMinimum = 100000, kNoMaximum = -100000;
constexpr double kHeadroom = 0.05;
constexpr double kSmallestRatio = 1e-7;
constexpr double kBelowZeroOnlyRatio = 1;
constexpr double kTimeMarginDivisor = 50;
constexpr int kCustomAxes = 4;

struct Range {
    double Min = kNoMinimum, Max = kNoMaximum;
    void Widen(double low, double high) {
        Min = std::min(Min, low);
        Max = std::max(Max, high);
    }
};

// The axis a series is drawn on: 0 the left axis, 1-4 custom axes 0-3.
int AxisIndexOf(TCustomAxisPanel& chart, const TChartSeries& series) {
    for (int k = 0; k < kCustomAxes && k < chart.CustomAxes().Count(); ++k)
        if (series.CustomVertAxis() == chart.CustomAxes().GetAxis(k)) return k + 1;
    return 0;
}

// Every axis in use puts zero at the same height: an axis of scale S spans
// [-(r + 5 %) S, 105 % S], r the largest below-zero share of the axes that
// cross zero. An axis whose data lie wholly at or below zero takes its scale
// from its minimum, and asks for zero no lower than half-way up.
void LayoutCommonZero(TCustomAxisPanel& chart, const AxisFlags& axisInUse, const std::array<Range, kVerticalAxisCount>& ranges) {
    auto belowZeroOnly = [&](int k) { return ranges[k].Min < 0 && ranges[k].Max <= 0; };
    double ratio = kSmallestRatio;
    for (int k = 0; k < kVerticalAxisCount; ++k) {
        if (!axisInUse[k] || ranges[k].Min >= 0) continue;
        ratio = std::max(ratio, belowZeroOnly(k) ? kBelowZeroOnlyRatio : std::fabs(ranges[k].Min / ranges[k].Max));
    }
    for (int k = 0; k < kVerticalAxisCount; ++k) {
        if (!axisInUse[k]) continue;
        const double scale = belowZeroOnly(k) ? -ranges[k].Min / ratio : ranges[k].Max;
        ApplyAxisLimits(VerticalAxis(chart, k), -ratio * scale - kHeadroom * scale, (1 + kHeadroom) * scale);
    }
}

}  // namespace

void ApplyAxisLimits(TChartAxis& axis, double minimum, double maximum) {
    if (minimum > maximum) {
        ShowMessageBox("Ошибка масштабирования!!!");
        return;
    }
    if (minimum > axis.Maximum()) {
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
    } else {
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
    }
}

void FitTimeAxis(TChartAxis& bottom, const DataExtents& extents) {
    const double spanX = double(extents.MaxX) - extents.MinX, spanY = double(extents.MaxY) - extents.MinY;
    if (spanX <= 1 || spanY <= 1) return;
    const double margin = spanX / kTimeMarginDivisor;
    ApplyAxisLimits(bottom, extents.MinX - margin, extents.MaxX + margin);
}

void LayoutAxes(TCustomAxisPanel& chart, const AxisFlags& axisInUse, AxisScaling scaling) {
    chart.SetMarginLeft(kPlotLeftMargin);
    int offset = kPlotLeftMargin;
    for (int k = 0; k < kCustomAxes && k < chart.CustomAxes().Count(); ++k) {
        if (!axisInUse[k + 1]) continue;
        offset += kAxisPitch;
        chart.CustomAxes().GetAxis(k)->SetPositionPercent(-offset);
        chart.SetMarginLeft(static_cast<int>(Round(offset * kMarginPerAxis)));
    }

    Range overall;
    std::array<Range, kVerticalAxisCount> ranges;
    for (int index = kFirstChannelSeries; index <= kLastChannelSeries; ++index) {
        TChartSeries& series = *chart.SeriesAt(index);
        if (!series.Active()) continue;
        const double low = series.LowestY(), high = series.HighestY();
        overall.Widen(low, high);
        ranges[AxisIndexOf(chart, series)].Widen(low, high);
    }

    if (scaling == AxisScaling::EachOwnRange) {
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            if (!axisInUse[k]) continue;
            const double min = ranges[k].Min, max = ranges[k].Max;
            if (std::fabs(max) > std::fabs(min))
                ApplyAxisLimits(VerticalAxis(chart, k), min - kHeadroom * max, (1 + kHeadroom) * max);
            else
                ApplyAxisLimits(VerticalAxis(chart, k), (1 + kHeadroom) * min, max + kHeadroom * min);
        }
    } else if (overall.Min < 0) {
        LayoutCommonZero(chart, axisInUse, ranges);
    } else {
        for (int k = 0; k < kVerticalAxisCount; ++k) {
            if (!axisInUse[k]) continue;
            const double max = ranges[k].Max, min = -kHeadroom * max;
            ApplyAxisLimits(VerticalAxis(chart, k), (1 + kHeadroom) * min, (1 + kHeadroom) * max);
        }
    }
}
