#pragma once
// Window timers: WM_TIMER comes to the window (or the timer procedure runs)
// once the interval has passed on the clock and the thread's queue is idle.

#include "platform/window/WindowMessages.h"

namespace platform {

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// A window timer with an id already set is restarted with the new interval.
// Without a window the new timer's id is returned.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR id);

// Inside the window system.
// The next due timer of the thread as a WM_TIMER message; with remove, it
// starts its next interval.
bool TakeDueTimer(DWORD thread, HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG* message);
// Milliseconds until the thread's next timer is due (INFINITE for none).
DWORD TimeToNextTimer(DWORD thread);
void KillWindowTimers(HWND window);

}  // namespace platform
