#pragma once
// Inside the window system: the record behind every menu handle. Only
// platform/ includes this header. Menus belong to the GUI thread.

#include <string>
#include <vector>

#include "platform/menus/Menus.h"

namespace platform {

struct MenuItem {
    UINT type = MFT_STRING;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::string text;
    ULONG_PTR data = 0;
    HBITMAP bitmap = nullptr;
    // Where the last layout put it, in the coordinates of the bar's window
    // or of the popup window's client area.
    RECT rect;
};

struct Menu {
    HMENU handle = nullptr;
    bool popup = false;
    std::vector<MenuItem> items;
    // The window that shows it now: the bar's window, or an open popup's.
    HWND window = nullptr;
    // Changed since it was last laid out.
    bool dirty = true;
};

Menu* FindMenuObject(HMENU menu);
// The position of an item chosen by command (searched through submenus, so
// the menu that holds it comes back too) or by position; -1 when none.
int FindMenuItem(HMENU& menu, UINT item, UINT flags);

// The item's text up to its tab, and after it.
std::string ItemLabel(const MenuItem& item);
std::string ItemShortcutText(const MenuItem& item);
// The letter marked with '&', lower-cased (MarkedLetter), 0 when none.
char32_t ItemMnemonic(const MenuItem& item);
bool IsSeparator(const MenuItem& item);
bool IsDisabled(const MenuItem& item);

}  // namespace platform
