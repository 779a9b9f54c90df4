#include "platform/menus/detail/MenuWindow.h"

#include "platform/gdi/SystemColors.h"
#include "platform/menus/detail/MenuLayout.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

LRESULT MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_PAINT: {
            HMENU handle = nullptr;
            int selected = -1;
            HWND owner = MenuLoopOwnerOf(window, &handle, &selected);
            Menu* menu = owner ? FindMenuObject(handle) : nullptr;
            if (menu && menu->dirty) {
                // Its items changed while it was open (a handler or a timer):
                // laid out and sized again before painting.
                SIZE items = LayoutPopup(*menu, owner);
                SetWindowPos(window, nullptr, 0, 0, items.cx + 2 * PopupFrameWidth, items.cy + 2 * PopupFrameWidth,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                menu = FindMenuObject(handle);
            }
            PAINTSTRUCT paint;
            HDC hdc = BeginPaint(window, &paint);
            if (menu)
                for (int i = 0; i < static_cast<int>(menu->items.size()); ++i)
                    PaintMenuItem(hdc, *menu, i, owner, i == selected, false);
            EndPaint(window, &paint);
            return 0;
        }
        default: return DefWindowProc(window, message, wParam, lParam);
    }
}

void PrepareClass() {
    std::lock_guard lock(WindowSystemLock());
    auto record = FindClassRecord(MAKEINTATOM(MenuClassAtom));
    if (record && !record->procedure) {
        record->procedure = MenuWindowProc;
        record->background = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_MENU + 1));
        record->style = CS_SAVEBITS;
    }
}

}  // namespace

HWND CreateMenuWindow(HWND owner, int x, int y, int width, int height) {
    PrepareClass();
    return CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MAKEINTATOM(MenuClassAtom), "", WS_POPUP | WS_DLGFRAME, x,
                          y, width, height, owner, nullptr, nullptr, nullptr);
}

}  // namespace platform
