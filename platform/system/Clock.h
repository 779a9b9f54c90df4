#pragma once
// The monotonic millisecond clock that timers and message times read. Tests
// may switch it to a virtual clock that moves only when they advance it.

#include <cstdint>

#include "platform/system/Handles.h"

namespace platform {

DWORD GetTickCount();
std::uint64_t GetTickCount64();
void Sleep(DWORD milliseconds);

namespace testing {

// Starts the virtual clock at the real clock's reading (true) or goes back to
// the real clock (false).
void UseVirtualClock(bool on);
bool VirtualClockInUse();
// Moves the virtual clock on and wakes every thread waiting for messages.
void AdvanceClock(DWORD milliseconds);

// The virtual clock while the scope lives, the real one again after it, also
// when a failed check leaves the test early.
class [[nodiscard]] VirtualClockScope {
public:
    VirtualClockScope() { UseVirtualClock(true); }
    ~VirtualClockScope() { UseVirtualClock(false); }
    VirtualClockScope(const VirtualClockScope&) = delete;
    VirtualClockScope& operator=(const VirtualClockScope&) = delete;
};

}  // namespace testing
}  // namespace platform
