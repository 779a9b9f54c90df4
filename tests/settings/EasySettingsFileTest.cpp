// The single-stage settings file: written whole and read back, other
// sections kept, and damaged files refused whole with a message.

#include "settings/files/EasySettingsFile.h"
#include "tests/settings/FullDisk.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// The window's start values, with a few moved off them.
TEasySettings SampleSettings() {
    return {
        {"skDecimalSpinEdit12", 2.5}, {"skDecimalSpinEdit13", 0.3},  {"skCheckBox1", 1},          {"skDecimalSpinEdit14", 10},
        {"skDecimalSpinEdit22", 100}, {"skCheckBox6", 0},            {"skDecimalSpinEdit5", 3.0}, {"skCheckBox5", 1},
        {"skDecimalSpinEdit1", 5.5},  {"skDecimalSpinEdit2", 0.2},   {"skCheckBox4", 1},          {"skDecimalSpinEdit4", 3.0},
        {"skCheckBox14", 1},          {"skDecimalSpinEdit6", 60},    {"skDecimalSpinEdit10", 0.2}, {"skDecimalSpinEdit16", 0.1},
        {"skDecimalSpinEdit17", 3.0}, {"skDecimalSpinEdit11", 0.05}, {"skDecimalSpinEdit3", 0.3}, {"skDecimalSpinEdit9", 2.0},
        {"skDecimalSpinEdit8", 5},    {"skDecimalSpinEdit7", 0.5},   {"skDecimalSpinEdit15", 1.5}, {"skCheckBox3", 1},
        {"skDecimalSpinEdit18", 0.1}, {"skCheckBox2", 0},            {"skDecimalSpinEdit19", 2.5}, {"skDecimalSpinEdit31", 0.5},
        {"skDecimalSpinEdit21", 200}, {"skDecimalSpinEdit20", 20},   {"skDecimalSpinEdit27", 5.0}, {"skDecimalSpinEdit33", 0.5},
        {"skDecimalSpinEdit26", 5},
    };
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces "key=..." of the text's line, or removes it with an empty value.
std::string WithLine(std::string text, const std::string& key, const std::string& line) {
    const std::size_t at = text.find("\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    const std::size_t end = text.find("\r\n", at + 1);
    text.replace(at + 1, end + 2 - (at + 1), line.empty() ? "" : line + "\r\n");
    return text;
}

class EasySettingsFileTest : public ::testing::Test {
protected:
    std::string Saved() {
        const std::string path = (folder.Path() / "flight.cfg").string();
        WriteEasySettingsFile(path, SampleSettings());
        return path;
    }
    TempFolder folder;
};

TEST_F(EasySettingsFileTest, WritesTheFrameWithEveryKeyInOrderAndScale) {
    const std::string text = ReadAll(Saved());
    EXPECT_EQ(text.rfind("[RecordType]\r\nRecordType=13\r\n[ParamsEasy]\r\nparShSAcc=2500\r\nparShSAccTime=300\r\n", 0), 0u);
    const char* lines[] = {"parShSImitApog=1", "parShSTimerApog=10", "parShSTimerEngOff=30", "parShSBaroAlt=6",
                           "parShSBaroFlt=200", "parVnStAngel=60", "parVnStTimeoutMainPar=3000", "parPasAcc=50",
                           "parSpuskVtorOnOff=0", "parSpuskVtorAltPar=200", "parGndBaroTime=5"};
    for (const char* line : lines) EXPECT_NE(text.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
    std::size_t last = 0;
    for (const TEasyFileKey& key : EasyFileKeys()) {
        const std::size_t at = text.find(std::string("\n") + key.Key + "=");
        ASSERT_NE(at, std::string::npos) << key.Key;
        EXPECT_GT(at, last) << key.Key;
        last = at;
    }
}

TEST_F(EasySettingsFileTest, ReadsBackWhatItWrote) {
    const TEasyFileRead read = ReadEasySettingsFile(Saved());
    ASSERT_TRUE(read.Ok()) << read.Error;
    TEasySettings expected = SampleSettings();
    expected["skDecimalSpinEdit1"] = 6;  // whole metres: 5,5 comes back as 6
    ASSERT_EQ(read.Values.size(), expected.size());
    for (const auto& [control, value] : expected) EXPECT_NEAR(read.Values.at(control), value, 1e-9) << control;
}

TEST_F(EasySettingsFileTest, AnotherVariantsFileKeepsItsOtherSectionsAndTakesTheType) {
    const std::string path = folder.Write("dip.cfg", "; made by hand\r\n[RecordType]\r\nRecordType=12\r\n[ParamsDip]\r\nparDip=7\r\n");
    WriteEasySettingsFile(path, SampleSettings());
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.rfind("; made by hand\r\n[RecordType]\r\nRecordType=13\r\n[ParamsDip]\r\nparDip=7\r\n[ParamsEasy]\r\n", 0), 0u);
    EXPECT_TRUE(ReadEasySettingsFile(path).Ok());
    // Only the file itself in the folder: the temporary file is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(EasySettingsFileTest, AWriteThatFailsLeavesTheOldFileWhole) {
    const std::string path = Saved();
    const std::string before = ReadAll(path);
    TEasySettings changed = SampleSettings();
    changed["skDecimalSpinEdit12"] = 9.0;
    {
        FullDisk full;
        EXPECT_THROW(WriteEasySettingsFile(path, changed), EIniFileException);
    }
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(EasySettingsFileTest, DamagedFilesAreRefusedWholeWithTheirReason) {
    const std::string good = ReadAll(Saved());
    const struct {
        const char* what;
        std::string text;
        const char* message;  // a part of the message
    } cases[] = {
        {"DIP type", WithLine(good, "RecordType", "RecordType=12"), "Не верный файл настроек!"},
        {"no type", WithLine(good, "RecordType", ""), "Не верный файл настроек!"},
        {"type not a number", WithLine(good, "RecordType", "RecordType=13x"), "Не верный файл настроек!"},
        {"missing key", WithLine(good, "parGndBaroTime", ""), "нет параметра \"parGndBaroTime\""},
        {"missing flag", WithLine(good, "parSpuskTormOnOff", ""), "нет параметра \"parSpuskTormOnOff\""},
        {"not a number", WithLine(good, "parShSAcc", "parShSAcc=2,5"), "\"parShSAcc\" не является целым числом"},
        {"empty value", WithLine(good, "parVnStAngel", "parVnStAngel="), "\"parVnStAngel\" не является целым числом"},
        {"hexadecimal", WithLine(good, "parVnStAngel", "parVnStAngel=0x3C"), "\"parVnStAngel\" не является целым числом"},
        {"flag not a number", WithLine(good, "parSpuskVtorOnOff", "parSpuskVtorOnOff=yes"), "\"parSpuskVtorOnOff\""},
        {"above the range", WithLine(good, "parVnStAngel", "parVnStAngel=71"), "\"parVnStAngel\" (71) вне допустимого диапазона от 10 до 70"},
        {"below the range", WithLine(good, "parGndBaroDelta", "parGndBaroDelta=500"), "от 2,0 до 20,0"},
        {"negative", WithLine(good, "parPasAcc", "parPasAcc=-50"), "\"parPasAcc\" (-50) вне допустимого диапазона"},
        {"huge", WithLine(good, "parShSTimerSpusk", "parShSTimerSpusk=99999999999999999999"), "\"parShSTimerSpusk\""},
        {"empty file", "", "Не верный файл настроек!"},
    };
    for (const auto& c : cases) {
        const std::string path = folder.Write("damaged.cfg", c.text);
        const TEasyFileRead read = ReadEasySettingsFile(path);
        EXPECT_FALSE(read.Ok()) << c.what;
        EXPECT_TRUE(read.Values.empty()) << c.what;
        EXPECT_NE(read.Error.find(c.message), std::string::npos) << c.what << ": " << read.Error;
    }
}

TEST_F(EasySettingsFileTest, ValuesAtTheEndsOfTheirRangesAndAnyNonZeroFlagAreTaken) {
    std::string text = ReadAll(Saved());
    text = WithLine(text, "parVnStAngel", "parVnStAngel=70");
    text = WithLine(text, "parPasAcc", "parPasAcc= 10 ");
    text = WithLine(text, "parSpuskVtorOnOff", "parSpuskVtorOnOff=5");
    const TEasyFileRead read = ReadEasySettingsFile(folder.Write("ends.cfg", text));
    ASSERT_TRUE(read.Ok()) << read.Error;
    EXPECT_DOUBLE_EQ(read.Values.at("skDecimalSpinEdit6"), 70);
    EXPECT_DOUBLE_EQ(read.Values.at("skDecimalSpinEdit11"), 0.01);
    EXPECT_DOUBLE_EQ(read.Values.at("skCheckBox2"), 1);
}

TEST_F(EasySettingsFileTest, AMissingFileIsReportedByName) {
    const TEasyFileRead read = ReadEasySettingsFile((folder.Path() / "nothing.cfg").string());
    EXPECT_FALSE(read.Ok());
    EXPECT_NE(read.Error.find("nothing.cfg"), std::string::npos) << read.Error;
}

}  // namespace
