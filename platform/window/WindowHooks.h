#pragma once
// Thread hooks: procedures that see windows being made, activated and
// destroyed before the windows themselves hear of it.

#include "platform/window/WindowMessages.h"

namespace platform {

struct HHOOK__;
using HHOOK = HHOOK__*;
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

constexpr int WH_CBT = 5;

constexpr int HCBT_MOVESIZE = 0;
constexpr int HCBT_MINMAX = 1;
constexpr int HCBT_ACTIVATE = 5;
constexpr int HCBT_CREATEWND = 3;
constexpr int HCBT_DESTROYWND = 4;
constexpr int HCBT_SETFOCUS = 9;

struct CBT_CREATEWND {
    CREATESTRUCT* lpcs = nullptr;
    HWND hwndInsertAfter = nullptr;
};

struct CBTACTIVATESTRUCT {
    BOOL fMouse = FALSE;
    HWND hWndActive = nullptr;
};

// thread 0 hooks every thread of the process. The newest hook runs first.
HHOOK SetWindowsHookEx(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread);
BOOL UnhookWindowsHookEx(HHOOK hook);
// Hands the call on to the hook installed before this one (0 at the end).
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

// Inside the window system: runs the CBT hooks of the calling thread; a
// non-zero answer stops the action.
LRESULT CallCbtHooks(int code, WPARAM wParam, LPARAM lParam);

}  // namespace platform
