#include "ControlFixture.h"

#include "ui/controls/ListBox.h"

namespace {

using ListBoxControl = ControlFixture;

TEST_F(ListBoxControl, KeysClicksAndTypeAheadPickAndTell) {
    auto* list = Add<TListBox>(10, 10, 150, 80);
    for (const char* s : {"flight1.log", "flight2.log", "settings.cfg", "test.log"}) list->AddItem(s);
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    list->SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    ShowForm();
    Focus(list);
    Key(platform::VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 1);
    Key(platform::VK_END);
    EXPECT_EQ(list->ItemIndex(), 3);
    Type("s");
    EXPECT_EQ(list->ItemIndex(), 2);
    int h = list->ItemHeight();
    ClickAt(list, 20, 2 + h / 2);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(list->ItemAtPos(20, 2 + 3 * h + 1), 3);
}

TEST_F(ListBoxControl, MultiSelectByCtrlClickAndSpace) {
    auto* list = Add<TListBox>(10, 10, 150, 80);
    for (const char* s : {"a", "b", "c"}) list->AddItem(s);
    list->SetMultiSelect(true);
    ShowForm();
    int h = list->ItemHeight();
    ClickAt(list, 20, 2 + h / 2);
    platform::testing::PressKey(platform::VK_CONTROL);
    ClickAt(list, 20, 2 + 2 * h + h / 2);
    platform::testing::ReleaseKey(platform::VK_CONTROL);
    Pump();
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(2));
    Type(" ");  // the current row toggles
    EXPECT_FALSE(list->Selected(2));
    EXPECT_EQ(list->SelCount(), 1);
}

}  // namespace
