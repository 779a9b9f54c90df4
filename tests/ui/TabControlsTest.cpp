#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"
#include "ui/controls/TabControls.h"

#include "platform/window/ControlMessages.h"
#include "platform/window/MessageQueue.h"

namespace {

class TabControls : public ControlFixture {
protected:
    void ClickTab(TCustomTabControl* tabs, int index) {
        TRect r = tabs->TabRect(index);
        ClickAt(tabs, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    std::vector<std::string> events;
};

TEST_F(TabControls, ATabControlChangesByClickAndArrowsAskingFirst) {
    auto* tabs = Add<TTabControl>(10, 10, 300, 150);
    for (const char* s : {"Высота", "Скорость", "Ускорение"}) tabs->Tabs().Add(s);
    EXPECT_EQ(tabs->TabIndex(), 0);
    bool allow = true;
    tabs->OnChanging = [&](TObject*, bool& ok) {
        events.push_back("changing " + std::to_string(tabs->TabIndex()));
        ok = allow;
    };
    tabs->OnChange = [&](TObject*) { events.push_back("change " + std::to_string(tabs->TabIndex())); };
    tabs->SetTabIndex(1);
    EXPECT_TRUE(events.empty()) << "a change from code tells nothing";
    ShowForm();
    ClickTab(tabs, 2);
    Key(platform::VK_LEFT);
    Key(platform::VK_LEFT);
    Key(platform::VK_LEFT);  // at the first tab: nothing to ask
    allow = false;
    ClickTab(tabs, 2);
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 1", "change 2", "changing 2", "change 1", "changing 1",
                                                "change 0", "changing 0"}));
    EXPECT_LT(tabs->TabRect(0).Right, tabs->TabRect(1).Left + 1);
    EXPECT_EQ(tabs->IndexOfTabAt(tabs->TabRect(1).Left + 2, tabs->TabRect(1).Top + 2), 1);
    TRect display = tabs->DisplayRect();
    EXPECT_GE(display.Top, tabs->TabRect(0).Bottom);
    EXPECT_EQ(platform::SendMessage(tabs->Handle(), platform::TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(platform::SendMessage(tabs->Handle(), platform::TCM_GETCURSEL, 0, 0), 0);
    platform::RECT adjusted{0, 0, tabs->Width(), tabs->Height()};
    platform::SendMessage(tabs->Handle(), platform::TCM_ADJUSTRECT, 0, reinterpret_cast<platform::LPARAM>(&adjusted));
    EXPECT_EQ(adjusted, platform::RECT(display));
    tabs->Tabs().Delete(2);
    tabs->Tabs().Delete(1);
    tabs->Tabs().Delete(0);
    EXPECT_EQ(tabs->TabIndex(), -1);
}

TEST_F(TabControls, APageControlShowsTheSheetOfTheChosenTab) {
    auto* pages = Add<TPageControl>(10, 10, 360, 200);
    std::vector<TTabSheet*> sheets;
    std::vector<TEdit*> edits;
    for (const char* caption : {"Общие", "Скрытая", "Датчики", "Связь"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
        auto* edit = new TEdit(form.get());
        edit->SetParent(sheet);
        edit->SetBounds(10, 10, 100, 21);
        sheets.push_back(sheet);
        edits.push_back(edit);
    }
    sheets[1]->SetTabVisible(false);
    pages->OnChange = [&](TObject*) { events.push_back(pages->ActivePage()->Caption()); };
    EXPECT_EQ(pages->ActivePage(), sheets[0]) << "the first sheet shows without asking";
    EXPECT_EQ(pages->TabCount(), 3);
    EXPECT_EQ(sheets[2]->TabIndex(), 1);
    EXPECT_EQ(sheets[1]->TabIndex(), -1);
    ShowForm();
    auto shown = [&] {
        std::vector<bool> v;
        for (TTabSheet* s : sheets) v.push_back(s->Visible());
        return v;
    };
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(sheets[0]->BoundsRect(), pages->DisplayRect());
    ClickTab(pages, 1);
    EXPECT_EQ(pages->ActivePage(), sheets[2]);
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, true, false}));
    Focus(edits[2]);
    KeyWith(platform::VK_CONTROL, platform::VK_TAB);
    EXPECT_EQ(pages->ActivePage(), sheets[3]);
    KeyWith(platform::VK_CONTROL, platform::VK_TAB);  // round to the first, past the hidden tab
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    platform::testing::PressKey(platform::VK_SHIFT);
    KeyWith(platform::VK_CONTROL, platform::VK_TAB);
    platform::testing::ReleaseKey(platform::VK_SHIFT);
    Pump();
    EXPECT_EQ(pages->ActivePage(), sheets[3]);
    EXPECT_EQ(events, (std::vector<std::string>{"Датчики", "Связь", "Общие", "Связь"}));
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(pages->TabIndex(), 1);
    delete sheets[2];
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), sheets[3]) << "the next sheet takes the place of a sheet that goes";
    EXPECT_TRUE(sheets[3]->Visible());
    sheets[3]->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(events.size(), 4u) << "none of these were the user's";
}

}  // namespace
