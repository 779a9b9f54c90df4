#include "platform/window/Placement.h"
#include "platform/window/WindowRegions.h"

#include <algorithm>

#include "platform/display/Display.h"
#include "platform/system/LastError.h"
#include "platform/window/Focus.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/NonClient.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

constexpr LONG CoordinateLimit = 67108863;

LONG ClampCoordinate(LONG value) {
    return std::clamp<LONG>(value, -CoordinateLimit, CoordinateLimit);
}

bool ApplyPosition(HWND window, WINDOWPOS& position) {
    Window* object = FindWindowObject(window);
    if (!object) return false;
    if (!(position.flags & SWP_NOSENDCHANGING)) {
        SendMessage(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
        object = FindWindowQuietly(window);
        if (!object) return false;
    }
    RECT oldRect = object->rect;
    bool wasVisible = (object->style & WS_VISIBLE) != 0;
    RECT newRect = oldRect;
    if (!(position.flags & SWP_NOMOVE)) {
        OffsetRect(&newRect, ClampCoordinate(position.x) - oldRect.left, ClampCoordinate(position.y) - oldRect.top);
    }
    if (!(position.flags & SWP_NOSIZE)) {
        newRect.right = newRect.left + std::clamp<LONG>(position.cx, 0, CoordinateLimit);
        newRect.bottom = newRect.top + std::clamp<LONG>(position.cy, 0, CoordinateLimit);
    }
    bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    bool sized = RectWidth(newRect) != RectWidth(oldRect) || RectHeight(newRect) != RectHeight(oldRect);
    if (!moved) position.flags |= SWP_NOMOVE;
    if (!sized) position.flags |= SWP_NOSIZE;

    RECT oldScreen = ScreenWindowRect(*object);
    {
        std::lock_guard lock(WindowSystemLock());
        object->rect = newRect;
        if (!(position.flags & SWP_NOZORDER)) LinkWindow(*object, position.hwndInsertAfter);
        if (position.flags & SWP_SHOWWINDOW) object->style |= WS_VISIBLE;
        if (position.flags & SWP_HIDEWINDOW) object->style &= ~WS_VISIBLE;
        if (!(object->style & (WS_MINIMIZE | WS_MAXIMIZE))) object->normalRect = newRect;
    }
    if (sized || (position.flags & SWP_FRAMECHANGED)) RecalculateClientArea(window);
    object = FindWindowQuietly(window);
    if (!object) return false;
    bool isVisible = (object->style & WS_VISIBLE) != 0;
    bool zChanged = !(position.flags & SWP_NOZORDER);
    if (!(position.flags & SWP_NOREDRAW) && (moved || sized || wasVisible != isVisible || zChanged ||
                                              (position.flags & SWP_FRAMECHANGED)))
        RedrawAfterPlacement(window, oldScreen, wasVisible, moved || sized, (position.flags & SWP_FRAMECHANGED) != 0);
    else if (position.flags & SWP_FRAMECHANGED)
        RedrawAfterPlacement(window, oldScreen, wasVisible, false, true);
    if (!object->parent) DisplayWindowChanged(window);
    if (wasVisible && !isVisible) AfterHide(window);
    if (!(position.flags & SWP_NOACTIVATE) && isVisible && !object->parent) SetActiveWindow(window);

    object = FindWindowQuietly(window);
    if (!object) return false;
    WINDOWPOS changed = position;
    changed.x = object->rect.left;
    changed.y = object->rect.top;
    changed.cx = RectWidth(object->rect);
    changed.cy = RectHeight(object->rect);
    SendMessage(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    return true;
}

// Windows stacked under a point, topmost first.
HWND DeepestAt(const std::vector<HWND>& candidates, POINT screen) {
    for (HWND candidate : candidates) {
        Window* object = FindWindowQuietly(candidate);
        if (!object || !(object->style & WS_VISIBLE)) continue;
        RECT rect = ScreenWindowRect(*object);
        if (!PtInRect(&rect, screen)) continue;
        if (!WindowShapeContains(candidate, POINT{screen.x - rect.left, screen.y - rect.top})) continue;
        if (object->exStyle & WS_EX_TRANSPARENT && !object->parent) continue;
        if (IsWindowThread(candidate) &&
            SendMessage(candidate, WM_NCHITTEST, 0, MakePointParam(screen.x, screen.y)) == HTTRANSPARENT)
            continue;
        if (object->style & WS_DISABLED) return candidate;
        RECT client = ScreenClientRect(*object);
        if (PtInRect(&client, screen)) {
            std::vector<HWND> children;
            {
                std::lock_guard lock(WindowSystemLock());
                children = object->children;
            }
            if (HWND deeper = DeepestAt(children, screen)) {
                Window* child = FindWindowQuietly(deeper);
                // A disabled child hands the point to its parent.
                if (child && (child->style & WS_DISABLED) && child->parent == candidate) return candidate;
                return deeper;
            }
        }
        return candidate;
    }
    return nullptr;
}

}  // namespace

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!FindWindowObject(window)) return FALSE;
    return static_cast<BOOL>(RunOnWindowThread(window, [&]() -> LRESULT {
        WINDOWPOS position{window, insertAfter, x, y, width, height, flags};
        return ApplyPosition(window, position) ? TRUE : FALSE;
    }));
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(window, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND window) {
    return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND window, int command) {
    Window* object = FindWindowObject(window);
    if (!object) return FALSE;
    return static_cast<BOOL>(RunOnWindowThread(window, [&]() -> LRESULT {
        Window* w = FindWindowQuietly(window);
        if (!w) return FALSE;
        bool wasVisible = (w->style & WS_VISIBLE) != 0;
        bool child = w->parent != nullptr;
        UINT flags = SWP_NOZORDER;
        RECT target = w->rect;
        bool placeChange = false;
        auto leaveState = [&](DWORD newState) {
            if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->rect;
            w->style = (w->style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | newState;
            placeChange = true;
            flags |= SWP_FRAMECHANGED;
        };
        switch (command) {
            case SW_HIDE:
                if (!wasVisible) return FALSE;
                SendMessage(window, WM_SHOWWINDOW, FALSE, 0);
                SetWindowPos(window, nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                return TRUE;
            case SW_SHOWMAXIMIZED: {
                if (!(w->style & WS_MAXIMIZE)) {
                    MINMAXINFO limits = DefaultMinMaxInfo(window);
                    SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
                    w = FindWindowQuietly(window);
                    if (!w) return FALSE;
                    leaveState(WS_MAXIMIZE);
                    target = RECT{limits.ptMaxPosition.x, limits.ptMaxPosition.y,
                                  limits.ptMaxPosition.x + limits.ptMaxSize.x,
                                  limits.ptMaxPosition.y + limits.ptMaxSize.y};
                }
                flags &= ~SWP_NOZORDER;
                break;
            }
            case SW_MINIMIZE:
            case SW_SHOWMINIMIZED:
            case SW_SHOWMINNOACTIVE:
                if (!(w->style & WS_MINIMIZE)) {
                    leaveState(WS_MINIMIZE);
                    if (!child) {
                        target = RECT{MinimizedPosition, MinimizedPosition,
                                      MinimizedPosition + GetSystemMetrics(SM_CXMINIMIZED),
                                      MinimizedPosition + GetSystemMetrics(SM_CYMINIMIZED)};
                    } else {
                        target = RECT{w->rect.left, w->rect.top, w->rect.left + GetSystemMetrics(SM_CXMINIMIZED),
                                      w->rect.top + GetSystemMetrics(SM_CYMINIMIZED)};
                    }
                }
                flags |= SWP_NOACTIVATE;
                break;
            case SW_SHOWNORMAL:
            case SW_RESTORE:
            case SW_SHOWDEFAULT:
                if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
                    RECT normal = w->normalRect;
                    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
                    placeChange = true;
                    flags |= SWP_FRAMECHANGED;
                    target = normal;
                }
                flags &= ~SWP_NOZORDER;
                break;
            case SW_SHOWNOACTIVATE:
            case SW_SHOWNA:
                flags |= SWP_NOACTIVATE;
                break;
            case SW_SHOW:
            default:
                flags &= ~SWP_NOZORDER;
                break;
        }
        if (child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
        if (!wasVisible) {
            SendMessage(window, WM_SHOWWINDOW, TRUE, 0);
            if (!IsWindow(window)) return FALSE;
        }
        if (!placeChange) flags |= SWP_NOMOVE | SWP_NOSIZE;
        SetWindowPos(window, HWND_TOP, target.left, target.top, RectWidth(target), RectHeight(target),
                     flags | SWP_SHOWWINDOW);
        if (placeChange && (command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE) && GetActiveWindow() == window)
            AfterHide(window);
        return wasVisible ? TRUE : FALSE;
    }));
}

BOOL IsWindowVisible(HWND window) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    return object && IsVisibleChain(*object);
}

BOOL IsIconic(HWND window) {
    Window* object = FindWindowQuietly(window);
    return object && (object->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND window) {
    Window* object = FindWindowQuietly(window);
    return object && (object->style & WS_MAXIMIZE);
}

BOOL EnableWindow(HWND window, BOOL enable) {
    Window* object = FindWindowObject(window);
    if (!object) return FALSE;
    return static_cast<BOOL>(RunOnWindowThread(window, [&]() -> LRESULT {
        Window* w = FindWindowQuietly(window);
        if (!w) return FALSE;
        bool wasDisabled = (w->style & WS_DISABLED) != 0;
        if (wasDisabled == !enable) return wasDisabled;
        if (!enable) {
            HWND focus = GetFocus();
            if (focus && (focus == window || IsChild(window, focus))) SetFocus(nullptr);
            if (GetCapture() == window) ReleaseCapture();
        }
        w = FindWindowQuietly(window);
        if (!w) return wasDisabled;
        if (enable)
            w->style &= ~WS_DISABLED;
        else
            w->style |= WS_DISABLED;
        SendMessage(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
        return wasDisabled;
    }));
}

BOOL IsWindowEnabled(HWND window) {
    Window* object = FindWindowQuietly(window);
    return object && !(object->style & WS_DISABLED);
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !rect) return FALSE;
    *rect = ScreenWindowRect(*object);
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !rect) return FALSE;
    *rect = RECT{0, 0, RectWidth(object->client), RectHeight(object->client)};
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !point) return FALSE;
    RECT client = ScreenClientRect(*object);
    point->x += client.left;
    point->y += client.top;
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !point) return FALSE;
    RECT client = ScreenClientRect(*object);
    point->x -= client.left;
    point->y -= client.top;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT origin{0, 0};
    if (from && from != GetDesktopWindow() && !ClientToScreen(from, &origin)) return 0;
    POINT target{0, 0};
    if (to && to != GetDesktopWindow() && !ClientToScreen(to, &target)) return 0;
    int dx = origin.x - target.x;
    int dy = origin.y - target.y;
    for (UINT i = 0; i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    RECT frame = FrameInsets(style, exStyle);
    rect->left -= frame.left;
    rect->top -= frame.top;
    rect->right += frame.right;
    rect->bottom += frame.bottom;
    if (menu) rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowObject(window);
    if (!object || !placement) return FALSE;
    placement->flags = 0;
    placement->showCmd = (object->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                         : (object->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                         : SW_SHOWNORMAL;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = object->normalRect;
    return TRUE;
}

BOOL AnimateWindow(HWND window, DWORD, DWORD flags) {
    if (!FindWindowObject(window)) return FALSE;
    bool visible = IsWindowVisible(window);
    if ((flags & AW_HIDE) ? !visible : visible) return FALSE;
    ShowWindow(window, (flags & AW_HIDE) ? SW_HIDE : (flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    return DeepestAt(TopLevelWindows(), point);
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    Window* object = FindWindowObject(parent);
    if (!object) return nullptr;
    RECT client{0, 0, RectWidth(object->client), RectHeight(object->client)};
    if (!PtInRect(&client, point)) return nullptr;
    std::vector<HWND> children;
    {
        std::lock_guard lock(WindowSystemLock());
        children = object->children;
    }
    for (HWND child : children) {
        Window* c = FindWindowQuietly(child);
        if (!c) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
        if (PtInRect(&c->rect, point) && WindowShapeContains(child, POINT{point.x - c->rect.left, point.y - c->rect.top}))
            return child;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

MINMAXINFO DefaultMinMaxInfo(HWND window) {
    MINMAXINFO limits;
    RECT frame{};
    if (Window* object = FindWindowQuietly(window)) frame = FrameInsets(object->style, object->exStyle);
    RECT work = WorkArea();
    // A maximized window's frame hangs off the work area; its caption stays on it.
    limits.ptMaxSize = POINT{RectWidth(work) + frame.left + frame.right, RectHeight(work) + 2 * frame.bottom};
    limits.ptMaxPosition = POINT{work.left - frame.left, work.top - frame.bottom};
    limits.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    limits.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    return limits;
}

void RecalculateClientArea(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = object->rect;
    SendMessage(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params.rgrc[0]));
    object = FindWindowQuietly(window);
    if (!object) return;
    RECT client = params.rgrc[0];
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    OffsetRect(&client, -object->rect.left, -object->rect.top);
    std::lock_guard lock(WindowSystemLock());
    object->client = client;
}

void SendSize(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    WPARAM kind = (object->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                  : (object->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                  : SIZE_RESTORED;
    SendMessage(window, WM_SIZE, kind,
                MakePointParam(RectWidth(object->client), RectHeight(object->client)));
}

void SendMove(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    SendMessage(window, WM_MOVE, 0,
                MakePointParam(object->rect.left + object->client.left, object->rect.top + object->client.top));
}

void SendSizeAndMove(HWND window) {
    SendSize(window);
    SendMove(window);
}

}  // namespace platform
