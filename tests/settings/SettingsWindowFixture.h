#pragma once
// A settings window on the headless display, driven by keys: every message
// box it asks is noted and answered with `answer`, and the window's files go
// to a temporary folder.

#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"
#include "tests/support/TempFolder.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/dialogs/MessageDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

template <class Window>
class SettingsWindowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    SettingsWindowFixture() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return answer;
        });
    }
    ~SettingsWindowFixture() override { Application->SetMessageBoxFunction(nullptr); }

    static void Press(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
        RunMessages();
    }
    // The edit's text replaced by keys; the last key's release checks it.
    static void Type(TDecimalSpinEdit* edit, const std::string& text) {
        edit->SetFocus();
        RunMessages();
        edit->SelectAll();
        platform::testing::TypeText(text.c_str());
        Press(platform::VK_END);
    }
    // Toggled by the space key: the box may lie outside the scroll box's view.
    static void Toggle(TCheckBox* box) {
        box->SetFocus();
        RunMessages();
        Press(platform::VK_SPACE);
    }
    TDecimalSpinEdit* Edit(int n) const { return form->SpinEdit(("skDecimalSpinEdit" + std::to_string(n)).c_str()); }
    TCheckBox* Box(const char* name) const { return form->CheckBox(name); }
    std::vector<std::string> Log() const {
        std::vector<std::string> lines;
        for (int i = 0; i < form->Memo1->Lines()->Count(); ++i) lines.push_back(form->Memo1->Lines()->Strings(i));
        return lines;
    }

    TempFolder folder;
    Window* form = nullptr;
    std::vector<std::string> boxes;
    int answer = IDYES;
};
