#include "platform/window/Focus.h"

#include <mutex>

#include "platform/display/Display.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowHooks.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

struct InputState {
    HWND active = nullptr;
    HWND focus = nullptr;
    HWND capture = nullptr;
};

InputState& State() {
    static InputState state;
    return state;
}

bool IsWithin(HWND window, HWND ancestor) {
    return window && (window == ancestor || IsChild(ancestor, window));
}

// The window that takes activation when window goes: its owner when that
// shows, else the topmost other visible top-level window.
HWND NextToActivate(HWND leaving) {
    Window* object = FindWindowQuietly(leaving);
    if (object && object->owner && IsWindowVisible(object->owner) && IsWindowEnabled(object->owner) &&
        !IsIconic(object->owner))
        return object->owner;
    for (HWND candidate : TopLevelWindows()) {
        if (candidate == leaving || !IsWindowVisible(candidate) || !IsWindowEnabled(candidate) || IsIconic(candidate))
            continue;
        Window* other = FindWindowQuietly(candidate);
        if (other && (other->exStyle & WS_EX_NOACTIVATE)) continue;
        return candidate;
    }
    return nullptr;
}

void Deactivate(HWND old, HWND next) {
    if (!old || !IsWindow(old)) return;
    SendMessage(old, WM_NCACTIVATE, FALSE, 0);
    if (IsWindow(old)) SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0),
                                   reinterpret_cast<LPARAM>(next));
}

}  // namespace

HWND SetActiveWindow(HWND window) {
    InputState& state = State();
    HWND old = state.active;
    if (window) {
        window = GetAncestor(window, GA_ROOT);
        if (!window) return nullptr;
    }
    if (window == old) return old;
    CBTACTIVATESTRUCT activation{FALSE, old};
    if (window && CallCbtHooks(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&activation)))
        return nullptr;
    state.active = window;
    Deactivate(old, window);
    if (!window) {
        if (old && IsWindow(old)) SendMessage(old, WM_ACTIVATEAPP, FALSE, 0);
        if (state.focus) SetFocus(nullptr);
        return old;
    }
    if (!IsWindow(window)) return old;
    if (Window* object = FindWindowQuietly(window)) {
        std::lock_guard lock(WindowSystemLock());
        LinkWindow(*object, HWND_TOP);
    }
    DisplayWindowChanged(window);
    if (!old) SendMessage(window, WM_ACTIVATEAPP, TRUE, 0);
    if (!IsWindow(window) || state.active != window) return old;
    SendMessage(window, WM_NCACTIVATE, TRUE, 0);
    if (IsWindow(window) && state.active == window)
        SendMessage(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(window) ? 1 : 0),
                    reinterpret_cast<LPARAM>(old));
    return old;
}

HWND GetActiveWindow() {
    return State().active;
}

HWND GetForegroundWindow() {
    return State().active;
}

BOOL SetForegroundWindow(HWND window) {
    if (!IsWindow(window)) return FALSE;
    SetActiveWindow(window);
    return TRUE;
}

HWND SetFocus(HWND window) {
    InputState& state = State();
    HWND old = state.focus;
    if (window == old) return old;
    if (window) {
        if (!IsWindow(window)) return nullptr;
        if (CallCbtHooks(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(old)))
            return nullptr;
        HWND root = GetAncestor(window, GA_ROOT);
        if (root != state.active) {
            SetActiveWindow(root);
            if (state.active != root) return nullptr;
            old = state.focus;
            if (old == window) return old;
        }
    }
    state.focus = window;
    if (old && IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (window && IsWindow(window) && state.focus == window)
        SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() {
    return State().focus;
}

HWND SetCapture(HWND window) {
    InputState& state = State();
    HWND old = state.capture;
    if (window == old) return old;
    state.capture = window;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return old;
}

BOOL ReleaseCapture() {
    InputState& state = State();
    HWND old = state.capture;
    state.capture = nullptr;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return State().capture;
}

void WindowGoingAway(HWND window) {
    InputState& state = State();
    if (IsWithin(state.capture, window)) ReleaseCapture();
    if (IsWithin(state.focus, window)) {
        HWND parent = GetAncestor(window, GA_PARENT);
        bool child = parent && parent != GetDesktopWindow();
        SetFocus(child ? parent : nullptr);
        if (IsWithin(state.focus, window)) state.focus = nullptr;
    }
    if (state.active == window) {
        HWND next = NextToActivate(window);
        if (next)
            SetActiveWindow(next);
        else
            SetActiveWindow(nullptr);
        if (state.active == window) state.active = nullptr;
    }
}

void AfterHide(HWND window) {
    InputState& state = State();
    if (IsWithin(state.capture, window)) ReleaseCapture();
    if (state.active == window) {
        HWND next = NextToActivate(window);
        SetActiveWindow(next);
    } else if (IsWithin(state.focus, window)) {
        HWND parent = GetAncestor(window, GA_PARENT);
        SetFocus(parent && parent != GetDesktopWindow() ? parent : nullptr);
    }
}

}  // namespace platform
