#include "ControlFixture.h"

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"

namespace {

using ButtonControls = ControlFixture;

TEST_F(ButtonControls, ACheckBoxCyclesByMouseAndSpace) {
    auto* box = Add<TCheckBox>(10, 10, 120);
    box->SetCaption("Начало");
    std::vector<TCheckBoxState> clicks;
    box->OnClick = [&](TObject*) { clicks.push_back(box->State()); };
    ShowForm();
    ClickAt(box, 5, 8);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    Key(platform::VK_SPACE);
    EXPECT_FALSE(box->Checked());

    box->AllowGrayed = true;
    for (int i = 0; i < 3; ++i) Key(platform::VK_SPACE);
    using S = TCheckBoxState;
    EXPECT_EQ(clicks, (std::vector<S>{S::cbChecked, S::cbUnchecked, S::cbGrayed, S::cbChecked, S::cbUnchecked}));

    box->ReadOnly = true;
    ClickAt(box, 5, 8);
    Key(platform::VK_SPACE);
    EXPECT_EQ(clicks.size(), 5u);
}

TEST_F(ButtonControls, SettingCheckedFromCodeClicksOnlyOnAChange) {
    auto* box = Add<TCheckBox>(10, 10);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonControls, APressThatLeavesTheControlIsNoClick) {
    auto* button = Add<TButton>(10, 10);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ShowForm();
    TPoint inside = button->ClientToScreen({10, 10});
    TPoint outside = button->ClientToScreen({200, 10});
    platform::testing::MoveMouse(inside.X, inside.Y);
    platform::testing::PressMouse(0);
    Pump();
    EXPECT_TRUE(button->Pushed());
    platform::testing::MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_FALSE(button->Pushed());
    platform::testing::MoveMouse(inside.X, inside.Y);
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_EQ(clicks, 0);
    ClickAt(button, 10, 10);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonControls, RadioButtonsOfOneParentUncheckEachOther) {
    auto* a = Add<TRadioButton>(10, 10);
    auto* b = Add<TRadioButton>(10, 30);
    auto* box = Add<TCheckBox>(10, 50);
    box->SetChecked(true);
    std::vector<std::string> clicks;
    a->OnClick = [&](TObject*) { clicks.push_back("a"); };
    b->OnClick = [&](TObject*) { clicks.push_back("b"); };
    ShowForm();
    ClickAt(a, 5, 8);
    ClickAt(b, 5, 8);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(box->Checked());  // not a radio button
    ClickAt(b, 5, 8);             // already checked: nothing
    EXPECT_EQ(clicks, (std::vector<std::string>{"a", "b"}));
}

TEST_F(ButtonControls, EnterAndEscapeReachTheDefaultAndCancelButtons) {
    auto* edit = Add<TCheckBox>(10, 10);
    auto* ok = Add<TButton>(10, 40);
    ok->SetDefault(true);
    auto* cancel = Add<TButton>(100, 40);
    cancel->Cancel = true;
    std::vector<std::string> clicks;
    ok->OnClick = [&](TObject*) { clicks.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { clicks.push_back("cancel"); };
    ShowForm();
    Focus(edit);
    Key(platform::VK_RETURN);
    Key(platform::VK_ESCAPE);
    Focus(cancel);
    Key(platform::VK_RETURN);  // the focused button takes Enter
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel", "cancel"}));
}

TEST_F(ButtonControls, AltAndTheMarkedLetterFocusesAndClicks) {
    auto* edit = Add<TEdit>(10, 100);
    auto* save = Add<TButton>(10, 10);
    save->SetCaption("&Save");
    auto* collate = Add<TCheckBox>(10, 40);
    collate->SetCaption("C&ollate");
    int saves = 0;
    save->OnClick = [&](TObject*) { ++saves; };
    ShowForm();
    Focus(edit);
    KeyWith(platform::VK_MENU, 'O');
    EXPECT_TRUE(collate->Checked());
    EXPECT_TRUE(collate->Focused());
    KeyWith(platform::VK_MENU, 'Q');  // no control marks it
    EXPECT_TRUE(collate->Checked());
    EXPECT_EQ(saves, 0);
    KeyWith(platform::VK_MENU, 'S');
    EXPECT_EQ(saves, 1);
}

}  // namespace
