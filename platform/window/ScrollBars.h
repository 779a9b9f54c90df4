#pragma once
// Scroll bars: the two a window may carry in its non-client area (SB_HORZ,
// SB_VERT) and scroll-bar controls (SB_CTL, answered by the control through
// SBM_* messages). The layout, drawing and mouse tracking here serve both.

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// Codes of WM_HSCROLL and WM_VSCROLL (low word of wParam).
constexpr WORD SB_LINEUP = 0;
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_LTUP = 1;
constexpr UINT ESB_DISABLE_RTDN = 2;
constexpr UINT ESB_DISABLE_BOTH = 3;

// Styles of a scroll-bar control.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;
constexpr DWORD SBS_SIZEGRIP = 0x0010;

constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// The window's own bars keep their values; SB_CTL goes to the control as
// SBM_SETSCROLLINFO / SBM_GETSCROLLINFO. A window's own bar shows when its
// range is larger than its page and hides otherwise, unless
// SIF_DISABLENOSCROLL keeps it (disabled). Answers the new position.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
// Answers the previous position.
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* min, int* max);
BOOL ShowScrollBar(HWND window, int bar, BOOL show);
BOOL EnableScrollBar(HWND window, int bar, UINT arrows);

// Keeps page within the range and the position within min .. max - (page - 1):
// the position the last page starts at is the largest one.
void NormalizeScrollInfo(SCROLLINFO& info);
// The highest position of a bar (where the last page starts).
int MaxScrollPos(const SCROLLINFO& info);

// Where a WM_HSCROLL / WM_VSCROLL code moves a bar: lines and pages by the
// steps given, the thumb codes to `thumbPos`, the ends; kept in the range.
int ScrollPosAfter(const SCROLLINFO& info, WORD code, int lineStep, int pageStep, int thumbPos);

enum class ScrollBarPart { None, StartArrow, StartTrack, Thumb, EndTrack, EndArrow };

struct ScrollBarLayout {
    RECT startArrow{}, startTrack{}, thumb{}, endTrack{}, endArrow{};
    // The track between the arrows (the thumb moves in it).
    RECT track{};
    // False when the range is empty or the thumb has no room: no thumb shows.
    bool hasThumb = false;
};

ScrollBarLayout LayoutScrollBar(const RECT& bar, bool vertical, const SCROLLINFO& info);
ScrollBarPart HitTestScrollBar(const ScrollBarLayout& layout, POINT point);
// The position for the thumb's leading edge at `thumbStart` along the bar.
int ScrollPosForThumb(const ScrollBarLayout& layout, bool vertical, const SCROLLINFO& info, int thumbStart);
void DrawScrollBar(HDC hdc, const RECT& bar, bool vertical, const SCROLLINFO& info, bool enabled,
                   ScrollBarPart pressed);

// A bar's rectangle: SB_HORZ and SB_VERT in window coordinates, SB_CTL the
// control's client rectangle; empty when the window does not show that bar.
RECT ScrollBarRect(HWND window, int bar);
// The part held down while TrackScrollBar runs on this bar, else None.
ScrollBarPart PressedScrollBarPart(HWND window, int bar);

// Follows a press of the left button on a bar at a screen point until the
// button comes up: arrows and the track send line and page steps (repeating
// while held over the same part), the thumb is dragged (SB_THUMBTRACK on each
// move, SB_THUMBPOSITION at the end), and SB_ENDSCROLL closes. The window's
// own bars tell the window (lParam 0); a control's bar tells its parent
// (lParam the control).
void TrackScrollBar(HWND window, int bar, POINT screenPoint);

}  // namespace platform
