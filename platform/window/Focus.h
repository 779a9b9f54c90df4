#pragma once
// Activation of top-level windows, the keyboard focus and mouse capture.

#include "platform/window/WindowMessages.h"

namespace platform {

// Activates a top-level window (WM_NCACTIVATE and WM_ACTIVATE to the old and
// the new one, after the CBT hook's HCBT_ACTIVATE); answers the previous one.
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND window);
// WM_KILLFOCUS to the old window, WM_SETFOCUS to the new (its top-level
// window activated first); answers the previous focus.
HWND SetFocus(HWND window);
HWND GetFocus();
// Mouse messages go to the capturing window wherever the pointer is;
// the window losing capture gets WM_CAPTURECHANGED.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// Inside the window system.
// A window about to be destroyed gives up capture, focus and activation.
void WindowGoingAway(HWND window);
// A hidden or minimized window gives up focus and activation.
void AfterHide(HWND window);

}  // namespace platform
