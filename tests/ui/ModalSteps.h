#pragma once
// Answering a modal dialog in a test: once its loop runs, the fixture's form
// gets a posted message, notes the active dialog and takes the steps (text
// typed, keys pressed, clicks on and focus to the dialog's named controls).

#include "ControlFixture.h"

#include "ui/forms/Screen.h"

#include "platform/window/MessageQueue.h"

#include <functional>
#include <string>
#include <vector>

struct ModalStep {
    std::string text;
    platform::UINT key = 0;
    std::string click;  // the name of a control of the dialog
    std::string focus;  // the name of a control of the dialog
};
inline ModalStep TypeStep(const char* text) { return {text, 0, {}, {}}; }
inline ModalStep KeyStep(platform::UINT key) { return {{}, key, {}, {}}; }
inline ModalStep ClickStep(const char* name) { return {{}, 0, name, {}}; }
inline ModalStep FocusStep(const char* name) { return {{}, 0, {}, name}; }

struct ModalDialogFixture : ControlFixture {
    // `seen` runs first with the dialog, to note what it shows.
    void AnswerWith(std::vector<ModalStep> steps, std::function<void(TCustomForm&)> seen = nullptr) {
        ShowForm();
        auto inner = form->WindowProc;
        form->WindowProc = [inner, steps, seen](TMessage& m) {
            if (m.Msg != platform::WM_APP + 1) return inner(m);
            TCustomForm* dialog = Screen->ActiveForm();
            if (!dialog) return;
            if (seen) seen(*dialog);
            for (const ModalStep& s : steps) {
                if (!s.text.empty()) platform::testing::TypeText(s.text.c_str());
                if (s.key) {
                    platform::testing::PressKey(s.key);
                    platform::testing::ReleaseKey(s.key);
                }
                if (!s.focus.empty()) {
                    // The input before it lands first, as it would for a person.
                    platform::testing::PumpMessages();
                    if (auto* c = dynamic_cast<TWinControl*>(dialog->FindComponent(s.focus))) c->SetFocus();
                }
                if (!s.click.empty())
                    if (auto* c = dynamic_cast<TControl*>(dialog->FindComponent(s.click))) {
                        TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
                        platform::testing::Click(p.X, p.Y);
                    }
            }
        };
        platform::PostMessage(form->Handle(), platform::WM_APP + 1, 0, 0);
    }
};
