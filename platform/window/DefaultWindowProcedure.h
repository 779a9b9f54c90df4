#pragma once
// The default handling of every message a window procedure passes on.

#include "platform/window/WindowMessages.h"

namespace platform {

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
