#include "platform/window/FramePainting.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/FrameDrawing.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SystemColors.h"
#include "platform/menus/MenuBar.h"
#include "platform/text/DrawText.h"
#include "platform/text/Fonts.h"
#include "platform/window/NonClient.h"
#include "platform/window/Painting.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

// Fills a rectangle (the DC's logical units) with a system colour.
void Fill(HDC hdc, RECT rect, int colorIndex) {
    FillRect(hdc, &rect, GetSysColorBrush(colorIndex));
}

void Edge(HDC hdc, RECT rect, UINT edge) {
    DrawEdge(hdc, &rect, edge, BF_RECT);
}

void Glyph(HDC hdc, const RECT& button, LRESULT hit, bool maximized, bool pressed) {
    int cx = (button.left + button.right) / 2 + (pressed ? 1 : 0);
    int cy = (button.top + button.bottom) / 2 + (pressed ? 1 : 0);
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    auto mark = [&](RECT r) { FillRect(hdc, &r, ink); };
    auto box = [&](RECT r) { FrameRect(hdc, &r, ink); };
    switch (hit) {
        case HTCLOSE:
            for (int i = -3; i <= 3; ++i) {
                mark(RECT{cx + i - 1, cy + i, cx + i + 1, cy + i + 1});
                mark(RECT{cx - i - 1, cy + i, cx - i + 1, cy + i + 1});
            }
            break;
        case HTMINBUTTON: mark(RECT{cx - 4, cy + 2, cx + 2, cy + 4}); break;
        case HTMAXBUTTON:
            if (maximized) {
                box(RECT{cx - 2, cy - 4, cx + 5, cy + 2});
                Fill(hdc, RECT{cx - 4, cy - 1, cx + 3, cy + 5}, COLOR_BTNFACE);
                box(RECT{cx - 4, cy - 1, cx + 3, cy + 5});
                mark(RECT{cx - 4, cy - 1, cx + 3, cy});
            } else {
                box(RECT{cx - 4, cy - 4, cx + 5, cy + 4});
                mark(RECT{cx - 4, cy - 4, cx + 5, cy - 2});
            }
            break;
        case HTHELP:
            mark(RECT{cx - 2, cy - 4, cx + 2, cy - 3});
            mark(RECT{cx + 2, cy - 3, cx + 3, cy - 1});
            mark(RECT{cx, cy - 1, cx + 2, cy + 1});
            mark(RECT{cx, cy + 2, cx + 2, cy + 4});
            break;
        default: break;
    }
}

void Button(HDC hdc, const RECT& rect, LRESULT hit, bool maximized, bool pressed) {
    if (IsRectEmpty(&rect)) return;
    Fill(hdc, rect, COLOR_BTNFACE);
    Edge(hdc, rect, pressed ? EDGE_SUNKEN : EDGE_RAISED);
    Glyph(hdc, rect, hit, maximized, pressed);
}

void CaptionTitle(HDC hdc, const Window& window, RECT area) {
    if (window.text.empty() || IsRectEmpty(&area)) return;
    NONCLIENTMETRICSA metrics = NonClientMetrics();
    HFONT font = CreateFontIndirectA((window.exStyle & WS_EX_TOOLWINDOW) ? &metrics.lfSmCaptionFont
                                                                          : &metrics.lfCaptionFont);
    int saved = SaveDC(hdc);
    SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(window.frameActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextA(hdc, window.text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    RestoreDC(hdc, saved);
    DeleteObject(font);
}

}  // namespace

void PaintDefaultFrameInto(HWND window, HDC hdc) {
    Window* object = FindWindowQuietly(window);
    if (!object || !hdc) return;
    DWORD style = object->style, exStyle = object->exStyle;
    RECT bounds{0, 0, RectWidth(object->rect), RectHeight(object->rect)};
    RECT inner = bounds;
    if (style & WS_THICKFRAME || (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        RECT insets = FrameInsets(style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER), exStyle & WS_EX_DLGMODALFRAME);
        int border = object->frameActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER;
        Fill(hdc, RECT{bounds.left, bounds.top, bounds.right, bounds.top + insets.top}, border);
        Fill(hdc, RECT{bounds.left, bounds.bottom - insets.bottom, bounds.right, bounds.bottom}, border);
        Fill(hdc, RECT{bounds.left, bounds.top, bounds.left + insets.left, bounds.bottom}, border);
        Fill(hdc, RECT{bounds.right - insets.right, bounds.top, bounds.right, bounds.bottom}, border);
        Edge(hdc, bounds, EDGE_RAISED);
        inner = RECT{insets.left, insets.top, bounds.right - insets.right, bounds.bottom - insets.bottom};
    } else if (style & WS_BORDER) {
        FrameRect(hdc, &bounds, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&inner, -1, -1);
    }
    CaptionLayout layout = LayoutCaption(window);
    if (!IsRectEmpty(&layout.caption)) {
        RECT caption = layout.caption;
        Fill(hdc, caption, object->frameActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        Fill(hdc, RECT{caption.left, caption.bottom, caption.right, caption.bottom + 1}, COLOR_BTNFACE);
        inner.top = caption.bottom + 1;
        RECT title = caption;
        title.left = IsRectEmpty(&layout.icon) ? caption.left + 2 : layout.icon.left;
        for (const RECT* button : {&layout.minimizeButton, &layout.helpButton, &layout.maximizeButton, &layout.closeButton})
            if (!IsRectEmpty(button)) title.right = std::min(title.right, button->left - 2);
        CaptionTitle(hdc, *object, title);
        bool maximized = (style & WS_MAXIMIZE) != 0;
        Button(hdc, layout.closeButton, HTCLOSE, maximized, object->pressedButton == HTCLOSE);
        Button(hdc, layout.maximizeButton, HTMAXBUTTON, maximized, object->pressedButton == HTMAXBUTTON);
        Button(hdc, layout.minimizeButton, HTMINBUTTON, maximized, object->pressedButton == HTMINBUTTON);
        Button(hdc, layout.helpButton, HTHELP, maximized, object->pressedButton == HTHELP);
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        Edge(hdc, inner, EDGE_SUNKEN);
        InflateRect(&inner, -2, -2);
    } else if (exStyle & WS_EX_STATICEDGE) {
        DrawEdge(hdc, &inner, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&inner, -1, -1);
    }
    PaintMenuBarInto(window, hdc);
    // The bars and the box between them.
    RECT client = object->client;
    if (style & WS_VSCROLL) Fill(hdc, RECT{client.right, client.top, inner.right, inner.bottom}, COLOR_BTNFACE);
    if (style & WS_HSCROLL) Fill(hdc, RECT{client.left, client.bottom, inner.right, inner.bottom}, COLOR_BTNFACE);
    bool enabled = !(style & WS_DISABLED);
    for (int bar : {SB_VERT, SB_HORZ}) {
        const ScrollBarData& data = bar == SB_VERT ? object->vertBar : object->horzBar;
        if (!(style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))) continue;
        SCROLLINFO info;
        info.nMin = data.min;
        info.nMax = data.max;
        info.nPage = data.page;
        info.nPos = data.pos;
        bool arrowsOn = data.disabledArrows != ESB_DISABLE_BOTH;
        DrawScrollBar(hdc, ScrollBarRect(window, bar), bar == SB_VERT, info, enabled && arrowsOn,
                      PressedScrollBarPart(window, bar));
    }
}

void PaintDefaultFrame(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return;
    RECT insets = FrameInsets(object->style, object->exStyle);
    if (insets == RECT{}) return;
    HDC hdc = GetWindowDC(window);
    if (!hdc) return;
    PaintDefaultFrameInto(window, hdc);
    ReleaseDC(window, hdc);
}

void SetFrameActive(HWND window, bool active) {
    if (Window* object = FindWindowQuietly(window)) object->frameActive = active;
}

bool EraseWithClassBackground(HWND window, HDC hdc) {
    Window* object = FindWindowQuietly(window);
    if (!object || !hdc) return false;
    HBRUSH background = object->windowClass->background;
    if (!background) return false;
    RECT box;
    if (GetClipBox(hdc, &box) == NULLREGION) return true;
    FillRect(hdc, &box, background);
    return true;
}

PressedCaptionButton::PressedCaptionButton(HWND window, LRESULT hit) : window_(window) {
    if (Window* object = FindWindowQuietly(window)) object->pressedButton = hit;
    PaintDefaultFrame(window);
}

PressedCaptionButton::~PressedCaptionButton() {
    if (Window* object = FindWindowQuietly(window_)) {
        object->pressedButton = 0;
        PaintDefaultFrame(window_);
    }
}

}  // namespace platform
