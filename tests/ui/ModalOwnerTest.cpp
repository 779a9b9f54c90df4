#include "ModalSteps.h"

#include "ui/controls/Button.h"

#include "platform/window/Focus.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

using ModalOwner = ModalDialogFixture;

// A dialog over a stay-on-top window, its buttons where that window lies.
struct DialogOverStayOnTop {
    TForm dialog{nullptr};
    TButton* ok = new TButton(&dialog);
    TButton* cancel = new TButton(&dialog);

    DialogOverStayOnTop() {
        dialog.SetBorderStyle(TFormBorderStyle::bsDialog);
        dialog.SetBounds(150, 150, 240, 120);
        ok->SetName("Ok");
        ok->SetParent(&dialog);
        ok->SetBounds(20, 40, 80, 25);
        ok->ModalResult = mrOk;
        cancel->SetParent(&dialog);
        cancel->SetBounds(120, 40, 80, 25);
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
    }
};

TEST_F(ModalOwner, AClickReachesADialogOpenedFromAStayOnTopWindow) {
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    DialogOverStayOnTop d;
    bool dialogOnTop = false;
    // A click that missed the dialog leaves Escape to end the loop with Cancel.
    AnswerWith({ClickStep("Ok"), KeyStep(platform::VK_ESCAPE)}, [&](TCustomForm& shown) {
        TPoint middle = d.ok->ClientToScreen({d.ok->Width() / 2, d.ok->Height() / 2});
        dialogOnTop = &shown == &d.dialog &&
                      platform::GetAncestor(platform::WindowFromPoint({middle.X, middle.Y}), platform::GA_ROOT) ==
                          d.dialog.Handle();
    });
    EXPECT_EQ(d.dialog.ShowModal(), mrOk);
    EXPECT_TRUE(dialogOnTop);
}

TEST_F(ModalOwner, ClosingTheDialogGivesTheKeyboardBackAndLeavesItUnowned) {
    form->SetFormStyle(TFormStyle::fsStayOnTop);
    DialogOverStayOnTop d;
    AnswerWith({KeyStep(platform::VK_ESCAPE)});
    EXPECT_EQ(d.dialog.ShowModal(), mrCancel);
    Pump();
    EXPECT_EQ(platform::GetActiveWindow(), form->Handle());
    EXPECT_EQ(platform::GetAncestor(platform::GetFocus(), platform::GA_ROOT), form->Handle());
    EXPECT_EQ(platform::GetWindowLongPtr(d.dialog.Handle(), platform::GWLP_HWNDPARENT), 0);
    EXPECT_FALSE(platform::GetWindowLongPtr(d.dialog.Handle(), platform::GWL_EXSTYLE) & platform::WS_EX_TOPMOST);
    // The owner going away later leaves the dialog's window alone.
    platform::HWND dialogWindow = d.dialog.Handle();
    form.reset();
    EXPECT_TRUE(platform::IsWindow(dialogWindow));
}

}  // namespace
