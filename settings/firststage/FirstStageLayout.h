#pragma once
// What the first-stage settings window is made of, as data: its groups with
// their rows, the "По умолчанию" switches with what each sets and locks, and
// the texts of its file commands.

#include "settings/layout/SettingsSheet.h"

#include <utility>
#include <vector>

inline constexpr const char* kFirstStageCaption = "Настройки контроллера полета первой ступени";
// A saved file's caption lacks "первой ступени", as the window always had it.
inline constexpr const char* kFirstStageSavedCaption = "Настройки контроллера полета";
constexpr int kFirstStageWidth = 847;
constexpr int kFirstStageHeight = 723;

const std::vector<TSheetGroup>& FirstStageGroups();

struct TFirstStageDefaults {
    const char* Switch;
    // Set in order when the switch goes on; switches 1 or 0.
    std::vector<std::pair<const char*, double>> Values;
    // Read-only while it is on: the controls of Values.
};

const std::vector<TFirstStageDefaults>& FirstStageDefaults();
// Every control's range, as its hint.
std::string FirstStageRange(const char* control);
