#pragma once
// A settings window's values in and out of its controls, by control name:
// a spin edit carries its number, a check box 1 or 0. Loading holds every
// check box's click handler back until all values are in, so no handler
// sees a half-loaded window; the handlers come back on every path.

#include "settings/files/SettingsFileFormat.h"
#include "ui/core/Events.h"
#include "ui/core/ScopeGuards.h"

#include <utility>
#include <vector>

// `fields` is any range of entries with a `Control` name; `window` answers
// SpinEdit(name) and CheckBox(name).
template <class Window, class Fields>
TSettingsValues ReadControlValues(const Window& window, const Fields& fields) {
    TSettingsValues values;
    for (const auto& field : fields) {
        if (const auto* edit = window.SpinEdit(field.Control))
            values[field.Control] = edit->Value();
        else
            values[field.Control] = window.CheckBox(field.Control)->Checked() ? 1 : 0;
    }
    return values;
}

template <class Window>
void LoadControlValues(const Window& window, const TSettingsValues& values) {
    using CheckBoxPointer = decltype(window.CheckBox(""));
    std::vector<std::pair<CheckBoxPointer, TNotifyEvent>> heldBack;
    ScopeExit restore([&heldBack] {
        for (auto& [box, onClick] : heldBack) box->OnClick = std::move(onClick);
    });
    for (const auto& [control, value] : values) {
        if (auto* edit = window.SpinEdit(control.c_str())) {
            edit->SetValue(value);
            continue;
        }
        CheckBoxPointer box = window.CheckBox(control.c_str());
        heldBack.emplace_back(box, std::move(box->OnClick));
        box->OnClick = nullptr;
        box->SetChecked(value != 0);
    }
}
