#pragma once
// Menus as objects of the window system: a list of items (text, command
// identifier, submenu, check and radio marks, default, owner draw, bitmap,
// break into a new column) behind a menu handle. A window's bar, its system
// menu and tracked popups show them (MenuBar.h, SystemMenu.h, MenuTracking.h).

#include <string>

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

// Flags of AppendMenu/InsertMenu and answers of GetMenuState.
constexpr UINT MF_INSERT = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_RIGHTJUSTIFY = 0x4000;

// MENUITEMINFO
constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_CHECKMARKS = 0x0008;
constexpr UINT MIIM_TYPE = 0x0010;
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_STRING = 0x0040;
constexpr UINT MIIM_BITMAP = 0x0080;
constexpr UINT MIIM_FTYPE = 0x0100;

constexpr UINT MFT_STRING = MF_STRING;
constexpr UINT MFT_BITMAP = MF_BITMAP;
constexpr UINT MFT_MENUBARBREAK = MF_MENUBARBREAK;
constexpr UINT MFT_MENUBREAK = MF_MENUBREAK;
constexpr UINT MFT_OWNERDRAW = MF_OWNERDRAW;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MFT_SEPARATOR = MF_SEPARATOR;
constexpr UINT MFT_RIGHTORDER = 0x2000;
constexpr UINT MFT_RIGHTJUSTIFY = MF_RIGHTJUSTIFY;

constexpr UINT MFS_GRAYED = 0x0003;
constexpr UINT MFS_DISABLED = MFS_GRAYED;
constexpr UINT MFS_CHECKED = MF_CHECKED;
constexpr UINT MFS_HILITE = MF_HILITE;
constexpr UINT MFS_ENABLED = MF_ENABLED;
constexpr UINT MFS_UNCHECKED = MF_UNCHECKED;
constexpr UINT MFS_UNHILITE = 0;
constexpr UINT MFS_DEFAULT = MF_DEFAULT;

struct MENUITEMINFOA {
    UINT cbSize = sizeof(MENUITEMINFOA);
    UINT fMask = 0;
    UINT fType = 0;
    UINT fState = 0;
    UINT wID = 0;
    HMENU hSubMenu = nullptr;
    HBITMAP hbmpChecked = nullptr;
    HBITMAP hbmpUnchecked = nullptr;
    ULONG_PTR dwItemData = 0;
    char* dwTypeData = nullptr;  // the text in, or a buffer of cch bytes out
    UINT cch = 0;
    HBITMAP hbmpItem = nullptr;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its submenus.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// newItem is the command identifier, or the submenu with MF_POPUP; text may
// hold a tab before the shortcut text and '&' before the marked letter.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR newItem, const char* text);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, const char* text);
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, const char* text);
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
// DeleteMenu destroys a submenu with its item; RemoveMenu leaves it.
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);

// -1 for an unknown menu.
int GetMenuItemCount(HMENU menu);
// -1 for a submenu or a position outside the menu.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The item's text (with its tab and shortcut) cut to the buffer; the count
// copied; 0 when there is no such item. A null buffer answers the length.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);
// MF_ flags of the item (for a submenu its item count in the high byte), or
// (UINT)-1 when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The previous MF_GRAYED/MF_DISABLED state, or (UINT)-1.
UINT EnableMenuItem(HMENU menu, UINT item, UINT enable);
// The previous MF_CHECKED state, or (UINT)-1.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
// The default item's identifier (or position), (UINT)-1 when none.
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);

}  // namespace platform
