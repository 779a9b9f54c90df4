// The first-stage settings window on the headless display: the clamping
// arrows, switches and what follows them, "По умолчанию" locks, the timer
// cross-check in the log, files created, saved, opened and refused, and the
// close question's paths.

#include "settings/dialogs/WarningForm.h"
#include "settings/firststage/FirstStageSettingsForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"
#include "tests/settings/FullDisk.h"
#include "tests/settings/SettingsWindowFixture.h"
#include "tests/support/TempFolder.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"

#include "platform/window/Placement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

class FirstStageWindowTest : public SettingsWindowFixture<TForm18> {
protected:
    FirstStageWindowTest() {
        Form17 = new TForm17(nullptr);
        // Its hint component draws every window's balloons.
        Form14 = new TForm14(nullptr);
        form = new TForm18(nullptr);
        Form18 = form;
        form->OpenDialog1->InitialDir = form->SaveDialog1->InitialDir = folder.Path().string();
        form->Show();
        RunMessages();
    }
    ~FirstStageWindowTest() override {
        delete form;
        delete Form14;
        delete Form17;
        Form18 = nullptr, Form14 = nullptr, Form17 = nullptr;
        RunMessages();
    }
    void CreateFile() {
        std::optional<ModalAnswer> warning;
        Form17->OnShow = [&warning](TObject*) { warning.emplace(Form17, std::vector<platform::UINT>{platform::VK_RETURN}); };
        ClickOn(form->btnCreate);
        RunMessages();
        Form17->OnShow = nullptr;
        ASSERT_TRUE(warning) << "no warning before the new file";
    }
    // A file dialog answered by typing the name, or cancelled.
    void Through(std::function<void()> command, const std::string& name) {
        ModalAnswer dialog(form, {name.empty() ? platform::VK_ESCAPE : platform::VK_RETURN}, [name] {
            if (!name.empty()) platform::testing::TypeText(name.c_str());
        });
        command();
        RunMessages();
    }
};

TEST_F(FirstStageWindowTest, OpensOnTheStartPanelAndCreatesANewFile) {
    EXPECT_TRUE(form->Panel3->Visible());
    EXPECT_FALSE(form->pnlBlock1->Visible());
    const TPoint p = form->btnCreate->ClientToScreen({5, 5});
    EXPECT_EQ(platform::WindowFromPoint({p.X, p.Y}), form->btnCreate->Handle());
    CreateFile();
    EXPECT_FALSE(form->Panel3->Visible());
    for (TPanel* panel : {form->pnlBlock1, form->pnlBlock2, form->pnlBlock3, form->pnlBlock4}) EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(form->Caption(), "Настройки контроллера полета первой ступени (Файл: *Новый)");
    EXPECT_FALSE(Edit(18)->Enabled());
    EXPECT_FALSE(Edit(9)->Enabled());
    EXPECT_TRUE(Edit(4)->Enabled());
}

TEST_F(FirstStageWindowTest, ArrowsClampToTheHintRange) {
    CreateFile();
    Toggle(Box("skCheckBox7"));
    ASSERT_TRUE(Edit(19)->Enabled());
    const struct {
        int edit;
        const char* typed;
        platform::UINT key;
        double value;
        bool red;
    } cases[] = {
        {19, "19,9", platform::VK_UP, 20.0, false},   {19, "20", platform::VK_UP, 20.0, false},
        {19, "25", platform::VK_UP, 20.0, false},     {19, "25", platform::VK_DOWN, 20.0, false},
        {19, "0,5", platform::VK_DOWN, 1.0, false},   {19, "0,5", platform::VK_UP, 1.0, false},
        {24, "0,01", platform::VK_DOWN, 0.01, false}, {24, "0,5", platform::VK_DOWN, 0.49, false},
        {13, "9,99", platform::VK_UP, 9.99, false},   {26, "3", platform::VK_UP, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.edit) + " " + c.typed);
        Type(Edit(c.edit), c.typed);
        Press(c.key);
        EXPECT_NEAR(Edit(c.edit)->Value(), c.value, 1e-9);
        EXPECT_EQ(Edit(c.edit)->Color(), c.red ? RangeMarkColor : NormalEditColor);
    }
    // A typed value out of range is marked with a balloon until the arrows bring it back.
    Type(Edit(19), "25");
    EXPECT_EQ(Edit(19)->Color(), RangeMarkColor);
    EXPECT_EQ(Form14->skAlphaHints1()->ShownText(), "*Введено не допустимое значение\rДопустимый диапазон от 1 до 20");
    Press(platform::VK_UP);
    EXPECT_FALSE(Form14->skAlphaHints1()->HintShown());
}

TEST_F(FirstStageWindowTest, SwitchesEnableTheirControlsAndTheTimerCheckLogs) {
    CreateFile();
    Toggle(Box("CheckBox2"));  // the parachute off
    EXPECT_FALSE(Edit(4)->Enabled());
    EXPECT_FALSE(Edit(20)->Enabled());
    Toggle(Box("skCheckBox14"));
    Toggle(Box("skCheckBox14"));
    EXPECT_TRUE(Edit(5)->Enabled());
    EXPECT_FALSE(Edit(4)->Enabled()) << "stays off while the parachute is off";
    Toggle(Box("CheckBox2"));
    EXPECT_TRUE(Edit(4)->Enabled());

    Toggle(Box("skCheckBox5"));
    EXPECT_TRUE(Edit(9)->Enabled());
    EXPECT_TRUE(Edit(11)->Enabled());
    Toggle(Box("skCheckBox4"));
    EXPECT_FALSE(Edit(11)->Enabled());
    EXPECT_TRUE(Edit(10)->Enabled());

    Toggle(Box("skCheckBox6"));  // A 10, D 100
    EXPECT_EQ(Log().back(), "Mode 3");
    Type(Edit(18), "6");
    Type(Edit(22), "20");
    Toggle(Box("skCheckBox7"));  // B 3
    const std::vector<std::string> log = Log();
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), (std::vector<std::string>{"Mode 1", "Error 1", "Error 2"}));
    EXPECT_EQ(Edit(18)->Font()->Color(), 0x0000FF);
    EXPECT_TRUE(Edit(18)->Font()->Style().Contains(TFontStyle::fsBold));
    Toggle(Box("skCheckBox6"));  // only B: A keeps its mark
    EXPECT_EQ(Log().back(), "Mode 2");
    EXPECT_EQ(Edit(18)->Font()->Color(), 0x0000FF);
    Toggle(Box("skCheckBox7"));
    EXPECT_EQ(Log().back(), "Mode 4");
    EXPECT_EQ(Edit(18)->Font()->Color(), 0x000000);
    EXPECT_EQ(Edit(22)->Font()->Color(), 0x000000);
}

TEST_F(FirstStageWindowTest, DefaultsSwitchesSetAndLockTheirGroup) {
    CreateFile();
    Toggle(Box("skCheckBox6"));
    Type(Edit(13), "4,5");
    Toggle(Box("CheckBox6"));
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 2);
    EXPECT_FALSE(Box("skCheckBox6")->Checked());
    EXPECT_TRUE(Box("skCheckBox6")->ReadOnly);
    Edit(13)->SetFocus();
    Press(platform::VK_UP);
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 2) << "locked: the arrow beeps";
    Toggle(Box("skCheckBox6"));
    EXPECT_FALSE(Box("skCheckBox6")->Checked()) << "locked: a click does nothing";
    Toggle(Box("CheckBox6"));  // off: unlocked, nothing restored
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 2);
    Edit(13)->SetFocus();
    Press(platform::VK_UP);
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 2.01);
}

TEST_F(FirstStageWindowTest, SavedFileOpensBackAndTheBarometricDefaultsLockWithoutOverwriting) {
    CreateFile();
    Type(Edit(13), "4,5");
    Toggle(Box("skCheckBox5"));
    Type(Edit(9), "7,5");
    Toggle(Box("skCheckBox3"));  // sets the group to its defaults and locks it
    Toggle(Box("skCheckBox3"));
    Type(Edit(9), "7,5");
    Through([this] { form->N7Click(nullptr); }, "mine");
    const std::filesystem::path file = folder.Path() / "mine.cfg";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(form->Caption(), "Настройки контроллера полета (Файл: mine.cfg)");
    EXPECT_FALSE(form->FirstStageModified);

    // The file says the group's defaults switch is on, with a value of its own.
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string bytes = text.str();
    bytes.replace(bytes.find("parParashuteOnOff=0"), 19, "parParashuteOnOff=1");
    std::ofstream(file, std::ios::binary) << bytes;

    form->N13Click(nullptr);
    EXPECT_TRUE(form->Panel3->Visible());
    Edit(13)->SetValue(2);
    Through([this] { form->N3Click(nullptr); }, "mine.cfg");
    EXPECT_FALSE(form->Panel3->Visible());
    EXPECT_EQ(form->Caption(), "Настройки контроллера полета первой ступени (Файл: mine.cfg)");
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 4.5);
    EXPECT_TRUE(Box("skCheckBox3")->Checked());
    EXPECT_DOUBLE_EQ(Edit(9)->Value(), 7.5) << "the loaded value stays";
    EXPECT_TRUE(Edit(9)->ReadOnly()) << "the group is locked";
    EXPECT_FALSE(form->FirstStageModified);

    // A new file after an open asks for a name on save.
    form->N13Click(nullptr);
    CreateFile();
    EXPECT_TRUE(form->FirstStageFileName.empty());
    ModalAnswer cancel(form, {platform::VK_ESCAPE});
    EXPECT_FALSE(form->N7Click(nullptr));
    RunMessages();
    EXPECT_EQ(cancel.caption, "Сохранить как");
}

TEST_F(FirstStageWindowTest, AnotherVariantsFileIsRefusedAndNothingChanges) {
    CreateFile();
    Type(Edit(13), "4,5");
    folder.Write("single.cfg", "[RecordType]\r\nRecordType=13\r\n[ParamsEasy]\r\nparShSAcc=2000\r\n");
    bool opened = true;
    Through([&] { opened = form->OpenFirstStageFile(); }, "single.cfg");
    EXPECT_FALSE(opened);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "Не верный файл настроек!");
    EXPECT_DOUBLE_EQ(Edit(13)->Value(), 4.5);
    EXPECT_EQ(form->Caption(), "Настройки контроллера полета первой ступени (Файл: *Новый)");
}

TEST_F(FirstStageWindowTest, TheCloseQuestionClosesOnlyAfterASave) {
    enum class Path { Unchanged, No, YesCancelled, YesWriteFails, YesSaved };
    const struct {
        Path path;
        bool closes;
    } cases[] = {{Path::Unchanged, true}, {Path::No, true}, {Path::YesCancelled, false}, {Path::YesWriteFails, false},
                 {Path::YesSaved, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.path));
        form->FirstStageFileName.clear();
        form->Show();
        RunMessages();
        CreateFile();
        if (c.path == Path::YesWriteFails) Through([this] { form->N7Click(nullptr); }, "kept");
        if (c.path != Path::Unchanged) Type(Edit(13), "4,5");
        boxes.clear();
        answer = c.path == Path::No ? IDNO : IDYES;
        if (c.path == Path::YesWriteFails) {
            FullDisk full;
            form->Button6->Click();
            RunMessages();
        } else {
            Through([this] { form->Button6->Click(); }, c.path == Path::YesSaved ? "closing" : "");
        }
        EXPECT_EQ(form->Visible(), !c.closes);
        EXPECT_EQ(!boxes.empty() && boxes.front() == "Настройки были изменены.\rСохранить настройки в файл?",
                  c.path != Path::Unchanged);
        if (!c.closes) {
            EXPECT_DOUBLE_EQ(Edit(13)->Value(), 4.5);
            EXPECT_TRUE(form->FirstStageModified);
        }
        if (c.path == Path::YesSaved) {
            EXPECT_TRUE(std::filesystem::exists(folder.Path() / "closing.cfg"));
        }
        answer = IDNO;
        form->Close();
        RunMessages();
        answer = IDYES;
    }
}

TEST_F(FirstStageWindowTest, ResizeAndWheel) {
    CreateFile();
    form->SetBounds(form->Left(), form->Top(), 700, 600);
    RunMessages();
    EXPECT_EQ(form->Width(), 848);
    EXPECT_EQ(form->ScrollBox1->Height(), 600 - 84);
    EXPECT_EQ(form->Memo1->Height(), 600 - 300);
    // The status bar, without panels, keeps to the bottom edge.
    EXPECT_EQ(form->StatusBar1->Top() + form->StatusBar1->Height(), form->ClientHeight());
    EXPECT_EQ(form->StatusBar1->Panels()->Count(), 0);
    TControlScrollBar* bar = form->ScrollBox1->VertScrollBar();
    ASSERT_EQ(bar->Position(), 0);
    const TPoint p = form->Memo1->ClientToScreen({5, 5});
    platform::testing::MoveMouse(p.X, p.Y);
    platform::testing::TurnWheel(-120);
    RunMessages();
    EXPECT_EQ(bar->Position(), 15);
}

}  // namespace
