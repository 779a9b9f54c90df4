#pragma once
// The menu loop: popups shown as windows of the "#32768" class, chosen by
// mouse and keyboard while the loop runs the thread's other messages
// (timers and painting go on). The owner window hears WM_ENTERMENULOOP,
// WM_INITMENU, WM_INITMENUPOPUP before each popup opens (the high word of
// lParam set for a system menu), WM_MEASUREITEM and WM_DRAWITEM for
// owner-drawn items, WM_MENUSELECT, WM_ENTERIDLE (MSGF_MENU) whenever the
// queue is empty, WM_UNINITMENUPOPUP, and WM_EXITMENULOOP; the chosen
// command is posted as WM_COMMAND (WM_SYSCOMMAND from a system menu).

#include "platform/menus/Menus.h"

namespace platform {

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

constexpr WPARAM MSGF_MENU = 2;
constexpr UINT WM_MENUCHAR = 0x0120;
constexpr UINT WM_UNINITMENUPOPUP = 0x0125;
// WM_MENUCHAR answers (high word).
constexpr LRESULT MNC_IGNORE = 0;
constexpr LRESULT MNC_CLOSE = 1;
constexpr LRESULT MNC_EXECUTE = 2;
constexpr LRESULT MNC_SELECT = 3;

struct TPMPARAMS {
    UINT cbSize = sizeof(TPMPARAMS);
    RECT rcExclude;
};

// Shows the popup at (x, y) and runs the loop until an item is chosen or
// the menu is dismissed (Escape, a click outside, EndMenu). With
// TPM_RETURNCMD the chosen identifier is answered (0 for none) and nothing
// is posted; otherwise TRUE when the loop ran. FALSE while another menu
// loop runs or for a bad menu or window.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
// Ends the running menu loop, choosing nothing.
BOOL EndMenu();
// The screen rectangle of an item of a shown menu (the bar of `window`, or
// an open popup); FALSE when the menu is not shown.
BOOL GetMenuItemRect(HWND window, HMENU menu, UINT position, RECT* rect);

// The loop over a window's menu bar: from the keyboard with one item
// selected (its popup opened when `open`), or from a mouse press at a
// screen point. Nothing for a window without a bar.
void TrackMenuBarByKeyboard(HWND window, int item, bool open);
void TrackMenuBarByMouse(HWND window, POINT screenPoint);

}  // namespace platform
