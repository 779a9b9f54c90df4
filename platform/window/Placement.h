#pragma once
// Where windows stand and whether they show: positions and sizes, z-order,
// showing, hiding, minimizing and maximizing, enabling; rectangles and the
// mapping of points between windows and the screen; finding the window at a
// point.

#include "platform/window/WindowStyles.h"

namespace platform {

// Sends WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING), moves, sizes
// (WM_NCCALCSIZE), reorders, shows or hides, invalidates what changed
// (unless SWP_NOREDRAW) and sends WM_WINDOWPOSCHANGED, whose default
// handling sends WM_MOVE and WM_SIZE.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND window);
// Answers whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);
// Answers whether the window was disabled before.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
// Points from one window's client coordinates to another's (0: the screen).
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
// The window rectangle that a client rectangle needs with these styles.
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    UINT showCmd = 0;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);

constexpr DWORD AW_HOR_POSITIVE = 0x00000001;
constexpr DWORD AW_HOR_NEGATIVE = 0x00000002;
constexpr DWORD AW_VER_POSITIVE = 0x00000004;
constexpr DWORD AW_VER_NEGATIVE = 0x00000008;
constexpr DWORD AW_CENTER = 0x00000010;
constexpr DWORD AW_HIDE = 0x00010000;
constexpr DWORD AW_ACTIVATE = 0x00020000;
constexpr DWORD AW_SLIDE = 0x00040000;
constexpr DWORD AW_BLEND = 0x00080000;
// With window animation off (as this desktop has it) the window shows or
// hides at once; FALSE when it already is as asked.
BOOL AnimateWindow(HWND window, DWORD time, DWORD flags);

// The deepest visible, enabled window under a screen point whose hit test
// does not answer HTTRANSPARENT, honouring window regions.
HWND WindowFromPoint(POINT point);
constexpr UINT CWP_ALL = 0;
constexpr UINT CWP_SKIPINVISIBLE = 1;
constexpr UINT CWP_SKIPDISABLED = 2;
constexpr UINT CWP_SKIPTRANSPARENT = 4;
// The direct child under a point in parent's client coordinates; the parent
// itself when no child is there; 0 outside the parent.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

// Inside the window system.
MINMAXINFO DefaultMinMaxInfo(HWND window);
// Asks the window for its client area (WM_NCCALCSIZE) and keeps the answer.
void RecalculateClientArea(HWND window);
// WM_SIZE and WM_MOVE with the window's current state and client area.
void SendSizeAndMove(HWND window);
void SendSize(HWND window);
void SendMove(HWND window);

}  // namespace platform
