#include "platform/window/MoveSizeLoop.h"

#include <algorithm>

#include "platform/window/CapturedMessages.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/NonClient.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowTree.h"

namespace platform {
namespace {

bool IsMouseMove(UINT message) {
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
}

bool IsLeftUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_NCLBUTTONUP;
}

// The window's new rectangle for a pointer moved by (dx, dy).
RECT Dragged(const RECT& start, WPARAM edge, bool moving, LONG dx, LONG dy, const MINMAXINFO& limits) {
    RECT rect = start;
    if (moving) {
        OffsetRect(&rect, dx, dy);
        return rect;
    }
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    LONG minW = limits.ptMinTrackSize.x, maxW = std::max(limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
    LONG minH = limits.ptMinTrackSize.y, maxH = std::max(limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
    if (left) rect.left = start.right - std::clamp<LONG>(RectWidth(start) - dx, minW, maxW);
    if (right) rect.right = start.left + std::clamp<LONG>(RectWidth(start) + dx, minW, maxW);
    if (top) rect.top = start.bottom - std::clamp<LONG>(RectHeight(start) - dy, minH, maxH);
    if (bottom) rect.bottom = start.top + std::clamp<LONG>(RectHeight(start) + dy, minH, maxH);
    return rect;
}

// Window rectangle in the parent's client coordinates.
RECT ParentRelative(HWND window, RECT screen) {
    HWND parent = GetAncestor(window, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) {
        POINT origin{0, 0};
        ClientToScreen(parent, &origin);
        OffsetRect(&screen, -origin.x, -origin.y);
    }
    return screen;
}

}  // namespace

void RunMoveSizeLoop(HWND window, WPARAM command, const POINT* startPoint) {
    if (!IsWindow(window) || IsZoomed(window)) return;
    bool moving = (command & 0xFFF0) == SC_MOVE;
    WPARAM edge = command & 0x000F;
    if (!moving && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)) edge = WMSZ_BOTTOMRIGHT;
    RECT start;
    GetWindowRect(window, &start);
    POINT anchor;
    if (startPoint)
        anchor = *startPoint;
    else
        GetCursorPos(&anchor);
    MINMAXINFO limits = DefaultMinMaxInfo(window);
    SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    SendMessage(window, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(window);
    bool cancelled = false;
    MSG message;
    while (NextCapturedMessage(window, message)) {
        if (IsMouseMove(message.message)) {
            RECT rect = Dragged(start, edge, moving, message.pt.x - anchor.x, message.pt.y - anchor.y, limits);
            SendMessage(window, moving ? WM_MOVING : WM_SIZING, moving ? 0 : edge, reinterpret_cast<LPARAM>(&rect));
            RECT placed = ParentRelative(window, rect);
            SetWindowPos(window, nullptr, placed.left, placed.top, RectWidth(placed), RectHeight(placed),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        if (IsLeftUp(message.message)) break;
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            cancelled = true;
            break;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) break;
        if (message.message == WM_CANCELMODE) break;
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    if (cancelled && IsWindow(window)) {
        RECT placed = ParentRelative(window, start);
        SetWindowPos(window, nullptr, placed.left, placed.top, RectWidth(placed), RectHeight(placed),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (GetCapture() == window) ReleaseCapture();
    if (IsWindow(window)) SendMessage(window, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackCaptionButton(HWND window, LRESULT hit) {
    SetCapture(window);
    bool over = true;
    MSG message;
    while (NextCapturedMessage(window, message)) {
        if (IsMouseMove(message.message) || IsLeftUp(message.message)) {
            over = DefaultHitTest(window, message.pt) == hit;
            if (IsLeftUp(message.message)) break;
            continue;
        }
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            over = false;
            break;
        }
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    // the capture taken away ends the press without its action
    if (!IsWindow(window) || GetCapture() != window) return false;
    ReleaseCapture();
    return over;
}

}  // namespace platform
