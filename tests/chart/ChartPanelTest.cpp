#include "ChartTestPanel.h"

#include "chart/series/LineSeries.h"

#include <gtest/gtest.h>

TEST(ChartPanel, PlotRectangleFromMarginsAndFrame) {
    const struct {
        TChartUnits units;
        int left, top, right, bottom;
        bool border;
        TPanelBevel bevelInner, bevelOuter;
        int borderWidth;
        TRect plot;
    } cases[] = {
        // the program's chart: pixel margins, a visible border, the raised outer bevel
        {muPixels, 5, 0, 10, 10, true, TPanelBevel::bvNone, TPanelBevel::bvRaised, 0, TRect{7, 2, 588, 388}},
        // the defaults: 3 and 4 per cent of 600 x 400, the outer bevel only
        {muPercent, 3, 4, 3, 4, false, TPanelBevel::bvNone, TPanelBevel::bvRaised, 0, TRect{19, 17, 581, 383}},
        {muPercent, 10, 0, 0, 50, false, TPanelBevel::bvLowered, TPanelBevel::bvRaised, 3, TRect{65, 5, 595, 195}},
    };
    for (const auto& c : cases) {
        ChartTestPanel chart;
        chart.SetAxisVisible(false);  // no axis bands: the plot rectangle as the margins leave it
        chart.SetMarginUnits(c.units);
        chart.SetMarginLeft(c.left);
        chart.SetMarginTop(c.top);
        chart.SetMarginRight(c.right);
        chart.SetMarginBottom(c.bottom);
        if (c.border) chart.Border().Show();
        chart.SetBevelInner(c.bevelInner);
        chart.SetBevelOuter(c.bevelOuter);
        chart.SetBorderWidth(c.borderWidth);
        chart.Render(TRect{0, 0, 600, 400});
        EXPECT_EQ(chart.PlotRect(), c.plot) << c.units << " " << c.left;
    }
}

TEST(ChartPanel, FinishKeepsThePlotInsideTheFrame) {
    ChartTestPanel chart;
    chart.SetAxisVisible(false);
    chart.SetBounds(0, 0, 600, 400);
    chart.SetMarginUnits(muPixels);
    chart.SetMarginLeft(700);  // wider than the chart
    chart.SetMarginTop(-20);
    chart.Render(TRect{0, 0, 600, 400});
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(plot.Top, 0);  // never above the frame
    EXPECT_EQ(plot.Left, 701);
    EXPECT_EQ(plot.Right, 702);  // one pixel wide rather than inverted
    EXPECT_EQ(chart.PlotWidth(), 1);
    EXPECT_EQ(chart.PlotCenterY(), (plot.Top + plot.Bottom) / 2);

    chart.SetFixedPlotRect(true);
    chart.SetPlotRect(TRect{10, 10, 20, 20});
    chart.Render(TRect{0, 0, 600, 400});
    EXPECT_EQ(chart.PlotRect(), (TRect{10, 10, 20, 20}));
    EXPECT_EQ(chart.PlotCenterX(), 15);
}

TEST(ChartPanel, AFrameDrawsTheSeriesInsideTheMargins) {
    ChartTestPanel chart;
    chart.SetMarginUnits(muPixels);
    chart.SetMarginLeft(20);
    chart.SetMarginTop(20);
    chart.SetMarginRight(20);
    chart.SetMarginBottom(20);
    chart.SetBevelOuter(TPanelBevel::bvNone);
    TLineSeries s;
    s.SetParentChart(&chart);
    s.AddPointXY(0, 0);
    s.AddPointXY(1, 1);
    chart.LeftAxis()->SetVisible(false);
    chart.BottomAxis()->SetVisible(false);
    chart.Render(TRect{0, 0, 300, 200});
    EXPECT_EQ(chart.PlotRect(), (TRect{20, 20, 280, 180}));
    ASSERT_FALSE(chart.canvas.segments.empty());
    const auto& line = chart.canvas.segments.back();
    EXPECT_EQ(line, (FixedPitchCanvas::Segment{20, 180, 280, 20}));
}
