// The event-marker window: its composition, [EasyMarker] of settings.ini,
// and the header page's settings snapshot written into it.

#include "viewer/eventmarkers/EventMarkerForm.h"

#include "platform/display/Display.h"
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/core/IniFiles.h"
#include "viewer/eventmarkers/HeaderSettingsFields.h"
#include "viewer/log/PagedLogDecoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct EventMarkerWindow : ::testing::Test {
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }

    std::unique_ptr<TForm4> form = std::make_unique<TForm4>(nullptr);
    TempFolder folder;
    std::string settings = (folder.Path() / "settings.ini").string();

    void CheckAllKinds() {
        for (int n = 1; n <= kMarkerKindCount; ++n) form->MarkerText(n)->SetChecked(true);
        form->KindsModified = false;
    }
};

// A header page whose every flag is on, with some bytes changed.
LogHeaderPage HeaderWith(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    LogPage page{};
    for (const HeaderFlagField& flag : HeaderFlagFields()) page[flag.PageByte] = 1;
    for (auto [byte, value] : bytes) page[byte] = value;
    return LogHeaderPage(page);
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(EventMarkerWindow, KindsByEventCodeWithTheirControlsAndCaptions) {
    EXPECT_EQ(form->Caption(), "Настройка вертикальных маркеров");
    const struct {
        int code;
        const char* checkBox;
        const char* panel;
        const char* caption;
    } cases[] = {
        {1, "MarkerText1", "ColorPanel1", "Старт по ускорению"},
        {2, "MarkerText4", "ColorPanel4", "Старт по датчику давления"},
        {3, "MarkerText6", "ColorPanel6", "Окончание работы двигателя по ускорению"},
        {4, "MarkerText5", "ColorPanel5", "Окончание работы двигателя по таймеру"},
        {6, "MarkerText2", "ColorPanel2", "Апогей по таймеру имитации апогея"},
        {11, "MarkerText3", "ColorPanel3", "Приземление по таймеру имитации конца спуска ракеты"},
        {18, "MarkerText7", "ColorPanel7", "Барометр разблокирован "},
        {19, "MarkerText19", "ColorPanel19", "Барометр разблокирован"},
        {20, "MarkerText20", "ColorPanel20", "Окончание работы двигателя по таймеру (ускорение)"},
        {21, "MarkerText21", "ColorPanel21", "Зафиксирован внештатный старт"},
    };
    for (const auto& c : cases) {
        const TForm4::MarkerKind& kind = form->KindOfCode(c.code);
        EXPECT_EQ(kind.CheckBox, form->FindComponent(c.checkBox)) << c.code;
        EXPECT_EQ(kind.ColorPanel, form->FindComponent(c.panel)) << c.code;
        EXPECT_EQ(kind.CheckBox->Caption(), c.caption) << c.code;
    }
    // Every code has its own pair of controls.
    for (int a = 1; a <= kMarkerKindCount; ++a)
        for (int b = a + 1; b <= kMarkerKindCount; ++b) EXPECT_NE(form->KindOfCode(a).CheckBox, form->KindOfCode(b).CheckBox);
}

TEST_F(EventMarkerWindow, SheetHoldsTheValueRowsAndHidesTheExtraKey) {
    for (const HeaderValueField& field : HeaderValueFields()) {
        const SheetRow& row = form->Row(field.LabelNumber);
        EXPECT_EQ(row.Value, form->FindComponent("Label" + std::to_string(field.LabelNumber)));
        EXPECT_EQ(row.Caption->Caption(), field.Caption);
        EXPECT_EQ(row.Unit->Caption(), field.Unit);
        EXPECT_EQ(row.Caption->Parent(), row.Value->Parent());
        EXPECT_EQ(row.Sign != nullptr, field.Signed) << field.LabelNumber;
    }
    EXPECT_EQ(form->Row(29).Sign->Caption(), "-");
    EXPECT_EQ(form->SwitchCaption(52)->Caption(), "Защищенный ключ 1");
    EXPECT_EQ(form->SwitchCaption(55)->Caption(), "Защищенный ключ 2");
    for (int code : {16, 17}) {
        EXPECT_FALSE(form->KindOfCode(code).CheckBox->Parent()->Visible()) << code;
        EXPECT_EQ(form->KindOfCode(code).CheckBox->Parent()->Caption(), " Дополнительный ключ ");
    }
    // Four sections, one below the other, none overlapping.
    std::vector<TControl*> sections;
    for (int i = 0; i < form->ScrollBox1->ControlCount(); ++i) sections.push_back(form->ScrollBox1->Controls(i));
    ASSERT_EQ(sections.size(), 4u);
    for (std::size_t i = 1; i < sections.size(); ++i)
        EXPECT_GT(sections[i]->Top(), sections[i - 1]->Top() + sections[i - 1]->Height() - 1);
    // The sheet fits the width the window keeps: it scrolls only up and down.
    form->Show();
    EXPECT_TRUE(form->ScrollBox1->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(form->ScrollBox1->HorzScrollBar()->IsScrollBarVisible());
}

TEST_F(EventMarkerWindow, WithoutSettingsTheKindsTakeTheirDefaultColoursUnselected) {
    CheckAllKinds();
    form->LoadMarkerSettings(settings);
    const TColor defaults[] = {128,   32768,    8388608,  8421376,  65535,    0,     8388736, 8421376, 8421504, 255,
                               65280, 65535, 16711680, 16711935, 12639424, 32768, 8388736, 16711680, 16776960, 255};
    for (int n = 1; n <= kStoredMarkerControls; ++n) {
        EXPECT_EQ(form->ColorPanel(n)->Color(), defaults[n - 1]) << n;
        EXPECT_FALSE(form->MarkerText(n)->Checked()) << n;
    }
    EXPECT_TRUE(form->MarkerText(21)->Checked()) << "the 21st kind has no keys";
    EXPECT_TRUE(form->KindsModified) << "unchecking runs the click handler";
}

TEST_F(EventMarkerWindow, SettingsAreWrittenInKeyOrderAndReadBack) {
    for (int n = 1; n <= kStoredMarkerControls; ++n) {
        form->ColorPanel(n)->SetColor(1000 + n);
        form->MarkerText(n)->SetChecked(n % 3 == 0);
    }
    form->SaveMarkerSettings(settings);

    std::string expected = "[EasyMarker]\n";
    for (int n = 1; n <= kStoredMarkerControls; ++n)
        expected += "ColorMarker" + std::to_string(n) + "=" + std::to_string(1000 + n) + "\nSelectMarker" +
                    std::to_string(n) + "=" + (n % 3 == 0 ? "1" : "0") + "\n";
    std::string written = ReadText(settings);
    written.erase(std::remove(written.begin(), written.end(), '\r'), written.end());
    EXPECT_EQ(written, expected);

    TForm4 other(nullptr);
    other.LoadMarkerSettings(settings);
    for (int n = 1; n <= kStoredMarkerControls; ++n) {
        EXPECT_EQ(other.ColorPanel(n)->Color(), 1000 + n) << n;
        EXPECT_EQ(other.MarkerText(n)->Checked(), n % 3 == 0) << n;
    }
}

TEST_F(EventMarkerWindow, BadValuesReadAsDefaultsOrAsTheLibraryReadsThem) {
    std::ofstream(settings) << "[EasyMarker]\nColorMarker3=blue\nSelectMarker3=7\nColorMarker4=-1\nSelectMarker4=x\n"
                               "ColorMarker5=\nSelectMarker5=0\n";
    form->LoadMarkerSettings(settings);
    EXPECT_EQ(form->ColorPanel(3)->Color(), DefaultMarkerColor(3));
    EXPECT_TRUE(form->MarkerText(3)->Checked());
    EXPECT_EQ(form->ColorPanel(4)->Color(), -1);
    EXPECT_FALSE(form->MarkerText(4)->Checked());
    EXPECT_EQ(form->ColorPanel(5)->Color(), DefaultMarkerColor(5));
    form->Show();  // an odd colour value paints without harm
    form->Repaint();
}

TEST_F(EventMarkerWindow, SavingWhereNothingCanBeWrittenRaisesAndLeavesTheKinds) {
    form->MarkerText(2)->SetChecked(true);
    const std::string nowhere = (folder.Path() / "missing" / "settings.ini").string();
    EXPECT_THROW(form->SaveMarkerSettings(nowhere), EIniFileException);
    EXPECT_TRUE(form->MarkerText(2)->Checked());
}

TEST_F(EventMarkerWindow, HeaderValuesGoIntoTheirLabelsWithTheUnitJustRight) {
    form->ShowHeaderSettings(HeaderWith({{11, 0x08}, {12, 0x00}, {40, 0xFF}, {41, 0x00}, {64, 0xFF}, {65, 0xFF}}));
    EXPECT_EQ(form->ValueLabel(6)->Caption(), "3,0");
    EXPECT_EQ(form->ValueLabel(29)->Caption(), "-0,50");
    EXPECT_EQ(form->ValueLabel(40)->Caption(), "6554");
    EXPECT_EQ(form->ValueLabel(7)->Caption(), "0,0");
    for (int label : {6, 29, 40, 7}) {
        const SheetRow& row = form->Row(label);
        EXPECT_EQ(row.Unit->Left(), row.Value->Left() + row.Value->Width() + 3) << label;
    }
    EXPECT_LT(form->Row(29).Sign->Left() + form->Row(29).Sign->Width(), form->ValueLabel(29)->Left() + 1)
        << "the minus caption stands before the value";
    const int narrow = form->Row(40).Unit->Left();
    form->ShowHeaderSettings(HeaderWith({}));
    EXPECT_EQ(form->ValueLabel(40)->Caption(), "0");
    EXPECT_LT(form->Row(40).Unit->Left(), narrow) << "the unit follows a shorter value back";
}

TEST_F(EventMarkerWindow, FlagsEnableTheirRowsAndKinds) {
    const struct {
        const char* what;
        std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes;
        std::vector<int> disabledRows;
        std::vector<int> disabledKinds;
        std::vector<int> uncheckedKinds;
    } cases[] = {
        {"all on", {}, {}, {}, {}},
        {"apogee timer off", {{15, 0}}, {10}, {6}, {}},
        {"burnout timer off", {{20, 0}}, {9}, {20}, {20}},
        {"barometric start off", {{23, 0}}, {22, 23, 24}, {2, 4}, {2, 4}},
        {"barometric burnout timer off", {{28, 0}}, {24}, {}, {}},
        {"abnormal start off", {{31, 0}}, {25, 26, 27, 28}, {21}, {}},
        {"drogue off", {{52, 0}}, {35}, {7, 12, 13}, {7, 12, 13}},
        {"main chute off by any value but 1", {{55, 2}}, {36, 37, 38, 39}, {8, 9, 14, 15, 19}, {8, 9, 14, 15, 19}},
    };
    auto contains = [](const std::vector<int>& list, int x) { return std::find(list.begin(), list.end(), x) != list.end(); };
    for (const auto& c : cases) {
        form->ShowHeaderSettings(HeaderWith({}));  // everything enabled again
        CheckAllKinds();
        form->ShowHeaderSettings(HeaderWith(c.bytes));
        for (const HeaderValueField& field : HeaderValueFields()) {
            const SheetRow& row = form->Row(field.LabelNumber);
            const bool enabled = !contains(c.disabledRows, field.LabelNumber);
            EXPECT_EQ(row.Caption->Enabled(), enabled) << c.what << " Label" << field.LabelNumber;
            EXPECT_EQ(row.Value->Enabled(), enabled) << c.what << " Label" << field.LabelNumber;
            EXPECT_EQ(row.Unit->Enabled(), enabled) << c.what << " Label" << field.LabelNumber;
        }
        for (int code = 1; code <= kMarkerKindCount; ++code) {
            const TForm4::MarkerKind& kind = form->KindOfCode(code);
            EXPECT_EQ(kind.CheckBox->Enabled(), !contains(c.disabledKinds, code)) << c.what << " kind " << code;
            EXPECT_EQ(kind.ColorPanel->Enabled(), !contains(c.disabledKinds, code)) << c.what << " kind " << code;
            EXPECT_EQ(kind.CheckBox->Checked(), !contains(c.uncheckedKinds, code)) << c.what << " kind " << code;
        }
        EXPECT_EQ(form->KindsModified, !c.uncheckedKinds.empty()) << c.what;
    }
    form->ShowHeaderSettings(HeaderWith({{52, 0}, {55, 0}}));
    EXPECT_FALSE(form->SwitchCaption(52)->Enabled());
    EXPECT_FALSE(form->SwitchCaption(55)->Enabled());
    form->ShowHeaderSettings(HeaderWith({}));
    EXPECT_TRUE(form->SwitchCaption(52)->Enabled());
    EXPECT_TRUE(form->SwitchCaption(55)->Enabled());
}

TEST_F(EventMarkerWindow, BarometricStartOffKeepsItsBurnoutTimerRowOff) {
    form->ShowHeaderSettings(HeaderWith({{23, 0}, {28, 1}}));
    EXPECT_FALSE(form->Row(24).Value->Enabled());
    EXPECT_FALSE(form->KindOfCode(2).CheckBox->Enabled());
    EXPECT_FALSE(form->KindOfCode(4).CheckBox->Enabled());
    form->ShowHeaderSettings(HeaderWith({{23, 1}, {28, 1}}));
    EXPECT_TRUE(form->Row(24).Value->Enabled());
}

TEST_F(EventMarkerWindow, BurnoutTimerOnChecksItsKindWhateverWasChosen) {
    form->MarkerText(20)->SetChecked(false);
    form->KindsModified = false;
    form->ShowHeaderSettings(HeaderWith({{20, 1}}));
    EXPECT_TRUE(form->KindOfCode(20).CheckBox->Checked());
    EXPECT_TRUE(form->KindsModified);
}

TEST_F(EventMarkerWindow, AttachedToALogLoadItShowsTheHeaderPage) {
    LogPage page = HeaderWith({{13, 0x01}, {14, 0x2C}, {23, 0}}).Bytes();
    FlightTables tables;
    PagedLogDecoder decoder(tables);
    decoder.Attach(*form);
    CheckAllKinds();
    decoder.DecodeLog(page.data(), page.size());
    EXPECT_EQ(form->ValueLabel(7)->Caption(), "3,0");
    EXPECT_FALSE(form->KindOfCode(2).CheckBox->Checked());
}

TEST_F(EventMarkerWindow, ResizeKeepsTheWidthAndFitsTheScrollBoxAboveTheButtons) {
    form->KindsModified = true;
    form->SetBounds(form->Left(), form->Top(), 1000, 500);
    EXPECT_EQ(form->Width(), 796);
    EXPECT_EQ(form->ScrollBox1->Height(), 500 - 80);
    EXPECT_EQ(form->Memo1->Height(), 500 - 80);
    for (TButton* button : {form->Button1, form->Button2, form->Button3}) EXPECT_EQ(button->Top(), 500 - 70);
    EXPECT_FALSE(form->KindsModified);
}
