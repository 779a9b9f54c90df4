// The window's rules: the range scheme of its spin edits, the switches and
// what follows them, the "По умолчанию" switches, and the timer cross-check.

#include "device/forms/LogMemoLine.h"
#include "settings/firststage/FirstStageLayout.h"
#include "settings/firststage/FirstStageSettingsForm.h"
#include "settings/firststage/FirstStageTimers.h"
#include "settings/ranges/RangeSteps.h"
#include "settings/ranges/SettingsBalloons.h"
#include "platform/system/Clock.h"
#include "ui/controls/Label.h"

namespace {

constexpr TColor kMarkedTimer = 0x0000FF;
constexpr TColor kPlainTimer = 0x000000;
constexpr TColor kAbnormalNote = 0x0000FF;
constexpr int kMarkPauseMs = 1;

}  // namespace

void TForm18::SpinEditUp(TObject* Sender) {
    auto* edit = dynamic_cast<TDecimalSpinEdit*>(Sender);
    TSettingsBalloons* balloons = TSettingsBalloons::Active();
    if (edit && balloons) ClampStepUp(*edit, *balloons);
}

void TForm18::SpinEditDown(TObject* Sender) {
    auto* edit = dynamic_cast<TDecimalSpinEdit*>(Sender);
    TSettingsBalloons* balloons = TSettingsBalloons::Active();
    if (edit && balloons) ClampStepDown(*edit, *balloons);
}

void TForm18::SpinEditKeyUp(TObject* Sender, platform::WORD&, TShiftState) {
    auto* edit = dynamic_cast<TDecimalSpinEdit*>(Sender);
    TSettingsBalloons* balloons = TSettingsBalloons::Active();
    if (edit && balloons) CheckTypedInRange(*edit, *balloons);
}

void TForm18::ApplyEnablingRules() {
    const auto on = [this](const char* name) { return CheckBox(name)->Checked(); };
    const auto follow = [this](const char* name, bool enabled) {
        sheet_->SetRowEnabled(static_cast<TControl*>(FindComponent(name)), enabled);
    };
    const bool baro = on("skCheckBox5"), abnormal = on("skCheckBox14"), parachute = on("CheckBox2"),
               apogee = on("skCheckBox10");
    for (const char* name : {"skDecimalSpinEdit9", "skDecimalSpinEdit10", "skCheckBox4", "skCheckBox3"}) follow(name, baro);
    follow("skDecimalSpinEdit11", baro && on("skCheckBox4"));
    for (const char* name : {"skDecimalSpinEdit5", "skDecimalSpinEdit3", "skLabel15", "skCheckBox13"}) follow(name, abnormal);
    follow("skDecimalSpinEdit4", abnormal && parachute);
    for (const char* name : {"skDecimalSpinEdit8", "skDecimalSpinEdit7", "skCheckBox9"}) follow(name, apogee);
    for (const char* name : {"skDecimalSpinEdit20", "skDecimalSpinEdit2", "skLabelKey2", "skCheckBox15"}) follow(name, parachute);
    follow("skDecimalSpinEdit18", on("skCheckBox6"));
    follow("skDecimalSpinEdit19", on("skCheckBox7"));
}

void TForm18::SwitchClick(TCheckBox* box) {
    FirstStageModified = true;
    ApplyEnablingRules();
    const std::string name = box->Name();
    if (name == "skCheckBox14" && box->Checked())
        static_cast<TLabel*>(FindComponent("skLabel15"))->Font()->SetColor(kAbnormalNote);
    if (name == "skCheckBox6" || name == "skCheckBox7") CheckFirstStageTimers();
}

void TForm18::SetLocks(const char* defaultsSwitch, bool locked) {
    for (const TFirstStageDefaults& defaults : FirstStageDefaults()) {
        if (std::string(defaults.Switch) != defaultsSwitch) continue;
        for (const auto& [control, value] : defaults.Values) {
            if (TCheckBox* box = CheckBox(control))
                box->ReadOnly = locked;
            else
                SpinEdit(control)->SetReadOnly(locked);
        }
    }
}

void TForm18::DefaultsClick(TCheckBox* box) {
    const bool on = box->Checked();
    if (on) {
        for (const TFirstStageDefaults& defaults : FirstStageDefaults()) {
            if (defaults.Switch != box->Name()) continue;
            for (const auto& [control, value] : defaults.Values) {
                if (TCheckBox* option = CheckBox(control))
                    option->SetChecked(value != 0);
                else
                    SpinEdit(control)->SetValue(value);
            }
        }
    }
    SetLocks(box->Name().c_str(), on);
}

void TForm18::MarkTimer(TDecimalSpinEdit* edit, bool marked) {
    edit->Font()->SetColor(marked ? kMarkedTimer : kPlainTimer);
    edit->Font()->SetStyle(marked ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

void TForm18::CheckFirstStageTimers() {
    TDecimalSpinEdit* apogee = SpinEdit("skDecimalSpinEdit18");
    TDecimalSpinEdit* descent = SpinEdit("skDecimalSpinEdit22");
    const TTimerCheck check = CheckTimers(CheckBox("skCheckBox6")->Checked(), CheckBox("skCheckBox7")->Checked(),
                                          apogee->Value(), SpinEdit("skDecimalSpinEdit19")->Value(), descent->Value());
    for (const auto& [edit, mark] : {std::pair{apogee, check.Apogee}, std::pair{descent, check.Descent}}) {
        if (mark == TTimerMark::Leave) continue;
        MarkTimer(edit, mark == TTimerMark::Mark);
        if (mark == TTimerMark::Mark && edit == apogee) {
            platform::Sleep(kMarkPauseMs);
            edit->Repaint();
        }
    }
    for (const std::string& line : check.Log) AddLogLine(*Memo1, line);
}
