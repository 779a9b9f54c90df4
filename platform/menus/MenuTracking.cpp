#include "platform/menus/MenuTracking.h"

#include <algorithm>

#include "platform/menus/MenuBar.h"
#include "platform/menus/SystemMenu.h"
#include "platform/menus/detail/MenuLayout.h"
#include "platform/menus/detail/MenuWindow.h"
#include "platform/text/LetterCase.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/NonClient.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"

namespace platform {
namespace {

struct Level {
    HMENU menu = nullptr;
    HWND window = nullptr;  // the popup's window; the owner for the bar
    bool bar = false;
    int selected = -1;
};

class Tracker {
public:
    Tracker(HWND owner, UINT flags, bool barMode) : owner_(owner), flags_(flags), barMode_(barMode) {}

    // Runs the loop from the levels set up before; the chosen identifier
    // (ChosenFrom: the menu that holds it), or 0.
    UINT Run();
    void End() { done_ = true; }
    bool OpenTopPopup(HMENU menu, int x, int y);
    void StartBar(HMENU bar, int item, bool open, bool selectFirst);
    HMENU ChosenFrom() const { return chosenFrom_; }
    const Level* FindLevel(HWND window) const {
        for (const Level& level : levels_)
            if (!level.bar && level.window == window) return &level;
        return nullptr;
    }
    HWND Owner() const { return owner_; }

private:
    bool Notify() const { return !(flags_ & TPM_NONOTIFY); }
    bool OpenPopup(HMENU menu, int parentIndex, POINT at, const RECT* beside);
    void OpenSelectedSubmenu(bool selectFirst);
    void CloseTo(std::size_t count);
    void Select(std::size_t level, int item);
    void SelectBar(int item, bool open, bool selectFirst);
    void Step(int direction);
    void Choose(std::size_t level, int item);
    // The deepest level under a screen point, and the item there (-1 none).
    int LevelAt(POINT point, int* item) const;
    void Mouse(const MSG& message);
    void Key(WPARAM key);
    void Mnemonic(char32_t letter);
    const MenuItem* ItemOf(std::size_t level, int item) const {
        Menu* menu = FindMenuObject(levels_[level].menu);
        if (!menu || item < 0 || item >= static_cast<int>(menu->items.size())) return nullptr;
        return &menu->items[static_cast<std::size_t>(item)];
    }

    HWND owner_;
    UINT flags_;
    bool barMode_;
    bool done_ = false;
    std::vector<Level> levels_;
    UINT chosen_ = 0;
    HMENU chosenFrom_ = nullptr;
};

Tracker* active = nullptr;

struct IconPress {
    bool ended = false;
    DWORD time = 0;
};
IconPress lastIconPress;

bool Selectable(const MenuItem* item) { return item && !IsSeparator(*item); }
bool Choosable(const MenuItem* item) { return Selectable(item) && !IsDisabled(*item) && !item->submenu; }

bool IsMouse(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

UINT ClientMouse(UINT message) {
    return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK ? message - WM_NCMOUSEMOVE + WM_MOUSEMOVE
                                                                        : message;
}

}  // namespace

bool Tracker::OpenPopup(HMENU handle, int parentIndex, POINT at, const RECT* beside) {
    if (Notify())
        SendMessage(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle),
                    MAKELPARAM(static_cast<WORD>(parentIndex), IsSystemMenu(handle) ? 1 : 0));
    Menu* menu = FindMenuObject(handle);
    if (!menu || menu->items.empty() || !IsWindow(owner_)) return false;
    SIZE items = LayoutPopup(*menu, owner_);
    int width = items.cx + 2 * PopupFrameWidth, height = items.cy + 2 * PopupFrameWidth;
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = at.x, y = at.y;
    if (beside) {
        // A submenu opens right of its item, or left when there is no room.
        if (x + width > screenWidth) x = beside->left - width + PopupFrameWidth;
    } else {
        if (flags_ & TPM_RIGHTALIGN) x -= width;
        else if (flags_ & TPM_CENTERALIGN) x -= width / 2;
        if (flags_ & TPM_BOTTOMALIGN) y -= height;
        else if (flags_ & TPM_VCENTERALIGN) y -= height / 2;
        if (x + width > screenWidth) x = x - width >= 0 ? x - width : screenWidth - width;
    }
    if (y + height > screenHeight) y = std::max(0, screenHeight - height);
    x = std::max(0, x);
    y = std::max(0, y);
    HWND window = CreateMenuWindow(owner_, x, y, width, height);
    if (!window) return false;
    menu->window = window;
    levels_.push_back(Level{handle, window, false, -1});
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return true;
}

bool Tracker::OpenTopPopup(HMENU menu, int x, int y) { return OpenPopup(menu, 0, POINT{x, y}, nullptr); }

void Tracker::OpenSelectedSubmenu(bool selectFirst) {
    std::size_t parent = levels_.size() - 1;
    const Level& level = levels_[parent];
    const MenuItem* item = ItemOf(parent, level.selected);
    if (!item || !item->submenu || IsDisabled(*item)) return;
    HMENU submenu = item->submenu;
    RECT itemRect = item->rect;
    int index = level.selected;
    bool opened;
    if (level.bar) {
        RECT window;
        GetWindowRect(owner_, &window);
        opened = OpenPopup(submenu, index, POINT{window.left + itemRect.left, window.top + itemRect.bottom}, nullptr);
    } else {
        RECT parentWindow;
        GetWindowRect(level.window, &parentWindow);
        POINT origin{0, 0};
        ClientToScreen(level.window, &origin);
        opened = OpenPopup(submenu, index,
                           POINT{parentWindow.right - PopupFrameWidth, origin.y + itemRect.top - PopupFrameWidth},
                           &parentWindow);
    }
    if (opened && selectFirst) Step(1);
}

void Tracker::CloseTo(std::size_t count) {
    while (levels_.size() > count) {
        Level level = levels_.back();
        levels_.pop_back();
        if (level.bar) {
            PaintMenuBarItem(owner_, level.selected, false);
            continue;
        }
        if (Menu* menu = FindMenuObject(level.menu); menu && menu->window == level.window) menu->window = nullptr;
        DestroyWindow(level.window);
        if (Notify() && IsWindow(owner_)) SendMessage(owner_, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(level.menu), 0);
    }
}

void Tracker::Select(std::size_t index, int item) {
    Level& level = levels_[index];
    if (level.selected == item) return;
    level.selected = item;
    if (level.bar)
        PaintMenuBarItem(owner_, item, true);
    else
        InvalidateRect(level.window, nullptr, TRUE);
    const MenuItem* chosen = ItemOf(index, item);
    if (Notify() && chosen) {
        UINT state = GetMenuState(level.menu, static_cast<UINT>(item), MF_BYPOSITION) & 0xFFFF;
        WORD id = static_cast<WORD>(chosen->submenu ? static_cast<UINT>(item) : chosen->id);
        SendMessage(owner_, WM_MENUSELECT, MAKEWPARAM(id, static_cast<WORD>(state | MF_HILITE)),
                    reinterpret_cast<LPARAM>(level.menu));
    }
}

void Tracker::SelectBar(int item, bool open, bool selectFirst) {
    CloseTo(1);
    Select(0, item);
    if (open) OpenSelectedSubmenu(selectFirst);
}

void Tracker::Step(int direction) {
    std::size_t index = levels_.size() - 1;
    Menu* menu = FindMenuObject(levels_[index].menu);
    if (!menu || menu->items.empty()) return;
    int count = static_cast<int>(menu->items.size());
    int at = levels_[index].selected;
    if (at < 0) at = direction > 0 ? -1 : count;
    for (int tries = 0; tries < count; ++tries) {
        at = (at + direction + count) % count;
        if (Selectable(ItemOf(index, at))) {
            Select(index, at);
            return;
        }
    }
}

void Tracker::Choose(std::size_t level, int item) {
    const MenuItem* found = ItemOf(level, item);
    if (!Choosable(found)) return;
    chosen_ = found->id;
    chosenFrom_ = levels_[level].menu;
    done_ = true;
}

int Tracker::LevelAt(POINT point, int* item) const {
    *item = -1;
    for (int i = static_cast<int>(levels_.size()) - 1; i >= 0; --i) {
        const Level& level = levels_[static_cast<std::size_t>(i)];
        if (level.bar) {
            *item = MenuBarItemAt(owner_, point);
            if (*item >= 0) return i;
            continue;
        }
        RECT window;
        GetWindowRect(level.window, &window);
        if (!PtInRect(&window, point)) continue;
        POINT client = point;
        ScreenToClient(level.window, &client);
        if (Menu* menu = FindMenuObject(level.menu))
            for (std::size_t k = 0; k < menu->items.size(); ++k)
                if (PtInRect(&menu->items[k].rect, client)) *item = static_cast<int>(k);
        return i;
    }
    return -1;
}

void Tracker::Mouse(const MSG& message) {
    int item;
    int found = LevelAt(message.pt, &item);
    UINT kind = ClientMouse(message.message);
    if (found < 0) {
        // A press outside every part of the menu dismisses it.
        if (kind == WM_LBUTTONDOWN || kind == WM_LBUTTONDBLCLK || kind == WM_RBUTTONDOWN || kind == WM_MBUTTONDOWN) {
            done_ = true;
            if (kind != WM_RBUTTONDOWN && kind != WM_MBUTTONDOWN && DefaultHitTest(owner_, message.pt) == HTSYSMENU)
                lastIconPress = IconPress{true, message.time};
        }
        return;
    }
    auto index = static_cast<std::size_t>(found);
    const Level& level = levels_[index];
    switch (kind) {
        case WM_MOUSEMOVE:
            if (item < 0 || item == level.selected) return;
            if (level.bar) {
                if (levels_.size() > 1) SelectBar(item, true, false);
                return;
            }
            CloseTo(index + 1);
            Select(index, item);
            OpenSelectedSubmenu(false);
            return;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (level.bar) {
                if (item == level.selected && levels_.size() > 1) done_ = true;
                else if (item >= 0) SelectBar(item, true, false);
                return;
            }
            if (item < 0 || item == level.selected) return;
            CloseTo(index + 1);
            Select(index, item);
            OpenSelectedSubmenu(false);
            return;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (kind == WM_RBUTTONUP && !(flags_ & TPM_RIGHTBUTTON) && !barMode_) return;
            if (item >= 0) Choose(index, item);
            return;
        default: return;
    }
}

void Tracker::Key(WPARAM key) {
    std::size_t top = levels_.size() - 1;
    const Level& level = levels_[top];
    bool inBar = level.bar;
    bool submenuOfPopup = top >= 1 && !levels_[top - 1].bar;
    switch (key) {
        case VK_ESCAPE:
            if (inBar || (!barMode_ && top == 0)) done_ = true;
            else CloseTo(top);
            return;
        case VK_MENU:
        case VK_F10: done_ = true; return;
        case VK_UP:
        case VK_DOWN:
            if (inBar) OpenSelectedSubmenu(true);
            else Step(key == VK_DOWN ? 1 : -1);
            return;
        case VK_RIGHT: {
            const MenuItem* item = ItemOf(top, level.selected);
            if (!inBar && item && item->submenu && !IsDisabled(*item)) {
                OpenSelectedSubmenu(true);
                return;
            }
            if (barMode_) {
                Menu* bar = FindMenuObject(levels_[0].menu);
                int count = bar ? static_cast<int>(bar->items.size()) : 0;
                if (count) SelectBar((levels_[0].selected + 1) % count, !inBar, true);
            }
            return;
        }
        case VK_LEFT:
            if (submenuOfPopup) {
                CloseTo(top);
                return;
            }
            if (barMode_) {
                Menu* bar = FindMenuObject(levels_[0].menu);
                int count = bar ? static_cast<int>(bar->items.size()) : 0;
                if (count) SelectBar((levels_[0].selected + count - 1) % count, !inBar, true);
            }
            return;
        case VK_RETURN: {
            const MenuItem* item = ItemOf(top, level.selected);
            if (item && item->submenu) OpenSelectedSubmenu(true);
            else Choose(top, level.selected);
            return;
        }
        default:
            if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) Mnemonic(static_cast<char32_t>(key));
            return;
    }
}

void Tracker::Mnemonic(char32_t letter) {
    letter = LowerLetter(letter);
    std::size_t top = levels_.size() - 1;
    Menu* menu = FindMenuObject(levels_[top].menu);
    if (!menu) return;
    std::vector<int> matches;
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (Selectable(&menu->items[i]) && ItemMnemonic(menu->items[i]) == letter) matches.push_back(static_cast<int>(i));
    if (matches.empty()) {
        if (!Notify()) return;
        LRESULT answer = SendMessage(owner_, WM_MENUCHAR,
                                     MAKEWPARAM(static_cast<WORD>(letter), static_cast<WORD>(levels_[top].bar ? 0 : MF_POPUP)),
                                     reinterpret_cast<LPARAM>(levels_[top].menu));
        int index = static_cast<int>(LOWORD(static_cast<std::uintptr_t>(answer)));
        switch (HIWORD(static_cast<std::uintptr_t>(answer))) {
            case MNC_CLOSE: done_ = true; return;
            case MNC_EXECUTE: matches.push_back(index); break;
            case MNC_SELECT: Select(top, index); return;
            default: return;
        }
    }
    if (matches.size() > 1) {
        // Several items share the letter: each press selects the next.
        auto next = std::upper_bound(matches.begin(), matches.end(), levels_[top].selected);
        Select(top, next == matches.end() ? matches.front() : *next);
        return;
    }
    int item = matches.front();
    if (levels_[top].bar) {
        SelectBar(item, true, true);
        if (!ItemOf(0, item) || !ItemOf(0, item)->submenu) Choose(0, item);
        return;
    }
    Select(top, item);
    const MenuItem* found = ItemOf(top, item);
    if (found && found->submenu) OpenSelectedSubmenu(true);
    else Choose(top, item);
}

void Tracker::StartBar(HMENU bar, int item, bool open, bool selectFirst) {
    levels_.push_back(Level{bar, owner_, true, -1});
    SelectBar(item, open, selectFirst);
}

UINT Tracker::Run() {
    lastIconPress = IconPress{};
    Tracker* outer = active;
    active = this;
    SetCapture(owner_);
    while (!done_ && !levels_.empty()) {
        if (!IsWindow(owner_) || GetCapture() != owner_) break;
        MSG message;
        if (!PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
            HWND shown = levels_.back().bar ? owner_ : levels_.back().window;
            if (Notify()) SendMessage(owner_, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(shown));
            if (!done_ && !PeekMessage(&message, nullptr, 0, 0, PM_NOREMOVE)) WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsMouse(message.message)) {
            Mouse(message);
            continue;
        }
        switch (message.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: Key(message.wParam); continue;
            case WM_KEYUP:
            case WM_SYSKEYUP: continue;
            case WM_CHAR:
            case WM_SYSCHAR:
                if (message.wParam > ' ') Mnemonic(static_cast<char32_t>(message.wParam));
                continue;
            case WM_CANCELMODE: done_ = true; continue;
            default: DispatchMessage(&message);
        }
    }
    CloseTo(0);
    if (GetCapture() == owner_) ReleaseCapture();
    active = outer;
    return chosen_;
}

HWND MenuLoopOwnerOf(HWND menuWindow, HMENU* menu, int* selected) {
    if (!active) return nullptr;
    const Level* level = active->FindLevel(menuWindow);
    if (!level) return nullptr;
    *menu = level->menu;
    *selected = level->selected;
    return active->Owner();
}

bool MenuLoopEndedOnSystemIcon(DWORD* time) {
    *time = lastIconPress.time;
    return lastIconPress.ended;
}

namespace {

void PostChoice(HWND owner, UINT chosen, HMENU from) {
    if (!chosen) return;
    if (IsSystemMenu(from))
        PostMessage(owner, WM_SYSCOMMAND, chosen, 0);
    else
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
}

// One loop with its notices around it: `open` shows the first level.
template <class Open>
UINT Track(Tracker& tracker, HWND owner, HMENU top, UINT flags, bool popup, Open open) {
    SendMessage(owner, WM_ENTERMENULOOP, popup ? TRUE : FALSE, 0);
    if (!(flags & TPM_NONOTIFY) && IsWindow(owner)) SendMessage(owner, WM_INITMENU, reinterpret_cast<WPARAM>(top), 0);
    if (IsWindow(owner)) open();
    UINT chosen = tracker.Run();
    if (IsWindow(owner)) {
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessage(owner, WM_EXITMENULOOP, popup ? TRUE : FALSE, 0);
    }
    return chosen;
}

}  // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (active || !IsMenu(menu) || !IsWindow(owner)) return FALSE;
    Tracker tracker(owner, flags, false);
    UINT chosen = Track(tracker, owner, menu, flags, true, [&] { tracker.OpenTopPopup(menu, x, y); });
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    PostChoice(owner, chosen, tracker.ChosenFrom());
    return TRUE;
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS*) {
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

BOOL EndMenu() {
    if (!active) return FALSE;
    active->End();
    return TRUE;
}

void TrackMenuBarByKeyboard(HWND window, int item, bool open) {
    HMENU bar = GetMenu(window);
    if (active || !bar || GetMenuItemCount(bar) <= 0) return;
    Tracker tracker(window, 0, true);
    UINT chosen = Track(tracker, window, bar, 0, false, [&] { tracker.StartBar(bar, std::max(0, item), open, true); });
    PostChoice(window, chosen, tracker.ChosenFrom());
}

void TrackMenuBarByMouse(HWND window, POINT screenPoint) {
    HMENU bar = GetMenu(window);
    int item = MenuBarItemAt(window, screenPoint);
    if (active || !bar || item < 0) return;
    Tracker tracker(window, 0, true);
    UINT chosen = Track(tracker, window, bar, 0, false, [&] { tracker.StartBar(bar, item, true, false); });
    PostChoice(window, chosen, tracker.ChosenFrom());
}

BOOL GetMenuItemRect(HWND window, HMENU handle, UINT position, RECT* rect) {
    Menu* menu = FindMenuObject(handle);
    if (!menu || !rect || position >= menu->items.size()) return FALSE;
    HWND shown = menu->window;
    if (!shown || (window && !menu->popup && shown != window)) return FALSE;
    *rect = menu->items[position].rect;
    POINT origin{0, 0};
    if (menu->popup) {
        ClientToScreen(shown, &origin);
    } else {
        RECT outer;
        GetWindowRect(shown, &outer);
        origin = POINT{outer.left, outer.top};
    }
    OffsetRect(rect, origin.x, origin.y);
    return TRUE;
}

}  // namespace platform
