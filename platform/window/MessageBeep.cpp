#include "platform/window/MessageBeep.h"

#include <atomic>

namespace platform {

namespace {

std::atomic<unsigned> beeps{0};

}  // namespace

BOOL MessageBeep(UINT) {
    ++beeps;
    return TRUE;
}

unsigned testing::MessageBeepCount() { return beeps; }

}  // namespace platform
