// The window's part of the rules: arrows, typed values and hover hints with
// the dependent minima, the option boxes and what follows them, the defaults
// boxes, the dependency marks and the full check.

#include "settings/ranges/MinMaxHint.h"
#include "settings/ranges/RangeSteps.h"
#include "settings/singlestage/EasyFormLayout.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "platform/system/Clock.h"

#include <string>

namespace {

constexpr double kBrakeOnMinimum = 3.0;
constexpr int kArrowPauseMs = 10;

// A defaults value into its check box or edit; edit 17's follows the brake parachute.
void SetDefaultValue(TForm14& form, const char* control, double value) {
    if (auto* option = form.CheckBox(control)) {
        option->SetChecked(value != 0);
        return;
    }
    if (value == kBrakeDependent)
        value = form.CheckBox("skCheckBox3")->Checked() ? kMainAfterAbnormalWithBrake : kMainAfterAbnormalWithoutBrake;
    form.SpinEdit(control)->SetValue(value);
}

void EnableControl(TComponent* component, bool enabled) {
    if (auto* control = dynamic_cast<TControl*>(component)) control->SetEnabled(enabled);
}

}  // namespace

TEasyRuleEdit TForm14::RuleEditOf(const TDecimalSpinEdit* edit) const {
    const std::pair<const TDecimalSpinEdit*, TEasyRuleEdit> edits[] = {
        {t5_, TEasyRuleEdit::T5},   {t14_, TEasyRuleEdit::T14}, {t22_, TEasyRuleEdit::T22}, {e15_, TEasyRuleEdit::E15},
        {e16_, TEasyRuleEdit::E16}, {e17_, TEasyRuleEdit::E17}, {e18_, TEasyRuleEdit::E18}, {e19_, TEasyRuleEdit::E19},
    };
    for (const auto& [known, rule] : edits)
        if (known == edit) return rule;
    return TEasyRuleEdit::Other;
}

TEasyRuleState TForm14::RuleState() const {
    TEasyRuleState s;
    s.T5 = t5_->Value(), s.T14 = t14_->Value(), s.T22 = t22_->Value();
    s.E15 = e15_->Value(), s.E16 = e16_->Value(), s.E17 = e17_->Value(), s.E18 = e18_->Value(), s.E19 = e19_->Value();
    s.EngineTimer = CheckBox("skCheckBox6")->Checked();
    s.ApogeeTimer = CheckBox("skCheckBox1")->Checked();
    s.Brake = CheckBox("skCheckBox3")->Checked();
    s.Main = CheckBox("skCheckBox2")->Checked();
    return s;
}

void TForm14::ApplyMark(TDecimalSpinEdit* edit, TEasyMark mark) {
    switch (mark) {
        case TEasyMark::Range: edit->SetColor(RangeMarkColor); break;
        case TEasyMark::Conflict: edit->SetColor(ConflictMarkColor); break;
        case TEasyMark::ClearConflict:
            if (edit->Color() == ConflictMarkColor) edit->SetColor(NormalEditColor);
            break;
        case TEasyMark::Leave: break;
    }
}

void TForm14::CheckParameterDependencies() {
    const TEasyMarks marks = DependencyMarks(RuleState());
    ApplyMark(e17_, marks.E17);
    ApplyMark(e19_, marks.E19);
    ApplyMark(t14_, marks.T14);
    ApplyMark(t22_, marks.T22);
}

void TForm14::SpinEditUp(TObject* Sender) {
    auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender);
    if (!edit) return;
    Application->ProcessMessages();
    platform::Sleep(kArrowPauseMs);
    Application->ProcessMessages();
    if (!ParseMinMaxHint(edit->Hint()).Ok) return;
    StepUpInRange(*edit, *balloons_);
    if (const std::optional<double> raised = RaisedAfterUp(RuleEditOf(edit), RuleState())) edit->SetValue(*raised);
    CheckParameterDependencies();
}

void TForm14::SpinEditDown(TObject* Sender) {
    auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender);
    if (!edit || !ParseMinMaxHint(edit->Hint()).Ok) return;
    if (HoldsDownStep(RuleEditOf(edit), RuleState()))
        MarkRange(*edit, *balloons_);
    else
        StepDownInRange(*edit, *balloons_);
    CheckParameterDependencies();
}

void TForm14::SpinEditKeyUp(TObject* Sender, platform::WORD&, TShiftState) {
    auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender);
    if (!edit) return;
    const TMinMax range = ParseMinMaxHint(edit->Hint());
    if (!range.Ok) return;
    if (const std::optional<std::string> minimum = BrokenTypedMinimum(RuleEditOf(edit), RuleState())) {
        edit->SetColor(RangeMarkColor);
        const TPoint corner = edit->Parent()->ClientToScreen({edit->Left(), edit->Top()});
        balloons_->ShowErrorBalloon(edit, corner.X + kEditBalloonDx, corner.Y + kEditBalloonDy,
                                    OutOfRangeText(*minimum, range.MaxText));
        return;
    }
    CheckTypedInRange(*edit, *balloons_);
    CheckParameterDependencies();
}

void TForm14::skAlphaHints1ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
    const std::string hint = HintStr;
    RangeHoverHint(HintStr, CanShow, HintInfo);
    if (!CanShow || hint.empty() || hint.front() == kBalloonMark) return;
    const auto* edit = dynamic_cast<const TDecimalSpinEdit*>(HintInfo.HintControl);
    const TMinMax range = ParseMinMaxHint(hint);
    if (const std::optional<std::string> minimum = HoverMinimumText(RuleEditOf(edit), RuleState(), range))
        HintStr = "Допустимое значение от " + *minimum + " до " + range.MaxText;
}

void TForm14::ApplyEnablingRules() {
    const bool brake = CheckBox("skCheckBox3")->Checked();
    const bool main = CheckBox("skCheckBox2")->Checked();
    const bool abnormal = CheckBox("skCheckBox14")->Checked();
    const bool baroStart = CheckBox("skCheckBox5")->Checked();
    const std::pair<const char*, bool> rules[] = {
        {"skDecimalSpinEdit14", CheckBox("skCheckBox1")->Checked()},
        {"skDecimalSpinEdit5", CheckBox("skCheckBox6")->Checked()},
        {"skDecimalSpinEdit1", baroStart},
        {"skDecimalSpinEdit2", baroStart},
        {"skDecimalSpinEdit4", baroStart},
        {"CheckBox3", baroStart},
        {"skCheckBox4", baroStart},
        {"skDecimalSpinEdit6", abnormal},
        {"skDecimalSpinEdit10", abnormal},
        {"skDecimalSpinEdit16", abnormal && brake},
        {"skDecimalSpinEdit17", abnormal && main},
        {"skCheckBox13", abnormal},
        {"skDecimalSpinEdit18", brake},
        {"skCheckBox7", brake},
        {"skDecimalSpinEdit19", brake && main},
        {"skDecimalSpinEdit31", main},
        {"skDecimalSpinEdit21", main},
        {"skDecimalSpinEdit20", main},
        {"CheckBox7", main},
    };
    for (const auto& [name, enabled] : rules) EnableControl(FindComponent(name), enabled);
}

void TForm14::OptionClick(TSkCheckBox* box) {
    SettingsModified = true;
    ApplyEnablingRules();
    const std::string name = box->Name();
    if (name == "skCheckBox3") {
        if (!box->Checked())
            e17_->SetValue(kMainAfterAbnormalWithoutBrake);
        else if (e17_->Value() < kBrakeOnMinimum)
            e17_->SetValue(kBrakeOnMinimum);
    }
    if (name == "skCheckBox1" || name == "skCheckBox6" || name == "skCheckBox3" || name == "skCheckBox2")
        CheckParameterDependencies();
}

void TForm14::DefaultsBoxClick(TSkCheckBox* box) {
    for (const TEasyDefaultsBox& defaults : EasyDefaultsBoxes()) {
        if (box->Name() != defaults.Name) continue;
        const bool on = box->Checked();
        if (on) {
            for (const auto& [control, value] : defaults.Values) SetDefaultValue(*this, control, value);
            for (const char* control : defaults.White) SpinEdit(control)->SetColor(NormalEditColor);
        }
        for (const char* control : defaults.ReadOnly) {
            if (auto* edit = SpinEdit(control))
                edit->SetReadOnly(on);
            else
                CheckBox(control)->ReadOnly = on;
        }
    }
}

void TForm14::LoadDefaultSettings() {
    for (const auto& [control, value] : EasyDefaultValues()) SetDefaultValue(*this, control, value);
}

void TForm14::ClearRangeMarks() {
    for (TSkDecimalSpinEdit* edit : SpinEdits()) edit->SetColor(NormalEditColor);
}

void TForm14::Button1Click(TObject*) {
    const auto inRange = [this](int edit) {
        return IsInHintRange(*SpinEdit(("skDecimalSpinEdit" + std::to_string(edit)).c_str()));
    };
    for (const std::string& line : FullCheckLines(inRange, RuleState())) AddLogLine(line);
}
