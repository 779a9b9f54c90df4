#include "ControlFixture.h"

#include "ui/controls/Button.h"
#include "ui/controls/Image.h"
#include "ui/controls/Label.h"
#include "ui/dialogs/DialogIcons.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Screen.h"

#include "platform/window/MessageQueue.h"

namespace {

struct MessageDialog : ControlFixture {
    // Keys pressed once the modal loop runs: a posted message arrives there.
    void AnswerWith(std::vector<platform::UINT> keys) {
        ShowForm();
        auto inner = form->WindowProc;
        form->WindowProc = [inner, keys](TMessage& m) {
            if (m.Msg == platform::WM_APP + 1) {
                TCustomForm* dialog = Screen->ActiveForm();
                seenCaption = dialog ? dialog->Caption() : "";
                for (platform::UINT key : keys) {
                    platform::testing::PressKey(key);
                    platform::testing::ReleaseKey(key);
                }
                return;
            }
            inner(m);
        };
        platform::PostMessage(form->Handle(), platform::WM_APP + 1, 0, 0);
    }
    static inline std::string seenCaption;
};

TEST_F(MessageDialog, EnterPressesTheDefaultButtonAndEscapeCancels) {
    const struct {
        TMsgDlgButtons buttons;
        platform::UINT key;
        int result;
    } cases[] = {
        {mbOKCancel, platform::VK_RETURN, mrOk},
        {mbOKCancel, platform::VK_ESCAPE, mrCancel},
        {mbYesNo, platform::VK_RETURN, mrYes},
        {mbYesNo, platform::VK_ESCAPE, mrNo},  // no Cancel: No answers Escape
        {mbYesNoCancel, platform::VK_ESCAPE, mrCancel},
        {{TMsgDlgBtn::mbOK}, platform::VK_ESCAPE, mrOk},
    };
    for (const auto& c : cases) {
        AnswerWith({c.key});
        EXPECT_EQ(MessageDlg("Сохранить изменения?", TMsgDlgType::mtConfirmation, c.buttons), c.result);
        EXPECT_EQ(seenCaption, "Confirm");
    }
}

TEST_F(MessageDialog, TabMovesToAnotherButtonBeforeEnter) {
    AnswerWith({platform::VK_TAB, platform::VK_RETURN});
    EXPECT_EQ(MessageDlg("Продолжить?", TMsgDlgType::mtWarning, mbYesNo), mrNo);
}

TEST_F(MessageDialog, MessageBoxFlagsPickButtonsDefaultAndEscape) {
    AnswerWith({platform::VK_RETURN});
    EXPECT_EQ(MessageBoxForm("Выйти из загрузчика?", "Запрос действия", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(seenCaption, "Запрос действия");
    // Yes/No has no cancel: Escape does nothing, Enter then answers.
    AnswerWith({platform::VK_ESCAPE, platform::VK_RETURN});
    EXPECT_EQ(MessageBoxForm("Выйти?", "Запрос действия", MB_YESNO), IDYES);
    AnswerWith({platform::VK_ESCAPE});
    EXPECT_EQ(MessageBoxForm("Повторить?", "", MB_RETRYCANCEL | MB_ICONWARNING), IDCANCEL);
}

TEST(MessageDialogLayout, TheDialogHoldsTheTextAndNamedButtons) {
    platform::testing::UseHeadlessDisplay();
    std::unique_ptr<TForm> dialog = CreateMessageDialog(std::string(300, 'x') + " " + std::string(300, 'y'),
                                                        TMsgDlgType::mtError, mbAbortRetryIgnore);
    EXPECT_EQ(dialog->Caption(), "Error");
    auto* label = dynamic_cast<TLabel*>(dialog->FindComponent("Message"));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->Width(), 400);  // long texts wrap
    for (const char* name : {"Abort", "Retry", "Ignore"}) {
        auto* b = dynamic_cast<TButton*>(dialog->FindComponent(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_GT(b->Top(), label->Top() + label->Height());
        EXPECT_LE(b->Left() + b->Width(), dialog->ClientWidth());
    }
    EXPECT_TRUE(dynamic_cast<TButton*>(dialog->FindComponent("Abort"))->Default());
}

}  // namespace

namespace {

// The buttons read in Russian; the caption of the dialog type stays the library's.
TEST(MessageDialogLayout, ButtonsAreCaptionedInRussian) {
    platform::testing::UseHeadlessDisplay();
    const struct {
        TMsgDlgBtn button;
        const char* name;
        const char* caption;
    } cases[] = {
        {TMsgDlgBtn::mbYes, "Yes", "&Да"},          {TMsgDlgBtn::mbNo, "No", "&Нет"},
        {TMsgDlgBtn::mbOK, "OK", "OK"},             {TMsgDlgBtn::mbCancel, "Cancel", "Отмена"},
        {TMsgDlgBtn::mbAbort, "Abort", "&Прервать"}, {TMsgDlgBtn::mbRetry, "Retry", "Пов&тор"},
        {TMsgDlgBtn::mbIgnore, "Ignore", "Пропу&стить"}, {TMsgDlgBtn::mbHelp, "Help", "&Помощь"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TForm> dialog = CreateMessageDialog("Текст", TMsgDlgType::mtConfirmation, {c.button});
        auto* b = dynamic_cast<TButton*>(dialog->FindComponent(c.name));
        ASSERT_NE(b, nullptr) << c.name;
        EXPECT_EQ(b->Caption(), c.caption) << c.name;
        EXPECT_EQ(dialog->Caption(), "Confirm");
    }
}

TEST(MessageDialogLayout, TheIconOfTheTypeStandsLeftOfTheText) {
    platform::testing::UseHeadlessDisplay();
    const struct {
        TMsgDlgType type;
        TPoint at;      // a pixel of the icon
        TColor colour;  // its colour there
    } cases[] = {
        {TMsgDlgType::mtError, {5, 16}, clRed},
        {TMsgDlgType::mtWarning, {8, 25}, clYellow},
        {TMsgDlgType::mtConfirmation, {5, 16}, clBlue},
        {TMsgDlgType::mtInformation, {16, 20}, clWhite},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TForm> dialog = CreateMessageDialog("Текст", c.type, {TMsgDlgBtn::mbOK});
        auto* image = dynamic_cast<TImage*>(dialog->FindComponent("Image"));
        ASSERT_NE(image, nullptr) << static_cast<int>(c.type);
        TBitmap* icon = image->Picture()->Bitmap();
        EXPECT_EQ(icon->Canvas()->Pixels(c.at.X, c.at.Y), c.colour) << static_cast<int>(c.type);
        EXPECT_TRUE(image->Transparent());
        EXPECT_EQ(icon->TransparentColor(), clFuchsia);
        auto* label = dynamic_cast<TLabel*>(dialog->FindComponent("Message"));
        EXPECT_GE(label->Left(), image->Left() + image->Width());
        auto* ok = dynamic_cast<TButton*>(dialog->FindComponent("OK"));
        EXPECT_GT(ok->Top(), image->Top() + image->Height());
    }
    std::unique_ptr<TForm> plain = CreateMessageDialog("Текст", TMsgDlgType::mtCustom, {TMsgDlgBtn::mbOK});
    EXPECT_EQ(plain->FindComponent("Image"), nullptr);
}

TEST(MessageDialogLayout, IconFlagsOfMessageBoxes) {
    const struct {
        unsigned flags;
        TDialogIcon icon;
    } cases[] = {
        {MB_OK, TDialogIcon::diNone},
        {MB_YESNO | MB_ICONQUESTION, TDialogIcon::diQuestion},
        {MB_OK | MB_ICONERROR, TDialogIcon::diError},
        {MB_RETRYCANCEL | MB_ICONWARNING | MB_DEFBUTTON2, TDialogIcon::diWarning},
        {MB_ICONINFORMATION, TDialogIcon::diInformation},
    };
    for (const auto& c : cases) EXPECT_EQ(DialogIconOfFlags(c.flags), c.icon) << c.flags;
}

}  // namespace
