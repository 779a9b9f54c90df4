// The DIP window's checks: which controls each switch enables, output keys
// that serve two enabled functions, and parachute steps that leave no room
// for the igniter burn of the step before. They only colour controls; they
// never stop a write or a save.

#include "settings/dip/DipSettingsForm.h"

#include "ui/core/NumberConversion.h"
#include "ui/core/Rounding.h"

namespace {

constexpr float kHundredths = 100.0f;
// The main parachute's time must come after its lock-out by at least this much.
constexpr float kAfterLockOut = 0.1f;

// Sums of the timing check are taken to 0,01, as single-precision values.
float SumToHundredths(float a, float b) { return float(Round(double(a + b) * kHundredths) / kHundredths); }

void Mark(TControl& control, TFont& font, bool marked) {
    font.SetColor(marked ? kDipMarkColor : kDipPlainColor);
    font.SetStyle(marked ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    control.Invalidate();
}

}  // namespace

void TForm12::UpdateDipControls() {
    const auto on = [this](const char* name) { return CheckBox(name)->Checked(); };
    const auto enable = [this](std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names) SetEnabledWithCompanions(dynamic_cast<TControl*>(FindComponent(name)), enabled);
    };
    enable({"skDecimalSpinEdit14"}, on("skCheckBox1"));
    enable({"skDecimalSpinEdit5", "skDecimalSpinEdit10", "skDecimalSpinEdit2"}, on("CheckBox7"));
    const bool tilt = on("CheckBox5");
    enable({"skDecimalSpinEdit4", "skDecimalSpinEdit6", "skCheckBox2"}, tilt);
    enable({"skDecimalSpinEdit29"}, tilt && on("skCheckBox2"));

    const bool stage2 = on("CheckBox1");
    enable({"ComboBox2", "skDecimalSpinEdit16", "skDecimalSpinEdit40", "skDecimalSpinEdit34", "skDecimalSpinEdit35",
            "skDecimalSpinEdit36", "skDecimalSpinEdit37", "skDecimalSpinEdit38"},
           stage2);
    for (const char* group : {"GroupBox10", "GroupBox11", "GroupBox12"}) {
        GroupBox(group)->Font()->SetColor(stage2 ? kDipPlainColor : kDipGreyCaption);
        GroupBox(group)->Invalidate();
    }
    enable({"skDecimalSpinEdit9"}, !stage2);

    enable({"ComboBox1", "skDecimalSpinEdit17"}, on("CheckBox2"));
    enable({"ComboBox3", "skDecimalSpinEdit18"}, on("CheckBox4"));
    enable({"ComboBox4", "skDecimalSpinEdit19", "skDecimalSpinEdit20", "skDecimalSpinEdit21"}, on("CheckBox3"));
    enable({"skDecimalSpinEdit23"}, on("CheckBox6"));

    // Three outputs cannot serve four functions.
    const bool allFour = stage2 && on("CheckBox2") && on("CheckBox4") && on("CheckBox3");
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox4", "CheckBox3"}) Mark(*CheckBox(name), *CheckBox(name)->Font(), allFour);

    CheckOutputKeyConflicts();
    CheckDescentTiming();
}

void TForm12::CheckOutputKeyConflicts() {
    TComboBox* const choices[] = {ComboBox("ComboBox2"), ComboBox("ComboBox1"), ComboBox("ComboBox3"), ComboBox("ComboBox4")};
    const auto counted = [](const TComboBox* choice) {
        return choice->Enabled() && choice->ItemIndex() >= 0 && choice->ItemIndex() < kDipOutputKeyCount;
    };
    int users[kDipOutputKeyCount] = {};
    for (const TComboBox* choice : choices)
        if (counted(choice)) ++users[choice->ItemIndex()];
    for (TComboBox* choice : choices) {
        choice->Font()->SetColor(counted(choice) && users[choice->ItemIndex()] >= 2 ? kDipMarkColor : kDipPlainColor);
        choice->Invalidate();
    }
    if (skButton1->CanFocus()) skButton1->SetFocus();
}

void TForm12::CheckDescentTiming() {
    const auto value = [this](const char* name) { return float(SpinEdit(name)->Value()); };
    const auto mark = [this](const char* name, bool marked) { Mark(*SpinEdit(name), *SpinEdit(name)->Font(), marked); };
    const float igniter = value("skDecimalSpinEdit15");
    float t = 0;
    if (CheckBox("CheckBox2")->Checked()) t = SumToHundredths(value("skDecimalSpinEdit17"), igniter);
    if (CheckBox("CheckBox4")->Checked()) {
        mark("skDecimalSpinEdit18", t >= value("skDecimalSpinEdit18"));
        t = SumToHundredths(value("skDecimalSpinEdit18"), igniter);
    }
    if (CheckBox("CheckBox3")->Checked()) {
        mark("skDecimalSpinEdit19", t >= value("skDecimalSpinEdit19"));
        const float u = SumToHundredths(value("skDecimalSpinEdit19"), kAfterLockOut);
        mark("skDecimalSpinEdit20", u >= value("skDecimalSpinEdit20"));
    }
}

void TForm12::skDecimalSpinEdit12KeyUp(TObject*, platform::WORD&, TShiftState) {
    TDecimalSpinEdit* edit = SpinEdit("skDecimalSpinEdit12");
    const float typed = float(StrToFloat(edit->Text()));
    if (typed < edit->MinValue)
        edit->SetValue(edit->MinValue);
    else if (typed > edit->MaxValue)
        edit->SetValue(edit->MaxValue);
    AddLogLine("Key up = " + FloatToStr(typed));
}
