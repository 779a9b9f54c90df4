#include "settings/singlestage/EasyFormLayout.h"

#include <map>
#include <stdexcept>

namespace {

const std::vector<TEasyGroupLayout> kGroups = {
    {0, " Определение старта по ускорению ",
     {"skDecimalSpinEdit12", "skDecimalSpinEdit13", "skCheckBox6", "skDecimalSpinEdit5", "skCheckBox1",
      "skDecimalSpinEdit14", "skDecimalSpinEdit22"},
     "CheckBox6", "Настройки по умолчанию"},
    {0, " Определение старт по барометру ",
     {"skCheckBox5", "skDecimalSpinEdit1", "skDecimalSpinEdit2", "skCheckBox4", "skDecimalSpinEdit4"},
     "CheckBox3", "По умолчанию"},
    {0, "Определение внештатного старта и аварийный выброс парашюта",
     {"skCheckBox14", "skDecimalSpinEdit6", "skDecimalSpinEdit10", "skDecimalSpinEdit16", "skDecimalSpinEdit17"},
     "skCheckBox13", "По умолчанию"},
    {1, " Определение окончания работы двигателя по ускорению",
     {"skDecimalSpinEdit11", "skDecimalSpinEdit3", "skDecimalSpinEdit9"}, "CheckBox1", "По умолчанию"},
    {2, "Определение апогея по барометру", {"skDecimalSpinEdit8", "skDecimalSpinEdit7"}, "CheckBox2", "По умолчанию"},
    {2, " Выброс парашютов ", {"skDecimalSpinEdit15"}, nullptr, nullptr},
    {2, " Выброс тормозного парашюта (может выступать в качестве основного)", {"skCheckBox3", "skDecimalSpinEdit18"},
     "skCheckBox7", "По умолчанию"},
    {2, " Выброс основного парашюта ",
     {"skCheckBox2", "skDecimalSpinEdit19", "skDecimalSpinEdit31", "skDecimalSpinEdit21", "skDecimalSpinEdit20"},
     "CheckBox7", "По умолчанию"},
    {3, " Определение приземления по барометру ",
     {"skDecimalSpinEdit27", "skDecimalSpinEdit33", "skDecimalSpinEdit26"}, "CheckBox5", "По умолчанию"},
};

const char* const kPanelCaptions[kEasyPanelCount] = {"Активный участок подъема", "Пассивный участок подъема",
                                                     "Спуск и система спасения", "Приземление"};
const TColor kPanelColors[kEasyPanelCount] = {0x3C3CFF, clYellow, clHighlight, 0x05A922};

const std::map<std::string, double> kStartValues = {
    {"skDecimalSpinEdit12", 2.0}, {"skDecimalSpinEdit13", 0.3},  {"skCheckBox1", 0},          {"skDecimalSpinEdit14", 10},
    {"skDecimalSpinEdit22", 100}, {"skCheckBox6", 0},            {"skDecimalSpinEdit5", 3.0}, {"skCheckBox5", 0},
    {"skDecimalSpinEdit1", 5.0},  {"skDecimalSpinEdit2", 0.2},   {"skCheckBox4", 1},          {"skDecimalSpinEdit4", 3.0},
    {"skCheckBox14", 1},          {"skDecimalSpinEdit6", 60},    {"skDecimalSpinEdit10", 0.2}, {"skDecimalSpinEdit16", 0.1},
    {"skDecimalSpinEdit17", 0.1}, {"skDecimalSpinEdit11", 0.05}, {"skDecimalSpinEdit3", 0.3}, {"skDecimalSpinEdit9", 2.0},
    {"skDecimalSpinEdit8", 5},    {"skDecimalSpinEdit7", 0.5},   {"skDecimalSpinEdit15", 1.5}, {"skCheckBox3", 1},
    {"skDecimalSpinEdit18", 0.1}, {"skCheckBox2", 0},            {"skDecimalSpinEdit19", 2.5}, {"skDecimalSpinEdit31", 0.5},
    {"skDecimalSpinEdit21", 200}, {"skDecimalSpinEdit20", 20},   {"skDecimalSpinEdit27", 5.0}, {"skDecimalSpinEdit33", 0.5},
    {"skDecimalSpinEdit26", 5},
};

const std::map<std::string, const char*> kUnits = {
    {"skDecimalSpinEdit12", "g"},   {"skDecimalSpinEdit11", "g"},   {"skDecimalSpinEdit6", "град"},
    {"skDecimalSpinEdit1", "м"},    {"skDecimalSpinEdit8", "м"},    {"skDecimalSpinEdit21", "м"},
    {"skDecimalSpinEdit27", "м"},
};

const std::vector<TEasyDefaultsBox> kDefaultsBoxes = {
    {"CheckBox6",
     {{"skDecimalSpinEdit12", 2.0}, {"skDecimalSpinEdit13", 0.3}, {"skDecimalSpinEdit14", 10}, {"skDecimalSpinEdit22", 100},
      {"skCheckBox1", 0}, {"skCheckBox6", 0}, {"skDecimalSpinEdit5", 3.0}},
     {"skDecimalSpinEdit12", "skDecimalSpinEdit13", "skDecimalSpinEdit14", "skDecimalSpinEdit22"},
     {"skDecimalSpinEdit12", "skDecimalSpinEdit13", "skDecimalSpinEdit14", "skDecimalSpinEdit22", "skDecimalSpinEdit5",
      "skCheckBox1", "skCheckBox6"}},
    {"CheckBox3",
     {{"skDecimalSpinEdit1", 5.0}, {"skDecimalSpinEdit2", 0.2}, {"skDecimalSpinEdit4", 3.0}, {"skCheckBox4", 1}},
     {"skDecimalSpinEdit1", "skDecimalSpinEdit2", "skDecimalSpinEdit4"},
     {"skDecimalSpinEdit1", "skDecimalSpinEdit2", "skDecimalSpinEdit4", "skCheckBox4"}},
    {"skCheckBox13",
     {{"skDecimalSpinEdit6", 60}, {"skDecimalSpinEdit10", 0.3}, {"skDecimalSpinEdit16", 0.1},
      {"skDecimalSpinEdit17", kBrakeDependent}},
     {"skDecimalSpinEdit6", "skDecimalSpinEdit10", "skDecimalSpinEdit16", "skDecimalSpinEdit17"},
     {"skDecimalSpinEdit6", "skDecimalSpinEdit10", "skDecimalSpinEdit16", "skDecimalSpinEdit17"}},
    {"CheckBox1",
     {{"skDecimalSpinEdit11", 0.05}, {"skDecimalSpinEdit3", 0.3}, {"skDecimalSpinEdit9", 2.0}},
     {"skDecimalSpinEdit11", "skDecimalSpinEdit3", "skDecimalSpinEdit9"},
     {"skDecimalSpinEdit11", "skDecimalSpinEdit3", "skDecimalSpinEdit9"}},
    {"CheckBox2", {{"skDecimalSpinEdit8", 5}, {"skDecimalSpinEdit7", 0.5}}, {"skDecimalSpinEdit8", "skDecimalSpinEdit7"},
     {"skDecimalSpinEdit8", "skDecimalSpinEdit7"}},
    {"skCheckBox7", {{"skDecimalSpinEdit18", 0.1}}, {"skDecimalSpinEdit18"}, {"skDecimalSpinEdit18"}},
    {"CheckBox7",
     {{"skDecimalSpinEdit19", 2.5}, {"skDecimalSpinEdit31", 0.5}, {"skDecimalSpinEdit21", 200}, {"skDecimalSpinEdit20", 20},
      {"skCheckBox3", 1}, {"skCheckBox2", 1}},
     {"skDecimalSpinEdit19", "skDecimalSpinEdit31", "skDecimalSpinEdit21", "skDecimalSpinEdit20"},
     {"skDecimalSpinEdit19", "skDecimalSpinEdit31", "skDecimalSpinEdit21", "skDecimalSpinEdit20", "skCheckBox3",
      "skCheckBox2"}},
    {"CheckBox5",
     {{"skDecimalSpinEdit27", 5.0}, {"skDecimalSpinEdit33", 0.5}, {"skDecimalSpinEdit26", 5}},
     {"skDecimalSpinEdit27", "skDecimalSpinEdit33", "skDecimalSpinEdit26"},
     {"skDecimalSpinEdit27", "skDecimalSpinEdit33", "skDecimalSpinEdit26"}},
};

const std::vector<std::pair<const char*, double>> kDefaultValues = {
    {"skDecimalSpinEdit12", 2.0}, {"skDecimalSpinEdit13", 0.3},  {"skCheckBox1", 0},          {"skDecimalSpinEdit14", 10},
    {"skDecimalSpinEdit22", 100}, {"skCheckBox6", 0},            {"skDecimalSpinEdit5", 3.0}, {"skCheckBox5", 0},
    {"skDecimalSpinEdit1", 5.0},  {"skDecimalSpinEdit2", 0.2},   {"skDecimalSpinEdit4", 3.0}, {"skDecimalSpinEdit6", 60},
    {"skDecimalSpinEdit10", 0.2}, {"skDecimalSpinEdit16", 0.1},  {"skDecimalSpinEdit17", kBrakeDependent},
    {"skDecimalSpinEdit11", 0.05}, {"skDecimalSpinEdit3", 0.3},  {"skDecimalSpinEdit9", 2.0}, {"skDecimalSpinEdit8", 5},
    {"skDecimalSpinEdit7", 0.5},  {"skDecimalSpinEdit15", 1.5},  {"skCheckBox3", 1},          {"skDecimalSpinEdit18", 0.1},
    {"skCheckBox2", 0},           {"skDecimalSpinEdit19", 2.5},  {"skDecimalSpinEdit31", 0.5}, {"skDecimalSpinEdit21", 200},
    {"skDecimalSpinEdit20", 20},  {"skDecimalSpinEdit27", 5.0},  {"skDecimalSpinEdit33", 0.5}, {"skDecimalSpinEdit26", 5},
};

}  // namespace

const std::vector<TEasyGroupLayout>& EasyGroupLayout() { return kGroups; }
std::string EasyPanelName(int panel) { return "pnlBlock" + std::to_string(panel + 1); }
const char* EasyPanelCaption(int panel) { return kPanelCaptions[panel]; }
TColor EasyPanelColor(int panel) { return kPanelColors[panel]; }

std::string EasyOptionCaption(const TEasyField& field) {
    const std::string control = field.Control;
    if (control == "skCheckBox6" || control == "skCheckBox1") return field.Caption;
    return "Включить";
}

const char* EasyUnitText(const std::string& control) {
    const auto found = kUnits.find(control);
    return found == kUnits.end() ? "сек" : found->second;
}

double EasyStartValue(const std::string& control) {
    const auto found = kStartValues.find(control);
    if (found == kStartValues.end()) throw std::logic_error("no start value for " + control);
    return found->second;
}

const std::vector<TEasyDefaultsBox>& EasyDefaultsBoxes() { return kDefaultsBoxes; }
const std::vector<std::pair<const char*, double>>& EasyDefaultValues() { return kDefaultValues; }
