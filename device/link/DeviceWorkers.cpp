#include "device/link/DeviceWorkers.h"

#include "ui/core/ScopeGuards.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace {

struct TDeviceWorker {
    std::unique_ptr<TThread> thread;
    TDeviceWorkerKind kind;
};

struct TWorkerRegistry {
    std::mutex lock;
    std::vector<TDeviceWorker> workers;
    std::atomic<bool> stopping{false};
};

TWorkerRegistry& Registry() {
    static TWorkerRegistry registry;
    return registry;
}

// Joins and frees the workers that have ended; outside the lock, as joining
// may serve the GUI thread's handovers.
void ReapFinished() {
    std::vector<TDeviceWorker> ended;
    {
        TWorkerRegistry& registry = Registry();
        std::lock_guard guard(registry.lock);
        auto running = std::stable_partition(registry.workers.begin(), registry.workers.end(),
                                             [](const TDeviceWorker& w) { return !w.thread->Finished(); });
        std::move(running, registry.workers.end(), std::back_inserter(ended));
        registry.workers.erase(running, registry.workers.end());
    }
    for (TDeviceWorker& worker : ended) worker.thread->WaitFor();
}

bool AnyRunning(bool (*wanted)(TDeviceWorkerKind)) {
    ReapFinished();
    TWorkerRegistry& registry = Registry();
    std::lock_guard guard(registry.lock);
    return std::any_of(registry.workers.begin(), registry.workers.end(),
                       [&](const TDeviceWorker& w) { return wanted(w.kind); });
}

}  // namespace

bool StartDeviceWorker(std::unique_ptr<TThread> worker, TDeviceWorkerKind kind) {
    ReapFinished();
    TWorkerRegistry& registry = Registry();
    if (registry.stopping) return false;
    worker->FreeOnTerminate = false;
    std::lock_guard guard(registry.lock);
    worker->Start();
    registry.workers.push_back({std::move(worker), kind});
    return true;
}

bool DeviceWorkerRunning() {
    return AnyRunning([](TDeviceWorkerKind) { return true; });
}

bool FirmwareUpdateRunning() {
    return AnyRunning([](TDeviceWorkerKind kind) { return kind == TDeviceWorkerKind::FirmwareUpdate; });
}

void StopDeviceWorkers() {
    TWorkerRegistry& registry = Registry();
    registry.stopping = true;
    ScopeExit stopped([&registry] { registry.stopping = false; });
    std::vector<TDeviceWorker> all;
    {
        std::lock_guard guard(registry.lock);
        all.swap(registry.workers);
    }
    for (TDeviceWorker& worker : all) worker.thread->Terminate();
    for (TDeviceWorker& worker : all) worker.thread->WaitFor();
}

bool DeviceWorkersStopping() { return Registry().stopping; }
