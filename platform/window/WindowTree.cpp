#include "platform/window/WindowTree.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/display/Display.h"
#include "platform/system/LastError.h"
#include "platform/system/ThreadId.h"
#include "platform/window/Focus.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowHooks.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

constexpr std::uint32_t ERROR_TLW_WITH_WSCHILD = 1406;

std::string PropertyKey(const char* name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::lock_guard lock(WindowSystemLock());
    if (!window) return TopLevelWindows();
    Window* object = FindWindowQuietly(window);
    return object ? object->children : std::vector<HWND>{};
}

HWND DesktopHandle() {
    static HWND desktop = [] {
        auto object = std::make_unique<Window>();
        object->windowClass = FindClassRecord(MAKEINTATOM(DesktopClassAtom));
        object->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        object->rect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        object->client = object->rect;
        return AddWindowObject(std::move(object));
    }();
    return desktop;
}

void NotifyParents(HWND window, WORD event) {
    HWND current = window;
    for (;;) {
        Window* object = FindWindowQuietly(current);
        if (!object || !(object->style & WS_CHILD) || (object->exStyle & WS_EX_NOPARENTNOTIFY) || !object->parent)
            return;
        Window* child = FindWindowQuietly(window);
        WORD id = child ? static_cast<WORD>(child->id) : 0;
        HWND parent = object->parent;
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id), reinterpret_cast<LPARAM>(window));
        current = parent;
    }
}

void SendDestroy(HWND window) {
    SendMessage(window, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(window)) {
        if (Window* object = FindWindowQuietly(child)) object->destroying = true;
        CallCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(child), 0);
        SendDestroy(child);
    }
}

void SendNcDestroyAndFree(HWND window) {
    for (HWND child : ChildrenOf(window)) SendNcDestroyAndFree(child);
    SendMessage(window, WM_NCDESTROY, 0, 0);
    KillWindowTimers(window);
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    if (!object->parent) DisplayWindowDestroyed(window);
    --object->windowClass->windowCount;
    UnlinkWindow(*object);
    RemoveWindowObject(window);
}

}  // namespace

HWND GetDesktopWindow() {
    return DesktopHandle();
}

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
    auto windowClass = FindClassRecord(className);
    if (!windowClass) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent == HWND_MESSAGE || parent == GetDesktopWindow()) parent = nullptr;
    bool child = (style & WS_CHILD) != 0;
    HWND owner = nullptr;
    if (child) {
        if (!parent || !FindWindowObject(parent)) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
    } else if (parent) {
        if (!FindWindowObject(parent)) return nullptr;
        owner = GetAncestor(parent, GA_ROOT);
        parent = nullptr;
    }
    if (!child && !(style & WS_POPUP)) {
        style |= WS_CLIPSIBLINGS | WS_CAPTION;
        exStyle |= WS_EX_WINDOWEDGE;
    }
    if (x == CW_USEDEFAULT) {
        x = child || (style & WS_POPUP) ? 0 : 40;
        y = child || (style & WS_POPUP) ? 0 : 40;
    }
    if (width == CW_USEDEFAULT) {
        width = child || (style & WS_POPUP) ? 0 : GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
        height = child || (style & WS_POPUP) ? 0 : GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);

    auto object = std::make_unique<Window>();
    object->windowClass = windowClass;
    object->procedure = windowClass->procedure;
    object->style = style & ~WS_VISIBLE;
    object->exStyle = exStyle;
    object->parent = child ? parent : nullptr;
    object->owner = owner;
    object->rect = RECT{x, y, x + width, y + height};
    object->client = RECT{0, 0, width, height};
    object->normalRect = object->rect;
    object->id = child ? reinterpret_cast<UINT_PTR>(menu) : 0;
    object->instance = instance;
    object->extra.assign(static_cast<size_t>(windowClass->cbWndExtra), 0);
    object->thread = GetCurrentThreadId();
    Window* raw = object.get();
    HWND window = AddWindowObject(std::move(object));
    {
        std::lock_guard lock(WindowSystemLock());
        ++windowClass->windowCount;
        // New children go below their siblings (creation order is tab
        // order); new top-level windows go on top.
        LinkWindow(*raw, child ? HWND_BOTTOM : HWND_TOP);
    }

    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = child ? parent : owner;
    create.cx = width;
    create.cy = height;
    create.x = x;
    create.y = y;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;

    auto discard = [&] {
        std::lock_guard lock(WindowSystemLock());
        if (Window* w = FindWindowQuietly(window)) {
            --w->windowClass->windowCount;
            UnlinkWindow(*w);
        }
        RemoveWindowObject(window);
        return nullptr;
    };

    CBT_CREATEWND cbt{&create, HWND_TOP};
    if (CallCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&cbt)))
        return discard();
    if (!IsWindow(window)) return nullptr;
    raw->rect = RECT{create.x, create.y, create.x + std::max(create.cx, 0), create.y + std::max(create.cy, 0)};

    if (!child && ((style & WS_THICKFRAME) || !(style & WS_POPUP))) {
        MINMAXINFO limits = DefaultMinMaxInfo(window);
        SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        RECT& r = raw->rect;
        r.right = r.left + std::clamp<LONG>(RectWidth(r), limits.ptMinTrackSize.x,
                                            std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x));
        r.bottom = r.top + std::clamp<LONG>(RectHeight(r), limits.ptMinTrackSize.y,
                                            std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y));
    }
    raw->normalRect = raw->rect;
    create.x = raw->rect.left;
    create.y = raw->rect.top;
    create.cx = RectWidth(raw->rect);
    create.cy = RectHeight(raw->rect);

    if (!SendMessage(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        if (IsWindow(window)) SendMessage(window, WM_NCDESTROY, 0, 0);
        return discard();
    }
    if (!IsWindow(window)) return nullptr;
    raw->created = true;
    RecalculateClientArea(window);
    if (SendMessage(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!IsWindow(window)) return nullptr;
    SendSizeAndMove(window);
    NotifyParents(window, WM_CREATE);
    if (!IsWindow(window)) return nullptr;
    if (style & WS_VISIBLE) {
        int command = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
        ShowWindow(window, command);
    }
    return IsWindow(window) ? window : nullptr;
}

BOOL DestroyWindow(HWND window) {
    Window* object = FindWindowObject(window);
    if (!object || window == GetDesktopWindow()) return FALSE;
    if (object->thread != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (object->destroying) return TRUE;
    if (CallCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(window), 0)) return FALSE;
    object->destroying = true;
    for (HWND topLevel : TopLevelWindows()) {
        Window* other = FindWindowQuietly(topLevel);
        if (other && other->owner == window) DestroyWindow(topLevel);
    }
    NotifyParents(window, WM_DESTROY);
    if (IsWindowVisible(window))
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    WindowGoingAway(window);
    SendDestroy(window);
    SendNcDestroyAndFree(window);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return FindWindowQuietly(window) != nullptr;
}

HWND GetParent(HWND window) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return nullptr;
    if (object->style & WS_CHILD) return object->parent;
    if (object->style & WS_POPUP) return object->owner;
    return nullptr;
}

HWND SetParent(HWND window, HWND newParent) {
    Window* object = FindWindowObject(window);
    if (!object) return nullptr;
    if (newParent == GetDesktopWindow()) newParent = nullptr;
    if (newParent && (newParent == window || IsChild(window, newParent))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND old = object->parent ? object->parent : GetDesktopWindow();
    bool wasVisible = IsWindowVisible(window);
    if (wasVisible) ShowWindow(window, SW_HIDE);
    {
        std::lock_guard lock(WindowSystemLock());
        RECT screen = ScreenWindowRect(*object);
        UnlinkWindow(*object);
        object->parent = newParent;
        if (newParent) {
            RECT parentClient = ScreenClientRect(*FindWindowQuietly(newParent));
            OffsetRect(&screen, -parentClient.left, -parentClient.top);
        }
        object->rect = screen;
        LinkWindow(*object, HWND_TOP);
    }
    if (wasVisible) ShowWindow(window, SW_SHOWNA);
    return old;
}

HWND GetAncestor(HWND window, UINT kind) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return nullptr;
    switch (kind) {
        case GA_PARENT: return object->parent ? object->parent : GetDesktopWindow();
        case GA_ROOT: return TopLevelOf(*object)->handle;
        case GA_ROOTOWNER: {
            Window* root = TopLevelOf(*object);
            while (root->owner) {
                Window* owner = FindWindowQuietly(root->owner);
                if (!owner) break;
                root = TopLevelOf(*owner);
            }
            return root->handle;
        }
        default: return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND window) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    while (object && (object->style & WS_CHILD) && object->parent) {
        if (object->parent == parent) return TRUE;
        object = FindWindowQuietly(object->parent);
    }
    return FALSE;
}

HWND GetWindow(HWND window, UINT relation) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return nullptr;
    if (relation == GW_CHILD) return object->children.empty() ? nullptr : object->children.front();
    if (relation == GW_OWNER) return object->owner;
    if (window == GetDesktopWindow()) return nullptr;
    const std::vector<HWND>& siblings = SiblingList(*object);
    auto at = std::find(siblings.begin(), siblings.end(), window);
    switch (relation) {
        case GW_HWNDFIRST: return siblings.empty() ? nullptr : siblings.front();
        case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back();
        case GW_HWNDNEXT: return at == siblings.end() || at + 1 == siblings.end() ? nullptr : *(at + 1);
        case GW_HWNDPREV: return at == siblings.end() || at == siblings.begin() ? nullptr : *(at - 1);
        default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
    }
}

HWND GetNextWindow(HWND window, UINT relation) {
    return GetWindow(window, relation);
}

HWND GetTopWindow(HWND window) {
    std::vector<HWND> children = ChildrenOf(window == GetDesktopWindow() ? nullptr : window);
    return children.empty() ? nullptr : children.front();
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM lParam) {
    for (HWND child : ChildrenOf(parent == GetDesktopWindow() ? nullptr : parent)) {
        if (!IsWindow(child)) continue;
        if (!procedure(child, lParam)) return FALSE;
        if (!EnumChildWindows(child, procedure, lParam)) return FALSE;
    }
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC procedure, LPARAM lParam) {
    for (HWND window : TopLevelWindows())
        if (IsWindow(window) && !procedure(window, lParam)) return FALSE;
    return TRUE;
}

BOOL EnumThreadWindows(DWORD thread, WNDENUMPROC procedure, LPARAM lParam) {
    for (HWND window : TopLevelWindows()) {
        Window* object = FindWindowQuietly(window);
        if (object && object->thread == thread && !procedure(window, lParam)) return FALSE;
    }
    return TRUE;
}

HWND FindWindowEx(HWND parent, HWND childAfter, const char* className, const char* windowName) {
    std::shared_ptr<WindowClassRecord> wanted;
    if (className) {
        wanted = FindClassRecord(className);
        if (!wanted) return nullptr;
    }
    std::vector<HWND> candidates = ChildrenOf(parent == GetDesktopWindow() ? nullptr : parent);
    auto start = candidates.begin();
    if (childAfter) {
        start = std::find(candidates.begin(), candidates.end(), childAfter);
        if (start == candidates.end()) return nullptr;
        ++start;
    }
    std::lock_guard lock(WindowSystemLock());
    for (auto it = start; it != candidates.end(); ++it) {
        Window* object = FindWindowQuietly(*it);
        if (!object) continue;
        if (wanted && object->windowClass != wanted) continue;
        if (windowName && object->text != windowName) continue;
        return *it;
    }
    return nullptr;
}

HWND FindWindow(const char* className, const char* windowName) {
    return FindWindowEx(nullptr, nullptr, className, windowName);
}

DWORD GetWindowThreadProcessId(HWND window, DWORD* process) {
    Window* object = FindWindowObject(window);
    if (process) *process = object ? 1 : 0;
    return object ? object->thread : 0;
}

LONG_PTR GetWindowLongPtr(HWND window, int index) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object) return 0;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(object->procedure);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(object->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>((object->style & WS_CHILD) ? object->parent : object->owner);
        case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(object->style));
        case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(object->exStyle));
        case GWLP_USERDATA: return object->userData;
        case GWLP_ID: return static_cast<LONG_PTR>(object->id);
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= object->extra.size()) {
        LONG_PTR value;
        std::memcpy(&value, object->extra.data() + index, sizeof value);
        return value;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= object->extra.size()) {
        LONG value;
        std::memcpy(&value, object->extra.data() + index, sizeof value);
        return value;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
    Window* object = FindWindowObject(window);
    if (!object) return 0;
    if (index == GWL_STYLE || index == GWL_EXSTYLE) {
        STYLESTRUCT change;
        change.styleOld = index == GWL_STYLE ? object->style : object->exStyle;
        change.styleNew = static_cast<DWORD>(value);
        SendMessage(window, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
        object = FindWindowQuietly(window);
        if (!object) return 0;
        if (index == GWL_STYLE)
            object->style = change.styleNew;
        else
            SetExtendedStyle(window, change.styleNew);
        SendMessage(window, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
        return static_cast<LONG_PTR>(static_cast<LONG>(change.styleOld));
    }
    std::lock_guard lock(WindowSystemLock());
    LONG_PTR old = 0;
    switch (index) {
        case GWLP_WNDPROC:
            old = reinterpret_cast<LONG_PTR>(object->procedure);
            object->procedure = reinterpret_cast<WNDPROC>(value);
            return old;
        case GWLP_HINSTANCE:
            old = reinterpret_cast<LONG_PTR>(object->instance);
            object->instance = reinterpret_cast<HINSTANCE>(value);
            return old;
        case GWLP_HWNDPARENT:
            if (object->style & WS_CHILD) return reinterpret_cast<LONG_PTR>(object->parent);
            old = reinterpret_cast<LONG_PTR>(object->owner);
            object->owner = reinterpret_cast<HWND>(value);
            // The new owner's band and place: an owned window stands above it.
            if (Window* owner = object->owner ? FindWindowQuietly(object->owner) : nullptr) {
                if (owner->exStyle & WS_EX_TOPMOST) LinkWindow(*object, HWND_TOPMOST);
                KeepOwnedAbove(*owner);
            }
            return old;
        case GWLP_USERDATA:
            old = object->userData;
            object->userData = value;
            return old;
        case GWLP_ID:
            old = static_cast<LONG_PTR>(object->id);
            object->id = static_cast<UINT_PTR>(value);
            return old;
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= object->extra.size()) {
        std::memcpy(&old, object->extra.data() + index, sizeof old);
        std::memcpy(object->extra.data() + index, &value, sizeof value);
        return old;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= object->extra.size()) {
        LONG previous;
        LONG narrow = static_cast<LONG>(value);
        std::memcpy(&previous, object->extra.data() + index, sizeof previous);
        std::memcpy(object->extra.data() + index, &narrow, sizeof narrow);
        return previous;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

int GetDlgCtrlID(HWND window) {
    return static_cast<int>(GetWindowLongPtr(window, GWLP_ID));
}

HWND GetDlgItem(HWND parent, int id) {
    for (HWND child : ChildrenOf(parent))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

BOOL SetProp(HWND window, const char* name, HANDLE value) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !name) return FALSE;
    object->properties[PropertyKey(name)] = value;
    return TRUE;
}

HANDLE GetProp(HWND window, const char* name) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object || !name) return nullptr;
    auto found = object->properties.find(PropertyKey(name));
    return found == object->properties.end() ? nullptr : found->second;
}

HANDLE RemoveProp(HWND window, const char* name) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object || !name) return nullptr;
    auto found = object->properties.find(PropertyKey(name));
    if (found == object->properties.end()) return nullptr;
    HANDLE value = found->second;
    object->properties.erase(found);
    return value;
}

BOOL SetWindowText(HWND window, const char* text) {
    if (!IsWindow(window)) return FALSE;
    return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND window, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(SendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND window) {
    return static_cast<int>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace platform
