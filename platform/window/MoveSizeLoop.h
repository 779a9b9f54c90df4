#pragma once
// The modal loops of the non-client area: moving and sizing a window with
// the mouse, and pressing a caption button.

#include "platform/window/WindowMessages.h"

namespace platform {

constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_NEXTWINDOW = 0xF040;
constexpr WPARAM SC_PREVWINDOW = 0xF050;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_KEYMENU = 0xF100;
constexpr WPARAM SC_MOUSEMENU = 0xF090;
constexpr WPARAM SC_RESTORE = 0xF120;
constexpr WPARAM SC_CONTEXTHELP = 0xF180;
// SC_MOVE with the caption's hit code: a drag started with the mouse.
constexpr WPARAM SC_DRAGMOVE = 0xF012;

// Runs the loop of SC_MOVE or SC_SIZE (+ WMSZ_ edge): WM_ENTERSIZEMOVE, then
// for each mouse move WM_MOVING or WM_SIZING and SetWindowPos (so
// WM_WINDOWPOSCHANGING and CHANGED), keeping to WM_GETMINMAXINFO's tracking
// sizes, until the left button comes up (Escape puts the window back);
// then WM_EXITSIZEMOVE. Other messages, timers among them, run meanwhile.
// The drag starts from start (screen), or from the pointer's place when null.
void RunMoveSizeLoop(HWND window, WPARAM command, const POINT* start);
// Follows a press on a caption button until the button comes up, and answers
// whether it came up over the same button.
bool TrackCaptionButton(HWND window, LRESULT hit);

}  // namespace platform
