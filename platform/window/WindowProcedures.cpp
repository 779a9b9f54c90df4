#include "platform/window/WindowProcedures.h"

#include <mutex>

#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {

LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!procedure) return DefWindowProc(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

LRESULT CallWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        std::lock_guard lock(WindowSystemLock());
        Window* object = FindWindowQuietly(window);
        if (!object) return 0;
        procedure = object->procedure;
    }
    return CallWindowProc(procedure, window, message, wParam, lParam);
}

}  // namespace platform
