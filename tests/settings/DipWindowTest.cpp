// The DIP settings window driven through its controls on the headless
// display: what each switch enables, output keys serving two functions, the
// descent timing marks, the launch acceleration's key-up, resize and wheel.

#include "settings/dip/DipSettingsForm.h"
#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

class DipWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    DipWindowTest() {
        form = std::make_unique<TForm12>(nullptr);
        form->Show();
        RunMessages();
    }
    ~DipWindowTest() override {
        form.reset();
        RunMessages();
    }
    static void Press(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
        RunMessages();
    }
    // The edit's text replaced by keys and applied by leaving the edit.
    void Type(const char* name, const std::string& text) {
        TDecimalSpinEdit* edit = form->SpinEdit(name);
        edit->SetFocus();
        RunMessages();
        edit->SelectAll();
        platform::testing::TypeText(text.c_str());
        RunMessages();
        form->skButton1->SetFocus();
        RunMessages();
    }
    // A switch toggled by the space key: it may lie outside the scroll box's view.
    void Toggle(const char* name) {
        form->CheckBox(name)->SetFocus();
        RunMessages();
        Press(platform::VK_SPACE);
    }
    // The output key chosen by the arrow keys, as the user would; each choice
    // hands the focus on, so the choice is focused again for the next key.
    void Choose(const char* combo, int key) {
        TComboBox* choice = form->ComboBox(combo);
        for (int presses = 0; presses < 3 && choice->ItemIndex() != key; ++presses) {
            choice->SetFocus();
            RunMessages();
            Press(choice->ItemIndex() < key ? platform::VK_DOWN : platform::VK_UP);
        }
        ASSERT_EQ(choice->ItemIndex(), key) << combo;
    }
    bool Red(TControl* control) const { return control->Font()->Color() == kDipMarkColor; }
    bool RedBold(TControl* control) const {
        return Red(control) && control->Font()->Style().Contains(TFontStyle::fsBold);
    }
    std::string LastLogLine() const {
        TStrings* lines = form->Memo1->Lines();
        return lines->Strings(lines->Count() - 1);
    }

    std::unique_ptr<TForm12> form;
};

}  // namespace

TEST_F(DipWindowTest, TheStartValuesShowNoMarks) {
    EXPECT_EQ(form->Caption(), "Настройки контроллера полета");
    EXPECT_EQ(form->Panel1->Caption(), "НЕТ СВЯЗИ С УСТРОЙСТВОМ");
    EXPECT_EQ(form->Memo1->Lines()->Strings(0), "Отладка");
    for (const char* name : {"skDecimalSpinEdit18", "skDecimalSpinEdit19", "skDecimalSpinEdit20"})
        EXPECT_FALSE(Red(form->SpinEdit(name))) << name;
    // Separation and both parachutes start on key 1; the disabled second stage's choice does not count.
    for (const char* name : {"ComboBox1", "ComboBox3", "ComboBox4"}) EXPECT_TRUE(Red(form->ComboBox(name))) << name;
    EXPECT_FALSE(Red(form->ComboBox("ComboBox2")));
    // The second stage is off at start.
    EXPECT_FALSE(form->ComboBox("ComboBox2")->Enabled());
    EXPECT_FALSE(form->EnabledWithCompanions(form->SpinEdit("skDecimalSpinEdit16")));
    EXPECT_TRUE(form->EnabledWithCompanions(form->SpinEdit("skDecimalSpinEdit9")));
    EXPECT_EQ(form->GroupBox("GroupBox10")->Font()->Color(), kDipGreyCaption);
    EXPECT_FALSE(form->SpinEdit("skDecimalSpinEdit30")->Enabled());
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit21")->Value(), 200);
}

TEST_F(DipWindowTest, EachParachuteStepMustLeaveRoomForTheIgniterBefore) {
    TDecimalSpinEdit* brake = form->SpinEdit("skDecimalSpinEdit18");
    TDecimalSpinEdit* lockOut = form->SpinEdit("skDecimalSpinEdit19");
    TDecimalSpinEdit* byTime = form->SpinEdit("skDecimalSpinEdit20");
    Type("skDecimalSpinEdit18", "1,7");  // 0,2 + 1,5 = 1,7 >= 1,7
    EXPECT_TRUE(RedBold(brake));
    Type("skDecimalSpinEdit18", "1,8");
    EXPECT_FALSE(Red(brake));
    EXPECT_FALSE(brake->Font()->Style().Contains(TFontStyle::fsBold));

    Type("skDecimalSpinEdit18", "3,8");  // 3,8 + 1,5 = 5,3 >= 5,2
    EXPECT_TRUE(RedBold(lockOut));
    Type("skDecimalSpinEdit18", "1,8");
    EXPECT_FALSE(Red(lockOut));

    Type("skDecimalSpinEdit19", "9,9");
    Type("skDecimalSpinEdit20", "10");  // 9,9 + 0,1 = 10,0 >= 10
    EXPECT_TRUE(RedBold(byTime));
    Type("skDecimalSpinEdit20", "11");
    EXPECT_FALSE(Red(byTime));

    // With the separation off the brake delay is compared with nothing before it.
    Toggle("CheckBox2");
    Type("skDecimalSpinEdit18", "0,1");
    EXPECT_FALSE(Red(brake));
    // A step whose switch is off keeps its mark.
    Toggle("CheckBox2");
    Type("skDecimalSpinEdit18", "0,5");
    ASSERT_TRUE(Red(brake));
    Toggle("CheckBox4");
    Type("skDecimalSpinEdit17", "0,1");
    EXPECT_TRUE(Red(brake));
}

TEST_F(DipWindowTest, AnOutputKeyServingTwoEnabledFunctionsIsRed) {
    Toggle("CheckBox1");  // second stage on: all four switches on, all four choices on key 1
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) EXPECT_TRUE(Red(form->ComboBox(name))) << name;
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"})
        EXPECT_TRUE(RedBold(form->CheckBox(name))) << name;

    Choose("ComboBox2", 1);
    Choose("ComboBox4", 2);
    Choose("ComboBox1", 1);
    Choose("ComboBox3", 1);
    EXPECT_EQ(form->ActiveControl(), form->skButton1) << "each choice hands the focus to the close button";
    EXPECT_TRUE(Red(form->ComboBox("ComboBox2")));
    EXPECT_FALSE(Red(form->ComboBox("ComboBox4")));

    // The second stage off: its choice no longer counts and is never red.
    Toggle("CheckBox1");
    EXPECT_FALSE(Red(form->ComboBox("ComboBox2")));
    EXPECT_TRUE(Red(form->ComboBox("ComboBox1")));
    EXPECT_TRUE(Red(form->ComboBox("ComboBox3")));
    EXPECT_FALSE(Red(form->ComboBox("ComboBox4")));
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"}) EXPECT_FALSE(Red(form->CheckBox(name))) << name;
    Choose("ComboBox3", 0);
    EXPECT_FALSE(Red(form->ComboBox("ComboBox1")));
    EXPECT_FALSE(Red(form->ComboBox("ComboBox3")));
}

TEST_F(DipWindowTest, SwitchesEnableTheirControlsWithTheirLabels) {
    const struct {
        const char* box;
        std::vector<const char*> follow;
    } cases[] = {
        {"skCheckBox1", {"skDecimalSpinEdit14"}},
        {"CheckBox7", {"skDecimalSpinEdit5", "skDecimalSpinEdit10", "skDecimalSpinEdit2"}},
        {"CheckBox2", {"ComboBox1", "skDecimalSpinEdit17"}},
        {"CheckBox4", {"ComboBox3", "skDecimalSpinEdit18"}},
        {"CheckBox3", {"ComboBox4", "skDecimalSpinEdit19", "skDecimalSpinEdit20", "skDecimalSpinEdit21"}},
        {"CheckBox6", {"skDecimalSpinEdit23"}},
        {"CheckBox1", {"ComboBox2", "skDecimalSpinEdit16", "skDecimalSpinEdit38"}},
    };
    for (const auto& c : cases) {
        const bool was = form->CheckBox(c.box)->Checked();
        for (int turn = 0; turn < 2; ++turn) {
            Toggle(c.box);
            const bool on = form->CheckBox(c.box)->Checked();
            ASSERT_NE(on, was == (turn == 0)) << c.box;
            for (const char* name : c.follow)
                EXPECT_EQ(form->EnabledWithCompanions(dynamic_cast<TControl*>(form->FindComponent(name))), on)
                    << c.box << " " << name;
        }
    }
    Toggle("CheckBox1");
    EXPECT_FALSE(form->EnabledWithCompanions(form->SpinEdit("skDecimalSpinEdit9"))) << "the first stage's lock-out";
    EXPECT_EQ(form->GroupBox("GroupBox11")->Font()->Color(), kDipPlainColor);
}

TEST_F(DipWindowTest, TheApogeeTiltSwitchOverridesTheSpeedSwitch) {
    TDecimalSpinEdit* speed = form->SpinEdit("skDecimalSpinEdit29");
    EXPECT_FALSE(speed->Enabled());
    Toggle("skCheckBox2");
    EXPECT_TRUE(speed->Enabled());
    Toggle("CheckBox5");
    EXPECT_FALSE(form->CheckBox("skCheckBox2")->Enabled());
    EXPECT_FALSE(speed->Enabled());
    Toggle("CheckBox5");
    EXPECT_TRUE(speed->Enabled()) << "the speed switch is still on";
    Toggle("skCheckBox2");
    Toggle("CheckBox5");
    Toggle("CheckBox5");
    EXPECT_FALSE(speed->Enabled());
}

TEST_F(DipWindowTest, AKeyUpInTheLaunchAccelerationKeepsItsValueInsideTheLimits) {
    TDecimalSpinEdit* edit = form->SpinEdit("skDecimalSpinEdit12");
    edit->SetFocus();
    RunMessages();
    edit->SelectAll();
    platform::testing::TypeText("12");
    Press(platform::VK_END);  // its release is the key-up
    EXPECT_DOUBLE_EQ(edit->Value(), 9.99);
    EXPECT_EQ(LastLogLine(), "Key up = 12");

    edit->SetText("abc");
    platform::WORD key = 0;
    EXPECT_THROW(form->skDecimalSpinEdit12KeyUp(edit, key, {}), EConvertError);
    EXPECT_DOUBLE_EQ(edit->Value(), 9.99);
}

TEST_F(DipWindowTest, ResizeKeepsTheWindowAtMost970High) {
    form->SetHeight(1200);
    RunMessages();
    EXPECT_EQ(form->Height(), 970);
    form->SetHeight(800);
    RunMessages();
    EXPECT_EQ(form->skButton1->Top(), 800 - 90);
    EXPECT_EQ(form->ScrollBox1->Height(), 800 - 120);
}

TEST_F(DipWindowTest, OneWheelNotchScrollsTheSettings15Pixels) {
    TControlScrollBar* bar = form->ScrollBox1->VertScrollBar();
    ASSERT_EQ(bar->Position(), 0);
    form->SpinEdit("skDecimalSpinEdit12")->SetFocus();
    RunMessages();
    const TPoint over = form->ScrollBox1->ClientToScreen({20, 20});
    platform::testing::MoveMouse(over.X, over.Y);
    platform::testing::TurnWheel(-120);
    RunMessages();
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_DOUBLE_EQ(form->SpinEdit("skDecimalSpinEdit12")->Value(), 2.0) << "the focused edit does not step";
    platform::testing::TurnWheel(-120);
    platform::testing::TurnWheel(120);
    RunMessages();
    EXPECT_EQ(bar->Position(), 15);
}
