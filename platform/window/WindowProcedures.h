#pragma once
// Calling window procedures: the chain a subclassing procedure passes its
// messages down.

#include "platform/window/WindowMessages.h"

namespace platform {

LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Inside the window system: runs the window's current procedure on the
// calling thread (the default procedure when it has none).
LRESULT CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
