#include "ui/core/Thread.h"

#include <future>

#include "ui/core/Exceptions.h"

#include <chrono>
#include <deque>
#include <memory>

namespace {

// Set while the program's static objects are made, which happens on the
// thread that starts the program.
const std::thread::id kMainThread = std::this_thread::get_id();

struct Call {
    TThreadMethod method;
    bool waited = false;
    bool done = false;
    std::exception_ptr error;
};

struct SyncQueue {
    std::mutex lock;
    std::condition_variable changed;  // a call came, a call ended, a thread ended
    std::deque<std::shared_ptr<Call>> calls;
    std::function<void()> wake;
    std::function<void()> waitHook;
};

SyncQueue& Pending() {
    static SyncQueue queue;
    return queue;
}

void Hand(const std::shared_ptr<Call>& call) {
    SyncQueue& q = Pending();
    std::function<void()> wake;
    {
        std::lock_guard guard(q.lock);
        q.calls.push_back(call);
        wake = q.wake;
    }
    q.changed.notify_all();
    if (wake) wake();
}

}  // namespace

bool IsMainThread() { return std::this_thread::get_id() == kMainThread; }

bool CheckSynchronize(int timeoutMs) {
    if (!IsMainThread()) return false;
    SyncQueue& q = Pending();
    std::deque<std::shared_ptr<Call>> calls;
    {
        std::unique_lock guard(q.lock);
        if (q.calls.empty() && timeoutMs > 0)
            q.changed.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return !q.calls.empty(); });
        calls.swap(q.calls);
    }
    std::exception_ptr queuedError;
    for (auto& call : calls) {
        try {
            call->method();
        } catch (...) {
            if (call->waited) call->error = std::current_exception();
            else if (!queuedError) queuedError = std::current_exception();
        }
        if (call->waited) {
            std::lock_guard guard(q.lock);
            call->done = true;
        }
    }
    if (!calls.empty()) q.changed.notify_all();
    if (queuedError) std::rethrow_exception(queuedError);
    return !calls.empty();
}

bool SynchronizePending() {
    std::lock_guard guard(Pending().lock);
    return !Pending().calls.empty();
}

void SetWakeMainThread(std::function<void()> wake) {
    std::lock_guard guard(Pending().lock);
    Pending().wake = std::move(wake);
}

void SetMainThreadWaitHook(std::function<void()> serve) {
    std::lock_guard guard(Pending().lock);
    Pending().waitHook = std::move(serve);
}

TThread::TThread() = default;

TThread::~TThread() {
    if (!thread_.joinable()) return;
    if (std::this_thread::get_id() == thread_.get_id()) {
        thread_.detach();  // freeing itself on termination
        return;
    }
    Terminate();
    WaitUntilFinished();
}

void TThread::Start() {
    if (started_.exchange(true)) throw EThread("Cannot call Start on a running or suspended thread");
    // The new thread waits until thread_ and id_ are stored: a thread that
    // frees itself may otherwise be gone before the assignment ends.
    std::promise<void> stored;
    thread_ = std::thread([this, ready = stored.get_future()]() mutable {
        ready.wait();
        Run();
    });
    id_ = thread_.get_id();
    stored.set_value();  // `this` may be freed from here on
}

void TThread::Run() {
    try {
        Execute();
    } catch (...) {
        fatal_ = std::current_exception();
    }
    if (OnTerminate) {
        try {
            Synchronize([this] { OnTerminate(this); });
        } catch (...) {
            if (!fatal_) fatal_ = std::current_exception();
        }
    }
    bool freeSelf = FreeOnTerminate;
    {
        std::lock_guard guard(Pending().lock);
        finished_ = true;
    }
    Pending().changed.notify_all();
    if (freeSelf) delete this;
}

int TThread::WaitFor() {
    if (!started_) throw EThread("Thread was never started");
    if (std::this_thread::get_id() == id_) throw EThread("A thread cannot wait for itself");
    if (FreeOnTerminate) throw EThread("Cannot wait for a thread that frees itself");
    WaitUntilFinished();
    return returnValue_;
}

void TThread::WaitUntilFinished() {
    SyncQueue& q = Pending();
    while (!finished_) {
        if (IsMainThread()) {
            CheckSynchronize();
            std::function<void()> hook;
            {
                std::lock_guard guard(q.lock);
                hook = q.waitHook;
            }
            if (hook) hook();
        }
        std::unique_lock guard(q.lock);
        // A short bound: messages sent through the wait hook do not signal us.
        q.changed.wait_for(guard, std::chrono::milliseconds(5),
                           [&] { return finished_ || (IsMainThread() && !q.calls.empty()); });
    }
    if (thread_.joinable()) thread_.join();
}

void TThread::Synchronize(TThread*, const TThreadMethod& method) {
    if (IsMainThread()) {
        method();
        return;
    }
    auto call = std::make_shared<Call>();
    call->method = method;
    call->waited = true;
    Hand(call);
    SyncQueue& q = Pending();
    {
        std::unique_lock guard(q.lock);
        q.changed.wait(guard, [&] { return call->done; });
    }
    if (call->error) std::rethrow_exception(call->error);
}

void TThread::Queue(TThread*, const TThreadMethod& method) {
    if (IsMainThread()) {
        method();
        return;
    }
    auto call = std::make_shared<Call>();
    call->method = method;
    Hand(call);
}
