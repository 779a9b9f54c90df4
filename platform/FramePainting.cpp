#include "platform/FramePainting.h"

#include "platform/Clipping.h"
#include "platform/DeviceContextState.h"
#include "platform/DeviceContexts.h"
#include "platform/DrawText.h"
#include "platform/Fonts.h"
#include "platform/Mapping.h"
#include "platform/NonClient.h"
#include "platform/Painting.h"
#include "platform/PensBrushes.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowObject.h"

namespace platform {
namespace {

// The classic scheme's colours the frame is drawn in.
constexpr COLORREF Face = RGB(212, 208, 200);
constexpr COLORREF Light = RGB(212, 208, 200);
constexpr COLORREF Highlight = RGB(255, 255, 255);
constexpr COLORREF Shadow = RGB(128, 128, 128);
constexpr COLORREF DarkShadow = RGB(64, 64, 64);
constexpr COLORREF WindowFrame = RGB(0, 0, 0);
constexpr COLORREF ActiveCaption = RGB(10, 36, 106);
constexpr COLORREF InactiveCaption = RGB(128, 128, 128);
constexpr COLORREF ButtonText = RGB(0, 0, 0);
constexpr COLORREF CaptionText = RGB(255, 255, 255);
constexpr COLORREF InactiveCaptionText = RGB(212, 208, 200);
constexpr COLORREF ClassicColors[] = {
    RGB(212, 208, 200), RGB(58, 110, 165), ActiveCaption, InactiveCaption, RGB(212, 208, 200),
    RGB(255, 255, 255), WindowFrame,       RGB(0, 0, 0),  RGB(0, 0, 0),    RGB(255, 255, 255),
    Face,               Face,              Shadow,        ActiveCaption,   RGB(255, 255, 255),
    Face,               Shadow,            Shadow,        ButtonText,      Face,
    Highlight,          DarkShadow,        Light,         RGB(0, 0, 0),    RGB(255, 255, 225),
};

// Fills a rectangle given in the DC's logical units, inside its clip.
void Fill(HDC hdc, RECT rect, COLORREF color) {
    auto dc = LookupDC(hdc);
    if (!dc || !dc->Surface()) return;
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(hdc, corners, 2);
    RECT device{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    OffsetRect(&device, dc->origin.x, dc->origin.y);
    Region area = dc->SurfaceClip();
    area.IntersectRect(device);
    BitmapSurface& surface = *dc->Surface();
    Pixel value = PixelFromColor(color);
    for (const RECT& part : area.Rects())
        for (LONG y = part.top; y < part.bottom; ++y)
            for (LONG x = part.left; x < part.right; ++x) surface.Set(x, y, value);
}

void Edge(HDC hdc, RECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Fill(hdc, RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    Fill(hdc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    Fill(hdc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    Fill(hdc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
}

void RaisedEdge(HDC hdc, RECT rect) {
    Edge(hdc, rect, Light, DarkShadow);
    InflateRect(&rect, -1, -1);
    Edge(hdc, rect, Highlight, Shadow);
}

void SunkenEdge(HDC hdc, RECT rect) {
    Edge(hdc, rect, Shadow, Highlight);
    InflateRect(&rect, -1, -1);
    Edge(hdc, rect, DarkShadow, Light);
}

void Glyph(HDC hdc, const RECT& button, LRESULT hit, bool maximized, bool pressed) {
    int cx = (button.left + button.right) / 2 + (pressed ? 1 : 0);
    int cy = (button.top + button.bottom) / 2 + (pressed ? 1 : 0);
    switch (hit) {
        case HTCLOSE:
            for (int i = -3; i <= 3; ++i) {
                Fill(hdc, RECT{cx + i - 1, cy + i, cx + i + 1, cy + i + 1}, ButtonText);
                Fill(hdc, RECT{cx - i - 1, cy + i, cx - i + 1, cy + i + 1}, ButtonText);
            }
            break;
        case HTMINBUTTON: Fill(hdc, RECT{cx - 4, cy + 2, cx + 2, cy + 4}, ButtonText); break;
        case HTMAXBUTTON:
            if (maximized) {
                Edge(hdc, RECT{cx - 2, cy - 4, cx + 5, cy + 2}, ButtonText, ButtonText);
                Fill(hdc, RECT{cx - 4, cy - 1, cx + 3, cy + 5}, Face);
                Edge(hdc, RECT{cx - 4, cy - 1, cx + 3, cy + 5}, ButtonText, ButtonText);
                Fill(hdc, RECT{cx - 4, cy - 1, cx + 3, cy}, ButtonText);
            } else {
                Edge(hdc, RECT{cx - 4, cy - 4, cx + 5, cy + 4}, ButtonText, ButtonText);
                Fill(hdc, RECT{cx - 4, cy - 4, cx + 5, cy - 2}, ButtonText);
            }
            break;
        case HTHELP:
            Fill(hdc, RECT{cx - 2, cy - 4, cx + 2, cy - 3}, ButtonText);
            Fill(hdc, RECT{cx + 2, cy - 3, cx + 3, cy - 1}, ButtonText);
            Fill(hdc, RECT{cx, cy - 1, cx + 2, cy + 1}, ButtonText);
            Fill(hdc, RECT{cx, cy + 2, cx + 2, cy + 4}, ButtonText);
            break;
        default: break;
    }
}

void Button(HDC hdc, const RECT& rect, LRESULT hit, bool maximized, bool pressed) {
    if (IsRectEmpty(&rect)) return;
    Fill(hdc, rect, Face);
    if (pressed)
        SunkenEdge(hdc, rect);
    else
        RaisedEdge(hdc, rect);
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
    SetTextColor(hdc, window.frameActive ? CaptionText : InactiveCaptionText);
    DrawTextA(hdc, window.text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    RestoreDC(hdc, saved);
    DeleteObject(font);
}

COLORREF ClassBackgroundColor(const WindowClassRecord& windowClass, bool* found) {
    auto value = reinterpret_cast<std::uintptr_t>(windowClass.background);
    *found = true;
    if (value > 0 && value <= std::size(ClassicColors)) return ClassicColors[value - 1];
    if (auto brush = LookupGdiObjectAs<BrushObject>(windowClass.background)) {
        if (brush->Style() == BS_SOLID) return brush->Color();
    }
    *found = false;
    return 0;
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
        Fill(hdc, RECT{bounds.left, bounds.top, bounds.right, bounds.top + insets.top}, Face);
        Fill(hdc, RECT{bounds.left, bounds.bottom - insets.bottom, bounds.right, bounds.bottom}, Face);
        Fill(hdc, RECT{bounds.left, bounds.top, bounds.left + insets.left, bounds.bottom}, Face);
        Fill(hdc, RECT{bounds.right - insets.right, bounds.top, bounds.right, bounds.bottom}, Face);
        RaisedEdge(hdc, bounds);
        inner = RECT{insets.left, insets.top, bounds.right - insets.right, bounds.bottom - insets.bottom};
    } else if (style & WS_BORDER) {
        Edge(hdc, bounds, WindowFrame, WindowFrame);
        InflateRect(&inner, -1, -1);
    }
    CaptionLayout layout = LayoutCaption(window);
    if (!IsRectEmpty(&layout.caption)) {
        RECT caption = layout.caption;
        Fill(hdc, caption, object->frameActive ? ActiveCaption : InactiveCaption);
        Fill(hdc, RECT{caption.left, caption.bottom, caption.right, caption.bottom + 1}, Face);
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
        SunkenEdge(hdc, inner);
        InflateRect(&inner, -2, -2);
    } else if (exStyle & WS_EX_STATICEDGE) {
        Edge(hdc, inner, Shadow, Highlight);
        InflateRect(&inner, -1, -1);
    }
    // Scroll-bar room and the box between the bars.
    RECT client = object->client;
    if (style & WS_VSCROLL) Fill(hdc, RECT{client.right, client.top, inner.right, inner.bottom}, Face);
    if (style & WS_HSCROLL) Fill(hdc, RECT{client.left, client.bottom, inner.right, inner.bottom}, Face);
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
    bool found = false;
    COLORREF color = ClassBackgroundColor(*object->windowClass, &found);
    if (!found) return false;
    RECT box;
    if (GetClipBox(hdc, &box) == NULLREGION) return true;
    Fill(hdc, box, color);
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
