#pragma once
// An unexpected exception inside a worker's job: the wake-up of the GUI
// thread that each handover from a worker makes throws, `times` times (the
// handover itself is queued first). A second time hits the job's report of
// the first.

#include "ui/core/Thread.h"

#include <atomic>
#include <stdexcept>

constexpr const char* kWakeFailure = "сбой передачи";

class ThrowingWake {
public:
    explicit ThrowingWake(int times) : left_(times) {
        SetWakeMainThread([this] {
            if (!IsMainThread() && left_.fetch_sub(1) > 0) throw std::runtime_error(kWakeFailure);
        });
    }
    ~ThrowingWake() { SetWakeMainThread(nullptr); }
    ThrowingWake(const ThrowingWake&) = delete;
    ThrowingWake& operator=(const ThrowingWake&) = delete;

private:
    std::atomic<int> left_;
};
