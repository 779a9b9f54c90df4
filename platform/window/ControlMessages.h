#pragma once
// Message numbers and styles of the standard control classes whose windows
// the class library's controls make and answer: track bars, tab controls and
// tool bars.

#include "platform/window/WindowMessages.h"

namespace platform {

// Track bars.
constexpr DWORD TBS_AUTOTICKS = 0x0001;
constexpr DWORD TBS_VERT = 0x0002;
constexpr DWORD TBS_HORZ = 0x0000;
constexpr DWORD TBS_TOP = 0x0004;
constexpr DWORD TBS_BOTTOM = 0x0000;
constexpr DWORD TBS_LEFT = 0x0004;
constexpr DWORD TBS_RIGHT = 0x0000;
constexpr DWORD TBS_BOTH = 0x0008;
constexpr DWORD TBS_NOTICKS = 0x0010;
constexpr DWORD TBS_ENABLESELRANGE = 0x0020;
constexpr DWORD TBS_NOTHUMB = 0x0080;

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;
constexpr UINT TBM_SETRANGEMIN = WM_USER + 7;
constexpr UINT TBM_SETRANGEMAX = WM_USER + 8;
constexpr UINT TBM_GETSELSTART = WM_USER + 17;
constexpr UINT TBM_GETSELEND = WM_USER + 18;
constexpr UINT TBM_GETNUMTICS = WM_USER + 16;
constexpr UINT TBM_GETTICPOS = WM_USER + 15;
constexpr UINT TBM_GETPAGESIZE = WM_USER + 22;
constexpr UINT TBM_GETLINESIZE = WM_USER + 24;
constexpr UINT TBM_GETTHUMBRECT = WM_USER + 25;
constexpr UINT TBM_GETCHANNELRECT = WM_USER + 26;
constexpr UINT TBM_GETTHUMBLENGTH = WM_USER + 28;

// Tab controls.
constexpr DWORD TCS_BOTTOM = 0x0002;
constexpr DWORD TCS_MULTILINE = 0x0200;
constexpr DWORD TCS_OWNERDRAWFIXED = 0x2000;

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

// Tool bars.
constexpr DWORD TBSTYLE_WRAPABLE = 0x0200;
constexpr DWORD TBSTYLE_FLAT = 0x0800;
constexpr DWORD TBSTYLE_LIST = 0x1000;

constexpr UINT TB_BUTTONCOUNT = WM_USER + 24;
constexpr UINT TB_GETITEMRECT = WM_USER + 29;

}  // namespace platform
