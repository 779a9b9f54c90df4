#include "platform/menus/SystemMenu.h"

#include <map>

#include "platform/menus/MenuTracking.h"
#include "platform/menus/detail/MenuWindow.h"
#include "platform/system/Clock.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/NonClient.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

// System menus by window; those of windows that have gone are destroyed
// when next looked through.
std::map<HWND, HMENU>& Menus() {
    static std::map<HWND, HMENU> menus;
    return menus;
}

void DropGoneWindows() {
    auto& menus = Menus();
    for (auto it = menus.begin(); it != menus.end();) {
        if (FindWindowQuietly(it->first)) {
            ++it;
            continue;
        }
        DestroyMenu(it->second);
        it = menus.erase(it);
    }
}

HMENU MakeStandard(DWORD style) {
    HMENU menu = CreatePopupMenu();
    bool full = (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    if (full) AppendMenuA(menu, MF_STRING, SC_RESTORE, "&Восстановить");
    AppendMenuA(menu, MF_STRING, SC_MOVE, "&Переместить");
    if (full) {
        AppendMenuA(menu, MF_STRING, SC_SIZE, "&Размер");
        AppendMenuA(menu, MF_STRING, SC_MINIMIZE, "&Свернуть");
        AppendMenuA(menu, MF_STRING, SC_MAXIMIZE, "Р&азвернуть");
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_DEFAULT, SC_CLOSE, "&Закрыть\tAlt+F4");
    return menu;
}

void Enable(HMENU menu, UINT command, bool enabled) { EnableMenuItem(menu, command, enabled ? MF_ENABLED : MF_GRAYED); }

// The items follow the window's state.
void UpdateStates(HWND window, HMENU menu) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE));
    bool minimized = IsIconic(window), maximized = IsZoomed(window);
    Enable(menu, SC_RESTORE, minimized || maximized);
    Enable(menu, SC_MOVE, !maximized);
    Enable(menu, SC_SIZE, (style & WS_THICKFRAME) && !minimized && !maximized);
    Enable(menu, SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimized);
    Enable(menu, SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximized);
    Window* object = FindWindowQuietly(window);
    Enable(menu, SC_CLOSE, !object || !(object->windowClass->style & CS_NOCLOSE));
}

}  // namespace

HMENU GetSystemMenu(HWND window, BOOL revert) {
    DropGoneWindows();
    auto& menus = Menus();
    auto found = menus.find(window);
    if (revert) {
        if (found != menus.end()) {
            DestroyMenu(found->second);
            menus.erase(found);
        }
        return nullptr;
    }
    if (found != menus.end()) return found->second;
    DWORD style = static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE));
    if (!IsWindow(window) || !(style & WS_SYSMENU)) return nullptr;
    return menus[window] = MakeStandard(style);
}

bool IsSystemMenu(HMENU menu) {
    if (!menu) return false;
    for (const auto& [window, systemMenu] : Menus())
        if (systemMenu == menu) return true;
    return false;
}

void TrackSystemMenu(HWND window, POINT screenPoint) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    UpdateStates(window, menu);
    DWORD opened = GetTickCount();
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, window, nullptr));
    // A second press on the caption icon soon after the one that dropped
    // the menu is a double click there: the window closes.
    DWORD pressed = 0;
    if (!chosen && MenuLoopEndedOnSystemIcon(&pressed) && pressed - opened <= GetDoubleClickTime() &&
        !(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED))
        chosen = SC_CLOSE;
    if (chosen && IsWindow(window)) PostMessage(window, WM_SYSCOMMAND, chosen, 0);
}

POINT SystemMenuPoint(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    CaptionLayout layout = LayoutCaption(window);
    const RECT& anchor = IsRectEmpty(&layout.icon) ? layout.caption : layout.icon;
    return POINT{outer.left + anchor.left, outer.top + anchor.bottom + 1};
}

}  // namespace platform
