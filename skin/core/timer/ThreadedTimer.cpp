#include "skin/core/timer/ThreadedTimer.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Timer.h"

namespace {

constexpr unsigned kDefaultInterval = 1000;

}  // namespace

const TClassInfo& TxThreadedTimer::StaticClass() {
    static const TClassInfo info =
        TPublished<TxThreadedTimer>("TxThreadedTimer", TComponent::StaticClass())
            .Boolean("Enabled", &TxThreadedTimer::Enabled, &TxThreadedTimer::SetEnabled, true)
            .Integer("Interval", &TxThreadedTimer::Interval, &TxThreadedTimer::SetInterval, kDefaultInterval)
            .Build();
    return info;
}

TxThreadedTimer::TxThreadedTimer(TComponent* owner) : TComponent(owner) {
    // During termination no inner timer is made: the component never fires.
    if (Application && Application->Terminated()) return;
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(interval_);
    timer_->OnTimer = [this](TObject*) { GuardedTick(); };
    Refresh();
}

TxThreadedTimer::TxThreadedTimer(TComponent* owner, bool routeToTick) : TxThreadedTimer(owner) {
    SetEnabled(false);
    if (routeToTick) SetOnTimer([this](TObject*) { Tick(); });
}

TxThreadedTimer* TxThreadedTimer::CreateOwned(TComponent* owner, bool routeToTick) {
    return new TxThreadedTimer(owner, routeToTick);
}

TxThreadedTimer::~TxThreadedTimer() {
    if (timer_) timer_->SetEnabled(false);
}

void TxThreadedTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Refresh();
}

void TxThreadedTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    if (timer_) timer_->SetInterval(milliseconds);
    Refresh();
}

void TxThreadedTimer::SetThreadPriority(TThreadPriority value) {
    if (value == threadPriority_) return;
    threadPriority_ = value;
    Refresh();
}

void TxThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Refresh();
}

bool TxThreadedTimer::Running() const { return timer_ && timer_->Enabled(); }

void TxThreadedTimer::Refresh() {
    if (!timer_) return;
    timer_->SetEnabled(false);
    if (interval_ != 0 && enabled_ && onTimer_) timer_->SetEnabled(true);
}

void TxThreadedTimer::DoTimer() { FireEvent(onTimer_, this); }

void TxThreadedTimer::GuardedTick() {
    // A tick that arrives while the handler pumps messages is dropped.
    if (!Running() || inHandler_) return;
    inHandler_ = true;
    ScopeExit clear([this] { inHandler_ = false; });
    DoTimer();
}
