#include "ControlFixture.h"

#include "ui/controls/ComboBox.h"

namespace {

struct ComboBoxControl : ControlFixture {
    TComboBox* MakeCombo() {
        auto* combo = Add<TComboBox>(10, 10, 150);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (const char* s : {"Высота", "Скорость", "Ускорение", "Температура"}) combo->AddItem(s);
        combo->OnChange = [this, combo](TObject*) { events.push_back("change " + combo->Text()); };
        combo->OnSelect = [this](TObject*) { events.push_back("select"); };
        combo->OnDropDown = [this](TObject*) { events.push_back("drop"); };
        combo->OnCloseUp = [this](TObject*) { events.push_back("close"); };
        return combo;
    }
    std::vector<std::string> events;
};

TEST_F(ComboBoxControl, KeysPickItemsAndCodeWritesStayQuiet) {
    auto* combo = MakeCombo();
    combo->SetItemIndex(0);
    EXPECT_TRUE(events.empty());
    ShowForm();
    Focus(combo);
    Key(platform::VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    Key(platform::VK_UP);
    Key(platform::VK_UP);  // at the top: nothing more
    EXPECT_EQ(events, (std::vector<std::string>{"change Скорость", "select", "change Высота", "select"}));
    events.clear();
    Type("т");  // type-ahead
    EXPECT_EQ(combo->Text(), "Температура");
    combo->SetText("Скорость");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("нет такого");  // not in the list: nothing changes
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"change Температура", "select"}));
}

TEST_F(ComboBoxControl, DroppedListTakesArrowsEnterAndEscape) {
    auto* combo = MakeCombo();
    combo->SetItemIndex(0);
    ShowForm();
    Focus(combo);
    Key(platform::VK_F4);
    EXPECT_TRUE(combo->DroppedDown());
    Key(platform::VK_DOWN);
    Key(platform::VK_DOWN);
    Key(platform::VK_ESCAPE);  // back to what it was
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    KeyWith(platform::VK_MENU, platform::VK_DOWN);
    EXPECT_TRUE(combo->DroppedDown());
    Key(platform::VK_DOWN);
    Key(platform::VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Скорость");
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(events, (std::vector<std::string>{"drop", "change Скорость", "select", "change Ускорение", "select",
                                                "change Высота", "close", "drop", "change Скорость", "select",
                                                "close"}));
}

TEST_F(ComboBoxControl, AClickDropsTheListAndAClickInItPicks) {
    auto* combo = MakeCombo();
    ShowForm();
    ClickAt(combo, 20, 10);
    ASSERT_TRUE(combo->DroppedDown());
    // The list lies below the box, one row per item.
    int row = combo->ItemHeight();
    ClickAt(combo, 20, combo->Height() + 2 * row + row / 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "Ускорение");
    EXPECT_EQ(events, (std::vector<std::string>{"drop", "change Ускорение", "select", "close"}));
}

TEST_F(ComboBoxControl, AnEditableComboTakesTypingAndFindsTheItem) {
    auto* combo = Add<TComboBox>(10, 10);
    for (const char* s : {"1200", "2400", "9600"}) combo->AddItem(s);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    Focus(combo);
    Type("240");
    EXPECT_EQ(combo->ItemIndex(), -1);
    Type("0");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "2400");
    EXPECT_EQ(changes, 4);
}

}  // namespace
