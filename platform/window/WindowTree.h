#pragma once
// Windows: making and destroying them, the tree of parents, owners and
// z-order, window longs (with the procedure chain of subclassing),
// properties and window text.

#include "platform/window/WindowStyles.h"

namespace platform {

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
inline HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y, int width,
                         int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}
// Destroys the window, its owned windows and its children. Only the window's
// own thread may destroy it.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

HWND GetDesktopWindow();
// A child's parent; a top-level pop-up's owner; otherwise 0.
HWND GetParent(HWND window);
HWND SetParent(HWND window, HWND newParent);
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
constexpr UINT GA_ROOTOWNER = 3;
HWND GetAncestor(HWND window, UINT kind);
BOOL IsChild(HWND parent, HWND window);
HWND GetWindow(HWND window, UINT relation);
HWND GetTopWindow(HWND window);
HWND GetNextWindow(HWND window, UINT relation);

using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
// Children and their descendants, depth first in z-order.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM lParam);
BOOL EnumWindows(WNDENUMPROC procedure, LPARAM lParam);
BOOL EnumThreadWindows(DWORD thread, WNDENUMPROC procedure, LPARAM lParam);
// Direct children of parent (top-level windows for 0) after childAfter, by class
// name or atom and window text; null arguments match everything.
HWND FindWindowEx(HWND parent, HWND childAfter, const char* className, const char* windowName);
HWND FindWindow(const char* className, const char* windowName);
DWORD GetWindowThreadProcessId(HWND window, DWORD* process);

LONG_PTR GetWindowLongPtr(HWND window, int index);
// GWLP_WNDPROC returns the procedure replaced, so that the new one can pass
// messages on with CallWindowProc. GWL_STYLE and GWL_EXSTYLE send
// WM_STYLECHANGING and WM_STYLECHANGED around the change.
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtr(window, index)); }
inline LONG SetWindowLong(HWND window, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtr(window, index, value));
}
int GetDlgCtrlID(HWND window);
HWND GetDlgItem(HWND parent, int id);

// Properties: named handles on a window; names compare without regard to case.
BOOL SetProp(HWND window, const char* name, HANDLE value);
HANDLE GetProp(HWND window, const char* name);
HANDLE RemoveProp(HWND window, const char* name);

// Window text in UTF-8, through WM_SETTEXT and WM_GETTEXT.
BOOL SetWindowText(HWND window, const char* text);
int GetWindowText(HWND window, char* buffer, int size);
int GetWindowTextLength(HWND window);

}  // namespace platform
