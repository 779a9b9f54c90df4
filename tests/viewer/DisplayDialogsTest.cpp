// The line-width dialog, the view options, the about box and the skin menu,
// driven from the menu and the keyboard: what each changes on the chart and
// in settings.ini, and what closing without OK keeps.

#include "tests/viewer/MainWindowFixture.h"
#include "ui/core/IniFiles.h"
#include "viewer/forms/AboutForm.h"

#include <filesystem>

namespace {

class DisplayDialogsTest : public MainWindowFixture {
protected:
    void Open(TMenuItem* item, TForm* dialog) {
        item->Click();
        RunMessages();
        ASSERT_TRUE(dialog->Visible());
        ASSERT_TRUE(dialog->Active());
    }
    bool HasSettings() const { return std::filesystem::exists(SettingsFile()); }
    int Saved(const char* section, const char* key) const { return TIniFile(SettingsFile()).ReadInteger(section, key, -1); }
    int Width(int series) const { return Series(series).LinePen().Width(); }
};

}  // namespace

TEST_F(DisplayDialogsTest, TheSmallDialogsAreFramedOnTopAndCentred) {
    for (TForm* dialog : std::vector<TForm*>{Form9, Form19, Form13}) {
        EXPECT_EQ(dialog->BorderStyle(), TFormBorderStyle::bsDialog) << dialog->Caption();
        EXPECT_EQ(dialog->FormStyle(), TFormStyle::fsStayOnTop) << dialog->Caption();
        EXPECT_EQ(dialog->Position(), TPosition::poScreenCenter) << dialog->Caption();
    }
    EXPECT_EQ(Form9->Caption(), "Настройка толщины линий графика");
    EXPECT_EQ(Form19->Caption(), "Настройки отображения");
}

TEST_F(DisplayDialogsTest, LineWidthsSteppedByKeyboardAreAppliedByGroupAndSavedAtOk) {
    Show();
    Open(Form1->N34, Form9);
    // From the defaults 2, 2, 1 to 3, 1, 2.
    Focus(Form9->skSpinEdit1);
    Press(platform::VK_UP);
    Press(platform::VK_TAB);
    ASSERT_EQ(Form9->ActiveControl(), Form9->skSpinEdit2);
    Press(platform::VK_DOWN);
    Press(platform::VK_TAB);
    ASSERT_EQ(Form9->ActiveControl(), Form9->skSpinEdit3);
    Press(platform::VK_UP);
    EXPECT_EQ(Width(kStartMarkerSeries), 2) << "nothing changes before OK";
    EXPECT_FALSE(HasSettings());

    Press(platform::VK_RETURN);
    EXPECT_FALSE(Form9->Visible());
    for (int series = kStartMarkerSeries; series <= kLevelMarker2Series; ++series) EXPECT_EQ(Width(series), 3) << series;
    for (int series : EventMarkerSeries) EXPECT_EQ(Width(series), 1) << series;
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) EXPECT_EQ(Width(series), 2) << series;
    EXPECT_EQ(Width(kZeroLineSeries), 2);
    EXPECT_EQ(Saved("GraphSize", "Graph1"), 3);
    EXPECT_EQ(Saved("GraphSize", "Graph2"), 1);
    EXPECT_EQ(Saved("GraphSize", "Graph3"), 2);
}

TEST_F(DisplayDialogsTest, AWidthTypedBeyondItsLimitsIsBroughtWithinThemAtOk) {
    Show();
    Open(Form1->N34, Form9);
    Focus(Form9->skSpinEdit1);
    Form9->skSpinEdit1->SetText("");
    platform::testing::TypeText("9");
    RunMessages();
    Form9->skSpinEdit2->SetText("");  // an emptied field
    Press(platform::VK_RETURN);
    EXPECT_FALSE(Form9->Visible());
    EXPECT_EQ(Form9->skSpinEdit1->Text(), "3");
    EXPECT_EQ(Form9->skSpinEdit2->Text(), "1");
    EXPECT_EQ(Width(kStartMarkerSeries), 3);
    EXPECT_EQ(Width(EventMarkerSeries[0]), 1);
    EXPECT_EQ(Saved("GraphSize", "Graph1"), 3);
    EXPECT_EQ(Saved("GraphSize", "Graph2"), 1);
}

TEST_F(DisplayDialogsTest, EscapeClosesTheLineWidthsWithoutApplyingOrSaving) {
    Show();
    Open(Form1->N34, Form9);
    Focus(Form9->skSpinEdit3);
    Press(platform::VK_UP);
    Press(platform::VK_ESCAPE);
    EXPECT_FALSE(Form9->Visible());
    EXPECT_EQ(Width(kAccelerationXSeries), 1);
    EXPECT_FALSE(HasSettings());
}

TEST_F(DisplayDialogsTest, TheStartUpReadOfTheViewOptionsActsOnTheChartAndWritesNothing) {
    const std::string settings = "[Checked]\nchViewMarker=0\nchViewWndResult=1\n";
    WriteSettings(settings);
    Show();
    EXPECT_FALSE(Form19->skCheckBox1->Checked());
    for (int series : EventMarkerSeries) EXPECT_FALSE(Series(series).Active()) << series;
    EXPECT_TRUE(Form1->Panel3->Visible());
    EXPECT_EQ(Form1->Panel3->Top(), Form1->Chart1->Top() + 2);
    EXPECT_FALSE(Form1->Panel4->Visible());
    EXPECT_EQ(Saved("Checked", "chViewListMarker"), -1);
}

TEST_F(DisplayDialogsTest, ViewOptionsActAtOnceAndOnlyOkKeepsThem) {
    Show();
    for (int series : EventMarkerSeries) ASSERT_TRUE(Series(series).Active()) << series;
    Form1->AddMarkerLegendRow("Старт", clRed);
    Open(Form1->N39, Form19);

    Focus(Form19->skCheckBox1);
    Press(platform::VK_SPACE);
    for (int series : EventMarkerSeries) EXPECT_FALSE(Series(series).Active()) << series;
    EXPECT_TRUE(Form1->MarkerText[1]->Visible()) << "the legend rows stay";
    Press(platform::VK_TAB);
    Press(platform::VK_SPACE);
    EXPECT_TRUE(Form1->Panel3->Visible());
    Press(platform::VK_TAB);
    Press(platform::VK_SPACE);
    EXPECT_TRUE(Form1->Panel4->Visible());
    // Both shown: the legend at the chart's top, the results below it.
    const int top = Form1->Chart1->Top() + 2;
    EXPECT_EQ(Form1->Panel4->Top(), top);
    EXPECT_EQ(Form1->Panel3->Top(), top + Form1->Panel4->Height() + 7);

    // Closed without OK: the effects stay, settings.ini is not written.
    Press(platform::VK_ESCAPE);
    EXPECT_FALSE(Form19->Visible());
    EXPECT_TRUE(Form1->Panel3->Visible());
    EXPECT_FALSE(HasSettings());

    Open(Form1->N39, Form19);
    Press(platform::VK_RETURN);
    EXPECT_FALSE(Form19->Visible());
    EXPECT_EQ(Saved("Checked", "chViewMarker"), 0);
    EXPECT_EQ(Saved("Checked", "chViewWndResult"), 1);
    EXPECT_EQ(Saved("Checked", "chViewListMarker"), 1);
}

TEST_F(DisplayDialogsTest, TheAboutBoxShowsTheVersionAndEnterOrEscapeClosesIt) {
    Show();
    for (platform::UINT key : {platform::VK_RETURN, platform::VK_ESCAPE}) {
        Open(Form1->N8, Form13);
        EXPECT_EQ(Form13->Caption(), "О программе");
        EXPECT_EQ(Form13->Label1->Caption(), "Версия: 1.1");
        EXPECT_EQ(Form13->Button1->Caption(), "OK");
        Press(key);
        EXPECT_FALSE(Form13->Visible()) << key;
    }
}

TEST_F(DisplayDialogsTest, EachSkinItemChecksItselfAloneSetsTheSkinAndWritesItsNumber) {
    Show();
    const struct {
        int item;
        const char* skin;
        bool active;
    } cases[] = {{3, "Amber", true}, {1, "Graphite", true}, {0, "  ", false}, {5, "Silver", true}, {2, "Snow", true},
                 {4, "Meadow", true}};
    for (const auto& c : cases) {
        Form1->SkinItems[static_cast<std::size_t>(c.item)]->Click();
        for (int i = 0; i < 6; ++i) EXPECT_EQ(Form1->SkinItems[static_cast<std::size_t>(i)]->Checked(), i == c.item) << c.skin;
        // No such skin beside the program: the manager falls back on its internal one.
        EXPECT_EQ(Form1->skSkinManager1->SkinName(), "Classic (внутренний)") << c.skin;
        EXPECT_EQ(Form1->skSkinManager1->Active(), c.active) << c.skin;
        EXPECT_EQ(Saved("Form", "SetSkin"), c.item + 1) << c.skin;
    }
    // Never read back: the next start has the internal skin and no item checked.
    Restart();
    Show();
    EXPECT_EQ(Form1->skSkinManager1->SkinName(), "Classic (внутренний)");
    for (TMenuItem* item : Form1->SkinItems) EXPECT_FALSE(item->Checked()) << item->Caption();
}
