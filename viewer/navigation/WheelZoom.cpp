#include "viewer/navigation/WheelZoom.h"

#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/Rounding.h"
#include "viewer/navigation/ChartAxes.h"

#include <array>
#include <cstdint>

namespace {

constexpr double kZoomInFactor = 0.95, kZoomOutFactor = 1.05;
constexpr double kNoDataSpan = 0.01;
constexpr double kShortestTimeSpan = 4;  // ticks
constexpr double kTimeFinestStep = 1;
constexpr double kValueFinestStep = 0.1;
constexpr double kTimeMarginDivisor = 20;
// With the right button held, the finest label step of each vertical axis
// zoomed in, in hundredths.
constexpr std::array<std::int64_t, kVerticalAxisCount> kHeldFinestHundredths{100, 10, 100, 100, 100};
constexpr double kHundredths = 100;

// The values under the cursor, about which each axis zooms.
struct Anchors {
    double Time = 0;
    std::array<double, kVerticalAxisCount> Values{};
};

Anchors AnchorsAt(TCustomAxisPanel& chart, TPoint pixel) {
    Anchors anchors;
    anchors.Time = chart.BottomAxis()->ScreenToValue(pixel.X);
    for (int k = 0; k < kVerticalAxisCount; ++k) anchors.Values[k] = VerticalAxis(chart, k).ScreenToValue(pixel.Y);
    return anchors;
}

double Span(const TChartAxis& axis) { return axis.Maximum() - axis.Minimum(); }

// The left axis while its labels step more than a tenth; the custom axes always.
void ZoomVerticalAxes(TCustomAxisPanel& chart, const Anchors& anchors, double factor) {
    TChartAxis& left = *chart.LeftAxis();
    if (CurrentLabelStep(left) > kValueFinestStep) ZoomAxisAbout(left, anchors.Values[0], factor);
    for (int k = 1; k < kVerticalAxisCount; ++k) ZoomAxisAbout(VerticalAxis(chart, k), anchors.Values[k], factor);
}

void ZoomHeldVerticalAxesIn(TCustomAxisPanel& chart, const Anchors& anchors) {
    for (int k = 0; k < kVerticalAxisCount; ++k) {
        TChartAxis& axis = VerticalAxis(chart, k);
        if (Round(CurrentLabelStep(axis) * kHundredths) >= kHeldFinestHundredths[k])
            ZoomAxisAbout(axis, anchors.Values[k], kZoomInFactor);
    }
}

void ZoomTimeIn(TChartAxis& bottom, double centre) {
    if (CurrentLabelStep(bottom) > kTimeFinestStep) ZoomAxisAbout(bottom, centre, kZoomInFactor);
}

// False once the time axis reaches its right bound: then nothing zooms out.
bool ZoomTimeOut(TChartAxis& bottom, const DataExtents& extents, double centre) {
    const double span = double(extents.MaxX) - extents.MinX;
    const double lower = extents.MinX - span / kTimeMarginDivisor;
    if (lower > bottom.Minimum() && lower < bottom.Maximum()) bottom.SetMinimum(lower);
    if (extents.MaxX + span / kTimeMarginDivisor < bottom.Maximum()) return false;
    bottom.SetAutomatic(false);
    ZoomAxisAbout(bottom, centre, kZoomOutFactor);
    return true;
}

}  // namespace

void ZoomByWheel(TCustomAxisPanel& chart, const DataExtents& extents, const WheelTurn& turn) {
    if (double(extents.MaxX) - extents.MinX < kNoDataSpan) return;
    const Anchors anchors = AnchorsAt(chart, turn.Pixel);
    TChartAxis& bottom = *chart.BottomAxis();
    if (turn.Delta > 0) {
        if (turn.Ctrl) {
            if (Span(bottom) < kShortestTimeSpan) return;
            ZoomTimeIn(bottom, anchors.Time);
            ZoomVerticalAxes(chart, anchors, kZoomInFactor);
        } else if (turn.RightButton) {
            ZoomHeldVerticalAxesIn(chart, anchors);
        } else if (Span(bottom) >= kShortestTimeSpan) {
            ZoomTimeIn(bottom, anchors.Time);
        }
    } else if (turn.Ctrl) {
        if (ZoomTimeOut(bottom, extents, anchors.Time)) ZoomVerticalAxes(chart, anchors, kZoomOutFactor);
    } else if (turn.RightButton) {
        ZoomVerticalAxes(chart, anchors, kZoomOutFactor);
    } else {
        ZoomTimeOut(bottom, extents, anchors.Time);
    }
}
