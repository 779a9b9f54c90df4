#pragma once
// Driving a shown window on the headless display: clicks on its controls,
// and keys for the modal dialog it is about to open.

#include "ui/forms/Control.h"
#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"

#include <functional>
#include <string>
#include <vector>

inline void ClickOn(TControl* control) {
    TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
    platform::testing::Click(p.X, p.Y);
    platform::testing::PumpMessages();
}

// Made just before the call that opens a modal dialog: once the dialog's
// loop runs (a posted message reaches `form` there), notes the dialog's
// caption, runs `before` and presses the keys.
class ModalAnswer {
public:
    ModalAnswer(TCustomForm* form, std::vector<platform::UINT> keys, std::function<void()> before = nullptr)
        : form_(form), inner_(form->WindowProc) {
        form->WindowProc = [this, keys, before](TMessage& m) {
            if (m.Msg != kAnswerMessage) return inner_(m);
            TCustomForm* dialog = Screen->ActiveForm();
            if (dialog && dialog != form_) caption = dialog->Caption();
            if (before) before();
            for (platform::UINT key : keys) {
                platform::testing::PressKey(key);
                platform::testing::ReleaseKey(key);
            }
        };
        platform::PostMessage(form->Handle(), kAnswerMessage, 0, 0);
    }
    ~ModalAnswer() { form_->WindowProc = inner_; }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    std::string caption;  // empty: no dialog came

private:
    static constexpr platform::UINT kAnswerMessage = platform::WM_APP + 7;
    TCustomForm* form_;
    std::function<void(TMessage&)> inner_;
};
