#include "platform/menus/MenuBar.h"
#include "platform/menus/MenuTracking.h"
#include "platform/menus/Menus.h"
#include "platform/menus/SystemMenu.h"
#include "platform/window/Input.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/NonClient.h"
#include "platform/window/OwnerDraw.h"
#include "platform/window/SystemMetrics.h"
#include "tests/platform/WindowFixture.h"

#include <deque>
#include <functional>
#include <string>

using namespace windowtest;

namespace {

// A shown, focused owner window; the menu loop's idle turns run the steps
// a test queued (input, checks) and end the loop when none is left.
class MenuLoop : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        owner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300);
        SetActiveWindow(owner);
        SetFocus(owner);
        platform::testing::PumpMessages();
        Log().clear();
        CurrentHandler() = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) -> LRESULT {
            if (window != owner) return 0;
            if (message == WM_ENTERIDLE) {
                if (steps.empty()) {
                    endedIdle = true;
                    EndMenu();
                } else {
                    auto step = steps.front();
                    steps.pop_front();
                    step();
                }
            }
            if (message == WM_MEASUREITEM) {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
                measure->itemWidth = 120;
                measure->itemHeight = 30;
                handled = true;
                return TRUE;
            }
            if (message == WM_DRAWITEM) {
                drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
                handled = true;
                return TRUE;
            }
            (void)wParam;
            return 0;
        };
    }
    void TearDown() override {
        for (HMENU menu : menus) DestroyMenu(menu);
        WindowTest::TearDown();
    }

    // "Открыть"(1), a line, "&Экспорт" with "&PNG"(3) and "&KML"(4), "Вы&ход"(2).
    HMENU FileMenu() {
        HMENU menu = CreatePopupMenu();
        HMENU sub = CreatePopupMenu();
        AppendMenuA(sub, MF_STRING, 3, "&PNG");
        AppendMenuA(sub, MF_STRING, 4, "&KML");
        AppendMenuA(menu, MF_STRING, 1, "&Открыть\tCtrl+O");
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Экспорт");
        AppendMenuA(menu, MF_STRING, 2, "Вы&ход");
        menus.push_back(menu);
        return menu;
    }
    UINT Track(HMENU menu, UINT flags = TPM_RETURNCMD) {
        return static_cast<UINT>(TrackPopupMenu(menu, flags, 150, 150, 0, owner, nullptr));
    }
    static void Key(UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
    }
    static int OpenPopups() {
        int count = 0;
        EnumWindows(
            [](HWND window, LPARAM counter) -> BOOL {
                char name[16];
                GetClassName(window, name, sizeof name);
                if (std::string(name) == "#32768" && IsWindowVisible(window)) ++*reinterpret_cast<int*>(counter);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }
    static POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    std::vector<Logged> OwnerMessages(UINT message) {
        std::vector<Logged> found;
        for (const Logged& entry : Log())
            if (entry.window == owner && entry.message == message) found.push_back(entry);
        return found;
    }

    HWND owner = nullptr;
    std::deque<std::function<void()>> steps;
    std::vector<DRAWITEMSTRUCT> drawn;
    std::vector<HMENU> menus;
    bool endedIdle = false;
};

}  // namespace

TEST_F(MenuLoop, ACascadeOpenedByArrowsAndChosenByEnterInTheMessageOrder) {
    HMENU menu = FileMenu();
    HMENU sub = GetSubMenu(menu, 2);
    // Down twice passes over the line to the submenu item, Right opens it.
    for (UINT key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}) Key(key);
    EXPECT_EQ(Track(menu), 4u);
    EXPECT_FALSE(endedIdle);
    EXPECT_EQ(OpenPopups(), 0);
    EXPECT_EQ(MessagesOf(owner, {WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP, WM_EXITMENULOOP}),
              (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP,
                                 WM_UNINITMENUPOPUP, WM_EXITMENULOOP}));
    auto popups = OwnerMessages(WM_INITMENUPOPUP);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HMENU>(popups[1].wParam), sub);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(popups[1].lParam)), 2);  // the item that opened it
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(popups[1].lParam)), 0);  // not a system menu
    EXPECT_EQ(OwnerMessages(WM_ENTERMENULOOP)[0].wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(MenuLoop, EscapeClosesTheSubmenuFirstThenThePopup) {
    HMENU menu = FileMenu();
    for (UINT key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE}) Key(key);
    int openAfterFirstEscape = -1;
    steps.push_back([&] {
        openAfterFirstEscape = OpenPopups();
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(Track(menu), 0u);
    EXPECT_EQ(openAfterFirstEscape, 1);
    EXPECT_FALSE(endedIdle);
    EXPECT_EQ(OpenPopups(), 0);
}

TEST_F(MenuLoop, LettersChooseAndDisabledItemsCannotBeChosen) {
    struct Case {
        const char* typed;
        bool disableExit;
        UINT chosen;
    } cases[] = {{"х", false, 2}, {"Х", false, 2}, {"х", true, 0}, {"эk", false, 4}};
    for (const Case& c : cases) {
        HMENU menu = FileMenu();
        EnableMenuItem(menu, 2, c.disableExit ? MF_GRAYED : MF_ENABLED);
        platform::testing::TypeText(c.typed);
        steps.clear();
        endedIdle = false;
        EXPECT_EQ(Track(menu), c.chosen) << c.typed;
        EXPECT_EQ(endedIdle, c.chosen == 0) << c.typed;
    }
}

// Ё sits apart from А..Я in the code points, so a case rule that only
// shifts that range misses it.
TEST_F(MenuLoop, ALetterWithYoIsChosenByItInEitherCase) {
    for (const char* typed : {"Ё", "ё"}) {
        HMENU menu = CreatePopupMenu();
        menus.push_back(menu);
        AppendMenuA(menu, MF_STRING, 5, "&Ель");
        AppendMenuA(menu, MF_STRING, 6, "&Ёлка");
        platform::testing::TypeText(typed);
        steps.clear();
        endedIdle = false;
        EXPECT_EQ(Track(menu), 6u) << typed;
        EXPECT_FALSE(endedIdle) << typed;
    }
}

TEST_F(MenuLoop, TheBarsItemWithYoIsChosenByAltAndTheLetterInEitherCase) {
    HMENU bar = CreateMenu();
    menus.push_back(bar);
    AppendMenuA(bar, MF_STRING, 30, "&Ель");
    AppendMenuA(bar, MF_STRING, 31, "&Ёлка");
    ASSERT_TRUE(SetMenu(owner, bar));
    auto command = [&](std::function<void()> keys) {
        Log().clear();
        keys();
        platform::testing::PumpMessages();
        auto commands = OwnerMessages(WM_COMMAND);
        return commands.empty() ? 0u : static_cast<UINT>(commands.back().wParam);
    };
    for (char32_t letter : {U'Ё', U'ё'}) {
        // Alt held with the letter: the default window procedure's Alt+letter.
        EXPECT_EQ(command([&] { SendMessage(owner, WM_SYSCHAR, static_cast<WPARAM>(letter), 0); }), 31u)
            << static_cast<unsigned>(letter);
    }
    for (const char* typed : {"Ё", "ё"}) {
        // Alt tapped, then the letter typed in the bar.
        EXPECT_EQ(command([&] {
                      Key(VK_MENU);
                      platform::testing::TypeText(typed);
                  }),
                  31u)
            << typed;
    }
    SetMenu(owner, nullptr);
}

TEST_F(MenuLoop, TheMouseChoosesAnItemAndAPressOutsideDismisses) {
    HMENU menu = FileMenu();
    char name[16] = {};
    steps.push_back([&] {
        RECT item;
        ASSERT_TRUE(GetMenuItemRect(nullptr, menu, 3, &item));
        GetClassName(WindowFromPoint(Centre(item)), name, sizeof name);
        platform::testing::Click(Centre(item).x, Centre(item).y);
    });
    EXPECT_EQ(Track(menu), 2u);
    EXPECT_STREQ(name, "#32768");
    RECT gone;
    EXPECT_FALSE(GetMenuItemRect(nullptr, menu, 3, &gone));  // no longer shown

    // Hovering the submenu item opens it; a press far away ends everything.
    steps.push_back([&] {
        RECT item;
        GetMenuItemRect(nullptr, menu, 2, &item);
        platform::testing::MoveMouse(Centre(item).x, Centre(item).y);
    });
    int openWhileHovering = 0;
    steps.push_back([&] {
        openWhileHovering = OpenPopups();
        platform::testing::Click(5, 5);
    });
    EXPECT_EQ(Track(menu), 0u);
    EXPECT_EQ(openWhileHovering, 2);
    EXPECT_FALSE(endedIdle);
}

TEST_F(MenuLoop, OwnerDrawnItemsTakeTheSizeTheOwnerAnswersAndAreToldTheirState) {
    HMENU menu = FileMenu();
    MENUITEMINFOA info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE;
    info.fType = MFT_OWNERDRAW;
    info.fState = MFS_DEFAULT;
    info.dwItemData = 77;
    SetMenuItemInfoA(menu, 0, TRUE, &info);
    RECT ownerDrawn{}, plain{};
    steps.push_back([&] {
        GetMenuItemRect(nullptr, menu, 0, &ownerDrawn);
        GetMenuItemRect(nullptr, menu, 3, &plain);
        Key(VK_DOWN);
    });
    EXPECT_EQ(Track(menu), 0u);
    EXPECT_EQ(ownerDrawn.bottom - ownerDrawn.top, 30);
    EXPECT_GE(ownerDrawn.right - ownerDrawn.left, 120);
    EXPECT_EQ(plain.right - plain.left, ownerDrawn.right - ownerDrawn.left);  // one column, one width
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().CtlType, ODT_MENU);
    EXPECT_EQ(drawn.front().itemID, 1u);
    EXPECT_EQ(drawn.front().itemData, 77u);
    EXPECT_EQ(drawn.front().hwndItem, reinterpret_cast<HWND>(menu));
    EXPECT_EQ(drawn.front().itemState & (ODS_DEFAULT | ODS_SELECTED), ODS_DEFAULT);
    EXPECT_EQ(drawn.back().itemState & (ODS_DEFAULT | ODS_SELECTED), ODS_DEFAULT | ODS_SELECTED);
    EXPECT_EQ(drawn.back().rcItem.bottom - drawn.back().rcItem.top, 30);
}

TEST_F(MenuLoop, WithoutReturnCmdTheChoiceIsPostedAsACommand) {
    Key(VK_RETURN);  // the first item is selected by Down only: Enter alone chooses nothing
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(Track(FileMenu(), 0), TRUE);
    EXPECT_TRUE(OwnerMessages(WM_COMMAND).empty());
    platform::testing::PumpMessages();
    auto commands = OwnerMessages(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, 1u);
    EXPECT_EQ(commands[0].lParam, 0);
}

TEST_F(MenuLoop, TheBarTakesItsRowsFromTheClientAndOpensByAltF10AndLetters) {
    RECT before;
    GetClientRect(owner, &before);
    HMENU bar = CreateMenu();
    menus.push_back(bar);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(FileMenu()), "&Файл");
    menus.pop_back();  // the bar destroys it
    HMENU view = CreatePopupMenu();
    AppendMenuA(view, MF_STRING, 10, "&Сетка");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&Вид");
    AppendMenuA(bar, MF_STRING, 20, "&Help");
    ASSERT_TRUE(SetMenu(owner, bar));
    EXPECT_EQ(GetMenu(owner), bar);
    RECT after;
    GetClientRect(owner, &after);
    EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
    RECT first;
    ASSERT_TRUE(GetMenuItemRect(owner, bar, 0, &first));
    EXPECT_EQ(DefaultHitTest(owner, Centre(first)), HTMENU);

    auto choose = [&](std::function<void()> keys) {
        Log().clear();
        keys();
        platform::testing::PumpMessages();
        auto commands = OwnerMessages(WM_COMMAND);
        return commands.empty() ? 0u : static_cast<UINT>(commands.back().wParam);
    };
    // Alt alone selects the bar; Down opens the first popup; Right moves to the next.
    EXPECT_EQ(choose([] {
                  Key(VK_MENU);
                  for (UINT key : {VK_DOWN, VK_RIGHT, VK_RETURN}) Key(key);
              }),
              10u);
    auto loops = MessagesOf(owner, {WM_ENTERMENULOOP, WM_EXITMENULOOP});
    EXPECT_EQ(loops, (std::vector<UINT>{WM_ENTERMENULOOP, WM_EXITMENULOOP}));
    EXPECT_EQ(OwnerMessages(WM_ENTERMENULOOP)[0].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(choose([] {
                  Key(VK_F10);
                  for (UINT key : {VK_RIGHT, VK_RIGHT, VK_RETURN}) Key(key);
              }),
              20u);
    // Alt and a marked letter open that item's popup.
    EXPECT_EQ(choose([] {
                  platform::testing::PressKey(VK_MENU);
                  Key('H');
                  platform::testing::ReleaseKey(VK_MENU);
              }),
              20u);
    // Alt tapped, then a letter typed in the bar (Cyrillic marks too).
    EXPECT_EQ(choose([] {
                  Key(VK_MENU);
                  platform::testing::TypeText("в");
                  Key(VK_RETURN);
              }),
              10u);
    // A click on the bar opens the popup; a click on its item chooses it.
    RECT second;
    GetMenuItemRect(owner, bar, 1, &second);
    steps.push_back([&] {
        RECT item;
        ASSERT_TRUE(GetMenuItemRect(nullptr, view, 0, &item));
        platform::testing::Click(Centre(item).x, Centre(item).y);
    });
    EXPECT_EQ(choose([&] { platform::testing::Click(Centre(second).x, Centre(second).y); }), 10u);
    SetMenu(owner, nullptr);
    GetClientRect(owner, &after);
    EXPECT_EQ(after.bottom, before.bottom);
    EXPECT_TRUE(IsMenu(bar));
}

TEST_F(MenuLoop, AltSpaceDropsTheSystemMenuWhoseChoiceIsASystemCommand) {
    platform::testing::PressKey(VK_MENU);
    Key(VK_SPACE);
    platform::testing::ReleaseKey(VK_MENU);
    platform::testing::TypeText("а");  // "Р&азвернуть"
    platform::testing::PumpMessages();
    EXPECT_TRUE(IsZoomed(owner));
    auto popups = OwnerMessages(WM_INITMENUPOPUP);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HMENU>(popups[0].wParam), GetSystemMenu(owner, FALSE));
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(popups[0].lParam)), 1);
    // Maximized, Restore is enabled and Maximize and Move are not.
    HMENU system = GetSystemMenu(owner, FALSE);
    platform::testing::PressKey(VK_MENU);
    Key(VK_SPACE);
    platform::testing::ReleaseKey(VK_MENU);
    Key(VK_ESCAPE);
    platform::testing::PumpMessages();
    EXPECT_EQ(GetMenuState(system, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(system, SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(system, SC_MOVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_TRUE(IsZoomed(owner));
}

TEST_F(MenuLoop, ABarTooWideForItsWindowWrapsIntoRowsAndABreakStartsOne) {
    HMENU bar = CreateMenu();
    menus.push_back(bar);
    for (const char* caption : {"&Контроллер", "&Настройки", "&Вид", "&Окна", "&Справка"})
        AppendMenuA(bar, MF_STRING, 100, caption);
    SetMenu(owner, bar);
    int row = GetSystemMetrics(SM_CYMENU);
    struct Case {
        int width;
        UINT breakAt;  // position given MF_MENUBREAK, or none
        bool oneRow;
    } cases[] = {{400, 99, true}, {140, 99, false}, {400, 2, false}};
    for (const Case& c : cases) {
        for (UINT i = 0; i < 5; ++i) {
            MENUITEMINFOA info;
            info.fMask = MIIM_FTYPE;
            info.fType = i == c.breakAt ? MFT_MENUBREAK : MFT_STRING;
            SetMenuItemInfoA(bar, i, TRUE, &info);
        }
        SetWindowPos(owner, nullptr, 0, 0, c.width, 300, SWP_NOMOVE | SWP_NOZORDER);
        DrawMenuBar(owner);
        RECT window, client;
        GetWindowRect(owner, &window);
        GetClientRect(owner, &client);
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        std::vector<RECT> items(5);
        for (UINT i = 0; i < 5; ++i) GetMenuItemRect(owner, bar, i, &items[i]);
        int rows = 1;
        for (UINT i = 1; i < 5; ++i) {
            if (items[i].top == items[i - 1].top) continue;
            ++rows;
            EXPECT_EQ(items[i].top, items[i - 1].bottom) << c.width;  // rows follow one another
            EXPECT_EQ(items[i].left, items[0].left) << c.width;       // each starts at the left
        }
        EXPECT_EQ(rows == 1, c.oneRow) << c.width;
        EXPECT_EQ(origin.y - items[0].top, rows * row) << c.width;  // the client area starts below the last row
        for (const RECT& item : items) EXPECT_LE(item.right, window.right) << c.width;
        if (c.breakAt < 5) {
            EXPECT_EQ(items[c.breakAt].left, items[0].left);
        }
    }
    SetMenu(owner, nullptr);
}

TEST_F(MenuLoop, AnOpenPopupWhoseItemsChangeIsLaidOutAgain) {
    HMENU menu = FileMenu();
    RECT before{}, after{};
    steps.push_back([&] {
        GetMenuItemRect(nullptr, menu, 0, &before);
        // As a handler rebuilding the menu does: everything out, then in again, one more.
        while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
        AppendMenuA(menu, MF_STRING, 7, "&Новое");
        AppendMenuA(menu, MF_STRING, 8, "&Другое");
        AppendMenuA(menu, MF_STRING, 9, "&Третье");
        AppendMenuA(menu, MF_STRING, 10, "&Четвёртое");
        AppendMenuA(menu, MF_STRING, 11, "&Пятое");
    });
    steps.push_back([&] {
        if (!GetMenuItemRect(nullptr, menu, 4, &after) || after.bottom <= after.top) {
            EndMenu();  // never laid out: nothing to click
            return;
        }
        platform::testing::Click(Centre(after).x, Centre(after).y);
    });
    EXPECT_EQ(Track(menu), 11u);
    EXPECT_GT(after.top, before.top);
}

TEST_F(MenuLoop, TheCaptionIconDropsTheSystemMenuAndADoubleClickThereCloses) {
    RECT window;
    GetWindowRect(owner, &window);
    RECT icon = LayoutCaption(owner).icon;
    POINT at{window.left + Centre(icon).x, window.top + Centre(icon).y};
    // One click: the menu drops below the icon; Escape leaves the window as it was.
    platform::testing::Click(at.x, at.y);
    int shown = 0;
    steps.push_back([&] {
        shown = OpenPopups();
        Key(VK_ESCAPE);
    });
    platform::testing::PumpMessages();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(IsWindow(owner));
    // Two quick clicks: the second ends the menu and closes the window.
    platform::testing::Click(at.x, at.y);
    platform::testing::Click(at.x, at.y);
    platform::testing::PumpMessages();
    EXPECT_FALSE(IsWindow(owner));
}
