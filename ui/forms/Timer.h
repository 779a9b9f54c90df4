#pragma once
// A timer component: OnTimer runs on the GUI thread every Interval
// milliseconds while Enabled. An exception in OnTimer is shown by the
// application and the timer keeps running.

#include "ui/core/Component.h"
#include "ui/core/Events.h"

#include "platform/window/WindowMessages.h"

class TTimer : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    // Enabling a running timer changes nothing: it keeps its phase.
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    // A new interval starts the count again.
    void SetInterval(unsigned milliseconds);
    TNotifyEvent OnTimer;
    // Starts or stops the timer as Enabled, Interval and OnTimer say now.
    void UpdateTimer();

private:
    static platform::LRESULT WindowProcedureOf(platform::HWND window, platform::UINT msg, platform::WPARAM wParam,
                                               platform::LPARAM lParam);
    platform::HWND window_ = nullptr;
    bool enabled_ = true;
    bool running_ = false;
    unsigned interval_ = 1000;
};
