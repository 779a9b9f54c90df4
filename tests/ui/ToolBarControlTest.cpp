#include "ControlFixture.h"

#include "ui/controls/ToolBar.h"

#include "platform/window/ControlMessages.h"
#include "platform/window/MessageQueue.h"

namespace {

class ToolBarControl : public ControlFixture {
protected:
    TToolButton* AddButton(TToolBar* bar, TToolButtonStyle style, const char* caption, bool grouped = false) {
        auto* b = new TToolButton(form.get());
        b->SetStyle(style);
        b->SetCaption(caption);
        b->Grouped = grouped;
        b->SetParent(bar);
        b->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
        return b;
    }
    void ClickButton(TToolButton* b) { ClickAt(b, b->Width() / 2, b->Height() / 2); }
    std::vector<std::string> clicks;
};

TEST_F(ToolBarControl, ButtonsLineUpAndWrapInTheirOrder) {
    auto* bar = Add<TToolBar>(0, 0);
    bar->SetWidth(100);
    std::vector<TToolButton*> b;
    b.push_back(AddButton(bar, TToolButtonStyle::tbsButton, "a"));
    b.push_back(AddButton(bar, TToolButtonStyle::tbsSeparator, ""));
    b.push_back(AddButton(bar, TToolButtonStyle::tbsButton, "b"));
    b.push_back(AddButton(bar, TToolButtonStyle::tbsDropDown, "c"));
    b.push_back(AddButton(bar, TToolButtonStyle::tbsButton, "d"));
    EXPECT_EQ(bar->Width(), form->ClientWidth()) << "the bar lies along the top";
    ShowForm();
    EXPECT_EQ(bar->ButtonCount(), 5);
    EXPECT_EQ(b[0]->BoundsRect(), TRect(0, 2, 23, 24));
    EXPECT_EQ(b[1]->Left(), 23);
    EXPECT_EQ(b[2]->Left(), 31);
    EXPECT_EQ(b[3]->Left(), 54);
    EXPECT_EQ(b[3]->Width(), 23 + 12) << "room for the drop-down arrow";
    EXPECT_EQ(b[4]->Left(), 89);
    EXPECT_EQ(bar->RowCount(), 1);
    bar->SetAlign(TAlign::alNone);
    bar->SetBounds(0, 0, 80, 60);
    EXPECT_EQ(bar->RowCount(), 2);
    EXPECT_EQ(b[3]->Left(), 0) << "the drop-down button no longer fits the first row";
    EXPECT_EQ(b[3]->Top(), 24);
    EXPECT_EQ(b[4]->Left(), 35);
    bar->SetShowCaptions(true);
    bar->SetButtonWidth(10);
    EXPECT_GT(b[0]->Width(), 10) << "captions widen the buttons";
}

TEST_F(ToolBarControl, CheckButtonsStayDownAndAGroupKeepsOneDown) {
    auto* bar = Add<TToolBar>(0, 0);
    TToolButton* plain = AddButton(bar, TToolButtonStyle::tbsButton, "plain");
    TToolButton* toggle = AddButton(bar, TToolButtonStyle::tbsCheck, "toggle");
    AddButton(bar, TToolButtonStyle::tbsSeparator, "");
    TToolButton* lines = AddButton(bar, TToolButtonStyle::tbsCheck, "lines", true);
    TToolButton* points = AddButton(bar, TToolButtonStyle::tbsCheck, "points", true);
    TToolButton* bars = AddButton(bar, TToolButtonStyle::tbsCheck, "bars", true);
    lines->SetDown(true);
    ShowForm();
    struct Step {
        TToolButton* clicked;
        std::vector<bool> down;  // plain, toggle, lines, points, bars
    } steps[] = {
        {plain, {false, false, true, false, false}},
        {toggle, {false, true, true, false, false}},
        {points, {false, true, false, true, false}},
        {points, {false, true, false, true, false}},  // the group's only down button stays down
        {toggle, {false, false, false, true, false}},
        {bars, {false, false, false, false, true}},
    };
    for (const Step& s : steps) {
        ClickButton(s.clicked);
        std::vector<bool> down{plain->Down(), toggle->Down(), lines->Down(), points->Down(), bars->Down()};
        EXPECT_EQ(down, s.down) << s.clicked->Caption();
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"plain", "toggle", "points", "toggle", "bars"}));
    bars->AllowAllUp = true;
    ClickButton(bars);
    EXPECT_FALSE(bars->Down());
}

TEST_F(ToolBarControl, AButtonClicksOnlyWhenReleasedOverIt) {
    auto* bar = Add<TToolBar>(0, 0);
    TToolButton* b = AddButton(bar, TToolButtonStyle::tbsButton, "b");
    ShowForm();
    TPoint centre = b->ClientToScreen({b->Width() / 2, b->Height() / 2});
    platform::testing::MoveMouse(centre.X, centre.Y);
    platform::testing::PressMouse(0);
    Pump();
    EXPECT_TRUE(b->Pressed());
    platform::testing::MoveMouse(centre.X + 100, centre.Y + 100);
    Pump();
    EXPECT_FALSE(b->Pressed()) << "dragged off, it comes up";
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_TRUE(clicks.empty());
    b->SetEnabled(false);
    ClickButton(b);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolBarControl, ADropDownButtonsArrowShowsItsMenuBelowIt) {
    auto* bar = Add<TToolBar>(0, 0);
    AddButton(bar, TToolButtonStyle::tbsButton, "plain");
    TToolButton* more = AddButton(bar, TToolButtonStyle::tbsDropDown, "more");
    TPopupMenu menu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("Печать");
    menu.Items()->Add(item);
    std::vector<TPoint> shownAt;
    menu.OnPopup = [&](TObject*) {
        shownAt.push_back(menu.PopupPoint());
        EXPECT_EQ(menu.PopupComponent, more);
    };
    more->SetDropdownMenu(&menu);
    ShowForm();
    // The press on the arrow opens the menu; Escape, queued behind it, closes it again.
    TPoint arrow = more->ClientToScreen({more->Width() - 4, more->Height() / 2});
    platform::testing::Click(arrow.X, arrow.Y);
    platform::testing::PressKey(platform::VK_ESCAPE);
    platform::testing::ReleaseKey(platform::VK_ESCAPE);
    Pump();
    ASSERT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(shownAt[0], more->ClientToScreen({0, more->Height()}));
    EXPECT_TRUE(clicks.empty()) << "the arrow is not a click";
    ClickButton(more);  // the face is a plain click
    EXPECT_EQ(clicks, std::vector<std::string>{"more"});
    EXPECT_EQ(shownAt.size(), 1u);
    platform::RECT r{};
    EXPECT_EQ(platform::SendMessage(bar->Handle(), platform::TB_BUTTONCOUNT, 0, 0), 2);
    platform::SendMessage(bar->Handle(), platform::TB_GETITEMRECT, 1, reinterpret_cast<platform::LPARAM>(&r));
    EXPECT_EQ(r, platform::RECT(more->BoundsRect()));
}

}  // namespace
