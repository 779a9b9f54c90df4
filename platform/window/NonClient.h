#pragma once
// The non-client area: the frame, caption and scroll-bar room around a
// window's client area, the default client-area calculation and the default
// hit test with every hit code.

#include "platform/window/WindowStyles.h"

namespace platform {

constexpr LRESULT HTERROR = -2;
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTCAPTION = 2;
constexpr LRESULT HTSYSMENU = 3;
constexpr LRESULT HTGROWBOX = 4;
constexpr LRESULT HTSIZE = 4;
constexpr LRESULT HTMENU = 5;
constexpr LRESULT HTHSCROLL = 6;
constexpr LRESULT HTVSCROLL = 7;
constexpr LRESULT HTMINBUTTON = 8;
constexpr LRESULT HTREDUCE = 8;
constexpr LRESULT HTMAXBUTTON = 9;
constexpr LRESULT HTZOOM = 9;
constexpr LRESULT HTLEFT = 10;
constexpr LRESULT HTRIGHT = 11;
constexpr LRESULT HTTOP = 12;
constexpr LRESULT HTTOPLEFT = 13;
constexpr LRESULT HTTOPRIGHT = 14;
constexpr LRESULT HTBOTTOM = 15;
constexpr LRESULT HTBOTTOMLEFT = 16;
constexpr LRESULT HTBOTTOMRIGHT = 17;
constexpr LRESULT HTBORDER = 18;
constexpr LRESULT HTOBJECT = 19;
constexpr LRESULT HTCLOSE = 20;
constexpr LRESULT HTHELP = 21;

// How far the non-client area reaches in from each side of a window with
// these styles (the top includes the caption); menus are not counted.
RECT FrameInsets(DWORD style, DWORD exStyle);

// Where the caption and its parts stand, in window coordinates; empty
// rectangles for parts the window does not have.
struct CaptionLayout {
    RECT caption;
    RECT icon;
    RECT closeButton;
    RECT maximizeButton;
    RECT minimizeButton;
    RECT helpButton;
};
CaptionLayout LayoutCaption(HWND window);

// The default answers (DefWindowProc uses them).
// rect: the window rectangle in, the client rectangle out (parent coordinates).
void DefaultCalcSize(HWND window, RECT* rect);
LRESULT DefaultHitTest(HWND window, POINT screenPoint);

}  // namespace platform
