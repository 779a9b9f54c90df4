// The first-stage settings file and timer cross-check as tables: the keys in
// order with their scales, a file of only its type reading as the defaults,
// damaged files refused whole, and the three timers' marks.

#include "settings/files/FirstStageSettingsFile.h"
#include "settings/firststage/FirstStageTimers.h"
#include "tests/support/TempFolder.h"

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

// Every control at its window start value.
TSettingsValues StartValues() {
    return {{"skDecimalSpinEdit13", 2.0},  {"skDecimalSpinEdit14", 0.3},  {"skCheckBox6", 0},           {"skDecimalSpinEdit18", 10},
            {"skDecimalSpinEdit22", 100},  {"skCheckBox7", 0},            {"skDecimalSpinEdit19", 3.0}, {"skCheckBox5", 0},
            {"skDecimalSpinEdit9", 5.0},   {"skDecimalSpinEdit10", 0.3},  {"skCheckBox4", 1},           {"skDecimalSpinEdit11", 3.0},
            {"skCheckBox14", 1},           {"skDecimalSpinEdit5", 30},    {"skDecimalSpinEdit3", 0.3},  {"skDecimalSpinEdit4", 0.1},
            {"skDecimalSpinEdit24", 0.05}, {"skDecimalSpinEdit25", 0.3},  {"skDecimalSpinEdit28", 2.0}, {"skDecimalSpinEdit1", 1.5},
            {"skDecimalSpinEdit16", 2.0},  {"skCheckBox10", 1},           {"skDecimalSpinEdit21", 5},   {"skDecimalSpinEdit8", 5},
            {"skDecimalSpinEdit7", 0.5},   {"skCheckBox3", 0},            {"skDecimalSpinEdit20", 1.5}, {"skDecimalSpinEdit2", 0.2},
            {"skDecimalSpinEdit27", 5.0},  {"skDecimalSpinEdit33", 0.5},  {"skDecimalSpinEdit26", 5}};
}

class FirstStageFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) { return (folder.Path() / name).string(); }
    TempFolder folder;
};

TEST_F(FirstStageFileTest, StartValuesAreWrittenInTableOrderAndScale) {
    const std::string path = Path("first.cfg");
    WriteFirstStageSettingsFile(path, StartValues());
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.rfind("[RecordType]\r\nRecordType=14\r\n[ParamsEasy]\r\nparShSAcc=2000\r\n", 0), 0u) << text;
    for (const char* line : {"parShSTimerEngOff=30", "parSnStartAngel=30000", "parShSTimerApog=10", "parGndBaroTime=5",
                             "parPasAcc=50", "parParashuteOnOff=0"})
        EXPECT_NE(text.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
    // The soft sign of this key is written in the controller files' code page.
    EXPECT_NE(text.find("parShSBaroI\xFCitIngOnOff=1\r\n"), std::string::npos);
    std::size_t last = 0;
    for (const TSettingsFileKey& key : FirstStageFileKeys()) {
        const std::size_t at = text.find(std::string("\n") + (std::string(key.Key) == "parShSBaroIьitIngOnOff" ? "parShSBaroI\xFCit" : key.Key));
        ASSERT_NE(at, std::string::npos) << key.Key;
        EXPECT_GT(at, last) << key.Key;
        last = at;
    }

    TSettingsValues moved = StartValues();
    moved["skDecimalSpinEdit13"] = 4.56, moved["skCheckBox3"] = 1, moved["skDecimalSpinEdit19"] = 12.5;
    WriteFirstStageSettingsFile(path, moved);
    const TSettingsFileRead read = ReadFirstStageSettingsFile(path);
    ASSERT_TRUE(read.Ok()) << read.Error;
    for (const auto& [control, value] : moved) EXPECT_NEAR(read.Values.at(control), value, 1e-9) << control;
}

TEST_F(FirstStageFileTest, AFileOfOnlyItsTypeReadsAsTheDefaults) {
    const TSettingsFileRead read = ReadFirstStageSettingsFile(folder.Write("bare.cfg", "[RecordType]\r\nRecordType=14\r\n"));
    ASSERT_TRUE(read.Ok()) << read.Error;
    TSettingsValues expected = StartValues();
    // The file's defaults differ from the window's start values here.
    expected["skDecimalSpinEdit10"] = 0.5, expected["skDecimalSpinEdit4"] = 0.3, expected["skDecimalSpinEdit24"] = 0.1,
    expected["skDecimalSpinEdit28"] = 0.3, expected["skCheckBox3"] = 1;
    EXPECT_EQ(read.Values, expected);
}

TEST_F(FirstStageFileTest, DamagedFilesAreRefusedWhole) {
    const std::string frame = "[RecordType]\r\nRecordType=14\r\n[ParamsEasy]\r\n";
    const struct {
        const char* what;
        std::string text;
        std::string error;  // the message starts so
    } cases[] = {
        {"single-stage", "[RecordType]\r\nRecordType=13\r\n[ParamsEasy]\r\nparShSAcc=2000\r\n", "Не верный файл настроек!"},
        {"no type", "[ParamsEasy]\r\nparShSAcc=2000\r\n", "Не верный файл настроек!"},
        {"type no number", "[RecordType]\r\nRecordType=14x\r\n", "Не верный файл настроек!"},
        {"not a number", frame + "parShSAcc=2,5\r\n", "Файл настроек повреждён:\rзначение параметра \"parShSAcc\" не является целым"},
        {"flag not a number", frame + "parShSImitApog=yes\r\n", "Файл настроек повреждён:\rзначение параметра \"parShSImitApog\""},
        {"over the range", frame + "parShSTimerEngOff=250\r\n",
         "Файл настроек повреждён:\rзначение параметра \"parShSTimerEngOff\" (250) вне допустимого диапазона от 1 до 20."},
        {"under the range", frame + "parGndBaroTime=1\r\n", "Файл настроек повреждён:\rзначение параметра \"parGndBaroTime\" (1)"},
        {"empty", "", "Не верный файл настроек!"},
    };
    for (const auto& c : cases) {
        const TSettingsFileRead read = ReadFirstStageSettingsFile(folder.Write("damaged.cfg", c.text));
        EXPECT_FALSE(read.Ok()) << c.what;
        EXPECT_TRUE(read.Values.empty()) << c.what;
        EXPECT_EQ(read.Error.rfind(c.error, 0), 0u) << c.what << ": " << read.Error;
    }
    const TSettingsFileRead missing = ReadFirstStageSettingsFile(Path("nowhere.cfg"));
    EXPECT_FALSE(missing.Ok());
}

TEST(FirstStageTimersTest, TheCrossCheckMarksTimersThatLeaveTooLittleTime) {
    using M = TTimerMark;
    const struct {
        bool apogeeOn, burnoutOn;
        double a, b, d;
        std::vector<std::string> log;
        M apogee, descent;
    } cases[] = {
        {true, true, 10, 3, 100, {"Mode 1"}, M::Clear, M::Clear},
        {true, true, 6, 3, 20, {"Mode 1", "Error 1", "Error 2"}, M::Mark, M::Mark},
        {true, true, 8, 3, 23, {"Mode 1"}, M::Clear, M::Clear},  // both gaps exactly enough
        {true, true, 8, 3, 22, {"Mode 1", "Error 2"}, M::Clear, M::Mark},
        {false, true, 10, 3.0, 18, {"Mode 2"}, M::Leave, M::Clear},
        {false, true, 10, 3.1, 18, {"Mode 2"}, M::Leave, M::Mark},
        {true, false, 10, 3, 20, {"Mode 3"}, M::Leave, M::Mark},
        {true, false, 10, 3, 25, {"Mode 3"}, M::Leave, M::Clear},
        {false, false, 99, 20, 30, {"Mode 4"}, M::Clear, M::Clear},
        // 3 reached by steps of 0,1 from 2 is not exactly 3.
        {false, true, 10, 2.0 + 0.1 * 10, 18, {"Mode 2"}, M::Leave, M::Clear},
    };
    for (const auto& c : cases) {
        const TTimerCheck check = CheckTimers(c.apogeeOn, c.burnoutOn, c.a, c.b, c.d);
        EXPECT_EQ(check.Log, c.log) << c.a << " " << c.b << " " << c.d;
        EXPECT_EQ(check.Apogee, c.apogee) << c.a << " " << c.b << " " << c.d;
        EXPECT_EQ(check.Descent, c.descent) << c.a << " " << c.b << " " << c.d;
    }
}

}  // namespace
