// The small settings dialogs: the warning, the create-or-open chooser, and
// the power-supply window with its key filter.

#include "settings/dialogs/FileChooserForm.h"
#include "settings/dialogs/SupplyKeyFilter.h"
#include "settings/dialogs/SystemSettingsForm.h"
#include "settings/dialogs/WarningForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"

#include <gtest/gtest.h>

namespace {

TEST(SupplyKeyFilterTest, PassesOnlyADecimalNumber) {
    const struct {
        const char* text;
        char32_t key;
        char32_t result;
    } cases[] = {
        {"7", U'.', U','},           // a point becomes a comma
        {"7,", U'.', 0},             // a second comma is dropped
        {"7,0", U',', 0},
        {"", U',', 0},               // no comma before a digit
        {"0", U'5', 0},              // a lone zero takes only a comma
        {"0", U',', U','},
        {"0", kBackspaceKey, kBackspaceKey},
        {"10", U'5', U'5'},
        {"6,9", kBackspaceKey, kBackspaceKey},
        {"7", U'a', 0},
        {"7", U'ж', 0},
        {"7", U'-', 0},
        {"", U'3', U'3'},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterSupplyKey(c.text, c.key), c.result) << c.text << " " << int(c.key);
}

class SettingsDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    static void Type(const char* text) {
        platform::testing::TypeText(text);
        RunMessages();
    }
};

TEST_F(SettingsDialogsTest, SupplyEditsTakeTypedKeysThroughTheFilter) {
    TForm10 window(nullptr);
    window.Show();
    RunMessages();
    EXPECT_EQ(window.Caption(), "Системные настройки");
    const char* starts[] = {"7,00", "6,90", "5,0", "6,50", "6,40", "0,2"};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(window.Edits[i]->Text(), starts[i % 6]) << i;

    TEdit* edit = window.Edits[0];
    edit->SetFocus();
    edit->SetText("7");
    edit->SetSelStart(1);
    Type(".");
    Type(".");
    Type("5x");
    EXPECT_EQ(edit->Text(), "7,5");
    TEdit* last = window.Edits[11];
    last->SetFocus();
    last->SetText("0");
    last->SetSelStart(1);
    Type("5,");
    EXPECT_EQ(last->Text(), "0,");
    ClickOn(window.Button1);
    EXPECT_FALSE(window.Visible());
}

TEST_F(SettingsDialogsTest, TheChooserWarnsThenStartsANewFileInTheSettingsWindow) {
    Application->SetMessageBoxFunction([](const std::string&, const std::string&, unsigned) { return 1; });
    Form17 = new TForm17(nullptr);
    Form14 = new TForm14(nullptr);
    Form14->Show();
    RunMessages();
    TForm16 chooser(nullptr);
    chooser.Show();
    RunMessages();
    ModalAnswer warning(&chooser, {platform::VK_RETURN});
    chooser.Button1->Click();
    RunMessages();
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(Form17->Left(), Form14->Left() + 110);
    EXPECT_FALSE(chooser.Visible());
    EXPECT_EQ(Form14->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: *Новый)");
    EXPECT_TRUE(Form14->pnlBlock4->Visible());
    delete Form14;
    delete Form17;
    Form14 = nullptr, Form17 = nullptr;
    RunMessages();
    Application->SetMessageBoxFunction(nullptr);
}

}  // namespace
