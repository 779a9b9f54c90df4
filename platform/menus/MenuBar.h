#pragma once
// A window's menu bar: drawn in its non-client area between the caption and
// the client area, in as many rows as its items need; a click on it
// (HTMENU), Alt or F10, and Alt with an item's marked letter start the menu
// loop over it (MenuTracking.h). The menu stays its maker's: destroying the
// window does not destroy it.

#include "platform/menus/Menus.h"

namespace platform {

// Attaches a bar (nullptr takes it away) and recalculates the frame.
BOOL SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
// Lays the bar out again and repaints it after its items changed.
BOOL DrawMenuBar(HWND window);

// For the non-client area: the bar's height for a window `width` wide
// (0 without a bar), and painting it into a DC over the whole window.
int MenuBarHeight(HWND window, int width);
void PaintMenuBarInto(HWND window, HDC windowDC);
// The bar's item at a screen point, -1 when none.
int MenuBarItemAt(HWND window, POINT screenPoint);
// Shows an item of the bar selected or plain, at once.
void PaintMenuBarItem(HWND window, int item, bool selected);

}  // namespace platform
