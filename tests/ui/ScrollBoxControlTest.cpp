#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"

#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

class ScrollBoxControl : public ControlFixture {
protected:
    // A box 200 high whose three panels reach down to 460.
    TScrollBox* BoxOfPanels() {
        box = Add<TScrollBox>(10, 10, 250, 200);
        for (int i = 0; i < 3; ++i) {
            auto* panel = new TPanel(form.get());
            panel->SetParent(box);
            panel->SetBounds(10, 10 + i * 150, 200, 100);
            panels.push_back(panel);
        }
        return box;
    }
    static bool HasBar(TWinControl* c, platform::DWORD bit) {
        return (platform::GetWindowLongPtr(c->Handle(), platform::GWL_STYLE) & bit) != 0;
    }
    TScrollBox* box = nullptr;
    std::vector<TPanel*> panels;
};

TEST_F(ScrollBoxControl, TheRangeFollowsTheChildrenAndAPositionMovesThem) {
    BoxOfPanels();
    ShowForm();
    TControlScrollBar* bar = box->VertScrollBar();
    EXPECT_EQ(bar->Range(), 410);
    EXPECT_TRUE(bar->IsScrollBarVisible());
    EXPECT_TRUE(HasBar(box, platform::WS_VSCROLL));
    EXPECT_FALSE(HasBar(box, platform::WS_HSCROLL));
    struct Case {
        int set, position;
    } cases[] = {{50, 50}, {-20, 0}, {1000, 410 - box->ClientHeight()}, {15, 15}};
    for (const Case& c : cases) {
        bar->SetPosition(c.set);
        EXPECT_EQ(bar->Position(), c.position) << c.set;
        EXPECT_EQ(panels[0]->Top(), 10 - c.position);
        EXPECT_EQ(panels[2]->Top(), 310 - c.position);
        EXPECT_EQ(platform::GetScrollPos(box->Handle(), platform::SB_VERT), c.position);
    }
    EXPECT_EQ(bar->Range(), 410) << "moving the children does not change the range";
    panels[2]->Hide();
    EXPECT_EQ(bar->Range(), 260);
    panels[1]->Hide();
    EXPECT_EQ(bar->Position(), 0) << "less to scroll: the position comes back";
    EXPECT_EQ(panels[0]->Top(), 10);
    EXPECT_FALSE(HasBar(box, platform::WS_VSCROLL));
}

TEST_F(ScrollBoxControl, ItsBarScrollsByIncrementAndTheWheelIsTheProgramsToHandle) {
    BoxOfPanels();
    box->VertScrollBar()->Increment = 8;
    box->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
        box->VertScrollBar()->SetPosition(box->VertScrollBar()->Position() + 15);
        handled = true;
    };
    auto* edit = new TEdit(form.get());
    edit->SetParent(panels[0]);
    edit->SetBounds(5, 5, 100, 21);
    ShowForm();
    Focus(edit);  // the wheel goes to the focused control and on up to the box
    platform::RECT bar = platform::ScrollBarRect(box->Handle(), platform::SB_VERT);
    platform::RECT window;
    platform::GetWindowRect(box->Handle(), &window);
    platform::testing::Click(window.left + (bar.left + bar.right) / 2, window.top + bar.bottom - 4);
    Pump();
    EXPECT_EQ(box->VertScrollBar()->Position(), 8);
    TPoint inside = box->ClientToScreen({100, 100});
    platform::testing::MoveMouse(inside.X, inside.Y);
    platform::testing::TurnWheel(-120);
    Pump();
    EXPECT_EQ(box->VertScrollBar()->Position(), 23);
    platform::testing::TurnWheel(120);  // no handler for the other way: nothing scrolls
    Pump();
    EXPECT_EQ(box->VertScrollBar()->Position(), 23);
}

TEST_F(ScrollBoxControl, AChildTakingTheFocusComesIntoView) {
    BoxOfPanels();
    auto* low = new TEdit(form.get());
    low->SetParent(panels[2]);
    low->SetBounds(5, 70, 100, 21);
    auto* high = new TEdit(form.get());
    high->SetParent(panels[0]);
    high->SetBounds(5, 5, 100, 21);
    ShowForm();
    Focus(low);
    TPoint lowInBox = box->ScreenToClient(low->ClientToScreen({0, 0}));
    EXPECT_GE(lowInBox.Y, 0);
    EXPECT_LE(lowInBox.Y + low->Height(), box->ClientHeight() + 2);
    EXPECT_GT(box->VertScrollBar()->Position(), 0);
    Focus(high);
    TPoint highInBox = box->ScreenToClient(high->ClientToScreen({0, 0}));
    EXPECT_GE(highInBox.Y, -2);
    EXPECT_LT(highInBox.Y, box->ClientHeight());
}

}  // namespace
