#pragma once
// The message loop of a drag that holds the mouse capture (moving or sizing
// a window, pressing a caption button, tracking a scroll bar).

#include "platform/window/MessageQueue.h"

namespace platform {

// Waits for the next message; false once the window or its capture is gone,
// or the program quits (its WM_QUIT is posted again for the outer loop).
bool NextCapturedMessage(HWND window, MSG& message);

}  // namespace platform
