#pragma once
// The window of an open popup menu: class "#32768", a 3-pixel frame drawn
// by the default non-client painting (skins paint their own on WM_NCPAINT),
// never activated, its items painted from the running menu loop's state.

#include "platform/window/WindowMessages.h"

namespace platform {

HWND CreateMenuWindow(HWND owner, int x, int y, int width, int height);

// Told by the menu loop: the owner of a popup window it shows, the menu
// there and its selected item; null when the window is none of its popups.
HWND MenuLoopOwnerOf(HWND menuWindow, HMENU* menu, int* selected);

// Whether the last menu loop of the thread was dismissed by a press on its
// owner's caption icon, and when (so that a second press there soon after
// the first can close the window).
bool MenuLoopEndedOnSystemIcon(DWORD* time);

}  // namespace platform
