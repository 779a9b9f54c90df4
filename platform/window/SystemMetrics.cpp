#include "platform/window/SystemMetrics.h"

#include <atomic>
#include <cstring>

#include "platform/system/LastError.h"

namespace platform {
namespace {

std::atomic<int> screenWidth{1280};
std::atomic<int> screenHeight{1024};
std::atomic<UINT> doubleClickTime{500};
std::atomic<int> minAnimate{0};

LOGFONTA InterfaceFont(LONG weight) {
    LOGFONTA font;
    font.lfHeight = -11;  // 8 points at 96 pixels per inch
    font.lfWeight = weight;
    std::strcpy(font.lfFaceName, "Tahoma");
    return font;
}

}  // namespace

NONCLIENTMETRICSA NonClientMetrics() {
    NONCLIENTMETRICSA metrics;
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
    metrics.lfCaptionFont = InterfaceFont(FW_BOLD);
    metrics.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
    metrics.iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
    metrics.lfSmCaptionFont = InterfaceFont(FW_BOLD);
    metrics.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
    metrics.iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
    metrics.lfMenuFont = InterfaceFont(FW_NORMAL);
    metrics.lfStatusFont = InterfaceFont(FW_NORMAL);
    metrics.lfMessageFont = InterfaceFont(FW_NORMAL);
    return metrics;
}

void SetScreenSize(int width, int height) {
    if (width > 0 && height > 0) {
        screenWidth = width;
        screenHeight = height;
    }
}

RECT ScreenRect() {
    return RECT{0, 0, screenWidth, screenHeight};
}

RECT WorkArea() {
    return ScreenRect();
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
        case SM_CXVIRTUALSCREEN: return screenWidth;
        case SM_CYSCREEN:
        case SM_CYVIRTUALSCREEN: return screenHeight;
        case SM_CYFULLSCREEN: return screenHeight - 18;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB: return 17;
        case SM_CYCAPTION: return 18;
        case SM_CXBORDER:
        case SM_CYBORDER: return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return 3;
        case SM_CXFRAME:
        case SM_CYFRAME: return 4;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR: return 32;
        case SM_CXSMICON:
        case SM_CYSMICON: return 16;
        case SM_CYMENU: return 19;
        case SM_CXSIZE:
        case SM_CYSIZE: return 18;
        case SM_CXSMSIZE:
        case SM_CYSMSIZE: return 12;
        case SM_CYSMCAPTION: return 15;
        case SM_CXMENUSIZE:
        case SM_CYMENUSIZE: return 18;
        case SM_CXMIN: return 112;
        case SM_CYMIN: return 27;
        case SM_CXMINTRACK: return 112;
        case SM_CYMINTRACK: return 27;
        case SM_CXMINIMIZED: return 160;
        case SM_CYMINIMIZED: return 24;
        case SM_CXMAXTRACK: return screenWidth + 2 * 4 + 12;
        case SM_CYMAXTRACK: return screenHeight + 2 * 4 + 12;
        case SM_CXMAXIMIZED: return screenWidth + 2 * 4;
        case SM_CYMAXIMIZED: return screenHeight + 2 * 4;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK: return 4;
        case SM_CXDRAG:
        case SM_CYDRAG: return 4;
        case SM_CXMENUCHECK:
        case SM_CYMENUCHECK: return 13;
        case SM_MOUSEWHEELPRESENT: return 1;
        case SM_CMONITORS: return 1;
        case SM_SWAPBUTTON: return 0;
        case SM_CXFOCUSBORDER:
        case SM_CYFOCUSBORDER: return 1;
        default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT) {
    switch (action) {
        case SPI_GETWORKAREA:
            if (!pvParam) break;
            *static_cast<RECT*>(pvParam) = WorkArea();
            return TRUE;
        case SPI_GETDRAGFULLWINDOWS:
            if (!pvParam) break;
            *static_cast<BOOL*>(pvParam) = TRUE;
            return TRUE;
        case SPI_GETANIMATION:
            if (!pvParam) break;
            static_cast<ANIMATIONINFO*>(pvParam)->iMinAnimate = minAnimate;
            return TRUE;
        case SPI_SETANIMATION:
            if (!pvParam) break;
            minAnimate = static_cast<ANIMATIONINFO*>(pvParam)->iMinAnimate;
            return TRUE;
        case SPI_GETTOOLTIPANIMATION:
        case SPI_GETTOOLTIPFADE:
        case SPI_GETFLATMENU:
        case SPI_GETKEYBOARDCUES:
            if (!pvParam) break;
            *static_cast<BOOL*>(pvParam) = FALSE;
            return TRUE;
        case SPI_GETNONCLIENTMETRICS:
            if (!pvParam) break;
            *static_cast<NONCLIENTMETRICSA*>(pvParam) = NonClientMetrics();
            return TRUE;
        case SPI_GETWHEELSCROLLLINES:
            if (!pvParam) break;
            *static_cast<UINT*>(pvParam) = 3;
            return TRUE;
        default:
            (void)uiParam;
            break;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

namespace {

HMONITOR const ThePrimaryMonitor = reinterpret_cast<HMONITOR>(0x10001);

}  // namespace

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    RECT screen = ScreenRect();
    if (!PtInRect(&screen, point) && flags == MONITOR_DEFAULTTONULL) return nullptr;
    return ThePrimaryMonitor;
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    RECT screen = ScreenRect(), overlap;
    if ((!rect || !IntersectRect(&overlap, rect, &screen)) && flags == MONITOR_DEFAULTTONULL) return nullptr;
    return ThePrimaryMonitor;
}

HMONITOR MonitorFromWindow(HWND__*, DWORD) {
    return ThePrimaryMonitor;
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    if (monitor != ThePrimaryMonitor || !info || info->cbSize < sizeof(MONITORINFO)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->rcMonitor = ScreenRect();
    info->rcWork = WorkArea();
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

UINT GetDoubleClickTime() {
    return doubleClickTime;
}

BOOL SetDoubleClickTime(UINT milliseconds) {
    doubleClickTime = milliseconds ? milliseconds : 500;
    return TRUE;
}

}  // namespace platform
