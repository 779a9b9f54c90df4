#pragma once
// Answering a modal dialog in a test: once its loop runs, the fixture's form
// gets a posted message, notes the active dialog and takes the steps (text
// typed, keys pressed, clicks on the dialog's named controls, Alt with a letter).

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
    char32_t alt = 0;
};
inline ModalStep TypeStep(const char* text) { return {text, 0, {}, 0}; }
inline ModalStep KeyStep(platform::UINT key) { return {{}, key, {}, 0}; }
inline ModalStep ClickStep(const char* name) { return {{}, 0, name, 0}; }
inline ModalStep AltStep(char letter) { return {{}, 0, {}, static_cast<char32_t>(letter)}; }

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
                if (s.alt) {
                    platform::testing::PressKey(platform::VK_MENU);
                    platform::testing::PressKey(static_cast<platform::UINT>(s.alt));
                    platform::testing::ReleaseKey(static_cast<platform::UINT>(s.alt));
                    platform::testing::ReleaseKey(platform::VK_MENU);
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
