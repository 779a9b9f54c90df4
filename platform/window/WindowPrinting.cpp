#include "platform/window/WindowPrinting.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "platform/window/FramePainting.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {

namespace {

// Moves the drawing origin and the brush origin together: on screen each
// window's DC starts at its own corner, so its pattern brushes (the scroll
// bars' checkered track) line up with that corner, and printed they must too.
void MoveOrigin(HDC hdc, int dx, int dy) {
    OffsetViewportOrgEx(hdc, dx, dy, nullptr);
    POINT brush{};
    GetBrushOrgEx(hdc, &brush);
    SetBrushOrgEx(hdc, brush.x + dx, brush.y + dy, nullptr);
}

}  // namespace

void PrintWindowInto(HWND window, HDC hdc, DWORD flags) {
    Window* object = FindWindowQuietly(window);
    if (!object || !hdc) return;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return;
    int saved = SaveDC(hdc);
    if (flags & PRF_NONCLIENT) PaintDefaultFrameInto(window, hdc);
    RECT client = object->client;
    MoveOrigin(hdc, client.left, client.top);
    IntersectClipRect(hdc, 0, 0, RectWidth(client), RectHeight(client));
    if (flags & PRF_ERASEBKGND) SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    if (flags & PRF_CLIENT) SendMessage(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), static_cast<LPARAM>(flags));
    if (flags & PRF_CHILDREN) {
        object = FindWindowQuietly(window);
        std::vector<HWND> children = object ? object->children : std::vector<HWND>{};
        // Bottom of the z-order first, so upper children end up on top.
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            Window* child = FindWindowQuietly(*it);
            if (!child || !(child->style & WS_VISIBLE)) continue;
            int childSaved = SaveDC(hdc);
            MoveOrigin(hdc, child->rect.left, child->rect.top);
            IntersectClipRect(hdc, 0, 0, RectWidth(child->rect), RectHeight(child->rect));
            SendMessage(*it, WM_PRINT, reinterpret_cast<WPARAM>(hdc),
                        static_cast<LPARAM>((flags & ~PRF_CHECKVISIBLE) | PRF_NONCLIENT));
            RestoreDC(hdc, childSaved);
        }
    }
    RestoreDC(hdc, saved);
}

BOOL PrintWindow(HWND window, HDC hdc, UINT flags) {
    if (!FindWindowObject(window) || !hdc) return FALSE;
    LPARAM what = PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_OWNED;
    if (!(flags & PW_CLIENTONLY)) {
        what |= PRF_NONCLIENT;
    } else {
        Window* object = FindWindowQuietly(window);
        MoveOrigin(hdc, -object->client.left, -object->client.top);
    }
    SendMessage(window, WM_PRINT, reinterpret_cast<WPARAM>(hdc), what);
    if (flags & PW_CLIENTONLY) {
        Window* object = FindWindowQuietly(window);
        if (object) MoveOrigin(hdc, object->client.left, object->client.top);
    }
    return TRUE;
}

}  // namespace platform
