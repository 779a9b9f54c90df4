#pragma once
// Where a menu's items stand and how they look: popup columns and bar rows
// measured (owner-drawn items through WM_MEASUREITEM to the owner window),
// and items painted (owner-drawn ones through WM_DRAWITEM).

#include "platform/menus/detail/MenuObject.h"

namespace platform {

// The width of a popup window's frame on each side.
constexpr int PopupFrameWidth = 3;

// Lays the popup's items out in columns (a break starts a new one) from
// (0, 0); answers the size of the items' area.
SIZE LayoutPopup(Menu& menu, HWND owner);
// Lays the bar's items out in rows within `width`, from (left, top) in
// window coordinates; answers the bar's height (at least one row).
int LayoutBar(Menu& menu, HWND owner, int left, int top, int width);

// Paints one item into a DC whose origin is that of the item rectangles.
void PaintMenuItem(HDC hdc, Menu& menu, int index, HWND owner, bool selected, bool bar);

}  // namespace platform
