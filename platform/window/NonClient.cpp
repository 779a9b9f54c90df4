#include "platform/window/NonClient.h"

#include <algorithm>

#include "platform/menus/MenuBar.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowRegions.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

int CaptionHeight(DWORD exStyle) {
    return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int BorderWidth(DWORD style, DWORD exStyle) {
    int width = 0;
    if (style & WS_THICKFRAME)
        width = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        width = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        width = GetSystemMetrics(SM_CXBORDER);
    return width;
}

}  // namespace

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int border = BorderWidth(style, exStyle);
    if (exStyle & WS_EX_CLIENTEDGE) border += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) border += GetSystemMetrics(SM_CXBORDER);
    RECT insets{border, border, border, border};
    if (HasCaption(style)) insets.top += CaptionHeight(exStyle);
    if (style & WS_VSCROLL) insets.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return insets;
}

CaptionLayout LayoutCaption(HWND window) {
    CaptionLayout layout{};
    Window* object = FindWindowQuietly(window);
    if (!object || !HasCaption(object->style)) return layout;
    int border = BorderWidth(object->style, object->exStyle);
    int width = RectWidth(object->rect);
    int height = CaptionHeight(object->exStyle);
    layout.caption = RECT{border, border, width - border, border + height - 1};
    if (!(object->style & WS_SYSMENU)) return layout;
    bool tool = (object->exStyle & WS_EX_TOOLWINDOW) != 0;
    int buttonWidth = (tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    int buttonHeight = height - 5;
    int top = layout.caption.top + 2;
    int right = layout.caption.right - 2;
    if (!tool) layout.icon = RECT{layout.caption.left + 2, top, layout.caption.left + 2 + 16, top + buttonHeight};
    layout.closeButton = RECT{right - buttonWidth, top, right, top + buttonHeight};
    right = layout.closeButton.left - 2;
    if (!tool && (object->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        layout.maximizeButton = RECT{right - buttonWidth, top, right, top + buttonHeight};
        layout.minimizeButton =
            RECT{layout.maximizeButton.left - buttonWidth, top, layout.maximizeButton.left, top + buttonHeight};
    } else if (object->exStyle & WS_EX_CONTEXTHELP) {
        layout.helpButton = RECT{right - buttonWidth, top, right, top + buttonHeight};
    }
    return layout;
}

void DefaultCalcSize(HWND window, RECT* rect) {
    Window* object = FindWindowQuietly(window);
    if (!object || !rect) return;
    RECT insets = FrameInsets(object->style, object->exStyle);
    int width = rect->right - rect->left;
    rect->left += insets.left;
    rect->top += insets.top + MenuBarHeight(window, width);
    rect->right -= insets.right;
    rect->bottom -= insets.bottom;
    rect->right = std::max(rect->right, rect->left);
    rect->bottom = std::max(rect->bottom, rect->top);
}

LRESULT DefaultHitTest(HWND window, POINT screenPoint) {
    Window* object = FindWindowQuietly(window);
    if (!object) return HTNOWHERE;
    RECT outer = ScreenWindowRect(*object);
    if (!PtInRect(&outer, screenPoint)) return HTNOWHERE;
    POINT p{screenPoint.x - outer.left, screenPoint.y - outer.top};
    if (!WindowShapeContains(window, p)) return HTNOWHERE;
    if (PtInRect(&object->client, p)) return HTCLIENT;
    if (object->style & WS_MINIMIZE) return HTCAPTION;

    int width = RectWidth(outer);
    int height = RectHeight(outer);
    int border = BorderWidth(object->style, object->exStyle);
    if ((object->style & WS_THICKFRAME) && !(object->style & WS_MAXIMIZE)) {
        int corner = GetSystemMetrics(SM_CXSIZE) + border;
        bool left = p.x < border, right = p.x >= width - border;
        bool top = p.y < border, bottom = p.y >= height - border;
        if (left || right || top || bottom) {
            bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
            bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
            if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
            if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
            if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
            if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
            if (left) return HTLEFT;
            if (right) return HTRIGHT;
            if (top) return HTTOP;
            return HTBOTTOM;
        }
    } else if (p.x < border || p.y < border || p.x >= width - border || p.y >= height - border) {
        return HTBORDER;
    }

    CaptionLayout layout = LayoutCaption(window);
    if (PtInRect(&layout.caption, p)) {
        if (PtInRect(&layout.closeButton, p)) return HTCLOSE;
        if (PtInRect(&layout.maximizeButton, p)) return HTMAXBUTTON;
        if (PtInRect(&layout.minimizeButton, p)) return HTMINBUTTON;
        if (PtInRect(&layout.helpButton, p)) return HTHELP;
        if (PtInRect(&layout.icon, p)) return HTSYSMENU;
        return HTCAPTION;
    }
    const RECT& client = object->client;
    if (p.y < client.top && GetMenu(window)) return HTMENU;
    bool belowClient = p.y >= client.bottom;
    bool rightOfClient = p.x >= client.right;
    if ((object->style & WS_VSCROLL) && rightOfClient && !belowClient) return HTVSCROLL;
    if ((object->style & WS_HSCROLL) && belowClient && !rightOfClient) return HTHSCROLL;
    if ((object->style & WS_VSCROLL) && (object->style & WS_HSCROLL) && belowClient && rightOfClient)
        return (object->style & WS_THICKFRAME) ? HTGROWBOX : HTNOWHERE;
    return HTBORDER;
}

}  // namespace platform
