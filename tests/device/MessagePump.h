#pragma once
// The test's thread as the GUI thread: it runs the queued messages and the
// workers' handovers while it waits.

#include "platform/window/MessageQueue.h"
#include "ui/core/Thread.h"

#include <chrono>

inline void RunMessages() {
    platform::MSG message;
    while (platform::PeekMessage(&message, nullptr, 0, 0, platform::PM_REMOVE)) platform::DispatchMessage(&message);
    CheckSynchronize(5);
}

// Generous by default: plug and unplug notices arrive late on a loaded machine,
// and a condition met early returns at once.
template <class Condition>
bool RunMessagesUntil(Condition condition, std::chrono::milliseconds within = std::chrono::milliseconds(120000)) {
    auto until = std::chrono::steady_clock::now() + within;
    for (;;) {
        RunMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > until) return false;
    }
}
