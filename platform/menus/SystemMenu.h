#pragma once
// A window's system menu: Restore, Move, Size, Minimize, Maximize and Close
// (a window without a sizing frame or minimize and maximize boxes gets Move
// and Close only), made on first asking for windows with WS_SYSMENU. Its
// items are enabled from the window's state each time it is shown; a
// choice arrives as WM_SYSCOMMAND.

#include "platform/menus/Menus.h"

namespace platform {

// Asks a window to show its system menu at the screen point in lParam.
constexpr UINT WM_POPUPSYSTEMMENU = 0x0313;

// The window's own copy, which the caller may change; revert: back to the
// standard items (null answered). Null for a window without WS_SYSMENU.
HMENU GetSystemMenu(HWND window, BOOL revert);
bool IsSystemMenu(HMENU menu);
// Shows the system menu at a screen point; the choice is posted.
void TrackSystemMenu(HWND window, POINT screenPoint);
// Where the system menu drops from the keyboard: below the caption icon.
POINT SystemMenuPoint(HWND window);

}  // namespace platform
