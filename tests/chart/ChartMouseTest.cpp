#include "ChartTestPanel.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"

#include <gtest/gtest.h>

namespace {

// A chart of 400 x 300 pixels with one series from (0, 0) to (100, 100),
// axes fixed to those ranges, laid out without margins or axis bands.
class MouseChart : public TCustomChart {
public:
    MouseChart() {
        SetView3D(false);
        SetCanvas(&canvas);
        SetBevelOuter(TPanelBevel::bvNone);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 0);
        SetAxisVisible(false);
        series.SetParentChart(this);
        series.AddPointXY(0, 0);
        series.AddPointXY(100, 100);
        BottomAxis()->SetLimits(0, 100);
        LeftAxis()->SetLimits(0, 100);
        RenderTo(ControlCanvas(), TRect{0, 0, 400, 300});
    }
    ~MouseChart() override { series.SetParentChart(nullptr); }
    void Drag(TMouseButton button, int x0, int y0, int x1, int y1) {
        MouseDown(button, {}, x0, y0);
        MouseMove({}, (x0 + x1) / 2, (y0 + y1) / 2);
        MouseMove({}, x1, y1);
        MouseUp(button, {}, x1, y1);
        RenderTo(ControlCanvas(), TRect{0, 0, 400, 300});
    }

    FixedPitchCanvas canvas;
    TLineSeries series;

protected:
    void DrawPanelBackground(const TRect&) override {}
};

}  // namespace

TEST(ChartMouse, DragARectangleToZoomAndBackToUndo) {
    MouseChart chart;
    int zooms = 0, undos = 0;
    chart.OnZoom = [&zooms](TCustomChart*) { ++zooms; };
    chart.OnUndoZoom = [&undos](TCustomChart*) { ++undos; };
    chart.Drag(TMouseButton::mbLeft, 100, 60, 300, 240);  // x 25 .. 75, y 80 .. 20
    TChartAxis& bottom = *chart.BottomAxis();
    TChartAxis& left = *chart.LeftAxis();
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 25);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 75);
    EXPECT_DOUBLE_EQ(left.Minimum(), 20);
    EXPECT_DOUBLE_EQ(left.Maximum(), 80);
    EXPECT_TRUE(chart.ZoomActive());

    chart.Drag(TMouseButton::mbLeft, 0, 0, 200, 150);  // zoom again into the upper left quarter
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 25);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 50);
    EXPECT_EQ(zooms, 2);

    chart.Drag(TMouseButton::mbLeft, 300, 200, 100, 50);  // right to left: undo, back before the first zoom
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart.ZoomActive());
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 0);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 100);
    EXPECT_DOUBLE_EQ(left.Maximum(), 100);
}

TEST(ChartMouse, SmallDragsDoNothing) {
    MouseChart chart;
    int zooms = 0;
    chart.OnZoom = [&zooms](TCustomChart*) { ++zooms; };
    chart.Drag(TMouseButton::mbLeft, 100, 100, 116, 200);  // 16 pixels wide: not more than the minimum
    chart.Drag(TMouseButton::mbLeft, 100, 100, 200, 116);
    EXPECT_EQ(zooms, 0);
    chart.Drag(TMouseButton::mbLeft, 100, 100, 117, 117);
    EXPECT_EQ(zooms, 1);
}

TEST(ChartMouse, HorizontalOnlyZoomKeepsTheVerticalRange) {
    MouseChart chart;
    chart.Zoom().Direction = tzdHorizontal;
    chart.Drag(TMouseButton::mbLeft, 100, 150, 300, 151);  // height does not matter
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), 25);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), 75);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 100);
}

TEST(ChartMouse, RightDragPansAndUndoRestores) {
    MouseChart chart;
    int scrolls = 0;
    chart.OnScroll = [&scrolls](TCustomChart*) { ++scrolls; };
    chart.Drag(TMouseButton::mbRight, 200, 150, 100, 180);  // content follows the mouse: left and down
    TChartAxis& bottom = *chart.BottomAxis();
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 25);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 125);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 10);
    EXPECT_EQ(scrolls, 2);
    chart.UndoZoom();
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 0);

    chart.SetAllowPanning(pmHorizontal);
    scrolls = 0;
    chart.Drag(TMouseButton::mbRight, 200, 150, 200, 100);  // vertical movement only
    EXPECT_EQ(scrolls, 0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 0);

    chart.SetAllowPanning(pmBoth);
    chart.OnAllowScroll = [](TChartAxis*, double&, double&, bool& allow) { allow = false; };
    chart.Drag(TMouseButton::mbRight, 200, 150, 100, 150);
    EXPECT_EQ(scrolls, 2);  // refused everywhere, still told
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 0);
}

TEST(ChartMouse, PanningStopsOutsideThePlot) {
    MouseChart chart;
    chart.MouseDown(TMouseButton::mbRight, {}, 200, 150);
    chart.MouseMove({}, 500, 150);
    EXPECT_FALSE(chart.ScrollDrag().Dragging);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), 0);
}

TEST(ChartMouse, AHandlerMayAllowPanningForThisPress) {
    MouseChart chart;
    chart.SetAllowPanning(pmNone);
    chart.OnMouseDown = [](TCustomChart* c, TMouseButton button, TShiftState, int, int) {
        if (button == TMouseButton::mbRight) c->SetAllowPanning(pmBoth);
    };
    chart.MouseDown(TMouseButton::mbRight, {}, 200, 150);
    EXPECT_TRUE(chart.ScrollDrag().Dragging);
}

TEST(ChartMouse, WheelScrollsTheVerticalAxes) {
    MouseChart chart;
    chart.MouseWheelDown();
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 3);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 103);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), 0);
    chart.MouseWheelUp();
    chart.MouseWheelUp();
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -3);
    chart.SetAllowPanning(pmHorizontal);
    chart.MouseWheelUp();
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -3);
}

TEST(ChartMouse, ClickedParts) {
    MouseChart chart;
    int clicked = -1;
    chart.series.OnClick = [&clicked](TChartSeries*, int index, TMouseButton, TShiftState, int, int) {
        clicked = index;
    };
    const TChartClickedPart onLine = chart.FindClickedPart({200, 150}, true);
    EXPECT_EQ(onLine.Part, cpSeries);
    EXPECT_EQ(onLine.ASeries, &chart.series);
    EXPECT_EQ(onLine.PointIndex, 0);
    EXPECT_EQ(chart.FindClickedPart({200, 50}, true).Part, cpChartRect);
    EXPECT_EQ(chart.FindClickedPart({500, 50}, true).Part, cpNone);

    chart.MouseDown(TMouseButton::mbLeft, {}, 400, 0);  // on the last point
    EXPECT_EQ(clicked, 1);
    chart.MouseUp(TMouseButton::mbLeft, {}, 400, 0);

    int background = 0;
    chart.OnClickBackground = [&background](TCustomChart*, TMouseButton, TShiftState, int, int) { ++background; };
    chart.MouseDown(TMouseButton::mbLeft, {}, 200, 50);
    EXPECT_EQ(background, 1);
    EXPECT_FALSE(chart.Zoom().Dragging);  // the handler kept the click
}

TEST(ChartMouse, ClickOnAnAxisAndItsLabels) {
    MouseChart chart;
    chart.SetAxisVisible(true);
    chart.SetMarginUnits(muPixels);
    chart.SetMarginLeft(40);
    chart.SetMarginBottom(30);
    chart.RenderTo(chart.ControlCanvas(), TRect{0, 0, 400, 300});
    TChartAxis& left = *chart.LeftAxis();
    ASSERT_TRUE(chart.AxisIsVisible(&left));
    const int middle = (left.StartPixel() + left.EndPixel()) / 2;
    // between the axis line and its labels, or 3 pixels inside the plot
    EXPECT_TRUE(left.HitTest(left.AxisPosition() - 2, middle));
    EXPECT_TRUE(left.HitTest(left.LabelPosition() + 1, middle));
    EXPECT_TRUE(left.HitTest(left.AxisPosition() + 3, middle));
    EXPECT_FALSE(left.HitTest(left.AxisPosition() + 4, middle));
    EXPECT_FALSE(left.HitTest(left.AxisPosition() - 2, left.EndPixel() + 5));
    int clicks = 0;
    chart.OnClickAxis = [&clicks, &left](TCustomChart*, TChartAxis* axis, TMouseButton, TShiftState, int, int) {
        clicks += axis == &left;
    };
    chart.MouseDown(TMouseButton::mbLeft, {}, left.AxisPosition() - 2, middle);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(chart.Zoom().Dragging);  // the handler kept the click
}
