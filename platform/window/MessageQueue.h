#pragma once
// Sending, posting and retrieving messages. Each thread that owns windows has
// a queue; a message sent to a window of another thread runs on that thread
// while the sender waits, and a waiting sender serves messages sent to it.

#include <functional>

#include "platform/window/WindowMessages.h"

namespace platform {

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

constexpr UINT SMTO_NORMAL = 0x0000;
constexpr UINT SMTO_BLOCK = 0x0001;
constexpr UINT SMTO_ABORTIFHUNG = 0x0002;

constexpr UINT QS_KEY = 0x0001;
constexpr UINT QS_MOUSEMOVE = 0x0002;
constexpr UINT QS_MOUSEBUTTON = 0x0004;
constexpr UINT QS_POSTMESSAGE = 0x0008;
constexpr UINT QS_TIMER = 0x0010;
constexpr UINT QS_PAINT = 0x0020;
constexpr UINT QS_SENDMESSAGE = 0x0040;
constexpr UINT QS_MOUSE = QS_MOUSEMOVE | QS_MOUSEBUTTON;
constexpr UINT QS_INPUT = QS_MOUSE | QS_KEY;
constexpr UINT QS_ALLINPUT = QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE;

// Runs the window procedure now (on the window's thread, the caller waiting).
// An exception thrown by the procedure reaches the sender.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// As SendMessage, but gives up after timeout ms when the window's thread does
// not take the message; then returns 0 with ERROR_TIMEOUT.
LRESULT SendMessageTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeout,
                           DWORD_PTR* result);
BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Waits for a message; FALSE for WM_QUIT, -1 for a bad window filter.
BOOL GetMessage(MSG* message, HWND window, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
LRESULT DispatchMessage(const MSG* message);
// Waits until the thread's queue has something new.
BOOL WaitMessage();
// The kinds of messages waiting (high word: new since the last call; low: all).
DWORD GetQueueStatus(UINT flags);
// Is a posted message with a number in [first, last] waiting for this thread?
bool HasPostedMessage(UINT first, UINT last);
DWORD GetMessageTime();
DWORD GetMessagePos();
BOOL InSendMessage();

// Waits until ready() holds or timeout ms pass, serving messages sent to
// this thread meanwhile, so that a worker sending to this thread cannot
// deadlock against it. INFINITE waits without end. TRUE when ready.
constexpr DWORD INFINITE = 0xFFFFFFFF;
bool WaitServingSentMessages(const std::function<bool()>& ready, DWORD timeout);

// Inside the window system: runs call on the window's thread (now, when that
// is the calling thread), the caller waiting as for a sent message.
LRESULT RunOnWindowThread(HWND window, const std::function<LRESULT()>& call);
bool IsWindowThread(HWND window);
// Queues a message from the mouse or keyboard with its own time and point.
void PostInputMessage(const MSG& message);

// Wakes a thread that waits for messages, so that it looks again.
void WakeThread(DWORD thread);
void WakeAllThreads();

}  // namespace platform
