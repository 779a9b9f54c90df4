#pragma once
// What the second-stage settings window is made of, as data: its six groups
// (launch, burnout, apogee, descent, landing by barometer, landing by tilt),
// each holding the boxes of its rows.

#include "settings/layout/SettingsSheet.h"

#include <vector>

inline constexpr const char* kSecondStageCaption = "Настройки контроллера полета второй ступени";
constexpr int kSecondStageWidth = 841;
constexpr int kSecondStageHeight = 683;
constexpr int kSecondStageGroupCount = 6;

// Group slot of each box: 0 launch ... 5 landing by tilt.
const std::vector<TSheetGroup>& SecondStageGroups();
// Controls disabled from the start, which no switch of this window enables.
const std::vector<const char*>& SecondStageDisabledAtStart();
