#include "platform/window/WindowPrinting.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "platform/window/FramePainting.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {

void PrintWindowInto(HWND window, HDC hdc, DWORD flags) {
    Window* object = FindWindowQuietly(window);
    if (!object || !hdc) return;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return;
    int saved = SaveDC(hdc);
    if (flags & PRF_NONCLIENT) PaintDefaultFrameInto(window, hdc);
    RECT client = object->client;
    OffsetViewportOrgEx(hdc, client.left, client.top, nullptr);
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
            OffsetViewportOrgEx(hdc, child->rect.left, child->rect.top, nullptr);
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
        OffsetViewportOrgEx(hdc, -object->client.left, -object->client.top, nullptr);
    }
    SendMessage(window, WM_PRINT, reinterpret_cast<WPARAM>(hdc), what);
    if (flags & PW_CLIENTONLY) {
        Window* object = FindWindowQuietly(window);
        if (object) OffsetViewportOrgEx(hdc, object->client.left, object->client.top, nullptr);
    }
    return TRUE;
}

}  // namespace platform
