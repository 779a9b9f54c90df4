#include "platform/system/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/window/MessageQueue.h"

namespace platform {
namespace {

std::atomic<bool> virtualOn{false};
std::atomic<std::uint64_t> virtualNow{0};

std::uint64_t RealNow() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

std::uint64_t GetTickCount64() {
    return virtualOn ? virtualNow.load() : RealNow();
}

DWORD GetTickCount() {
    return static_cast<DWORD>(GetTickCount64());
}

void Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace testing {

void UseVirtualClock(bool on) {
    if (on && !virtualOn) virtualNow = RealNow();
    virtualOn = on;
    WakeAllThreads();
}

bool VirtualClockInUse() {
    return virtualOn;
}

void AdvanceClock(DWORD milliseconds) {
    virtualNow += milliseconds;
    WakeAllThreads();
}

}  // namespace testing
}  // namespace platform
