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

}  // namespace testing
}  // namespace platform
