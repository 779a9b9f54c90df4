#pragma once
// Window regions: the shape a window takes; painting and hit testing keep
// inside it.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

// The system takes the region (window coordinates) and frees it later; the
// caller must not use the handle again. 0 gives the window its rectangle back.
int SetWindowRgn(HWND window, HRGN region, BOOL redraw);
// Copies the window's region into region; ERROR when the window has none.
int GetWindowRgn(HWND window, HRGN region);
int GetWindowRgnBox(HWND window, RECT* box);

// Inside the window system: does the window's shape (its region, if any)
// hold a point in window coordinates?
bool WindowShapeContains(HWND window, POINT point);

}  // namespace platform
