#include "ui/forms/Timer.h"

#include "ui/core/PublishedProperties.h"
#include "ui/forms/Application.h"

#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/Timers.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

constexpr const char* kClassName = "TTimerWindow";
constexpr const char* kTimerProperty = "VelzarTimer";
constexpr platform::UINT_PTR kTimerId = 1;

}  // namespace

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo info = TPublished<TTimer>("TTimer", TComponent::StaticClass())
                                       .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
                                       .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000)
                                       .Build();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
    if (window_) platform::DestroyWindow(window_);
}

platform::LRESULT TTimer::WindowProcedureOf(platform::HWND window, platform::UINT msg, platform::WPARAM wParam,
                                            platform::LPARAM lParam) {
    if (msg != platform::WM_TIMER) return platform::DefWindowProc(window, msg, wParam, lParam);
    auto* timer = static_cast<TTimer*>(platform::GetProp(window, kTimerProperty));
    if (!timer) return 0;
    try {
        FireEvent(timer->OnTimer, timer);
    } catch (...) {
        Application->HandleException(timer);
    }
    return 0;
}

void TTimer::UpdateTimer() {
    // The count runs whether or not OnTimer is set yet, so a handler set
    // later keeps the phase the timer started with.
    bool run = enabled_ && interval_ > 0 && !IsLoading();
    if (running_) platform::KillTimer(window_, kTimerId);
    running_ = false;
    if (!run) return;
    if (!window_) {
        static bool registered = false;
        if (!registered) {
            platform::WNDCLASS wc;
            wc.lpfnWndProc = &WindowProcedureOf;
            wc.lpszClassName = kClassName;
            platform::RegisterClass(&wc);
            registered = true;
        }
        window_ = platform::CreateWindowEx(0, kClassName, "", platform::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                           nullptr, nullptr);
        platform::SetProp(window_, kTimerProperty, this);
    }
    running_ = platform::SetTimer(window_, kTimerId, interval_, nullptr) != 0;
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    UpdateTimer();
}
