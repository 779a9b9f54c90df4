#include "platform/menus/Menus.h"
#include "platform/menus/SystemMenu.h"
#include "platform/window/MoveSizeLoop.h"
#include "tests/platform/WindowFixture.h"

#include <string>

using namespace windowtest;

namespace {

std::string Text(HMENU menu, UINT item, UINT flags) {
    char buffer[64];
    int count = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
    return std::string(buffer, static_cast<std::size_t>(count));
}

}  // namespace

TEST(Menus, ItemsAreFoundByCommandThroughSubmenusAndByPosition) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 101, "&Открыть\tCtrl+O");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(recent, MF_STRING | MF_CHECKED, 201, "log001");
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "Недавние");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Файл");

    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), file);
    EXPECT_EQ(GetMenuItemID(file, 0), 101u);
    EXPECT_EQ(GetMenuItemID(file, 2), static_cast<UINT>(-1));  // a submenu
    EXPECT_EQ(Text(bar, 101, MF_BYCOMMAND), "&Открыть\tCtrl+O");
    EXPECT_EQ(Text(file, 2, MF_BYPOSITION), "Недавние");
    EXPECT_EQ(GetMenuState(bar, 201, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), MF_POPUP | (1u << 8));
    EXPECT_EQ(GetMenuState(bar, 999, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuStringA(bar, 999, nullptr, 0, MF_BYCOMMAND), 0);

    EXPECT_EQ(EnableMenuItem(bar, 101, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(bar, 101, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(CheckMenuItem(bar, 201, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(bar, 999, MF_GRAYED), static_cast<UINT>(-1));

    // Deleting the submenu's item destroys the submenu; removing keeps it.
    EXPECT_TRUE(RemoveMenu(file, 2, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(recent));
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "Недавние");
    EXPECT_TRUE(DeleteMenu(file, 2, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_EQ(GetMenuItemCount(bar), -1);
}

TEST(Menus, ItemInfoDefaultAndRadioMarks) {
    HMENU menu = CreatePopupMenu();
    for (UINT id : {1u, 2u, 3u}) AppendMenuA(menu, MF_STRING, id, ("Пункт " + std::to_string(id)).c_str());
    MENUITEMINFOA set;
    set.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    set.fType = MFT_OWNERDRAW;
    set.dwItemData = 0xBEEF;
    char text[] = "нарисован";
    set.dwTypeData = text;
    EXPECT_TRUE(SetMenuItemInfoA(menu, 2, FALSE, &set));
    MENUITEMINFOA get;
    char buffer[32];
    get.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING | MIIM_ID;
    get.dwTypeData = buffer;
    get.cch = sizeof buffer;
    EXPECT_TRUE(GetMenuItemInfoA(menu, 1, TRUE, &get));
    EXPECT_EQ(get.fType, MFT_OWNERDRAW);
    EXPECT_EQ(get.dwItemData, 0xBEEFu);
    EXPECT_EQ(get.wID, 2u);
    EXPECT_STREQ(buffer, "нарисован");

    EXPECT_TRUE(SetMenuDefaultItem(menu, 3, FALSE));
    EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), 3u);
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 2u);
    EXPECT_TRUE(CheckMenuRadioItem(menu, 0, 2, 1, MF_BYPOSITION));
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(menu, 2, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_FALSE(CheckMenuRadioItem(menu, 0, 2, 7, MF_BYPOSITION));
    DestroyMenu(menu);
}

TEST_F(WindowTest, TheSystemMenuFollowsTheFrameStyle) {
    struct Case {
        DWORD style;
        std::vector<UINT> commands;
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE}},
        {WS_POPUP | WS_CAPTION | WS_SYSMENU, {SC_MOVE, 0, SC_CLOSE}},
    };
    for (const Case& c : cases) {
        HWND window = Make(c.style, 10, 10, 200, 150);
        HMENU menu = GetSystemMenu(window, FALSE);
        ASSERT_TRUE(menu);
        EXPECT_TRUE(IsSystemMenu(menu));
        EXPECT_EQ(GetSystemMenu(window, FALSE), menu);  // the window keeps its copy
        std::vector<UINT> commands;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            UINT id = GetMenuItemID(menu, i);
            commands.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR ? 0 : id);
        }
        EXPECT_EQ(commands, c.commands);
        EXPECT_EQ(Text(menu, SC_CLOSE, MF_BYCOMMAND), "&Закрыть\tAlt+F4");
        EXPECT_EQ(GetSystemMenu(window, TRUE), nullptr);
        EXPECT_FALSE(IsMenu(menu));
    }
    EXPECT_EQ(GetSystemMenu(Make(WS_POPUP | WS_CAPTION, 0, 0, 50, 50), FALSE), nullptr);
}
