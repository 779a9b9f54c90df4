// The single-stage settings window driven through its controls on the
// headless display: values typed and stepped by keys with the rules firing,
// option and defaults boxes, the full check, settings files written and read
// back through the dialogs, and the close question's paths.

#include "settings/dialogs/WarningForm.h"
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
#include <regex>
#include <sstream>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SingleStageWindowTest : public SettingsWindowFixture<TForm14> {
protected:
    SingleStageWindowTest() : savedFolder(std::filesystem::current_path()) {
        std::filesystem::current_path(folder.Path());
        Form17 = new TForm17(nullptr);
        form = new TForm14(nullptr);
        Form14 = form;
        form->Show();
        RunMessages();
    }
    ~SingleStageWindowTest() override {
        delete form;
        delete Form17;
        Form14 = nullptr, Form17 = nullptr;
        RunMessages();
        std::filesystem::current_path(savedFolder);
    }
    // "Создать новый файл настроек", the warning answered with OK once it shows
    // (the command runs messages before it shows the warning).
    void CreateFile(bool byMouse = false) {
        std::optional<ModalAnswer> warning;
        Form17->OnShow = [&warning](TObject*) { warning.emplace(Form17, std::vector<platform::UINT>{platform::VK_RETURN}); };
        if (byMouse)
            ClickOn(form->btnCreate);
        else
            form->btnCreate->Click();
        RunMessages();
        Form17->OnShow = nullptr;
        ASSERT_TRUE(warning) << "no warning before the new file";
        ASSERT_FALSE(Form17->Visible());
    }
    // A file dialog answered by typing the name, or cancelled.
    std::string SaveThrough(std::function<bool()> command, const std::string& name, bool* result = nullptr) {
        std::vector<platform::UINT> keys = {name.empty() ? platform::VK_ESCAPE : platform::VK_RETURN};
        ModalAnswer dialog(form, keys, [name] {
            if (!name.empty()) platform::testing::TypeText(name.c_str());
        });
        const bool ok = command();
        if (result) *result = ok;
        RunMessages();
        return dialog.caption;
    }

    std::filesystem::path savedFolder;
};

TEST_F(SingleStageWindowTest, OpensOnTheStartPanelAndCreatesAFileFromTheDefaults) {
    EXPECT_TRUE(form->Panel3->Visible());
    EXPECT_FALSE(form->pnlBlock1->Visible());
    CreateFile();
    EXPECT_FALSE(form->Panel3->Visible());
    for (TPanel* panel : {form->pnlBlock1, form->pnlBlock2, form->pnlBlock3, form->pnlBlock4}) EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(form->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: *Новый)");
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_TRUE(std::regex_match(Log()[0], std::regex("\\d\\d:\\d\\d:\\d\\d: Создан файл настроек"))) << Log()[0];
    EXPECT_FALSE(form->SettingsModified);
    EXPECT_DOUBLE_EQ(Edit(10)->Value(), 0.2);
    EXPECT_DOUBLE_EQ(Edit(17)->Value(), 3.0);  // the brake parachute is on
}

TEST_F(SingleStageWindowTest, TheStartPanelShowsInTheScrollBoxAndTakesAMouseClick) {
    EXPECT_EQ(form->Panel3->Parent(), form->ScrollBox1);
    for (TButton* button : {form->btnCreate, form->btnOpen}) {
        EXPECT_TRUE(platform::IsWindowVisible(button->Handle())) << button->Caption();
        // Nothing lies over the button: the mouse reaches it.
        const TPoint p = button->ClientToScreen({button->Width() / 2, button->Height() / 2});
        EXPECT_EQ(platform::WindowFromPoint({p.X, p.Y}), button->Handle()) << button->Caption();
    }
    CreateFile(true);
    EXPECT_FALSE(form->Panel3->Visible());
    EXPECT_TRUE(form->pnlBlock4->Visible());
    EXPECT_EQ(form->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: *Новый)");
}

TEST_F(SingleStageWindowTest, TimerRulesFireAsValuesAreTypedAndStepped) {
    CreateFile();
    Toggle(Box("skCheckBox6"));
    Toggle(Box("skCheckBox1"));
    ASSERT_TRUE(Edit(14)->Enabled());
    ASSERT_DOUBLE_EQ(Edit(5)->Value(), 3.0);

    Type(Edit(14), "5");
    EXPECT_EQ(Edit(14)->Color(), RangeMarkColor);
    EXPECT_EQ(form->skAlphaHints1()->ShownText(), "*Введено не допустимое значение\rДопустимый диапазон от 7 до 99");
    Press(platform::VK_UP);  // 6 is not above T5 + 3: raised to ceil(6)
    EXPECT_DOUBLE_EQ(Edit(14)->Value(), 6);
    EXPECT_EQ(Edit(14)->Color(), ConflictMarkColor);
    Press(platform::VK_DOWN);  // held at its dependent minimum
    EXPECT_DOUBLE_EQ(Edit(14)->Value(), 6);
    Press(platform::VK_UP);
    EXPECT_DOUBLE_EQ(Edit(14)->Value(), 7);
    EXPECT_EQ(Edit(14)->Color(), NormalEditColor);

    Type(Edit(14), "25");
    Type(Edit(22), "30");
    Press(platform::VK_UP);  // 31 is not above T14 + 10
    EXPECT_DOUBLE_EQ(Edit(22)->Value(), 36);
    EXPECT_EQ(Edit(22)->Color(), NormalEditColor);
    Type(Edit(22), "35");
    EXPECT_EQ(form->skAlphaHints1()->ShownText(), "*Введено не допустимое значение\rДопустимый диапазон от 36 до 999");
}

TEST_F(SingleStageWindowTest, ParachuteOptionsMoveTheMainDelayAndTheFullCheckListsConflicts) {
    CreateFile();
    Toggle(Box("skCheckBox3"));
    EXPECT_DOUBLE_EQ(Edit(17)->Value(), 0.1);
    EXPECT_FALSE(Edit(18)->Enabled());
    Toggle(Box("skCheckBox3"));
    EXPECT_DOUBLE_EQ(Edit(17)->Value(), 3.0);

    form->Button1->Click();
    const std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()),
              (std::vector<std::string>{"-------------------", "Ошибок нет!!!"}));
    Edit(17)->SetValue(0.1);
    Toggle(Box("skCheckBox2"));
    EXPECT_TRUE(Edit(19)->Enabled());
    EXPECT_EQ(Edit(17)->Color(), RangeMarkColor);
    form->Button1->Click();
    EXPECT_EQ(Log().back(), "Недопустимое значение параметра \"Задержка выброса основного парашюта\" (Определение внештатного старта)");

    // The hover hint of edit 19 names its dependent minimum.
    Type(Edit(15), "1,5");
    Type(Edit(18), "0,1");
    Type(Edit(19), "1,6");
    Press(platform::VK_DOWN);
    EXPECT_DOUBLE_EQ(Edit(19)->Value(), 1.6);
    std::string hint = Edit(19)->Hint();
    bool canShow = false;
    THintInfo info{};
    info.HintControl = Edit(19);
    form->skAlphaHints1ShowHint(hint, canShow, info);
    EXPECT_TRUE(canShow);
    EXPECT_EQ(hint, "Допустимое значение от 1,7 до 20,0");
}

TEST_F(SingleStageWindowTest, AnotherWindowsEditOfTheSameNameKeepsItsOwnRange) {
    CreateFile();
    Toggle(Box("skCheckBox2"));
    TForm other(nullptr);
    auto* stranger = new TDecimalSpinEdit(&other);
    stranger->SetName("skDecimalSpinEdit19");
    stranger->SetHint("1,0/20,0");
    std::string hint = stranger->Hint();
    bool canShow = false;
    THintInfo info{};
    info.HintControl = stranger;
    form->skAlphaHints1ShowHint(hint, canShow, info);
    EXPECT_EQ(hint, "Допустимое значение от 1,0 до 20,0");
}

TEST_F(SingleStageWindowTest, DefaultsBoxesSetTheirGroupAndLockItWhileOn) {
    CreateFile();
    Type(Edit(8), "15");
    Type(Edit(7), "9");
    EXPECT_EQ(Edit(7)->Color(), RangeMarkColor);
    Toggle(Box("CheckBox2"));
    EXPECT_DOUBLE_EQ(Edit(8)->Value(), 5);
    EXPECT_DOUBLE_EQ(Edit(7)->Value(), 0.5);
    EXPECT_EQ(Edit(7)->Color(), NormalEditColor);
    Edit(8)->SetFocus();
    Press(platform::VK_UP);
    EXPECT_DOUBLE_EQ(Edit(8)->Value(), 5);  // read-only: the arrow beeps
    Toggle(Box("CheckBox2"));
    Edit(8)->SetFocus();
    Press(platform::VK_UP);
    EXPECT_DOUBLE_EQ(Edit(8)->Value(), 6);

    EXPECT_FALSE(Box("CheckBox7")->Enabled());  // follows the main parachute
    Toggle(Box("skCheckBox2"));
    Toggle(Box("skCheckBox3"));
    Toggle(Box("CheckBox7"));  // switches both parachutes on again and locks them
    EXPECT_TRUE(Box("skCheckBox3")->Checked());
    EXPECT_DOUBLE_EQ(Edit(21)->Value(), 200);
    EXPECT_TRUE(Box("skCheckBox3")->ReadOnly);
    Toggle(Box("skCheckBox3"));
    EXPECT_TRUE(Box("skCheckBox3")->Checked());
}

TEST_F(SingleStageWindowTest, SavedFileOpensBackWithEveryValueAndNoHandlerOverwritesOne) {
    CreateFile();
    Type(Edit(12), "4,5");
    Toggle(Box("skCheckBox3"));  // brake off: edit 17 goes to 0,1
    Toggle(Box("skCheckBox14"));
    Toggle(Box("skCheckBox14"));
    EXPECT_EQ(SaveThrough([this] { return form->N18Click(nullptr); }, "mine"), "Сохранить как");
    const std::filesystem::path file = folder.Path() / "mine.cfg";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(form->EasySettingsFileName, file.string());
    EXPECT_EQ(form->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: mine.cfg)");
    EXPECT_TRUE(std::regex_match(Log().back(), std::regex("\\d\\d:\\d\\d:\\d\\d: Сохранен файл настроек mine.cfg")));

    // With the brake off, a main delay of 2,0 in the file stays 2,0.
    std::string text = ReadAll(file);
    const std::size_t at = text.find("parVnStTimeoutMainPar=");
    text.replace(at, text.find("\r\n", at) - at, "parVnStTimeoutMainPar=2000");
    std::ofstream(file, std::ios::binary) << text;

    form->N21Click(nullptr);
    CreateFile();
    ASSERT_DOUBLE_EQ(Edit(12)->Value(), 2.0);
    form->OpenDialog1->InitialDir = folder.Path().string();
    ModalAnswer open(form, {platform::VK_RETURN}, [] { platform::testing::TypeText("mine.cfg"); });
    EXPECT_TRUE(form->OpenEasySettingsFile());
    EXPECT_DOUBLE_EQ(Edit(12)->Value(), 4.5);
    EXPECT_FALSE(Box("skCheckBox3")->Checked());
    EXPECT_DOUBLE_EQ(Edit(17)->Value(), 2.0);
    EXPECT_FALSE(Edit(18)->Enabled());  // the enabling rules follow the loaded options
    EXPECT_FALSE(form->SettingsModified);
    EXPECT_TRUE(std::regex_match(Log().back(), std::regex("\\d\\d:\\d\\d:\\d\\d: Открыт файл настроек:mine.cfg")));
}

TEST_F(SingleStageWindowTest, ADamagedFileIsRefusedAndTheWindowKeepsItsValues) {
    CreateFile();
    Type(Edit(12), "4,5");
    folder.Write("other.cfg", "[RecordType]\r\nRecordType=12\r\n[ParamsDip]\r\nx=1\r\n");
    form->OpenDialog1->InitialDir = folder.Path().string();
    ModalAnswer open(form, {platform::VK_RETURN}, [] { platform::testing::TypeText("other.cfg"); });
    EXPECT_FALSE(form->OpenEasySettingsFile());
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "Не верный файл настроек!");
    EXPECT_DOUBLE_EQ(Edit(12)->Value(), 4.5);
    EXPECT_EQ(form->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: *Новый)");
    EXPECT_TRUE(form->EasySettingsFileName.empty());
}

TEST_F(SingleStageWindowTest, SaveAsTakesTheNewNameOnlyAfterTheWrite) {
    CreateFile();
    SaveThrough([this] { return form->N18Click(nullptr); }, "first");
    const std::string first = (folder.Path() / "first.cfg").string();
    ASSERT_EQ(form->EasySettingsFileName, first);
    Type(Edit(12), "4,5");
    form->SaveDialog1->InitialDir = folder.Path().string();
    bool saved = true;
    {
        FullDisk full;
        SaveThrough([this] { return form->N19Click(nullptr); }, "second", &saved);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(form->EasySettingsFileName, first);
    EXPECT_EQ(form->Caption(), "Настройки контроллера одноступенчатой ракеты (Файл: first.cfg)");
    EXPECT_TRUE(form->SettingsModified);
    EXPECT_NE(boxes.back().find("Не удалось записать файл настроек"), std::string::npos) << boxes.back();
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "second.cfg"));
}

TEST_F(SingleStageWindowTest, TheCloseQuestionClosesOnlyAfterASave) {
    enum class Path { Unchanged, No, YesCancelled, YesWriteFails, YesSaved };
    const struct {
        Path path;
        bool closes;
    } cases[] = {{Path::Unchanged, true}, {Path::No, true}, {Path::YesCancelled, false}, {Path::YesWriteFails, false},
                 {Path::YesSaved, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.path));
        form->Show();
        RunMessages();
        CreateFile();
        if (c.path == Path::YesWriteFails) SaveThrough([this] { return form->N18Click(nullptr); }, "kept");
        if (c.path != Path::Unchanged) Type(Edit(12), "4,5");
        boxes.clear();
        answer = c.path == Path::No ? IDNO : IDYES;
        const std::string name = c.path == Path::YesSaved ? "closing" : "";
        if (c.path == Path::YesWriteFails) {
            FullDisk full;
            ClickOn(form->Button6);
            RunMessages();
        } else {
            SaveThrough([this] {
                form->Button6->Click();
                return true;
            }, name);
        }
        EXPECT_EQ(form->Visible(), !c.closes);
        EXPECT_EQ(boxes.empty() || boxes.front() != "Настройки были изменены.\rСохранить настройки в файл?",
                  c.path == Path::Unchanged);
        if (!c.closes) {
            EXPECT_DOUBLE_EQ(Edit(12)->Value(), 4.5);
            EXPECT_TRUE(form->SettingsModified);
        }
        if (c.path == Path::YesSaved) {
            EXPECT_NE(ReadAll(folder.Path() / "closing.cfg").find("parShSAcc=4500"), std::string::npos);
        }
        if (c.path == Path::YesWriteFails) {
            EXPECT_NE(ReadAll(folder.Path() / "kept.cfg").find("parShSAcc=2000"), std::string::npos);
        }
        answer = IDNO;
        form->Close();
        RunMessages();
        answer = IDYES;
    }
}

}  // namespace

namespace {

TEST_F(SingleStageWindowTest, ResizeKeepsAMinimumHeightAndTheWheelScrollsThePanels) {
    CreateFile();
    form->SetHeight(300);
    RunMessages();
    EXPECT_EQ(form->Height(), 400);
    form->SetHeight(600);
    RunMessages();
    EXPECT_EQ(form->ScrollBox1->Height(), 600 - 66);
    EXPECT_EQ(form->Memo1->Height(), 600 - 287);

    TControlScrollBar* bar = form->ScrollBox1->VertScrollBar();
    ASSERT_EQ(bar->Position(), 0);
    form->Button1->SetFocus();
    const TPoint p = form->Memo1->ClientToScreen({5, 5});
    platform::testing::MoveMouse(p.X, p.Y);
    platform::testing::TurnWheel(-120);
    RunMessages();
    EXPECT_EQ(bar->Position(), 15);
    // With a spin edit in focus the wheel scrolls the panels and leaves the value.
    Edit(12)->SetFocus();
    RunMessages();
    platform::testing::TurnWheel(-120);
    RunMessages();
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_DOUBLE_EQ(Edit(12)->Value(), 2.0);
}

}  // namespace
