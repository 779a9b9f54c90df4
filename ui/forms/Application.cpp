#include "ui/forms/Application.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Thread.h"
#include "ui/core/TypeInfo.h"
#include "ui/forms/Form.h"
#include "ui/forms/HintWindow.h"
#include "ui/forms/Timer.h"

#include "platform/system/ThreadId.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"

#include <algorithm>
#include <cstdio>

// Lives as long as the process: the forms it owns keep windows, which must
// not be torn down after the window system's own objects are gone at exit.
TApplication* Application = new TApplication(nullptr);

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info("TApplication", &TComponent::StaticClass());
    return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    platform::DWORD guiThread = platform::GetCurrentThreadId();
    SetWakeMainThread([guiThread] { platform::WakeThread(guiThread); });
    // While the GUI thread waits for a worker, messages the worker sends to
    // windows run too.
    SetMainThreadWaitHook([] { platform::WaitServingSentMessages([] { return true; }, 0); });
}

TApplication::~TApplication() {
    SetWakeMainThread(nullptr);
    SetMainThreadWaitHook(nullptr);
}

void TApplication::FormCreated(TCustomForm* form) {
    if (!mainForm_) mainForm_ = form;
    form->DoCreate();
}

void TApplication::FormDestroyed(TCustomForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
    if (hintControl_ && form->ContainsControl(hintControl_)) {
        CancelHint();
        hintControl_ = nullptr;
    }
}

std::string GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

TTimer* TApplication::MakeTimer(TNotifyEvent onTimer) {
    auto* timer = new TTimer(this);
    timer->SetEnabled(false);
    timer->OnTimer = std::move(onTimer);
    return timer;
}

void TApplication::HintMouseMessage(TControl* control) {
    if (control == hintControl_) return;
    bool wasShowing = hintWindow_ && hintWindow_->HintShowing();
    CancelHint();
    hintControl_ = control;
    if (!ShowHint || !control || !control->ShowHint() || GetShortHint(control->Hint()).empty()) return;
    if (!hintTimer_) hintTimer_ = MakeTimer([this](TObject*) {
        hintTimer_->SetEnabled(false);
        ShowHintNow();
    });
    hintTimer_->SetInterval(static_cast<unsigned>(std::max(1, wasShowing ? HintShortPause : HintPause)));
    hintTimer_->SetEnabled(true);
}

void TApplication::ShowHintNow() {
    TControl* control = hintControl_;
    if (!control) return;
    THintInfo info;
    info.HintControl = control;
    platform::POINT cursor;
    platform::GetCursorPos(&cursor);
    info.CursorPos = {cursor.x, cursor.y};
    info.HintPos = {cursor.x, cursor.y + 16};
    TPoint origin = control->ClientOrigin();
    info.CursorRect = Bounds(origin.X, origin.Y, control->ClientWidth(), control->ClientHeight());
    info.HideTimeout = HintHidePause;
    info.HintStr = GetShortHint(control->Hint());
    bool canShow = true;
    std::string text = info.HintStr;
    FireEvent(OnShowHint, text, canShow, info);
    if (!canShow || text.empty()) return;
    if (!hintWindow_) hintWindow_ = new THintWindow(this);
    hintWindow_->SetColor(info.HintColor);
    TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, text);
    hintWindow_->ActivateHint(Bounds(info.HintPos.X, info.HintPos.Y, r.Width(), r.Height()), text);
    if (info.HideTimeout > 0) {
        if (!hideTimer_) hideTimer_ = MakeTimer([this](TObject*) { CancelHint(); });
        hideTimer_->SetInterval(static_cast<unsigned>(info.HideTimeout));
        hideTimer_->SetEnabled(true);
    }
}

void TApplication::CancelHint() {
    if (hintTimer_) hintTimer_->SetEnabled(false);
    if (hideTimer_) hideTimer_->SetEnabled(false);
    if (hintWindow_) hintWindow_->ReleaseHint();
}

void TApplication::Run() {
    if (mainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

bool TApplication::ProcessMessage(platform::MSG& msg) {
    if (!platform::PeekMessage(&msg, nullptr, 0, 0, platform::PM_REMOVE)) return false;
    if (msg.message == platform::WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    try {
        FireEvent(OnMessage, msg, handled);
    } catch (...) {
        HandleException(this);
        handled = true;
    }
    if (!handled) {
        platform::TranslateMessage(&msg);
        platform::DispatchMessage(&msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    platform::MSG msg;
    do {
        try {
            CheckSynchronize();
        } catch (...) {
            HandleException(this);
        }
    } while (ProcessMessage(msg));
}

void TApplication::Idle() {
    bool done = true;
    try {
        FireEvent(OnIdle, this, done);
        CheckSynchronize();
    } catch (...) {
        HandleException(this);
    }
    if (done && !terminated_) platform::WaitMessage();
}

void TApplication::HandleMessage() {
    platform::MSG msg;
    if (!ProcessMessage(msg)) Idle();
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    platform::PostQuitMessage(0);
}

void TApplication::Release(TCustomForm* form) {
    platform::PostMessage(form->Handle(), CM_RELEASE, 0, 0);
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EAbort&) {
        // Silent by design.
    } catch (const std::exception& e) {
        if (OnException) OnException(sender, e);
        else ShowException(e);
    } catch (...) {
        std::runtime_error unknown("Unknown exception");
        if (OnException) OnException(sender, unknown);
        else ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && text.back() > '.') text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    if (messageBox_) return messageBox_(text, caption, flags);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return 1;
}
