#include "platform/menus/MenuBar.h"

#include <map>

#include "platform/gdi/RectFills.h"
#include "platform/gdi/SystemColors.h"
#include "platform/menus/detail/MenuLayout.h"
#include "platform/system/LastError.h"
#include "platform/window/NonClient.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

struct Bar {
    HMENU menu = nullptr;
    int selected = -1;
};

// Bars by window; entries of windows that have gone are dropped as found.
std::map<HWND, Bar>& Bars() {
    static std::map<HWND, Bar> bars;
    return bars;
}

Bar* FindBar(HWND window) {
    auto& bars = Bars();
    auto found = bars.find(window);
    if (found == bars.end()) return nullptr;
    if (!FindWindowQuietly(window)) {
        bars.erase(found);
        return nullptr;
    }
    return &found->second;
}

// Lays the bar out for the window as it stands; its height, 0 without one.
int Layout(HWND window, int width) {
    Bar* bar = FindBar(window);
    Window* object = FindWindowQuietly(window);
    if (!bar || !object || (object->style & WS_CHILD)) return 0;
    Menu* menu = FindMenuObject(bar->menu);
    if (!menu) return 0;
    RECT insets = FrameInsets(object->style & ~(WS_VSCROLL | WS_HSCROLL), object->exStyle);
    menu->window = window;
    return LayoutBar(*menu, window, insets.left, insets.top, width - insets.left - insets.right);
}

void RepaintFrame(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

BOOL SetMenu(HWND window, HMENU menu) {
    Window* object = FindWindowObject(window);
    if (!object) return FALSE;
    if (object->style & WS_CHILD) return FALSE;
    if (menu && !IsMenu(menu)) return FALSE;
    if (Bar* old = FindBar(window))
        if (Menu* oldMenu = FindMenuObject(old->menu); oldMenu && oldMenu->window == window) oldMenu->window = nullptr;
    if (menu)
        Bars()[window] = Bar{menu, -1};
    else
        Bars().erase(window);
    RepaintFrame(window);
    return TRUE;
}

HMENU GetMenu(HWND window) {
    Bar* bar = FindBar(window);
    return bar && IsMenu(bar->menu) ? bar->menu : nullptr;
}

BOOL DrawMenuBar(HWND window) {
    if (!GetMenu(window)) return FALSE;
    RepaintFrame(window);
    return TRUE;
}

int MenuBarHeight(HWND window, int width) { return Layout(window, width); }

void PaintMenuBarInto(HWND window, HDC hdc) {
    Window* object = FindWindowQuietly(window);
    Bar* bar = FindBar(window);
    if (!object || !bar) return;
    Menu* menu = FindMenuObject(bar->menu);
    int width = RectWidth(object->rect);
    int height = Layout(window, width);
    if (!menu || height == 0) return;
    RECT insets = FrameInsets(object->style & ~(WS_VSCROLL | WS_HSCROLL), object->exStyle);
    RECT area{insets.left, insets.top, width - insets.right, insets.top + height};
    FillRect(hdc, &area, GetSysColorBrush(COLOR_MENU));
    for (int i = 0; i < static_cast<int>(menu->items.size()); ++i)
        PaintMenuItem(hdc, *menu, i, window, i == bar->selected, true);
}

int MenuBarItemAt(HWND window, POINT screenPoint) {
    Bar* bar = FindBar(window);
    Menu* menu = bar ? FindMenuObject(bar->menu) : nullptr;
    RECT outer;
    if (!menu || menu->window != window || !GetWindowRect(window, &outer)) return -1;
    POINT p{screenPoint.x - outer.left, screenPoint.y - outer.top};
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (PtInRect(&menu->items[i].rect, p)) return static_cast<int>(i);
    return -1;
}

void PaintMenuBarItem(HWND window, int item, bool selected) {
    Bar* bar = FindBar(window);
    Menu* menu = bar ? FindMenuObject(bar->menu) : nullptr;
    if (!menu) return;
    int old = bar->selected;
    bar->selected = selected ? item : (bar->selected == item ? -1 : bar->selected);
    HDC hdc = GetWindowDC(window);
    if (!hdc) return;
    if (old >= 0 && old != bar->selected) PaintMenuItem(hdc, *menu, old, window, false, true);
    if (item >= 0) PaintMenuItem(hdc, *menu, item, window, selected, true);
    ReleaseDC(window, hdc);
}

}  // namespace platform
