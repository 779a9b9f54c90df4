#pragma once
// System metrics and parameters: the fixed sizes of a classic, unthemed
// desktop (frames, captions, menus, scroll bars), the screen the display
// offers, and the double-click rules.

#include "platform/system/Geometry.h"
#include "platform/text/Fonts.h"

namespace platform {

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXFOCUSBORDER = 83;
constexpr int SM_CYFOCUSBORDER = 84;

int GetSystemMetrics(int index);

constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_SETWORKAREA = 0x002F;
constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
constexpr UINT SPI_GETANIMATION = 0x0048;
constexpr UINT SPI_SETANIMATION = 0x0049;
constexpr UINT SPI_GETTOOLTIPANIMATION = 0x1016;
constexpr UINT SPI_GETTOOLTIPFADE = 0x1018;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
constexpr UINT SPI_GETFLATMENU = 0x1022;
constexpr UINT SPI_GETKEYBOARDCUES = 0x100A;
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;

// The classic (pre-padding) layout of 340 bytes.
struct NONCLIENTMETRICSA {
    UINT cbSize = sizeof(NONCLIENTMETRICSA);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONTA lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONTA lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONTA lfMenuFont;
    LOGFONTA lfStatusFont;
    LOGFONTA lfMessageFont;
};
using NONCLIENTMETRICS = NONCLIENTMETRICSA;
static_assert(sizeof(NONCLIENTMETRICSA) == 340);

// The non-client sizes and the five fonts of captions, menus, status lines
// and message boxes.
NONCLIENTMETRICSA NonClientMetrics();

struct ANIMATIONINFO {
    UINT cbSize = sizeof(ANIMATIONINFO);
    int iMinAnimate = 0;
};

// The answers are fixed: full-window dragging on, window animation off, no
// tooltip animation, three wheel lines. SPI_SETANIMATION keeps its value
// for later reads. SPI_GETNONCLIENTMETRICS fills the whole 340-byte record
// whatever its cbSize says.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT milliseconds);

// One monitor: the screen.
struct HMONITOR__;
using HMONITOR = HMONITOR__*;
constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
constexpr DWORD MONITORINFOF_PRIMARY = 1;
struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags = 0;
};
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
HMONITOR MonitorFromWindow(struct HWND__* window, DWORD flags);
BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);

// The screen that the display offers (a backend sets it as it starts).
void SetScreenSize(int width, int height);
RECT ScreenRect();
// The screen less nothing: this desktop has no task bar.
RECT WorkArea();

}  // namespace platform
