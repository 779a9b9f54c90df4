#pragma once
// A disk that fills up after a few hundred bytes, while the scope lives:
// writes beyond that fail as on a full disk, whoever runs the test.

#include <csignal>
#include <sys/resource.h>

class FullDisk {
public:
    static constexpr rlim_t kRoomLeft = 200;
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = kRoomLeft;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*savedSignal_)(int) = nullptr;
};
