#include "platform/window/CapturedMessages.h"

#include "platform/window/Focus.h"
#include "platform/window/WindowTree.h"

namespace platform {

bool NextCapturedMessage(HWND window, MSG& message) {
    for (;;) {
        if (!IsWindow(window) || GetCapture() != window) return false;
        if (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) break;
        WaitMessage();
    }
    if (message.message != WM_QUIT) return true;
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
}

}  // namespace platform
