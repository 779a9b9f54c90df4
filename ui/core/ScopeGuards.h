#pragma once
// Cleanup that runs when a scope ends, on a return and on an exception alike,
// in place of hand-written catch-and-rethrow blocks.

#include <exception>
#include <utility>

// Runs `cleanup` once when the scope ends, unless dismissed first (cleanup
// owed only when the work fails). On a normal exit an exception from the
// cleanup goes on to the caller; while another exception unwinds the scope,
// the cleanup's own exception is dropped so the first one survives.
template <class Cleanup>
class [[nodiscard]] ScopeExit {
public:
    explicit ScopeExit(Cleanup cleanup) : cleanup_(std::move(cleanup)) {}
    ~ScopeExit() noexcept(false) {
        if (dismissed_) return;
        if (std::uncaught_exceptions() == unwindingAtStart_) {
            cleanup_();
            return;
        }
        try {
            cleanup_();
        } catch (...) {
        }
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

    void Dismiss() { dismissed_ = true; }

private:
    Cleanup cleanup_;
    bool dismissed_ = false;
    int unwindingAtStart_ = std::uncaught_exceptions();
};

// BeginUpdate now and EndUpdate when the scope ends, for the lists,
// collections and controls that gather their change notices.
template <class Updatable>
class [[nodiscard]] UpdateScope {
public:
    // EndUpdate is owed only once BeginUpdate has returned.
    explicit UpdateScope(Updatable& target) : end_((target.BeginUpdate(), EndUpdateOf{target})) {}
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    struct EndUpdateOf {
        Updatable& target;
        void operator()() const { target.EndUpdate(); }
    };
    ScopeExit<EndUpdateOf> end_;
};
