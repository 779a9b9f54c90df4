#pragma once
// What the settings windows' spin edits do with the range in their hint:
// arrow steps that may go one increment past an end and no further, typed
// values checked with a red balloon, light red for a value out of range,
// and hover hints that name the permitted range. An edit whose hint is no
// range is left alone.

#include <string>

class TDecimalSpinEdit;
class TSettingsBalloons;
struct THintInfo;

// Light red out of range, else white with the balloon on screen hidden.
void MarkRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);
// Up one increment while below maximum + increment, lifted to the minimum.
void StepUpInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);
// Down one increment while above minimum - increment, lowered to the maximum.
void StepDownInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);
// The first stage's arrows, which never step past a limit: up one increment
// while below the maximum, else to the maximum, then lifted to the minimum
// (down likewise); the value kept on the edit's decimals. Light red beyond
// a limit (tolerant), else white with the balloon on screen hidden.
void ClampStepUp(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);
void ClampStepDown(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);
// After a key: out of range paints light red and shows the error balloon
// beside the edit; in range paints white and hides the balloon.
void CheckTypedInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons);

// "Введено не допустимое значение\rДопустимый диапазон от <min> до <max>".
std::string OutOfRangeText(const std::string& minText, const std::string& maxText);
// The hover hint: only over decimal spin edits, as "Допустимое значение от
// <min> до <max>"; a balloon's "*" text is shown without its marks; with no
// control (a balloon shown at a point) the text stays as it is.
void RangeHoverHint(std::string& text, bool& canShow, THintInfo& info);
