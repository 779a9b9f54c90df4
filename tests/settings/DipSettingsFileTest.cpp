// The DIP settings file: what it writes, the window's round trip, defaults
// for missing keys, damaged files refused with their reason, a failed write
// leaving the old file whole, and the window's file commands.

#include "settings/dip/DipSettingsForm.h"
#include "settings/files/EasySettingsFile.h"
#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"
#include "tests/settings/FullDisk.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text with the line that starts "key=" replaced (an empty line removes it).
std::string WithLine(const std::string& text, const std::string& key, const std::string& line) {
    std::istringstream in(text);
    std::string out, current;
    while (std::getline(in, current)) {
        if (current.rfind(key + "=", 0) == 0) {
            if (!line.empty()) out += line + "\r\n";
            continue;
        }
        out += current + "\n";
    }
    return out;
}

class DipSettingsFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    DipSettingsFileTest() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            messages.push_back(text);
            return IDOK;
        });
        form = std::make_unique<TForm12>(nullptr);
    }
    ~DipSettingsFileTest() override {
        form.reset();
        RunMessages();
        Application->SetMessageBoxFunction(nullptr);
    }
    // The window's values changed from the start, on each control's grid.
    void ChangeValues(TForm12& window) {
        window.SpinEdit("skDecimalSpinEdit12")->SetValue(3.25);
        window.SpinEdit("skDecimalSpinEdit14")->SetValue(42);
        window.SpinEdit("skDecimalSpinEdit11")->SetValue(0.37);
        window.SpinEdit("skDecimalSpinEdit6")->SetValue(123.4);
        window.SpinEdit("skDecimalSpinEdit21")->SetValue(650);
        window.SpinEdit("skDecimalSpinEdit27")->SetValue(8.8);
        window.CheckBox("skCheckBox1")->SetChecked(true);
        window.CheckBox("CheckBox3")->SetChecked(false);
        window.CheckBox("CheckBox1")->SetChecked(true);
        window.ComboBox("ComboBox2")->SetItemIndex(2);
        window.ComboBox("ComboBox1")->SetItemIndex(1);
    }
    std::string Saved(TForm12& window) {
        const std::string path = (folder.Path() / "dip.cfg").string();
        WriteDipSettingsFile(path, window.Settings());
        return path;
    }
    // The window's open dialog answered by typing the name.
    void LoadThrough(const std::string& path) {
        ModalAnswer dialog(form.get(), {platform::VK_RETURN}, [path] { platform::testing::TypeText(path.c_str()); });
        form->N3Click(nullptr);
        RunMessages();
        EXPECT_FALSE(dialog.caption.empty()) << "no open dialog came";
    }

    TempFolder folder;
    std::unique_ptr<TForm12> form;
    std::vector<std::string> messages;
};

}  // namespace

TEST_F(DipSettingsFileTest, TheFileHoldsTheKeysTheirScalesAndTheSecondStageTwice) {
    form->ComboBox("ComboBox1")->SetItemIndex(1);
    const std::string text = ReadAll(Saved(*form));
    for (const char* line : {"RecordType=12", "parShSTimerApog=10", "parSpuskVosplamTime=1500", "parSpuskRazborKey=1",
                             "parSpuskVtorAltPar=200", "parShSAcc=2000", "parPasAcc=100", "parApogAngel=70",
                             "parShSBaroMaxFlt=200", "parVnShSOnOff=1", "parStage2On=0", "parTwoStgSOnOff=0",
                             "parStage2Timeout=2000", "parTwoStgSTimeout=2000", "parTwoStgNumKey=0", "parGndOn=0"})
        EXPECT_NE(text.find(std::string(line) + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(text.find("parVnShSAcc"), std::string::npos);
    EXPECT_NE(text.find("[ParamsDip]"), std::string::npos);
}

TEST_F(DipSettingsFileTest, LoadingRestoresEveryReadKeyAndLeavesTheOthers) {
    ChangeValues(*form);
    const std::string path = Saved(*form);
    const TDipSettings saved = form->Settings();

    TForm12 other(nullptr);
    other.SpinEdit("skDecimalSpinEdit30")->SetValue(555);
    other.CheckBox("CheckBox7")->SetChecked(false);
    const TDipFileRead read = ReadDipSettingsFile(path);
    ASSERT_TRUE(read.Ok()) << read.Error;
    other.LoadSettings(read.Values);
    const TDipSettings loaded = other.Settings();
    for (const TDipFileKey& key : DipFileKeys()) {
        if (!key.Read || !key.Written) continue;
        EXPECT_NEAR(loaded.at(key.Control), saved.at(key.Control), 1e-9) << key.Key;
    }
    EXPECT_DOUBLE_EQ(other.SpinEdit("skDecimalSpinEdit30")->Value(), 555) << "written, never read";
    EXPECT_FALSE(other.CheckBox("CheckBox7")->Checked());
    EXPECT_DOUBLE_EQ(other.SpinEdit("skDecimalSpinEdit1")->Value(), 0.01) << "never written: 0, raised to the minimum";
    EXPECT_TRUE(other.ComboBox("ComboBox2")->Enabled()) << "the loaded second-stage switch applied its enabling";
}

TEST_F(DipSettingsFileTest, MissingKeysGiveTheirDefaults) {
    const std::string path = folder.Write("bare.cfg", "[RecordType]\r\nRecordType=12\r\n");
    const TDipFileRead read = ReadDipSettingsFile(path);
    ASSERT_TRUE(read.Ok()) << read.Error;
    form->LoadSettings(read.Values);
    for (const char* box : {"skCheckBox1", "CheckBox5", "CheckBox1", "CheckBox2", "CheckBox4", "CheckBox3", "CheckBox6"})
        EXPECT_TRUE(form->CheckBox(box)->Checked()) << box;
    EXPECT_EQ(form->ComboBox("ComboBox2")->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox("ComboBox1")->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBox("ComboBox3")->ItemIndex(), 2);
    EXPECT_EQ(form->ComboBox("ComboBox4")->ItemIndex(), 2);
    for (const char* edit : {"skDecimalSpinEdit12", "skDecimalSpinEdit21", "skDecimalSpinEdit26", "skDecimalSpinEdit6"})
        EXPECT_DOUBLE_EQ(form->SpinEdit(edit)->Value(), form->SpinEdit(edit)->MinValue) << edit;
}

TEST_F(DipSettingsFileTest, DamagedFilesAreRefusedWithTheirReason) {
    const std::string good = ReadAll(Saved(*form));
    const struct {
        const char* what;
        std::string text;
        const char* message;  // a part of the message
    } cases[] = {
        {"single-stage type", WithLine(good, "RecordType", "RecordType=13"), "Не верный файл настроек!"},
        {"no type", WithLine(good, "RecordType", ""), "Не верный файл настроек!"},
        {"type not a number", WithLine(good, "RecordType", "RecordType=1x2"), "Не верный файл настроек!"},
        {"not a number", WithLine(good, "parShSAcc", "parShSAcc=2,5"), "\"parShSAcc\" не является целым числом"},
        {"empty value", WithLine(good, "parApogAngel", "parApogAngel="), "\"parApogAngel\" не является целым числом"},
        {"too large", WithLine(good, "parGndOn", "parGndOn=99999999999"), "\"parGndOn\" не является целым числом"},
        {"key 3", WithLine(good, "parSpuskVtorKey", "parSpuskVtorKey=3"), "\"parSpuskVtorKey\" (3)"},
        {"key -1", WithLine(good, "parStage2Key", "parStage2Key=-1"), "\"parStage2Key\" (-1)"},
    };
    for (const auto& c : cases) {
        const TDipFileRead read = ReadDipSettingsFile(folder.Write("damaged.cfg", c.text));
        EXPECT_FALSE(read.Ok()) << c.what;
        EXPECT_TRUE(read.Values.empty()) << c.what;
        EXPECT_NE(read.Error.find(c.message), std::string::npos) << c.what << ": " << read.Error;
    }
    EXPECT_FALSE(ReadDipSettingsFile(folder.Path().string()).Ok()) << "a folder";
    EXPECT_FALSE(ReadDipSettingsFile((folder.Path() / "none.cfg").string()).Ok());
}

TEST_F(DipSettingsFileTest, AWriteKeepsOtherSectionsAndAFailedOneLeavesTheOldFileWhole) {
    const std::string path = folder.Write("mine.cfg", "[Mine]\r\nNote=kept\r\n[ParamsDip]\r\nOwnKey=7\r\n");
    WriteDipSettingsFile(path, form->Settings());
    const std::string written = ReadAll(path);
    EXPECT_NE(written.find("Note=kept"), std::string::npos);
    EXPECT_NE(written.find("OwnKey=7"), std::string::npos);
    ChangeValues(*form);
    {
        FullDisk full;
        EXPECT_THROW(WriteDipSettingsFile(path, form->Settings()), EIniFileException);
    }
    EXPECT_EQ(ReadAll(path), written);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(DipSettingsFileTest, TheOpenCommandRefusesAnotherVariantsFileAndKeepsTheValues) {
    const std::string path = folder.Write("easy.cfg", "[RecordType]\r\nRecordType=13\r\n[ParamsEasy]\r\nparShSAcc=5000\r\n");
    const TDipSettings before = form->Settings();
    LoadThrough(path);
    EXPECT_EQ(messages, std::vector<std::string>{kWrongSettingsFileText});
    EXPECT_EQ(form->Settings(), before);

    ChangeValues(*form);
    const std::string good = Saved(*form);
    TForm12* changed = form.release();
    form = std::make_unique<TForm12>(nullptr);
    messages.clear();
    LoadThrough(good);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Settings().at("skDecimalSpinEdit21"), 650);
    EXPECT_EQ(form->ComboBox("ComboBox2")->ItemIndex(), 2);
    delete changed;
}

TEST_F(DipSettingsFileTest, ASaveWithAKeyLeftWithoutAChoiceWritesNothing) {
    form->ComboBox("ComboBox3")->SetItemIndex(-1);
    const std::string path = (folder.Path() / "nokey.cfg").string();
    ModalAnswer dialog(form.get(), {platform::VK_RETURN}, [path] { platform::testing::TypeText(path.c_str()); });
    form->N2Click(nullptr);
    RunMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Не выбран защитный ключ"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}
