#include "platform/display/Display.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/system/ThreadId.h"
#include "platform/window/MessageQueue.h"

namespace platform {
namespace {

// Backends are called one at a time; desktop events are read only on the
// thread that chose the backend (the desktop libraries want one thread).
std::recursive_mutex& DisplayLock() {
    static std::recursive_mutex lock;
    return lock;
}

std::atomic<DWORD>& DisplayThread() {
    static std::atomic<DWORD> thread = 0;
    return thread;
}

std::unique_ptr<DisplayBackend>& Backend() {
    static std::unique_ptr<DisplayBackend> backend;
    return backend;
}

// Wakes come from any thread, often with the message queue locked, so they
// reach the backend under a lock of their own rather than DisplayLock.
std::mutex& WakeLock() {
    static std::mutex lock;
    return lock;
}

DisplayBackend*& WakeTarget() {
    static DisplayBackend* target = nullptr;
    return target;
}

// Callers hold DisplayLock.
void ReplaceBackend(std::unique_ptr<DisplayBackend> next) {
    std::lock_guard wakeLock(WakeLock());
    Backend() = std::move(next);
    WakeTarget() = Backend().get();
}

// Callers hold DisplayLock.
DisplayBackend& Current() {
    if (!Backend()) {
        DisplayThread() = GetCurrentThreadId();
        const char* wanted = std::getenv("VELZAR_DISPLAY");
        std::unique_ptr<DisplayBackend> backend;
        if (!(wanted && std::strcmp(wanted, "headless") == 0)) backend = MakeSdlDisplay();
        if (!backend) backend = MakeHeadlessDisplay();
        ReplaceBackend(std::move(backend));
    }
    return *Backend();
}

}  // namespace

const char* DisplayName() {
    std::lock_guard lock(DisplayLock());
    return Current().Name();
}

void DisplayWindowChanged(HWND topLevel) {
    std::lock_guard lock(DisplayLock());
    Current().WindowChanged(topLevel);
}

void DisplaySurfaceChanged(HWND topLevel) {
    std::lock_guard lock(DisplayLock());
    Current().SurfaceChanged(topLevel);
}

void DisplayWindowDestroyed(HWND topLevel) {
    std::lock_guard lock(DisplayLock());
    Current().WindowDestroyed(topLevel);
}

void PumpDisplay() {
    std::lock_guard lock(DisplayLock());
    DisplayBackend& backend = Current();
    if (DisplayThread() == GetCurrentThreadId()) backend.Pump();
}

bool WaitForDisplay(DWORD timeout) {
    DisplayBackend* backend;
    {
        std::lock_guard lock(DisplayLock());
        backend = &Current();
        if (DisplayThread() != GetCurrentThreadId()) return false;
    }
    // Not under DisplayLock: other threads tell the display of their windows
    // meanwhile. Only this thread replaces the backend.
    return backend->Wait(timeout);
}

void WakeDisplay(DWORD thread) {
    if (thread != DisplayThread()) return;
    std::lock_guard lock(WakeLock());
    if (DisplayBackend* target = WakeTarget()) target->Wake();
}

namespace testing {

void UseHeadlessDisplay() {
    std::lock_guard lock(DisplayLock());
    if (!Backend() || std::strcmp(Backend()->Name(), "headless") != 0) ReplaceBackend(MakeHeadlessDisplay());
    DisplayThread() = GetCurrentThreadId();
}

}  // namespace testing
}  // namespace platform
