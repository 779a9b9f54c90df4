#pragma once
// The timer the skin's animations run on. In spite of its name it starts no
// thread: it wraps a GUI timer it owns and never enters its tick handler
// twice. A handler that raises leaves the guard clear, so the timer keeps firing.

#include "ui/core/Component.h"
#include "ui/core/Events.h"

class TTimer;

// Stored only; the timer runs on the GUI thread whatever it says.
enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TxThreadedTimer : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TxThreadedTimer(TComponent* owner);
    // Disabled; with routeToTick OnTimer calls the virtual Tick.
    static TxThreadedTimer* CreateOwned(TComponent* owner, bool routeToTick);
    ~TxThreadedTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    TThreadPriority ThreadPriority() const { return threadPriority_; }
    void SetThreadPriority(TThreadPriority value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // The inner timer runs exactly while this is true.
    bool Running() const;

protected:
    TxThreadedTimer(TComponent* owner, bool routeToTick);
    // Descendants' work on each tick when routed to it.
    virtual void Tick() {}
    virtual void DoTimer();

private:
    void Refresh();
    void GuardedTick();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    TTimer* timer_ = nullptr;
    TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
    bool inHandler_ = false;
};
