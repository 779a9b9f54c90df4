#include "platform/window/ScrollBars.h"

#include <algorithm>
#include <mutex>

#include "platform/gdi/BitmapSurface.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/FrameDrawing.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SystemColors.h"
#include "platform/system/Geometry.h"
#include "platform/window/CapturedMessages.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/PaintState.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

constexpr UINT_PTR kRepeatTimer = 0xFFF8;
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 50;

// The bar being tracked, for painting its held part.
struct HeldBar {
    HWND window = nullptr;
    int bar = -1;
    ScrollBarPart part = ScrollBarPart::None;
};
HeldBar held;

ScrollBarData* OwnBar(Window* object, int bar) {
    if (!object) return nullptr;
    if (bar == SB_HORZ) return &object->horzBar;
    if (bar == SB_VERT) return &object->vertBar;
    return nullptr;
}

SCROLLINFO InfoOf(const ScrollBarData& data) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = data.min;
    info.nMax = data.max;
    info.nPage = data.page;
    info.nPos = data.pos;
    info.nTrackPos = data.trackPos;
    return info;
}

DWORD StyleBit(int bar) { return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

bool Needed(const SCROLLINFO& info) {
    return info.nMax > info.nMin && (info.nPage == 0 || static_cast<long long>(info.nPage) <= info.nMax - info.nMin);
}

void RedrawBars(HWND window) { InvalidateFrame(window); }

LONG Along(const RECT& r, bool vertical) { return vertical ? RectHeight(r) : RectWidth(r); }

// A rectangle across the whole bar between two offsets along it.
RECT Span(const RECT& bar, bool vertical, LONG from, LONG to) {
    return vertical ? RECT{bar.left, from, bar.right, to} : RECT{from, bar.top, to, bar.bottom};
}

void Arrow(HDC hdc, RECT box, bool vertical, bool toEnd, bool enabled, bool pressed) {
    FillRect(hdc, &box, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = box;
    DrawEdge(hdc, &edge, pressed ? BDR_SUNKENOUTER : EDGE_RAISED, pressed ? (BF_RECT | BF_FLAT) : BF_RECT);
    LONG cx = (box.left + box.right) / 2 + (pressed ? 1 : 0);
    LONG cy = (box.top + box.bottom) / 2 + (pressed ? 1 : 0);
    LONG h = std::max<LONG>(1, std::min(RectWidth(box), RectHeight(box)) / 4);
    POINT p[3];
    if (vertical) {
        LONG tip = toEnd ? cy + h / 2 + 1 : cy - h / 2 - 1, base = toEnd ? tip - h : tip + h;
        p[0] = {cx, tip};
        p[1] = {cx - h, base};
        p[2] = {cx + h, base};
    } else {
        LONG tip = toEnd ? cx + h / 2 + 1 : cx - h / 2 - 1, base = toEnd ? tip - h : tip + h;
        p[0] = {tip, cy};
        p[1] = {base, cy - h};
        p[2] = {base, cy + h};
    }
    int colour = enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(colour));
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colour));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    Polygon(hdc, p, 3);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
}

// The track: the scroll-bar colour, or where that is the button face, a fine
// checker of face and highlight so the track stands apart from the thumb.
void FillTrack(HDC hdc, const RECT& r) {
    if (GetSysColor(COLOR_SCROLLBAR) != GetSysColor(COLOR_BTNFACE)) {
        FillRect(hdc, &r, GetSysColorBrush(COLOR_SCROLLBAR));
        return;
    }
    Pixel bits[64];
    for (int i = 0; i < 64; ++i)
        bits[i] = PixelFromColor(GetSysColor((i / 8 + i % 8) % 2 ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    HBITMAP pattern = CreateBitmap(8, 8, 1, 32, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
    DeleteObject(pattern);
}

WORD CodeFor(ScrollBarPart part) {
    switch (part) {
        case ScrollBarPart::StartArrow: return SB_LINEUP;
        case ScrollBarPart::EndArrow: return SB_LINEDOWN;
        case ScrollBarPart::StartTrack: return SB_PAGEUP;
        case ScrollBarPart::EndTrack: return SB_PAGEDOWN;
        default: return SB_ENDSCROLL;
    }
}

bool IsVertical(HWND window, int bar) {
    if (bar == SB_CTL) return (GetWindowLongPtr(window, GWL_STYLE) & SBS_VERT) != 0;
    return bar == SB_VERT;
}

RECT ScreenBarRect(HWND window, int bar) {
    RECT r = ScrollBarRect(window, bar);
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object) return {};
    RECT origin = bar == SB_CTL ? ScreenClientRect(*object) : ScreenWindowRect(*object);
    OffsetRect(&r, origin.left, origin.top);
    return r;
}

void Notify(HWND window, int bar, WORD code, int pos) {
    bool vertical = IsVertical(window, bar);
    UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wParam = MAKEWPARAM(code, static_cast<WORD>(pos));
    if (bar == SB_CTL) {
        if (HWND parent = GetParent(window)) SendMessage(parent, message, wParam, reinterpret_cast<LPARAM>(window));
    } else {
        SendMessage(window, message, wParam, 0);
    }
}

void SetHeld(HWND window, int bar, ScrollBarPart part) {
    held = {window, bar, part};
    if (bar == SB_CTL)
        InvalidateRect(window, nullptr, FALSE);
    else
        RedrawBars(window);
}

}  // namespace

int MaxScrollPos(const SCROLLINFO& info) {
    return std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}

void NormalizeScrollInfo(SCROLLINFO& info) {
    if (info.nMax < info.nMin) info.nMin = info.nMax = 0;
    long long span = static_cast<long long>(info.nMax) - info.nMin + 1;
    if (static_cast<long long>(info.nPage) > span) info.nPage = static_cast<UINT>(span);
    info.nPos = std::clamp(info.nPos, info.nMin, MaxScrollPos(info));
    info.nTrackPos = std::clamp(info.nTrackPos, info.nMin, MaxScrollPos(info));
}

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!info) return 0;
    if (bar == SB_CTL)
        return static_cast<int>(SendMessage(window, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
    bool show = false, hide = false;
    int pos;
    SCROLLINFO now;
    {
        std::lock_guard lock(WindowSystemLock());
        Window* object = FindWindowObject(window);
        ScrollBarData* data = OwnBar(object, bar);
        if (!data) return 0;
        now = InfoOf(*data);
        if (info->fMask & SIF_RANGE) {
            now.nMin = info->nMin;
            now.nMax = info->nMax;
        }
        if (info->fMask & SIF_PAGE) now.nPage = info->nPage;
        if (info->fMask & SIF_POS) now.nPos = info->nPos;
        NormalizeScrollInfo(now);
        data->min = now.nMin;
        data->max = now.nMax;
        data->page = now.nPage;
        data->pos = now.nPos;
        data->trackPos = now.nTrackPos;
        pos = now.nPos;
        if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
            bool shown = (object->style & StyleBit(bar)) != 0;
            bool needed = Needed(now);
            show = needed && !shown;
            hide = !needed && shown && !(info->fMask & SIF_DISABLENOSCROLL);
        }
    }
    if (show || hide)
        ShowScrollBar(window, bar, show);
    else if (redraw)
        RedrawBars(window);
    return pos;
}

BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
    if (!info) return FALSE;
    if (bar == SB_CTL) return SendMessage(window, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
    std::lock_guard lock(WindowSystemLock());
    ScrollBarData* data = OwnBar(FindWindowObject(window), bar);
    if (!data) return FALSE;
    SCROLLINFO all = InfoOf(*data);
    if (info->fMask & SIF_RANGE) {
        info->nMin = all.nMin;
        info->nMax = all.nMax;
    }
    if (info->fMask & SIF_PAGE) info->nPage = all.nPage;
    if (info->fMask & SIF_POS) info->nPos = all.nPos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = all.nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
    int previous = GetScrollPos(window, bar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(window, bar, &info, redraw);
    return previous;
}

int GetScrollPos(HWND window, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = max;
    SetScrollInfo(window, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, int* min, int* max) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    if (!GetScrollInfo(window, bar, &info)) return FALSE;
    if (min) *min = info.nMin;
    if (max) *max = info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
    if (bar == SB_CTL) return ShowWindow(window, show ? SW_SHOW : SW_HIDE), TRUE;
    DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : StyleBit(bar);
    LONG_PTR style = GetWindowLongPtr(window, GWL_STYLE);
    LONG_PTR next = show ? (style | bits) : (style & ~static_cast<LONG_PTR>(bits));
    if (next == style) return TRUE;
    SetWindowLongPtr(window, GWL_STYLE, next);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND window, int bar, UINT arrows) {
    if (bar == SB_CTL) return SendMessage(window, SBM_ENABLE_ARROWS, arrows, 0) != 0;
    {
        std::lock_guard lock(WindowSystemLock());
        Window* object = FindWindowObject(window);
        if (!object) return FALSE;
        for (int b : {SB_HORZ, SB_VERT})
            if (bar == b || bar == SB_BOTH) OwnBar(object, b)->disabledArrows = arrows;
    }
    RedrawBars(window);
    return TRUE;
}

int ScrollPosAfter(const SCROLLINFO& given, WORD code, int lineStep, int pageStep, int thumbPos) {
    SCROLLINFO info = given;
    NormalizeScrollInfo(info);
    int pos = info.nPos;
    switch (code) {
        case SB_LINEUP: pos -= lineStep; break;
        case SB_LINEDOWN: pos += lineStep; break;
        case SB_PAGEUP: pos -= pageStep; break;
        case SB_PAGEDOWN: pos += pageStep; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: pos = thumbPos; break;
        case SB_TOP: pos = info.nMin; break;
        case SB_BOTTOM: pos = MaxScrollPos(info); break;
        default: break;
    }
    return std::clamp(pos, info.nMin, MaxScrollPos(info));
}

ScrollBarLayout LayoutScrollBar(const RECT& bar, bool vertical, const SCROLLINFO& given) {
    SCROLLINFO info = given;
    NormalizeScrollInfo(info);
    ScrollBarLayout layout;
    LONG start = vertical ? bar.top : bar.left;
    LONG length = Along(bar, vertical);
    LONG arrow = std::min<LONG>(GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
    layout.startArrow = Span(bar, vertical, start, start + arrow);
    layout.endArrow = Span(bar, vertical, start + length - arrow, start + length);
    layout.track = Span(bar, vertical, start + arrow, start + length - arrow);
    LONG trackStart = start + arrow, trackLength = length - 2 * arrow;
    int span = MaxScrollPos(info) - info.nMin;
    LONG minThumb = GetSystemMetrics(vertical ? SM_CYVTHUMB : SM_CXHTHUMB) / 2;
    LONG thumb = info.nPage == 0
                     ? arrow
                     : std::max<LONG>(minThumb, static_cast<LONG>(static_cast<long long>(trackLength) * info.nPage /
                                                                  (static_cast<long long>(info.nMax) - info.nMin + 1)));
    layout.hasThumb = span > 0 && thumb < trackLength;
    if (!layout.hasThumb) {
        layout.startTrack = layout.track;
        return layout;
    }
    LONG offset = static_cast<LONG>(static_cast<long long>(trackLength - thumb) * (info.nPos - info.nMin) / span);
    layout.startTrack = Span(bar, vertical, trackStart, trackStart + offset);
    layout.thumb = Span(bar, vertical, trackStart + offset, trackStart + offset + thumb);
    layout.endTrack = Span(bar, vertical, trackStart + offset + thumb, trackStart + trackLength);
    return layout;
}

ScrollBarPart HitTestScrollBar(const ScrollBarLayout& layout, POINT p) {
    if (PtInRect(&layout.startArrow, p)) return ScrollBarPart::StartArrow;
    if (PtInRect(&layout.endArrow, p)) return ScrollBarPart::EndArrow;
    if (!layout.hasThumb) return ScrollBarPart::None;
    if (PtInRect(&layout.thumb, p)) return ScrollBarPart::Thumb;
    if (PtInRect(&layout.startTrack, p)) return ScrollBarPart::StartTrack;
    if (PtInRect(&layout.endTrack, p)) return ScrollBarPart::EndTrack;
    return ScrollBarPart::None;
}

int ScrollPosForThumb(const ScrollBarLayout& layout, bool vertical, const SCROLLINFO& given, int thumbStart) {
    SCROLLINFO info = given;
    NormalizeScrollInfo(info);
    if (!layout.hasThumb) return info.nPos;
    LONG room = Along(layout.track, vertical) - Along(layout.thumb, vertical);
    LONG offset = std::clamp<LONG>(thumbStart - (vertical ? layout.track.top : layout.track.left), 0, room);
    int span = MaxScrollPos(info) - info.nMin;
    if (room <= 0) return info.nMin;
    // Nearest position, so the thumb lands where the pointer left it.
    return info.nMin + static_cast<int>((static_cast<long long>(offset) * span + room / 2) / room);
}

void DrawScrollBar(HDC hdc, const RECT& bar, bool vertical, const SCROLLINFO& info, bool enabled,
                   ScrollBarPart pressed) {
    if (IsRectEmpty(&bar)) return;
    ScrollBarLayout layout = LayoutScrollBar(bar, vertical, info);
    bool active = enabled && layout.hasThumb;
    Arrow(hdc, layout.startArrow, vertical, false, active, pressed == ScrollBarPart::StartArrow);
    Arrow(hdc, layout.endArrow, vertical, true, active, pressed == ScrollBarPart::EndArrow);
    FillTrack(hdc, layout.track);
    if (!active) return;
    if (pressed == ScrollBarPart::StartTrack) FillRect(hdc, &layout.startTrack, GetSysColorBrush(COLOR_3DDKSHADOW));
    if (pressed == ScrollBarPart::EndTrack) FillRect(hdc, &layout.endTrack, GetSysColorBrush(COLOR_3DDKSHADOW));
    RECT thumb = layout.thumb;
    FillRect(hdc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
}

RECT ScrollBarRect(HWND window, int bar) {
    std::lock_guard lock(WindowSystemLock());
    Window* object = FindWindowQuietly(window);
    if (!object) return {};
    RECT c = object->client;
    if (bar == SB_CTL) return RECT{0, 0, RectWidth(c), RectHeight(c)};
    if (bar == SB_VERT && (object->style & WS_VSCROLL))
        return RECT{c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
    if (bar == SB_HORZ && (object->style & WS_HSCROLL))
        return RECT{c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    return {};
}

ScrollBarPart PressedScrollBarPart(HWND window, int bar) {
    return held.window == window && held.bar == bar ? held.part : ScrollBarPart::None;
}

void TrackScrollBar(HWND window, int bar, POINT point) {
    bool vertical = IsVertical(window, bar);
    RECT screenBar = ScreenBarRect(window, bar);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    if (IsRectEmpty(&screenBar) || !GetScrollInfo(window, bar, &info)) return;
    ScrollBarPart part = HitTestScrollBar(LayoutScrollBar(screenBar, vertical, info), point);
    if (part == ScrollBarPart::None) return;
    LONG grip = 0;  // pointer's distance from the thumb's leading edge
    int trackPos = info.nPos;
    if (part == ScrollBarPart::Thumb) {
        RECT thumb = LayoutScrollBar(screenBar, vertical, info).thumb;
        grip = vertical ? point.y - thumb.top : point.x - thumb.left;
    } else {
        Notify(window, bar, CodeFor(part), 0);
        SetTimer(window, kRepeatTimer, kFirstRepeatMs, nullptr);
    }
    SetHeld(window, bar, part);
    SetCapture(window);
    POINT pointer = point;
    MSG message;
    while (NextCapturedMessage(window, message)) {
        if (message.message == WM_LBUTTONUP || message.message == WM_NCLBUTTONUP) break;
        if (message.message == WM_CANCELMODE) break;
        if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
            pointer = message.pt;
            if (part != ScrollBarPart::Thumb) continue;
            GetScrollInfo(window, bar, &info);
            int pos = ScrollPosForThumb(LayoutScrollBar(screenBar, vertical, info), vertical, info,
                                        (vertical ? pointer.y : pointer.x) - grip);
            if (pos != trackPos) {
                trackPos = pos;
                if (bar != SB_CTL) {
                    std::lock_guard lock(WindowSystemLock());
                    if (ScrollBarData* data = OwnBar(FindWindowQuietly(window), bar)) data->trackPos = pos;
                }
                Notify(window, bar, SB_THUMBTRACK, pos);
            }
            continue;
        }
        if (message.message == WM_TIMER && message.hwnd == window && message.wParam == kRepeatTimer) {
            SetTimer(window, kRepeatTimer, kRepeatMs, nullptr);
            GetScrollInfo(window, bar, &info);
            // The track part under the pointer shrinks as the thumb comes near.
            if (HitTestScrollBar(LayoutScrollBar(screenBar, vertical, info), pointer) == part)
                Notify(window, bar, CodeFor(part), 0);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    KillTimer(window, kRepeatTimer);
    if (GetCapture() == window) ReleaseCapture();
    if (!IsWindow(window)) {
        held = {};
        return;
    }
    if (part == ScrollBarPart::Thumb) Notify(window, bar, SB_THUMBPOSITION, trackPos);
    Notify(window, bar, SB_ENDSCROLL, 0);
    SetHeld(window, bar, ScrollBarPart::None);
    held = {};
}

}  // namespace platform
