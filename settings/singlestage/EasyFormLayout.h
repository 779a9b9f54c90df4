#pragma once
// What the single-stage settings window is made of, as data: its panels and
// groups with their controls in order, the start values, units, the defaults
// boxes with what each sets, and the texts of the file commands.

#include "settings/singlestage/EasyBlocks.h"
#include "ui/graphics/Colors.h"

#include <string>
#include <utility>
#include <vector>

inline constexpr const char* kEasyWindowCaption = "Настройки контроллера одноступенчатой ракеты";
inline constexpr const char* kEasyFileFilter = "Settings|*.cfg";
inline constexpr const char* kEasyFileOffered = "velzar_small";
inline constexpr const char* kEasyFileExt = "cfg";

constexpr int kEasyPanelCount = 4;
constexpr int kEasyPanelWidth = 530;
constexpr int kEasyPanelHeader = 22;
constexpr int kEasyPanelGap = 6;
constexpr int kEasyGroupGap = 6;
constexpr int kEasyGroupTop = 18;
constexpr int kEasyRowHeight = 24;
constexpr int kEasyRowIndent = 20;
constexpr int kEasyCaptionWidth = 300;
constexpr int kEasyEditWidth = 64;

struct TEasyGroupLayout {
    int Panel;  // 0..3: pnlBlock1..pnlBlock4
    const char* Caption;
    std::vector<const char*> Controls;
    const char* DefaultsBox;  // nullptr: none
    const char* DefaultsCaption;
};

const std::vector<TEasyGroupLayout>& EasyGroupLayout();
std::string EasyPanelName(int panel);
const char* EasyPanelCaption(int panel);
TColor EasyPanelColor(int panel);
// The option boxes of the two timers carry the timer's name; the others "Включить".
std::string EasyOptionCaption(const TEasyField& field);
const char* EasyUnitText(const std::string& control);
// The window's value at start: numbers as shown, flags 1 or 0.
double EasyStartValue(const std::string& control);

// What a defaults box does when switched on, and what it makes read-only.
struct TEasyDefaultsBox {
    const char* Name;
    std::vector<std::pair<const char*, double>> Values;  // in order; check boxes 1 or 0
    std::vector<const char*> White;
    std::vector<const char*> ReadOnly;
};

// Edit 17 by the defaults: 3,0 with the brake parachute on, else 0,1.
inline constexpr double kMainAfterAbnormalWithBrake = 3.0;
inline constexpr double kMainAfterAbnormalWithoutBrake = 0.1;
// Stands in the values for edit 17, whose default follows the brake parachute.
inline constexpr double kBrakeDependent = -1;

const std::vector<TEasyDefaultsBox>& EasyDefaultsBoxes();
// LoadDefaultSettings, in its order.
const std::vector<std::pair<const char*, double>>& EasyDefaultValues();
