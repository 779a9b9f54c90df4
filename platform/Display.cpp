#include "platform/Display.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace platform {
namespace {

std::mutex& DisplayLock() {
    static std::mutex lock;
    return lock;
}

std::unique_ptr<DisplayBackend>& Backend() {
    static std::unique_ptr<DisplayBackend> backend;
    return backend;
}

DisplayBackend& Current() {
    std::lock_guard lock(DisplayLock());
    auto& backend = Backend();
    if (!backend) {
        const char* wanted = std::getenv("VELZAR_DISPLAY");
        if (!(wanted && std::strcmp(wanted, "headless") == 0)) backend = MakeSdlDisplay();
        if (!backend) backend = MakeHeadlessDisplay();
    }
    return *backend;
}

}  // namespace

const char* DisplayName() {
    return Current().Name();
}

void DisplayWindowChanged(HWND topLevel) {
    Current().WindowChanged(topLevel);
}

void DisplaySurfaceChanged(HWND topLevel) {
    Current().SurfaceChanged(topLevel);
}

void DisplayWindowDestroyed(HWND topLevel) {
    Current().WindowDestroyed(topLevel);
}

void PumpDisplay() {
    Current().Pump();
}

DWORD DisplayPollInterval() {
    return Current().PollInterval();
}

namespace testing {

void UseHeadlessDisplay() {
    std::lock_guard lock(DisplayLock());
    auto& backend = Backend();
    if (!backend || std::strcmp(backend->Name(), "headless") != 0) backend = MakeHeadlessDisplay();
}

}  // namespace testing
}  // namespace platform
