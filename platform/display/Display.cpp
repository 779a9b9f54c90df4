#include "platform/display/Display.h"

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

DWORD& DisplayThread() {
    static DWORD thread = 0;
    return thread;
}

std::unique_ptr<DisplayBackend>& Backend() {
    static std::unique_ptr<DisplayBackend> backend;
    return backend;
}

// Callers hold DisplayLock.
DisplayBackend& Current() {
    auto& backend = Backend();
    if (!backend) {
        DisplayThread() = GetCurrentThreadId();
        const char* wanted = std::getenv("VELZAR_DISPLAY");
        if (!(wanted && std::strcmp(wanted, "headless") == 0)) backend = MakeSdlDisplay();
        if (!backend) backend = MakeHeadlessDisplay();
    }
    return *backend;
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

DWORD DisplayPollInterval() {
    std::lock_guard lock(DisplayLock());
    DisplayBackend& backend = Current();
    return DisplayThread() == GetCurrentThreadId() ? backend.PollInterval() : INFINITE;
}

namespace testing {

void UseHeadlessDisplay() {
    std::lock_guard lock(DisplayLock());
    auto& backend = Backend();
    if (!backend || std::strcmp(backend->Name(), "headless") != 0) backend = MakeHeadlessDisplay();
    DisplayThread() = GetCurrentThreadId();
}

}  // namespace testing
}  // namespace platform
