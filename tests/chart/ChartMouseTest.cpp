// The chart as a window driven by mouse input through the window system:
// zoom rectangles, undo, panning, the wheel, clicks and the tools.

#include "chart/canvas/ChartCanvas.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using platform::testing::MoveMouse;
using platform::testing::PressMouse;
using platform::testing::ReleaseMouse;

constexpr int Left = 0, Right = 1;

// Writes what it hears into a list; may cancel the mouse for the chart.
class RecordingTool : public TChartTool {
public:
    RecordingTool(TCustomChart& chart, std::vector<std::string>& heard) : chart_(chart), heard_(heard) {}
    void ChartEvent(int event) override {
        if (event == cteMouseLeave) heard_.push_back("left");
    }
    void ChartMouseEvent(int kind, TMouseButton, TShiftState, int x, int y) override {
        static const char* const kinds[] = {"down", "move", "up"};
        heard_.push_back(std::string(kinds[kind]) + " " + std::to_string(x) + "," + std::to_string(y));
        if (cancel) chart_.MouseCancelled = true;
    }
    void ChartWheelEvent(int kind, int delta, int, int) override {
        heard_.push_back("wheel " + std::to_string(kind) + " " + std::to_string(delta));
    }
    bool cancel = false;

private:
    TCustomChart& chart_;
    std::vector<std::string>& heard_;
};

// A chart window of 440 x 340 pixels on a shown form whose plot is the 400 x
// 300 pixels from (20, 20): one series from (0, 0) to (100, 100), both axes
// fixed to 0..100, so a pixel x is the value (x - 20) / 4 and a pixel y the
// value 100 - (y - 20) / 3.
class ChartMouse : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 500, 420);
        chart = new TChart(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(0, 0, 440, 340);
        chart->SetView3D(false);
        chart->Legend().SetVisible(false);
        chart->SetBevelOuter(TPanelBevel::bvNone);
        chart->SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) chart->SetMargin(i, 20);
        chart->SetAxisVisible(false);
        series = std::make_unique<TLineSeries>();
        series->SetParentChart(chart);
        series->AddPointXY(0, 0);
        series->AddPointXY(100, 100);
        chart->BottomAxis()->SetLimits(0, 100);
        chart->LeftAxis()->SetLimits(0, 100);
        form->Show();
        Pump();
    }
    void TearDown() override {
        series.reset();
        form.reset();
        Pump();
    }
    static void Pump() { platform::testing::PumpMessages(); }
    void MoveTo(int x, int y) {
        const TPoint p = chart->ClientToScreen({x, y});
        MoveMouse(p.X, p.Y);
        Pump();
    }
    void Press(int button, int x, int y) {
        MoveTo(x, y);
        PressMouse(button);
        Pump();
    }
    void Release(int button, int x, int y) {
        MoveTo(x, y);
        ReleaseMouse(button);
        Pump();
    }
    void Drag(int button, int x0, int y0, int x1, int y1) {
        Press(button, x0, y0);
        MoveTo((x0 + x1) / 2, (y0 + y1) / 2);
        Release(button, x1, y1);
    }
    void Wheel(int delta) {
        platform::testing::TurnWheel(delta);
        Pump();
    }
    platform::Pixel At(int x, int y) { return platform::testing::WindowPixel(chart->Handle(), x, y); }
    TChartAxis& Bottom() { return *chart->BottomAxis(); }
    TChartAxis& LeftAxis() { return *chart->LeftAxis(); }

    std::unique_ptr<TForm> form;
    TChart* chart = nullptr;
    std::unique_ptr<TLineSeries> series;
};

}  // namespace

TEST_F(ChartMouse, DragARectangleToZoomAndBackToUndo) {
    int zooms = 0, undos = 0;
    chart->OnZoom = [&zooms](TObject*) { ++zooms; };
    chart->OnUndoZoom = [&undos](TObject*) { ++undos; };
    Drag(Left, 120, 80, 320, 260);  // x 25 .. 75, y 80 .. 20
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 25);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), 75);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 20);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 80);
    EXPECT_TRUE(chart->ZoomActive);

    Drag(Left, 20, 20, 220, 170);  // again, into the upper left quarter
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 25);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), 50);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 50);
    EXPECT_EQ(zooms, 2);

    Drag(Left, 320, 220, 120, 70);  // right to left: undo, back before the first zoom
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart->ZoomActive);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), 100);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 100);
}

TEST_F(ChartMouse, OnlyDragsLongerThanTheMinimumZoom) {
    struct Case {
        int dx, dy;
        TChartZoomDirection direction;
        bool zooms;
    };
    for (const Case& c : {Case{16, 100, tzdBoth, false}, Case{100, 16, tzdBoth, false}, Case{17, 17, tzdBoth, true},
                          Case{100, 3, tzdHorizontal, true}, Case{3, 100, tzdHorizontal, false},
                          Case{3, 100, tzdVertical, true}}) {
        chart->UndoZoom();
        chart->Zoom().Direction = c.direction;
        int zooms = 0;
        chart->OnZoom = [&zooms](TObject*) { ++zooms; };
        Drag(Left, 100, 100, 100 + c.dx, 100 + c.dy);
        EXPECT_EQ(zooms, c.zooms ? 1 : 0) << c.dx << " x " << c.dy << ", direction " << c.direction;
    }
}

TEST_F(ChartMouse, OneWayZoomsKeepTheOtherRange) {
    chart->Zoom().Direction = tzdHorizontal;
    Drag(Left, 120, 170, 320, 171);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 25);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), 75);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 0);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 100);
    chart->UndoZoom();
    chart->Zoom().Direction = tzdVertical;
    Drag(Left, 200, 80, 201, 260);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 20);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 80);
}

TEST_F(ChartMouse, TheZoomRectangleIsDrawnAndErasedOnTheWindow) {
    // pixels on the rectangles' edges (the right one a pixel inside), away from the series' line
    const platform::Pixel background = At(299, 150);
    // the chart's colour is a system colour: drawn as the system shows it
    ASSERT_EQ(background, platform::PixelFromColor(ColorToRGB(chart->Color())));
    ASSERT_EQ(At(349, 150), background);
    ASSERT_EQ(At(200, 100), background);
    Press(Left, 100, 100);
    MoveTo(300, 200);
    EXPECT_NE(At(299, 150), background) << "right edge of the first rectangle";
    EXPECT_NE(At(200, 100), background) << "top edge";
    MoveTo(350, 200);
    EXPECT_EQ(At(299, 150), background) << "the first rectangle is gone";
    EXPECT_NE(At(349, 150), background);
    chart->Invalidate();  // a whole frame while dragging draws the rectangle too
    Pump();
    EXPECT_NE(At(349, 150), background);
    EXPECT_NE(At(200, 100), background);
    Release(Left, 105, 105);  // too small a drag: the rectangle goes and nothing zooms
    EXPECT_EQ(At(349, 150), background);
    EXPECT_EQ(At(200, 100), background);
    EXPECT_FALSE(chart->Zoom().Dragging);
    EXPECT_FALSE(chart->ZoomActive);
}

TEST_F(ChartMouse, RightDragPansAndUndoRestores) {
    int scrolls = 0;
    chart->OnScroll = [&scrolls](TObject*) { ++scrolls; };
    Drag(Right, 220, 170, 120, 200);  // the content follows the mouse: left and down
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 25);
    EXPECT_DOUBLE_EQ(Bottom().Maximum(), 125);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 10);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 110);
    EXPECT_EQ(scrolls, 2);
    chart->UndoZoom();  // a scroll without a zoom is undone too
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 0);

    chart->AllowPanning = pmHorizontal;
    scrolls = 0;
    Drag(Right, 220, 170, 220, 120);  // vertical movement only
    EXPECT_EQ(scrolls, 0);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 0);

    chart->AllowPanning = pmBoth;
    chart->OnAllowScroll = [](TChartAxis*, double&, double&, bool& allow) { allow = false; };
    Drag(Right, 220, 170, 120, 170);
    EXPECT_EQ(scrolls, 2);  // refused everywhere, still told
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
}

TEST_F(ChartMouse, PanningStopsWhenTheMouseLeavesThePlot) {
    Press(Right, 220, 170);
    MoveTo(430, 170);
    EXPECT_FALSE(chart->ScrollDrag().Dragging);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
    Release(Right, 430, 170);
}

TEST_F(ChartMouse, TheControlsOwnHandlerRunsFirstAndMayAllowPanning) {
    chart->AllowPanning = pmNone;
    std::vector<std::string> order;
    chart->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int, int) {
        order.push_back("control");
        if (button == TMouseButton::mbRight) chart->AllowPanning = pmBoth;
    };
    chart->OnClickBackground = [&](TCustomChart* c, TMouseButton, TShiftState, int, int) {
        order.push_back("background");
        c->MouseCancelled = false;  // not handled: the drag may start
    };
    Press(Right, 220, 170);
    EXPECT_TRUE(chart->ScrollDrag().Dragging);
    EXPECT_EQ(order, (std::vector<std::string>{"control", "background"}));
    Release(Right, 220, 170);
}

TEST_F(ChartMouse, WheelScrollsTheVerticalAxes) {
    chart->SetFocus();
    Pump();
    Wheel(-120);  // towards the user
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), 3);
    EXPECT_DOUBLE_EQ(LeftAxis().Maximum(), 103);
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);
    Wheel(120);
    Wheel(120);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), -3);

    bool offered = false;
    chart->OnAllowScroll = [&offered](TChartAxis*, double&, double&, bool& allow) {
        offered = true;
        allow = false;
    };
    Wheel(120);
    EXPECT_TRUE(offered);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), -3);

    chart->OnAllowScroll = nullptr;
    chart->AllowPanning = pmHorizontal;
    Wheel(120);
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), -3);

    chart->AllowPanning = pmBoth;
    chart->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
    Wheel(-120);  // the control's handler took it
    EXPECT_DOUBLE_EQ(LeftAxis().Minimum(), -3);
}

TEST_F(ChartMouse, ClickedParts) {
    int clicked = -1;
    series->OnClick = [&clicked](TChartSeries*, int index, TMouseButton, TShiftState, int, int) { clicked = index; };
    const TChartClickedPart onLine = chart->FindClickedPart({220, 170}, true);
    EXPECT_EQ(onLine.Part, cpSeries);
    EXPECT_EQ(onLine.ASeries, series.get());
    EXPECT_EQ(onLine.PointIndex, 0);
    EXPECT_EQ(chart->FindClickedPart({220, 60}, true).Part, cpChartRect);
    EXPECT_EQ(chart->FindClickedPart({430, 60}, true).Part, cpNone);
    series->OnClick = nullptr;
    EXPECT_EQ(chart->FindClickedPart({220, 170}, true).Part, cpChartRect);  // no click events: not clickable
    EXPECT_EQ(chart->FindClickedPart({220, 170}, false).Part, cpSeries);

    series->OnClick = [&clicked](TChartSeries*, int index, TMouseButton, TShiftState, int, int) { clicked = index; };
    Press(Left, 420, 20);  // on the last point
    EXPECT_EQ(clicked, 1);
    EXPECT_TRUE(chart->Zoom().Dragging);  // the series left it unhandled
    Release(Left, 420, 20);

    int background = 0;
    chart->OnClickBackground = [&background](TCustomChart*, TMouseButton, TShiftState, int, int) { ++background; };
    Press(Left, 220, 60);
    EXPECT_EQ(background, 1);
    EXPECT_FALSE(chart->Zoom().Dragging);  // the handler kept the click
    Release(Left, 220, 60);
}

TEST_F(ChartMouse, ClickOnAnAxisAndItsLabels) {
    chart->SetAxisVisible(true);
    chart->SetMarginLeft(40);
    chart->SetMarginBottom(30);
    Pump();
    TChartAxis& left = LeftAxis();
    ASSERT_TRUE(chart->AxisIsVisible(&left));
    const int middle = (left.StartPixel() + left.EndPixel()) / 2;
    EXPECT_EQ(chart->FindClickedPart({left.AxisPosition() - 2, middle}, true).AAxis, &left);
    int clicks = 0;
    chart->OnClickAxis = [&clicks, &left](TCustomChart*, TChartAxis* axis, TMouseButton, TShiftState, int, int) {
        clicks += axis == &left;
    };
    Press(Left, left.AxisPosition() - 2, middle);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(chart->Zoom().Dragging);  // the handler kept the click
    Release(Left, left.AxisPosition() - 2, middle);
}

TEST_F(ChartMouse, ToolsHearTheMouseFirstAndMayCancelIt) {
    std::vector<std::string> heard;
    RecordingTool tool(*chart, heard);
    chart->SetFocus();
    MoveTo(5, 5);
    chart->Tools() = {&tool};
    Drag(Left, 120, 80, 320, 260);
    EXPECT_EQ(heard, (std::vector<std::string>{"move 120,80", "down 120,80", "move 220,170", "move 320,260",
                                               "up 320,260"}));
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 25);

    heard.clear();
    Wheel(-120);
    EXPECT_EQ(heard, (std::vector<std::string>{"wheel 1 -120", "wheel 0 0"}));

    chart->UndoZoom();
    tool.cancel = true;
    Drag(Left, 120, 80, 320, 260);  // cancelled: no zoom
    EXPECT_DOUBLE_EQ(Bottom().Minimum(), 0);

    heard.clear();
    const TPoint outside = form->ClientToScreen({470, 380});
    MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_EQ(heard.back(), "left");
    chart->Tools().clear();
}

TEST_F(ChartMouse, AnAnimatedZoomShowsEachStep) {
    chart->Zoom().Animated = true;
    chart->Zoom().AnimatedSteps = 4;
    std::vector<double> shown;
    chart->OnAfterDraw = [&shown, this](TObject*) { shown.push_back(Bottom().Minimum()); };
    Drag(Left, 120, 80, 320, 260);
    // each step a third of what remains to 25, then 25 itself
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_NEAR(shown[0], 25.0 / 3, 1e-9);
    EXPECT_NEAR(shown[1], 25.0 / 3 + (25 - 25.0 / 3) / 3, 1e-9);
    EXPECT_NEAR(shown[2], 25 - (25 - 25.0 / 3) * 4 / 9, 1e-9);
    EXPECT_DOUBLE_EQ(shown[3], 25);
}

TEST_F(ChartMouse, TitlesTakeTheirRoomAndAnswerClicks) {
    chart->Title().SetText({"Полёт", "№ 3"});
    chart->Foot().SetText({"t, s"});
    chart->SubTitle().SetText({});  // no lines: no room
    Pump();
    auto lineHeight = [this](TChartTitle& t) {
        chart->Canvas()->SelectChartFont(t.Font());
        return chart->Canvas()->FontLineHeight();
    };
    const int h = lineHeight(chart->Title());
    const int fh = lineHeight(chart->Foot());
    // the default frame is one pixel wide: above the text, below it and before the margin
    EXPECT_EQ(chart->PlotRect().Top, 20 + 3 + 2 * h + 5);
    EXPECT_EQ(chart->PlotRect().Bottom, 320 - fh - 5);
    const TRect title = chart->Title().TitleRect();
    EXPECT_EQ(title.Top, 20);
    EXPECT_EQ(title.Bottom, 20 + 2 + 2 * h);
    EXPECT_LT(title.Width(), 200);  // as wide as its text, centred
    EXPECT_EQ((title.Left + title.Right) / 2, 220);

    std::vector<TChartTitle*> clicked;
    chart->OnClickTitle = [&clicked](TCustomChart*, TChartTitle* t, TMouseButton, TShiftState, int, int) {
        clicked.push_back(t);
    };
    const TPoint onTitle{220, 20 + h / 2};
    const TPoint onFoot{220, 320 - fh / 2};
    EXPECT_EQ(chart->FindClickedPart(onTitle, true).Part, cpTitle);
    EXPECT_EQ(chart->FindClickedPart(onFoot, true).Part, cpFoot);
    Press(Left, onTitle.X, onTitle.Y);
    Release(Left, onTitle.X, onTitle.Y);
    Press(Left, onFoot.X, onFoot.Y);
    Release(Left, onFoot.X, onFoot.Y);
    EXPECT_EQ(clicked, (std::vector<TChartTitle*>{&chart->Title(), &chart->Foot()}));

    chart->Title().SetVisible(false);  // hidden: neither room nor clicks
    Pump();
    EXPECT_EQ(chart->PlotRect().Top, 20);
    EXPECT_EQ(chart->FindClickedPart(onTitle, true).Part, cpChartRect);  // the plot is there now

    chart->Foot().SetTop(100);  // placed by hand: over the series, the plot keeps its bottom
    Pump();
    EXPECT_TRUE(chart->Foot().CustomPosition());
    EXPECT_EQ(chart->PlotRect().Bottom, 320);
    EXPECT_EQ(chart->Foot().TitleRect().Top, 100);
}

TEST_F(ChartMouse, TheSeriesUnderTheMouseSetsItsCursorAndHearsItComeAndGo) {
    std::vector<std::string> heard;
    series->OnMouseEnter = [&heard](TChartSeries*) { heard.push_back("enter"); };
    series->OnMouseLeave = [&heard](TChartSeries*) { heard.push_back("leave"); };
    series->SetCursor(crHandPoint);
    MoveTo(220, 170);  // on the line
    EXPECT_EQ(heard, std::vector<std::string>{"enter"});
    EXPECT_EQ(chart->Cursor(), crHandPoint);
    MoveTo(260, 140);  // further along it: nothing new
    EXPECT_EQ(heard.size(), 1u);
    MoveTo(220, 60);  // off it: the chart's own cursor again
    EXPECT_EQ(heard, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(chart->Cursor(), chart->SavedCursor);
}
