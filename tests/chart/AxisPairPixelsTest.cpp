// An axis pair drawn to pixels, flat and in 3D. With VELZAR_DUMP_DIR set
// the pictures are written there as axis_pair.png and axis_pair_3d.png.

#include "WhiteChart.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/LineSeries.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

using platform::RGB;

namespace {

class AxisPairChart : public WhiteChart {
public:
    AxisPairChart(TChartCanvas3D& canvas, bool view3D) {
        SetView3D(view3D);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int side = 0; side < 4; ++side) SetMargin(side, 10);
        series.SetParentChart(this);
        series.SetSeriesColor(0xFF0000);  // blue
        series.AddPointXY(0, 0);
        series.AddPointXY(60, 250);
        for (TChartAxis* axis : {BottomAxis(), LeftAxis()}) {
            axis->SetLabelStyle(talValue);
            axis->SetTickOnLabelsOnly(false);
        }
        BottomAxis()->SetLimits(0, 60);
        BottomAxis()->SetIncrement(10);
        BottomAxis()->Title().SetCaption("Time, s");
        LeftAxis()->SetLimits(0, 250);
        LeftAxis()->SetIncrement(50);
        LeftAxis()->Title().SetCaption("Altitude, m");
    }
    ~AxisPairChart() override { series.SetParentChart(nullptr); }
    TLineSeries series;
};

// Darker than the light grey of the grid: lines and text.
bool Ink(platform::COLORREF c) { return (c & 0xFF) < 0x70 && ((c >> 8) & 0xFF) < 0x70 && ((c >> 16) & 0xFF) < 0x70; }

int InkIn(const PixelCanvas& picture, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) n += Ink(picture.At(x, y));
    return n;
}

}  // namespace

TEST(AxisPairPixels, FlatAxesWithLabelsTicksAndTitles) {
    PixelCanvas window(480, 320);
    TChartCanvas3D canvas;
    AxisPairChart chart(canvas, false);
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    chart.RenderTo(&onWindow, TRect{0, 0, 480, 320});
    window.Dump("axis_pair");

    const TRect plot = chart.PlotRect();
    ASSERT_GT(plot.Left, 10 + 20);    // room for the title and labels on the left
    ASSERT_LT(plot.Bottom, 320 - 30);  // and below
    // the axis lines along the plot's left and bottom edges
    for (int y = plot.Top + 5; y < plot.Bottom - 5; y += 20) EXPECT_TRUE(Ink(window.At(plot.Left, y))) << y;
    for (int x = plot.Left + 5; x < plot.Right - 5; x += 20) EXPECT_TRUE(Ink(window.At(x, plot.Bottom))) << x;
    // ticks below the bottom axis at every 10 s: seven labels' worth of ink in the band
    const TChartAxis& bottom = *chart.BottomAxis();
    for (double v = 0; v <= 60; v += 10) {
        const int x = bottom.ValueToScreen(v);
        EXPECT_NE(window.At(x, plot.Bottom + 4), RGB(255, 255, 255)) << "tick at " << v;
        EXPECT_GT(InkIn(window, TRect{x - 8, bottom.LabelPosition(), x + 9, bottom.LabelPosition() + 14}), 5)
            << "label " << v;
    }
    // the titles have ink of their own, beyond the labels
    EXPECT_GT(InkIn(window, TRect{plot.Left, bottom.TitlePosition(), plot.Right, 320 - 10}), 20);
    const TChartAxis& left = *chart.LeftAxis();
    EXPECT_GT(InkIn(window, TRect{10, plot.Top, left.TitlePosition() + 1, plot.Bottom}), 20);
    // the series runs corner to corner in its own colour
    EXPECT_GT(window.Count(RGB(0, 0, 255)), 100);
}

TEST(AxisPairPixels, AxesInADepthView) {
    PixelCanvas window(480, 320);
    TChartCanvas3D canvas;
    AxisPairChart chart(canvas, true);
    chart.View3DOptions().SetOrthogonal(true);
    chart.SetChart3DPercent(40);
    chart.DepthAxis()->SetVisible(true);
    TCanvas onWindow;
    onWindow.SetHandle(window.Dc());
    chart.RenderTo(&onWindow, TRect{0, 0, 480, 320});
    window.Dump("axis_pair_3d");

    ASSERT_GT(chart.Depth3DWidth(), 0);
    EXPECT_GT(window.Count(RGB(0, 0, 255)), 100);  // the series as a ribbon
    // grid lines stand on the back wall, up and right of the plot by the depth
    const TRect plot = chart.PlotRect();
    const TPoint back = canvas.ChartToScreen(chart.BottomAxis()->ValueToScreen(30), plot.Top + 20, chart.Depth3DWidth());
    EXPECT_NE(window.At(back.X, back.Y), RGB(255, 255, 255));
}
