#pragma once
// Printing a window into a device context (WM_PRINT's default handling):
// its frame, background, client and children, each child at its place.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

constexpr UINT PW_CLIENTONLY = 0x1;

// WM_PRINT with the frame, background, client, children and owned windows
// (only the client's with PW_CLIENTONLY).
BOOL PrintWindow(HWND window, HDC hdc, UINT flags);

// Inside the window system: what DefWindowProc does for WM_PRINT. The DC's
// (0, 0) is the window's top-left corner.
void PrintWindowInto(HWND window, HDC hdc, DWORD flags);

}  // namespace platform
