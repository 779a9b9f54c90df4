#include "platform/window/detail/WindowObject.h"

#include <algorithm>
#include <unordered_map>

#include "platform/system/LastError.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowSurface.h"

namespace platform {
namespace {

struct WindowTable {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevels;  // z-order, topmost first
    std::uintptr_t nextHandle = 0x10010;
};

WindowTable& Table() {
    static WindowTable table;
    return table;
}

}  // namespace

Window::Window() = default;
Window::~Window() = default;

std::recursive_mutex& WindowSystemLock() {
    static std::recursive_mutex lock;
    return lock;
}

Window* FindWindowQuietly(HWND window) {
    std::lock_guard lock(WindowSystemLock());
    auto found = Table().windows.find(reinterpret_cast<std::uintptr_t>(window));
    return found == Table().windows.end() ? nullptr : found->second.get();
}

Window* FindWindowObject(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return object;
}

HWND AddWindowObject(std::unique_ptr<Window> window) {
    std::lock_guard lock(WindowSystemLock());
    WindowTable& table = Table();
    // Handles are never reused, so a stale handle cannot reach a new window.
    HWND handle = reinterpret_cast<HWND>(table.nextHandle);
    table.nextHandle += 4;
    window->handle = handle;
    table.windows.emplace(reinterpret_cast<std::uintptr_t>(handle), std::move(window));
    return handle;
}

void RemoveWindowObject(HWND window) {
    std::unique_ptr<Window> removed;
    {
        std::lock_guard lock(WindowSystemLock());
        WindowTable& table = Table();
        auto found = table.windows.find(reinterpret_cast<std::uintptr_t>(window));
        if (found == table.windows.end()) return;
        removed = std::move(found->second);
        table.windows.erase(found);
        table.topLevels.erase(std::remove(table.topLevels.begin(), table.topLevels.end(), window),
                              table.topLevels.end());
    }
}

std::vector<HWND> TopLevelWindows() {
    std::lock_guard lock(WindowSystemLock());
    return Table().topLevels;
}

void SetTopLevelOrder(const std::vector<HWND>& order) {
    std::lock_guard lock(WindowSystemLock());
    Table().topLevels = order;
}

std::vector<HWND>& SiblingList(Window& window) {
    if (window.parent) {
        if (Window* parent = FindWindowQuietly(window.parent)) return parent->children;
    }
    return Table().topLevels;
}

RECT ScreenWindowRect(const Window& window) {
    RECT rect = window.rect;
    if (window.parent) {
        if (Window* parent = FindWindowQuietly(window.parent)) {
            RECT parentClient = ScreenClientRect(*parent);
            OffsetRect(&rect, parentClient.left, parentClient.top);
        }
    }
    return rect;
}

RECT ScreenClientRect(const Window& window) {
    RECT outer = ScreenWindowRect(window);
    RECT client = window.client;
    OffsetRect(&client, outer.left, outer.top);
    return client;
}

Window* TopLevelOf(Window& window) {
    Window* current = &window;
    while (current->parent) {
        Window* parent = FindWindowQuietly(current->parent);
        if (!parent) break;
        current = parent;
    }
    return current;
}

bool IsVisibleChain(const Window& window) {
    const Window* current = &window;
    while (current) {
        if (!(current->style & WS_VISIBLE)) return false;
        if (!current->parent) return true;
        current = FindWindowQuietly(current->parent);
    }
    return false;
}

}  // namespace platform

namespace platform {

void UnlinkWindow(Window& window) {
    std::lock_guard lock(WindowSystemLock());
    std::vector<HWND>& siblings = SiblingList(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

namespace {

bool OwnerIsTopmost(const Window& window) {
    Window* owner = window.owner ? FindWindowQuietly(window.owner) : nullptr;
    return owner && (owner->exStyle & WS_EX_TOPMOST);
}

// Windows owned by a topmost window are topmost with it, and leave the
// topmost band with it, so that a dialog never falls behind its owner.
void SetOwnedTopmost(const Window& owner, bool topmost) {
    for (HWND handle : std::vector<HWND>(Table().topLevels)) {
        Window* other = FindWindowQuietly(handle);
        if (!other || other->owner != owner.handle || bool(other->exStyle & WS_EX_TOPMOST) == topmost) continue;
        if (topmost) other->exStyle |= WS_EX_TOPMOST;
        else other->exStyle &= ~WS_EX_TOPMOST;
        SetOwnedTopmost(*other, topmost);
    }
}

}  // namespace

void LinkWindow(Window& window, HWND insertAfter) {
    std::lock_guard lock(WindowSystemLock());
    UnlinkWindow(window);
    std::vector<HWND>& siblings = SiblingList(window);
    bool topLevel = window.parent == nullptr;
    if (topLevel && OwnerIsTopmost(window) && insertAfter != HWND_NOTOPMOST && insertAfter != HWND_BOTTOM)
        window.exStyle |= WS_EX_TOPMOST;
    auto isTopmost = [](HWND h) {
        Window* w = FindWindowQuietly(h);
        return w && (w->exStyle & WS_EX_TOPMOST);
    };
    auto afterTopmost = [&] {
        auto it = siblings.begin();
        while (it != siblings.end() && isTopmost(*it)) ++it;
        return it;
    };
    if (topLevel && insertAfter == HWND_TOPMOST) {
        window.exStyle |= WS_EX_TOPMOST;
        siblings.insert(siblings.begin(), window.handle);
    } else if (topLevel && insertAfter == HWND_NOTOPMOST) {
        window.exStyle &= ~WS_EX_TOPMOST;
        siblings.insert(afterTopmost(), window.handle);
    } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        if (topLevel && !(window.exStyle & WS_EX_TOPMOST))
            siblings.insert(afterTopmost(), window.handle);
        else
            siblings.insert(siblings.begin(), window.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        if (topLevel) window.exStyle &= ~WS_EX_TOPMOST;
        siblings.push_back(window.handle);
    } else {
        auto at = std::find(siblings.begin(), siblings.end(), insertAfter);
        if (at == siblings.end())
            siblings.insert(topLevel && !(window.exStyle & WS_EX_TOPMOST) ? afterTopmost() : siblings.begin(),
                            window.handle);
        else
            siblings.insert(at + 1, window.handle);
    }
    if (topLevel && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST))
        SetOwnedTopmost(window, insertAfter == HWND_TOPMOST);
    if (topLevel) KeepOwnedAbove(window);
}

void KeepOwnedAbove(Window& owner) {
    std::lock_guard lock(WindowSystemLock());
    std::vector<HWND>& order = Table().topLevels;
    auto ownerAt = std::find(order.begin(), order.end(), owner.handle);
    if (ownerAt == order.end()) return;
    // Owned windows below their owner move up to just above it, keeping
    // their order among themselves.
    std::vector<HWND> lifted;
    for (auto it = ownerAt + 1; it != order.end();) {
        Window* other = FindWindowQuietly(*it);
        if (other && other->owner == owner.handle) {
            lifted.push_back(*it);
            it = order.erase(it);
        } else {
            ++it;
        }
    }
    if (lifted.empty()) return;
    ownerAt = std::find(order.begin(), order.end(), owner.handle);
    order.insert(ownerAt, lifted.begin(), lifted.end());
    for (HWND handle : lifted)
        if (Window* other = FindWindowQuietly(handle)) KeepOwnedAbove(*other);
}

}  // namespace platform
