// The settings snapshot of a log's header page on the event-marker window.

#include "viewer/eventmarkers/EventMarkerForm.h"

#include "viewer/eventmarkers/HeaderSettingsFields.h"

void TForm4::ShowHeaderSettings(const LogHeaderPage& header) {
    const LogPage& page = header.Bytes();
    const auto& values = HeaderValueFields();
    const auto& flags = HeaderFlagFields();
    // Values and flags interleaved in page byte order: a flag may depend on
    // what an earlier one enabled.
    std::size_t v = 0, f = 0;
    while (v < values.size() || f < flags.size()) {
        if (f == flags.size() || (v < values.size() && values[v].PageByte < flags[f].PageByte)) {
            rows_.at(values[v].LabelNumber).ShowValue(HeaderValueText(page, values[v]));
            ++v;
        } else {
            ShowHeaderFlag(page, f++);
        }
    }
}

void TForm4::ShowHeaderFlag(const LogPage& page, std::size_t flagIndex) {
    const HeaderFlagField& flag = HeaderFlagFields()[flagIndex];
    const bool on = HeaderFlagOn(page, flag);
    const bool enabled = on && (flag.RequiresKindEnabled == 0 || KindOfCode(flag.RequiresKindEnabled).CheckBox->Enabled());
    if (!flag.SwitchCaption.empty()) SwitchCaption(flag.PageByte)->SetEnabled(enabled);
    for (int label : flag.RowLabels) rows_.at(label).SetEnabled(enabled);
    for (int code : flag.KindCodes) {
        const MarkerKind& kind = KindOfCode(code);
        kind.ColorPanel->SetEnabled(enabled);
        kind.CheckBox->SetEnabled(enabled);
        if (flag.Rule == FlagKindRule::CheckedAsFlag) kind.CheckBox->SetChecked(on);
        if (flag.Rule == FlagKindRule::UncheckWhenOff && !enabled) kind.CheckBox->SetChecked(false);
    }
}
