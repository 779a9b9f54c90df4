#include "ControlFixture.h"

#include "ui/CheckBox.h"
#include "ui/Menus.h"

#include "platform/Placement.h"

namespace {

struct MenuFixture : ControlFixture {
    TMenuItem* Item(TMenuItem* parent, const std::string& caption, TShortCut shortCut = scNone) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        item->ShortCut = shortCut;
        item->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
        parent->Add(item);
        return item;
    }
    std::vector<std::string> clicks;
};

TEST(ShortCutText, BothWays) {
    const struct {
        TShortCut shortCut;
        const char* text;
    } cases[] = {{static_cast<TShortCut>(scCtrl | 'O'), "Ctrl+O"},
                 {static_cast<TShortCut>(scShift | scCtrl | platform::VK_F1 + 1), "Shift+Ctrl+F2"},
                 {platform::VK_DELETE, "Del"},
                 {static_cast<TShortCut>(scAlt | platform::VK_F1 + 3), "Alt+F4"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("ctrl+o"), scCtrl | 'O');
    EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
}

TEST_F(MenuFixture, ShortCutsChooseOnlyItemsThatCanBeChosen) {
    TMainMenu menu(form.get());
    TMenuItem* file = Item(menu.Items(), "&Файл");
    Item(file, "&Открыть", scCtrl | 'O');
    TMenuItem* save = Item(file, "&Сохранить", scCtrl | 'S');
    TMenuItem* hidden = Item(menu.Items(), "Скрыто");
    Item(hidden, "Печать", scCtrl | 'P');
    hidden->SetVisible(false);
    EXPECT_TRUE(menu.IsShortCut('O', {TShiftStateItem::ssCtrl}));
    EXPECT_FALSE(menu.IsShortCut('O', {}));
    save->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut('S', {TShiftStateItem::ssCtrl}));
    EXPECT_FALSE(menu.IsShortCut('P', {TShiftStateItem::ssCtrl}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Открыть"}));
}

TEST_F(MenuFixture, RadioItemsOfAGroupAndAutoCheck) {
    TMainMenu menu(form.get());
    TMenuItem* view = Item(menu.Items(), "Вид");
    TMenuItem* a = Item(view, "Линии");
    TMenuItem* b = Item(view, "Точки");
    TMenuItem* c = Item(view, "Сетка");
    for (TMenuItem* i : {a, b}) {
        i->RadioItem = true;
        i->AutoCheck = true;
    }
    c->AutoCheck = true;
    a->SetChecked(true);
    b->Click();
    c->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    c->Click();
    EXPECT_FALSE(c->Checked());
    delete b;  // an item freed on its own leaves its parent
    EXPECT_EQ(view->Count(), 2);
}

TEST_F(MenuFixture, TheBarTakesTheFrameTopAndAnswersAltAndClicks) {
    auto* box = Add<TCheckBox>(10, 10);
    TMainMenu menu(form.get());
    Item(menu.Items(), "&Файл");
    Item(menu.Items(), "&Настройки");
    Item(menu.Items(), "&Help");
    ShowForm();
    int clientBefore = form->ClientHeight();
    menu.AttachToForm(form.get());
    Pump();
    EXPECT_EQ(form->ClientHeight(), clientBefore - menu.BarHeight());

    // Alt and the marked letter, with the focus in a control of the form.
    Focus(box);
    KeyWith(platform::VK_MENU, 'H');
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Help"}));
    EXPECT_FALSE(box->Checked());

    // The mouse on the bar: the second item.
    platform::RECT window{};
    platform::GetWindowRect(form->Handle(), &window);
    platform::RECT second = menu.ItemRect(1);
    platform::testing::Click(window.left + (second.left + second.right) / 2, window.top + (second.top + second.bottom) / 2);
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Help", "&Настройки"}));

    menu.AttachToForm(nullptr);
    Pump();
    EXPECT_EQ(form->ClientHeight(), clientBefore);
}

}  // namespace
