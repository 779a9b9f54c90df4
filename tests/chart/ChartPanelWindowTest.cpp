// The chart panel as a window: painted through its buffer on WM_PAINT,
// drawn again only after a change, sized with its window, and told of the
// mouse.

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChartPanel.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Fills the plot rectangle blue on white; counts the frames it draws.
class TPlotPanel : public TCustomChartPanel {
public:
    using TCustomChartPanel::TCustomChartPanel;
    int frames = 0;
    TRect lastRender;

protected:
    void DrawContents(const TRect& r) override {
        ++frames;
        lastRender = r;
        Canvas()->Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas()->Brush().SetColor(clWhite);
        Canvas()->FillRect(r);
        Canvas()->Brush().SetColor(clBlue);
        Canvas()->FillRect(PlotRect());
    }
};

struct Listener : ITChartEventListener {
    std::vector<TChartMouseEventKind> kinds;
    std::vector<TPoint> points;
    bool cancel = false;
    TCustomChartPanel* panel = nullptr;
    void ChartEvent(TChartEvent& e) override {
        if (auto* m = dynamic_cast<TChartMouseEvent*>(&e)) {
            kinds.push_back(m->Kind);
            points.push_back({m->X, m->Y});
            if (cancel) panel->MouseCancelled = true;
        }
    }
};

class ChartWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(40, 40, 360, 260);
        panel = new TPlotPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 300, 200);
        panel->SetMarginUnits(muPixels);
        panel->SetBevelOuter(TPanelBevel::bvNone);
        for (int i = 0; i < 4; ++i) panel->SetMargin(i, 20);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form.reset();
        Pump();
    }
    static void Pump() { platform::testing::PumpMessages(); }
    // 0x00RRGGBB at a point of the panel's client area.
    unsigned PanelPixel(int x, int y) {
        return platform::testing::WindowPixel(panel->Handle(), x, y);
    }
    TPoint OnScreen(int x, int y) { return panel->ClientToScreen({x, y}); }

    std::unique_ptr<TForm> form;
    TPlotPanel* panel = nullptr;
};

}  // namespace

TEST_F(ChartWindow, PaintsThroughItsBufferAndRedrawsOnlyAfterAChange) {
    ASSERT_EQ(panel->frames, 1);
    EXPECT_EQ(panel->lastRender, (TRect{0, 0, 300, 200}));
    EXPECT_EQ(PanelPixel(150, 100), 0x0000FFu);
    EXPECT_EQ(PanelPixel(5, 5), 0xFFFFFFu);  // inside the margin

    // Uncovered: WM_PAINT without a change copies the buffer, draws nothing.
    platform::InvalidateRect(panel->Handle(), nullptr, true);
    Pump();
    EXPECT_EQ(panel->frames, 1);
    EXPECT_EQ(PanelPixel(150, 100), 0x0000FFu);

    panel->SetMarginLeft(20);  // unchanged: no repaint
    Pump();
    EXPECT_EQ(panel->frames, 1);
    panel->SetMarginLeft(100);
    Pump();
    EXPECT_EQ(panel->frames, 2);
    EXPECT_EQ(PanelPixel(60, 100), 0xFFFFFFu);
    EXPECT_EQ(PanelPixel(110, 100), 0x0000FFu);

    panel->SetRepaintOnChange(false);
    panel->SetMarginLeft(20);
    Pump();
    EXPECT_EQ(panel->frames, 2);  // changes are kept but not shown
}

TEST_F(ChartWindow, ANewSizeDrawsAFrameOfThatSize) {
    panel->SetBounds(10, 10, 200, 120);
    panel->Invalidate();
    Pump();
    EXPECT_EQ(panel->lastRender, (TRect{0, 0, 200, 120}));
    EXPECT_EQ(panel->PlotRect(), (TRect{20, 20, 180, 100}));
    EXPECT_EQ(PanelPixel(179, 99), 0x0000FFu);
    EXPECT_EQ(PanelPixel(185, 105), 0xFFFFFFu);
}

TEST_F(ChartWindow, MouseReachesTheHandlerThenTheListeners) {
    Listener first, second;
    first.panel = second.panel = panel;
    panel->EventListeners().push_back(&first);
    panel->EventListeners().push_back(&second);
    std::vector<TPoint> downs;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        downs.push_back({x, y});
        // the control's own event comes before the listeners hear of the press
        EXPECT_EQ(std::count(first.kinds.begin(), first.kinds.end(), cmeDown), 0);
    };
    const TPoint at = OnScreen(40, 30);
    platform::testing::MoveMouse(at.X, at.Y);
    platform::testing::PressMouse(0);
    platform::testing::ReleaseMouse(0);
    Pump();
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], (TPoint{40, 30}));
    ASSERT_GE(first.kinds.size(), 3u);
    EXPECT_EQ(first.kinds[first.kinds.size() - 2], cmeDown);
    EXPECT_EQ(first.kinds.back(), cmeUp);
    EXPECT_EQ(first.points.back(), (TPoint{40, 30}));
    EXPECT_EQ(second.kinds.size(), first.kinds.size());

    // A listener that cancels keeps the mouse event from the later ones.
    first.cancel = true;
    downs.clear();
    first.kinds.clear();
    second.kinds.clear();
    platform::testing::PressMouse(0);
    Pump();
    EXPECT_EQ(first.kinds, std::vector<TChartMouseEventKind>{cmeDown});
    EXPECT_TRUE(second.kinds.empty());
    platform::testing::ReleaseMouse(0);
    Pump();
    panel->EventListeners().clear();
}

TEST_F(ChartWindow, WindowMessagesItAnswersItself) {
    EXPECT_EQ(panel->Perform(platform::WM_ERASEBKGND), 1);
    EXPECT_NE(panel->Perform(platform::WM_GETDLGCODE) & DLGC_WANTARROWS, 0);
    panel->SetColor(clNone);
    panel->RecreateWnd();
    EXPECT_NE(platform::GetWindowLong(panel->Handle(), platform::GWL_EXSTYLE) & platform::WS_EX_TRANSPARENT, 0u);
}

TEST_F(ChartWindow, ABitmapOfThePanelIsDrawnWithoutTheBuffer) {
    panel->SetColor(clRed);
    TPicture picture;
    picture.Assign(panel);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 300);
    EXPECT_EQ(picture.Height(), 200);
    EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(150, 100), clBlue);
    // the screen's buffer is kept, but marked stale so the window is drawn again
    const int frames = panel->frames;
    Pump();
    EXPECT_EQ(panel->frames, frames + 1);
    EXPECT_EQ(PanelPixel(150, 100), 0x0000FFu);
}
