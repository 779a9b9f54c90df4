#pragma once
// The display: where top-level windows show. With a desktop available every
// top-level window is a borderless window of the desktop showing its
// pixels (SDL); without one (tests, CI) windows live in memory only.

#include <memory>

#include "platform/window/WindowMessages.h"

namespace platform {

// "sdl" or "headless". The backend is chosen on first use: headless when
// VELZAR_DISPLAY=headless or no desktop answers.
const char* DisplayName();

// Inside the window system.
void DisplayWindowChanged(HWND topLevel);   // placed, shown, hidden, layered
void DisplaySurfaceChanged(HWND topLevel);  // pixels painted
void DisplayWindowDestroyed(HWND topLevel);
// Brings desktop events in and painted pixels out; the message loop calls it.
void PumpDisplay();
// On the thread that reads the desktop: sleeps until a desktop event comes,
// WakeDisplay is called or the time-out passes, and answers true. Answers
// false at once where there is no desktop to wait on (headless, other threads).
bool WaitForDisplay(DWORD timeout);
// Ends a WaitForDisplay of that thread; any thread may call it, at any time
// (a wake with nobody waiting ends the next wait at once).
void WakeDisplay(DWORD thread);

class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;
    virtual const char* Name() const = 0;
    virtual void WindowChanged(HWND topLevel) = 0;
    virtual void SurfaceChanged(HWND topLevel) = 0;
    virtual void WindowDestroyed(HWND topLevel) = 0;
    virtual void Pump() = 0;
    // As WaitForDisplay, on the backend's thread; false when it cannot wait.
    virtual bool Wait(DWORD timeout) = 0;
    // Thread-safe.
    virtual void Wake() = 0;
};

std::unique_ptr<DisplayBackend> MakeSdlDisplay();  // null when no desktop answers
std::unique_ptr<DisplayBackend> MakeHeadlessDisplay();

namespace testing {
// Tests call this before their first window to stay off any desktop.
void UseHeadlessDisplay();
}  // namespace testing

}  // namespace platform
