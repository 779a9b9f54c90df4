// The settings windows' focus release: a click beside the controls takes the
// focus from a spin edit being typed in, per window, with the application's
// own message handler kept beneath.

#include "settings/ranges/EditFocusRelease.h"
#include "tests/device/WindowDriving.h"
#include "ui/controls/Label.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

namespace {

struct Window {
    explicit Window(int left) {
        form.SetBounds(left, 50, 300, 200);
        target->SetParent(&form);
        target->SetBounds(0, 0, 300, 60);
        edit->SetParent(&form);
        edit->SetBounds(10, 70, 80, 22);
        label->SetParent(&form);
        label->SetCaption("label");
        label->SetBounds(10, 110, 200, 60);
        form.Show();
        Pump();
    }
    // Through the application, whose message handler the release is.
    static void Pump() { Application->ProcessMessages(); }
    // A click on the label while the edit has the focus: true when the target took it.
    bool ClickReleases() {
        edit->SetFocus();
        Pump();
        const TPoint p = label->ClientToScreen({20, 20});
        platform::testing::MoveMouse(p.X, p.Y);
        platform::testing::PressMouse(0);
        Pump();
        platform::testing::ReleaseMouse(0);
        Pump();
        return form.ActiveControl() == target;
    }
    TForm form{nullptr};
    TScrollBox* target = new TScrollBox(&form);
    TDecimalSpinEdit* edit = new TDecimalSpinEdit(&form);
    // Beside the controls: a click on it moves no focus by itself.
    TLabel* label = new TLabel(&form);
};

TEST(EditFocusReleaseTest, EachWindowKeepsItsReleaseAndTheApplicationsHandlerRuns) {
    platform::testing::UseHeadlessDisplay();
    int seen = 0;
    Application->OnMessage = [&seen](platform::MSG&, bool&) { ++seen; };
    Window a(20), b(400);
    EXPECT_FALSE(a.ClickReleases());

    RegisterEditFocusRelease(&a.form, a.target);
    RegisterEditFocusRelease(&b.form, b.target);
    UnregisterEditFocusRelease(&b.form);
    EXPECT_TRUE(a.ClickReleases());
    EXPECT_FALSE(b.ClickReleases());
    EXPECT_GT(seen, 0);

    UnregisterEditFocusRelease(&a.form);
    EXPECT_FALSE(a.ClickReleases());
    seen = 0;
    platform::MSG msg{};
    bool handled = false;
    ASSERT_TRUE(Application->OnMessage);
    Application->OnMessage(msg, handled);
    EXPECT_EQ(seen, 1);
    Application->OnMessage = nullptr;
}

}  // namespace
