// settings.ini: every key written with its value form by the save command
// and read back at the next start, the defaults and odd values, and where
// the file goes when the program's folder takes no files.

#include "tests/viewer/MainWindowFixture.h"
#include "viewer/settings/DisplaySettings.h"
#include "viewer/settings/SettingsLocation.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

std::string ReadText(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Sets an environment variable for the scope of a test.
class EnvironmentScope {
public:
    EnvironmentScope(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentScope() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class DisplaySettingsTest : public MainWindowFixture {
protected:
    // A choice for every control the save command writes.
    void ChooseEverything() {
        Form1->SetBounds(33, 44, 1300, 650);
        for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
            Form2->ColorPanel(series)->SetColor(static_cast<TColor>(0x10000 * series + 7));
            Form2->ShowBox(series)->SetChecked(series % 2 == 0);
            Form2->SmoothingList(series)->SetItemIndex(series % 9);
        }
        Form2->CheckBox1->SetChecked(true);
        Form2->skCheckBox[23]->SetChecked(true);
        Form2->ComboBox[23]->SetItemIndex(3);
        Form2->SpinEdit1->SetValue(7);
        Form2->ComboBox[34]->SetItemIndex(1);
        for (int list : {24, 25, 26, 27, 28, 29, 30, 31, 33}) Form2->ComboBox[list]->SetItemIndex(list % 5);
        Form2->ComboBox[32]->SetItemIndex(1);
        Form1->N24->SetChecked(true);
    }
};

}  // namespace

TEST_F(DisplaySettingsTest, TheSaveCommandWritesEachKeyInItsValueForm) {
    Show();
    ChooseEverything();
    Form1->N3->Click();
    const std::string text = ReadText(folder.Path() / "settings.ini");
    const char* const lines[] = {
        "[Form]\r\nfrmTop=44\r\nfrmLeft=33\r\nfrmWidth=1300\r\nfrmHeight=650\r\n",
        // Colours as decimal 0x00BBGGRR values, series 19 under clVoltPov.
        "[Color]\r\nclKren=983047\r\n", "clVoltPov=1245191\r\n", "clAccSpeed=1703943\r\n",
        // Switches as 1 and 0, in the order of the colours, then the two menu checks.
        "[Checked]\r\nchKren=0\r\nchTangaz=1\r\n", "chAccSpeed=1\r\nAvtiveSkin=1\r\nWndSize=0\r\n",
        // List choices as item indexes.
        "[Filter]\r\nchAvtive=1\r\nchComp1G=1\r\nchAll=3\r\nchKren=6\r\n", "chAccSpeed=8\r\nmaxPrir=7\r\n",
        "[Other]\r\nsetSensorAcc=1\r\n",
        ("[CustomAxisAlt]\r\ncaAlt=4\r\ncaSpeed=0\r\ncaPower=1\r\ncaTemper=2\r\ncaAngel=4\r\ncaAccr=0\r\ncaGiro=1\r\n"
         "caServo=3\r\ncaTypeView=1\r\ncaAcc100g=3\r\n"),
    };
    for (const char* line : lines) EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
}

TEST_F(DisplaySettingsTest, WhatIsSavedIsReadBackAtTheNextStart) {
    Show();
    ChooseEverything();
    Form1->N3->Click();
    Form9->skSpinEdit1->SetValue(3);
    Form9->skSpinEdit3->SetValue(2);
    WriteLineWidthSettings(*Form9, Form1->SettingsFileToWrite());

    // A new start with the same folder.
    Restart();
    Show();
    EXPECT_EQ(Form1->Left(), 33);
    EXPECT_EQ(Form1->Top(), 44);
    EXPECT_EQ(Form1->Width(), 1200);  // whatever was saved
    EXPECT_EQ(Form1->Height(), 650);
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        EXPECT_EQ(Form2->ColorPanel(series)->Color(), static_cast<TColor>(0x10000 * series + 7)) << series;
        EXPECT_EQ(Form1->ChartSeries[series]->SeriesColor(), static_cast<TColor>(0x10000 * series + 7)) << series;
        EXPECT_EQ(Form1->ChartSeries[series]->Active(), series % 2 == 0) << series;
        EXPECT_EQ(Form2->SmoothingList(series)->ItemIndex(), series % 9) << series;
    }
    EXPECT_TRUE(Form2->CheckBox1->Checked());
    EXPECT_TRUE(Form2->skCheckBox[23]->Checked());
    EXPECT_EQ(Form2->ComboBox[23]->ItemIndex(), 3);
    EXPECT_EQ(Form2->SpinEdit1->Value(), 7);
    EXPECT_EQ(Form2->ComboBox[34]->ItemIndex(), 1);
    EXPECT_EQ(Form2->ComboBox[32]->ItemIndex(), 1);
    for (int list : {24, 25, 26, 27, 28, 29, 30, 31, 33}) EXPECT_EQ(Form2->ComboBox[list]->ItemIndex(), list % 5) << list;
    EXPECT_TRUE(Form1->N24->Checked());
    EXPECT_EQ(Form1->ChartSeries[kStartMarkerSeries]->LinePen().Width(), 3);
    EXPECT_EQ(Form1->ChartSeries[kAccelerationXSeries]->LinePen().Width(), 2);
}

TEST_F(DisplaySettingsTest, OddValuesReadAsTheirDefaultsOrWithinTheirLimits) {
    WriteSettings("[Form]\nfrmTop=abc\nfrmWidth=400\n[Filter]\nchAll=12\nchAltBaro=-3\n[Checked]\nchAccX=5\n"
                  "chViewMarker=0\n[GraphSize]\nGraph1=0\nGraph2=5\nGraph3=x\n[CustomAxisAlt]\ncaAlt=9\n");
    Show();
    EXPECT_EQ(Form1->Top(), 10);
    EXPECT_EQ(Form1->Width(), 1200);
    EXPECT_EQ(Form2->ComboBox[23]->ItemIndex(), -1);
    EXPECT_EQ(Form2->SmoothingList(kBaroAltitudeSeries)->ItemIndex(), -1);
    EXPECT_EQ(Form2->ComboBox[24]->ItemIndex(), -1);
    EXPECT_TRUE(Form2->ShowBox(kAccelerationXSeries)->Checked());
    EXPECT_FALSE(Form19->skCheckBox1->Checked());
    EXPECT_EQ(Form9->skSpinEdit1->Value(), 1);
    EXPECT_EQ(Form9->skSpinEdit2->Value(), 3);
    EXPECT_EQ(Form9->skSpinEdit3->Value(), 1);
}

TEST_F(DisplaySettingsTest, TheSkinChoiceIsWrittenAndNotReadBack) {
    Show();
    Form1->SkinItems[3]->Click();
    // No "Amber" beside the program: the internal skin stays.
    EXPECT_EQ(Form1->skSkinManager1->SkinName(), "Classic (внутренний)");
    EXPECT_TRUE(Form1->skSkinManager1->Active());
    EXPECT_NE(ReadText(folder.Path() / "settings.ini").find("SetSkin=4"), std::string::npos);
    Form1->SkinItems[0]->Click();
    EXPECT_FALSE(Form1->skSkinManager1->Active());
    EXPECT_NE(ReadText(folder.Path() / "settings.ini").find("SetSkin=1"), std::string::npos);
}

TEST(SettingsLocationTest, BesideTheProgramWhenItsFolderTakesFilesElseTheUserConfigurationFolder) {
    TempFolder program, config;
    const std::string userFolder = (config.Path() / "velzar").string();
    EXPECT_EQ(SettingsFileIn(program.Path().string(), userFolder), (program.Path() / "settings.ini").string());
    EXPECT_FALSE(std::filesystem::exists(userFolder));
    // /proc takes no new files, whoever runs the test.
    EXPECT_EQ(SettingsFileIn("/proc", userFolder), userFolder + "/settings.ini");
    EXPECT_TRUE(std::filesystem::is_directory(userFolder));
    // Reading falls back to the defaults beside the program until the user has a file.
    EXPECT_EQ(SettingsFileToRead("/proc", userFolder), "/proc/settings.ini");
    std::ofstream(userFolder + "/settings.ini") << "[Form]\n";
    EXPECT_EQ(SettingsFileToRead("/proc", userFolder), userFolder + "/settings.ini");
}

TEST(SettingsLocationTest, TheUserConfigurationFolder) {
    {
        EnvironmentScope config("XDG_CONFIG_HOME", "/somewhere/config");
        EXPECT_EQ(UserConfigFolder(), "/somewhere/config/velzar");
    }
    EnvironmentScope config("XDG_CONFIG_HOME", "");
    EnvironmentScope home("HOME", "/home/pilot");
    EXPECT_EQ(UserConfigFolder(), "/home/pilot/.config/velzar");
}

TEST_F(DisplaySettingsTest, AReadOnlyProgramFolderSavesInTheUserConfigurationFolder) {
    TempFolder config;
    EnvironmentScope scope("XDG_CONFIG_HOME", config.Path().string());
    Form1->SettingsFolder = "/proc";
    Show();
    Form2->ShowBox(kBaroAltitudeSeries)->SetChecked(true);
    Form1->N3->Click();
    const std::string text = ReadText(config.Path() / "velzar" / "settings.ini");
    EXPECT_NE(text.find("chAltBaro=1"), std::string::npos) << text;
}

TEST_F(DisplaySettingsTest, TheShippedSettingsShowTheMainChannelsInDistinctColours) {
    const auto shipped = std::filesystem::path(VELZAR_SAMPLES_DIR).parent_path() / "settings.ini";
    WriteSettings(ReadText(shipped.string()));
    Show();
    const std::vector<int> shown = {kBaroAltitudeSeries, kAccelerationXSeries, kAccelerationYSeries,
                                    kAccelerationZSeries, kAccelAltitudeSeries, kAccelSpeedSeries};
    std::vector<TColor> colours;
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        const bool main = std::find(shown.begin(), shown.end(), series) != shown.end();
        EXPECT_EQ(Form1->ChartSeries[series]->Active(), main) << series;
        if (!main) continue;
        const TColor colour = Form1->ChartSeries[series]->SeriesColor();
        EXPECT_EQ(std::find(colours.begin(), colours.end(), colour), colours.end()) << "series " << series;
        EXPECT_NE(colour, clBtnFace);
        colours.push_back(colour);
    }
}
