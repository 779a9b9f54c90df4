// The chart settings dialog driven through its controls: the user's changes
// saved at once and a reload asked for, changes made by code saving
// nothing, OK putting visibility, colours and axes on the chart, the
// smoothing controls greyed by the filter switch, and the keyboard.

#include "tests/viewer/MainWindowFixture.h"
#include "ui/controls/CustomEdit.h"
#include "ui/core/IniFiles.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Screen.h"

#include <fstream>
#include <iterator>

namespace {

const std::filesystem::path kSampleLog = std::filesystem::path(VELZAR_SAMPLES_DIR) / "sample-flight.log";

class ChartSettingsFormTest : public MainWindowFixture {
protected:
    // "Настройка графиков" from the menu, as the active window.
    void OpenChartSettings() {
        Form1->N15->Click();
        RunMessages();
        ASSERT_TRUE(Form2->Visible());
        ASSERT_TRUE(Form2->Active());
    }
    std::string SettingsText() const {
        std::ifstream in(SettingsFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    int Saved(const char* section, const char* key) const { return TIniFile(SettingsFile()).ReadInteger(section, key, -1); }
    std::vector<double> Values(int series) const {
        std::vector<double> values;
        for (int i = 0; i < Series(series).Count(); ++i) values.push_back(Series(series).YValueAt(i));
        return values;
    }
    TChartAxis* CustomAxis(int index) const { return Form1->Chart1->CustomAxes().GetAxis(index); }
};

}  // namespace

TEST_F(ChartSettingsFormTest, AUsersSmoothingChoiceIsSavedAtOnceAndTheNextOpenReloadsTheSameLog) {
    WriteSettings("[Checked]\nchAltBaro=1\n[Filter]\nchAvtive=1\n");
    Show();
    OpenLog(kSampleLog);
    const std::vector<double> before = Values(kBaroAltitudeSeries);

    OpenChartSettings();
    Focus(Form2->SmoothingList(kBaroAltitudeSeries));
    Press(platform::VK_END);
    EXPECT_EQ(Form2->SmoothingList(kBaroAltitudeSeries)->Text(), "128");
    EXPECT_EQ(Saved("Filter", "chAltBaro"), 8);
    EXPECT_TRUE(Form1->ReloadSameLog);
    // A stream log read next skips its period dialog too.
    EXPECT_TRUE(Form1->ReloadSameStream);
    Press(platform::VK_ESCAPE);
    ASSERT_FALSE(Form2->Visible());

    // No open dialog comes (one would be answered with Escape): the same
    // file is read again with the new factor.
    {
        ModalAnswer answer(Form1, {platform::VK_ESCAPE});
        Form1->N30->Click();
        RunMessages();
        EXPECT_EQ(answer.caption, "");
    }
    EXPECT_FALSE(Form1->ReloadSameLog);
    const std::vector<double> after = Values(kBaroAltitudeSeries);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NE(after, before);
    EXPECT_TRUE(boxes.empty());

    // The same as a start that reads the saved choice.
    Restart();
    Show();
    OpenLog(kSampleLog);
    EXPECT_EQ(Values(kBaroAltitudeSeries), after);
}

TEST_F(ChartSettingsFormTest, ChangesMadeByCodeWriteNoSettingsAndAskNoReload) {
    const std::string settings = "[Filter]\nchAvtive=1\nchComp1G=1\nchAll=2\n[Checked]\nchAccX=1\n[CustomAxisAlt]\ncaAlt=2\n";
    WriteSettings(settings);
    Show();  // the start-up read sets every control from code
    EXPECT_TRUE(Form2->CheckBox1->Checked());
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_FALSE(Form1->ReloadSameLog);

    auto changeEverything = [] {
        Form2->CheckBox1->SetChecked(!Form2->CheckBox1->Checked());
        Form2->skCheckBox[23]->SetChecked(!Form2->skCheckBox[23]->Checked());
        Form2->ShowBox(kBaroAltitudeSeries)->SetChecked(!Form2->ShowBox(kBaroAltitudeSeries)->Checked());
        Form2->SpinEdit2->SetValue(Form2->SpinEdit2->Value() + 1);
        Form2->ColorPanel(kBaroAltitudeSeries)->SetColor(clRed);
        RunMessages();
    };
    changeEverything();
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_FALSE(Form1->ReloadSameLog);

    // Shown but behind the main window: still code, not the user.
    OpenChartSettings();
    Form1->SetFocus();
    RunMessages();
    ASSERT_FALSE(Form2->Active());
    changeEverything();
    EXPECT_EQ(SettingsText(), settings);
    EXPECT_FALSE(Form1->ReloadSameLog);
}

TEST_F(ChartSettingsFormTest, AVisibilityAndAColourChosenByTheUserAreSavedAndReachTheChartAtOk) {
    Show();
    OpenChartSettings();
    Focus(Form2->ShowBox(kBaroAltitudeSeries));
    Press(platform::VK_SPACE);
    EXPECT_EQ(Saved("Checked", "chAltBaro"), 1);
    EXPECT_FALSE(Series(kBaroAltitudeSeries).Active()) << "only OK shows it";

    // The colour dialog, with a colour typed into its hexadecimal field;
    // the answer waits for the dialog the click opens.
    TPanel* panel = Form2->ColorPanel(kBaroAltitudeSeries);
    std::string dialogCaption;
    const TNotifyEvent opensDialog = panel->OnClick;
    panel->OnClick = [&](TObject* sender) {
        ModalAnswer answer(Form2, {platform::VK_RETURN}, [] {
            auto* hex = dynamic_cast<TCustomEdit*>(Screen->ActiveForm()->FindComponent("Hex"));
            ASSERT_NE(hex, nullptr);
            hex->SetText("123456");
        });
        opensDialog(sender);
        dialogCaption = answer.caption;
    };
    ClickOn(panel);
    EXPECT_FALSE(dialogCaption.empty());
    const TColor chosen = 0x563412;
    EXPECT_EQ(Form2->ColorPanel(kBaroAltitudeSeries)->Color(), chosen);
    EXPECT_EQ(Saved("Color", "clAltBaro"), static_cast<int>(chosen));
    EXPECT_EQ(Series(kBaroAltitudeSeries).SeriesColor(), clBlack);

    ASSERT_TRUE(Form2->Active());
    Press(platform::VK_RETURN);  // OK
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(Series(kBaroAltitudeSeries).Active());
    EXPECT_EQ(Series(kBaroAltitudeSeries).SeriesColor(), chosen);
    EXPECT_EQ(Form1->Chart1->LeftAxis()->Title().Caption(), "Высота, м  ");
    EXPECT_EQ(Form1->Chart1->LeftAxis()->LabelsFont().Color(), chosen);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartSettingsFormTest, OkPutsEachShownGroupOnTheAxisOfItsNumberCountedFromTheLowestInUse) {
    constexpr int kLeft = -1;
    const struct {
        const char* name;
        std::vector<int> shown;
        std::vector<std::pair<int, int>> axisLists;  // ComboBox number, item index
        std::vector<std::pair<int, int>> placed;     // series, kLeft or custom axis
        std::array<const char*, kVerticalAxisCount> titles;
        std::array<bool, kVerticalAxisCount> inUse;
    } cases[] = {
        {"accelerations on 2, altitude on 1",
         {kAccelerationXSeries, kAccelerationYSeries, kAccelerationZSeries, kBaroAltitudeSeries},
         {{30, 1}, {24, 0}},
         {{kBaroAltitudeSeries, kLeft}, {kAccelerationXSeries, 0}, {kAccelerationYSeries, 0}, {kAccelerationZSeries, 0}},
         {"Высота, м  ", "Ускорение, g  ", "", "", ""},
         {true, true, false, false, false}},
        {"only 3 and 5 in use",
         {kBaroAltitudeSeries, kAngularRateXSeries},
         {{24, 2}, {31, 4}},
         {{kBaroAltitudeSeries, kLeft}, {kAngularRateXSeries, 1}},
         {"Высота, м  ", "", "Угловая скорость, град/сек  ", "", ""},
         {true, false, true, false, false}},
        {"speed by accelerometer alone", {kAccelSpeedSeries}, {{25, 3}}, {{kAccelSpeedSeries, kLeft}},
         {"Скорость, м/с  ", "", "", "", ""}, {true, false, false, false, false}},
        {"both speeds: the first one's text", {kGpsSpeedSeries, kAccelSpeedSeries}, {{25, 0}},
         {{kGpsSpeedSeries, kLeft}, {kAccelSpeedSeries, kLeft}}, {"Скорость, км/ч  ", "", "", "", ""},
         {true, false, false, false, false}},
        {"two groups on one axis", {kBaroAltitudeSeries, kBaroTemperatureSeries, kAcceleration100gSeries},
         {{24, 1}, {27, 1}, {33, 4}},
         {{kBaroAltitudeSeries, kLeft}, {kBaroTemperatureSeries, kLeft}, {kAcceleration100gSeries, 2}},
         {"Высота, м  Температура, °С  ", "", "", "Ускорение, g  ", ""},
         {true, false, false, true, false}},
    };
    Show();
    for (const auto& c : cases) {
        for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
            const bool shown = std::find(c.shown.begin(), c.shown.end(), series) != c.shown.end();
            Form2->ShowBox(series)->SetChecked(shown);
            Form2->ColorPanel(series)->SetColor(static_cast<TColor>(series * 0x10101));
        }
        for (const AxisGroup& group : AxisGroups()) Form2->ComboBox[group.AxisList]->SetItemIndex(0);
        for (const auto& [list, index] : c.axisLists) Form2->ComboBox[list]->SetItemIndex(index);
        OpenChartSettings();
        Form2->skButton1->Click();

        for (const auto& [series, axis] : c.placed)
            EXPECT_EQ(Series(series).CustomVertAxis(), axis == kLeft ? nullptr : CustomAxis(axis)) << c.name << ": " << series;
        EXPECT_EQ(Form1->Chart1->LeftAxis()->Title().Caption(), c.titles[0]) << c.name;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(CustomAxis(k)->Title().Caption(), c.titles[k + 1]) << c.name << ": " << k;
        EXPECT_EQ(Form1->AxisInUse, c.inUse) << c.name;
        EXPECT_FALSE(Form2->Visible());
    }
    // Each axis in the colour of its first shown series: the 100 g series is alone on its axis.
    EXPECT_EQ(CustomAxis(2)->Axis().Color(), static_cast<TColor>(kAcceleration100gSeries * 0x10101));
    EXPECT_EQ(CustomAxis(2)->Title().Font().Color(), static_cast<TColor>(kAcceleration100gSeries * 0x10101));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ChartSettingsFormTest, WithNoSeriesShownALoadSaysSoOnceAndLeavesNoAxisTitles) {
    WriteSettings("[CustomAxisAlt]\ncaAlt=3\ncaAccr=1\n");
    Show();
    Form1->Chart1->LeftAxis()->Title().SetCaption("old");
    CustomAxis(1)->Title().SetCaption("old");
    Form1->skOpenDialog1->FileName = kSampleLog.string();
    Form1->ReloadSameLog = true;
    // The message box is answered once its loop waits for input.
    std::string told;
    Application->OnIdle = [&told](TObject*, bool&) {
        TCustomForm* dialog = Screen->ActiveForm();
        auto* message = dialog ? dynamic_cast<TControl*>(dialog->FindComponent("Message")) : nullptr;
        if (!message) return;
        told = message->Caption();
        platform::testing::PressKey(platform::VK_RETURN);
        platform::testing::ReleaseKey(platform::VK_RETURN);
    };
    ScopeExit noIdle([] { Application->OnIdle = nullptr; });
    Form1->N30->Click();
    EXPECT_EQ(told, "Не выбран не один график!!!");
    EXPECT_TRUE(boxes.empty()) << "nothing else is told: " << boxes.front();
    EXPECT_GT(Series(kBaroAltitudeSeries).Count(), 0);
    EXPECT_EQ(Form1->Chart1->LeftAxis()->Title().Caption(), "");
    EXPECT_EQ(CustomAxis(1)->Title().Caption(), "");
    EXPECT_EQ(Form1->AxisInUse, (std::array<bool, kVerticalAxisCount>{}));
}

TEST_F(ChartSettingsFormTest, TheFilterSwitchAndTheCommonFactorGreyTheSmoothingControls) {
    Show();
    OpenChartSettings();
    ASSERT_EQ(Form2->FilterControls.size(), 24u);
    EXPECT_EQ(Form2->FilterControls.front(), Form2->ComboBox[1]);
    EXPECT_EQ(Form2->FilterControls[22], Form2->ComboBox[23]);
    EXPECT_EQ(Form2->FilterControls.back(), Form2->skComboBox2);
    auto expectGreyed = [](TWinControl* control, bool greyed, const std::string& when) {
        EXPECT_EQ(control->Enabled(), !greyed) << control->Name() << " " << when;
        EXPECT_EQ(control->Font()->Color(), greyed ? clSilver : clBlack) << control->Name() << " " << when;
    };
    for (TComboBox* list : Form2->FilterControls) expectGreyed(list, true, "filter off");
    expectGreyed(Form2->SpinEdit1, true, "filter off");

    Focus(Form2->CheckBox1);
    Press(platform::VK_SPACE);
    EXPECT_EQ(Saved("Filter", "chAvtive"), 1);
    EXPECT_TRUE(Form1->ReloadSameLog);
    for (TComboBox* list : Form2->FilterControls) expectGreyed(list, false, "filter on, own factors");
    expectGreyed(Form2->SpinEdit1, false, "filter on, own factors");

    Form1->ReloadSameLog = false;
    Focus(Form2->ComboBox[23]);
    Press(platform::VK_DOWN);
    EXPECT_EQ(Form2->ComboBox[23]->Text(), "2");
    EXPECT_EQ(Saved("Filter", "chAll"), 1);
    for (TComboBox* list : Form2->FilterControls) expectGreyed(list, list != Form2->ComboBox[23], "common factor");
    expectGreyed(Form2->SpinEdit1, true, "common factor");
    Press(platform::VK_UP);  // back to "Выкл"
    for (TComboBox* list : Form2->FilterControls) expectGreyed(list, false, "common factor off");

    Focus(Form2->skCheckBox[23]);
    Press(platform::VK_SPACE);
    EXPECT_EQ(Saved("Filter", "chComp1G"), 1);
    EXPECT_TRUE(Form1->ReloadSameLog);
}

TEST_F(ChartSettingsFormTest, AxisScalingAndSensorListsAskForAReloadAndTheStepFieldsBehave) {
    const struct {
        int list;
        const char* section;
        const char* key;
    } lists[] = {{32, "CustomAxisAlt", "caTypeView"}, {34, "Other", "setSensorAcc"}, {26, "CustomAxisAlt", "caPower"}};
    Show();
    OpenChartSettings();
    for (const auto& l : lists) {
        Form1->ReloadSameLog = false;
        Focus(Form2->ComboBox[l.list]);
        Press(platform::VK_DOWN);
        EXPECT_EQ(Saved(l.section, l.key), 1) << l.key;
        EXPECT_TRUE(Form1->ReloadSameLog) << l.key;
    }
    // A typed step limit asks for a reload; an emptied altitude field gets 3 when left.
    Form1->ReloadSameLog = false;
    Focus(Form2->SpinEdit2);
    platform::testing::TypeText("7");
    RunMessages();
    EXPECT_TRUE(Form1->ReloadSameLog);
    Form2->CheckBox1->SetChecked(true);
    Form2->UpdateFilterControls();
    Focus(Form2->SpinEdit1);
    Form2->SpinEdit1->SetText("");
    Press(platform::VK_TAB);
    EXPECT_NE(Form2->ActiveControl(), Form2->SpinEdit1);
    EXPECT_EQ(Form2->SpinEdit1->Text(), "3");
}

TEST_F(ChartSettingsFormTest, TabVisitsTheShownControlsInOrderAndEscapeClosesWithoutApplying) {
    Show();
    OpenChartSettings();
    Focus(Form2->skCheckBox[1]);
    std::vector<TWinControl*> visited{Form2->ActiveControl()};
    for (;;) {
        Press(platform::VK_TAB);
        if (Form2->ActiveControl() == visited.front() || visited.size() > 200) break;
        visited.push_back(Form2->ActiveControl());
    }
    // With the filter off the smoothing lists are greyed and skipped.
    const std::vector<TWinControl*> start{Form2->skCheckBox[1], Form2->skCheckBox[2], Form2->skCheckBox[3],
                                          Form2->ComboBox[29], Form2->skCheckBox[7], Form2->skCheckBox[8]};
    ASSERT_GE(visited.size(), start.size());
    EXPECT_EQ(std::vector<TWinControl*>(visited.begin(), visited.begin() + static_cast<long>(start.size())), start);
    EXPECT_EQ(visited.back(), Form2->skButton1);
    for (TWinControl* control : visited) {
        EXPECT_TRUE(control->IsShowing() && control->Enabled()) << control->Name();
        EXPECT_EQ(std::count(visited.begin(), visited.end(), control), 1) << control->Name();
    }
    EXPECT_EQ(std::count(visited.begin(), visited.end(), Form2->ShowBox(kPowerVoltageSeries)), 0);
    EXPECT_NE(std::find(visited.begin(), visited.end(), Form2->ComboBox[34]), visited.end());

    Focus(Form2->ShowBox(kAccelerationXSeries));
    Press(platform::VK_SPACE);
    Press(platform::VK_ESCAPE);
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(Series(kAccelerationXSeries).Active());
}
