#include "viewer/eventmarkers/HeaderSettingsFields.h"

#include "common/SignRule.h"
#include "common/TextFormatting.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The settings window stores most times and heights in tenths or
// hundredths, and the start acceleration as (g + 1) × 512.
constexpr double kAccelerationScale = 512;
constexpr double kHundredths = 100;
constexpr double kTenths = 10;
constexpr double kWhole = 1;

}  // namespace

const std::vector<HeaderValueField>& HeaderValueFields() {
    static const std::vector<HeaderValueField> fields = {
        {11, kAccelerationScale, 1, false, 1, 6, "Ускорение:", "g"},
        {13, kHundredths, 0, false, 1, 7, "Время ускорения:", "sec"},
        {16, kTenths, 0, false, 0, 10, "Таймер имитации апогея    :", "sec"},
        {18, kTenths, 0, false, 0, 21, "Таймер имитации конца спуска ракеты    :", "sec"},
        {21, kTenths, 0, false, 1, 9, "Таймер имитации оконч. работы двигателя:", "sec"},
        {24, kTenths, 0, false, 1, 22, "Перепад высоты:", "m"},
        {26, kTenths, 0, false, 1, 23, "Постоянная времени фильтра:", "sec"},
        {29, kTenths, 0, false, 1, 24, "Таймер имитации окончания работы двигателя:", "sec"},
        {32, kTenths, 0, false, 0, 25, "Допустимый угол отклонения от вертикали:", "град"},
        {34, kHundredths, 0, false, 1, 26, "Время фиксации:", "сек"},
        {36, kTenths, 0, false, 1, 27, "Задержка выброса тормозного парашюта:", "сек"},
        {38, kTenths, 0, false, 1, 28, "Задержка выброса основного парашюта:", "сек"},
        {40, kAccelerationScale, 0, true, 2, 29, "Ускорение торможения :", "g"},
        {42, kHundredths, 0, false, 1, 30, "Время фиксации:", "sec"},
        {44, kTenths, 0, false, 1, 31, "Таймаут блокировки барометра    :", "sec"},
        {46, kTenths, 0, false, 0, 32, "Уменьшение высоты от максимальной, не менее:", "m"},
        {48, kTenths, 0, false, 1, 33, "Постоянная времени фильтра:", "sec"},
        {50, kTenths, 0, false, 1, 34, "Время работы воспламенителей:", "sec"},
        {53, kTenths, 0, false, 1, 35, "Задержка выброса тормозного парашюта    :", "sec"},
        {56, kTenths, 0, false, 1, 36, "Таймаут блокировки барометра     :", "sec"},
        {58, kTenths, 0, false, 1, 37, "Постоянная времени фильтра барометра:", "sec"},
        {60, kWhole, 0, false, 0, 38, "Высота выброса основного парашюта:", "m"},
        {62, kTenths, 0, false, 0, 39, "Выброс парашюта по времени    :", "sec"},
        {64, kTenths, 0, false, 0, 40, "Допустимый разброс по высоте:", "m"},
        {66, kTenths, 0, false, 1, 41, "Постоянная времени фильтра:", "sec"},
        {68, kWhole, 0, false, 0, 42, "Время определения приземления:", "sec"},
    };
    return fields;
}

const std::vector<HeaderFlagField>& HeaderFlagFields() {
    static const std::vector<HeaderFlagField> fields = {
        {15, "", {10}, {6}, FlagKindRule::EnableOnly, 0},
        {20, "", {9}, {20}, FlagKindRule::CheckedAsFlag, 0},
        {23, "", {22, 23, 24}, {2, 4}, FlagKindRule::UncheckWhenOff, 0},
        {28, "", {24}, {}, FlagKindRule::EnableOnly, 4},
        {31, "", {25, 26, 27, 28}, {21}, FlagKindRule::EnableOnly, 0},
        {52, "Защищенный ключ 1", {35}, {7, 12, 13}, FlagKindRule::UncheckWhenOff, 0},
        {55, "Защищенный ключ 2", {36, 37, 38, 39}, {8, 9, 14, 15, 19}, FlagKindRule::UncheckWhenOff, 0},
    };
    return fields;
}

const HeaderValueField& HeaderValueFieldOfLabel(int labelNumber) {
    const auto& fields = HeaderValueFields();
    auto it = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.LabelNumber == labelNumber; });
    if (it == fields.end()) throw std::out_of_range("no header value shown by Label" + std::to_string(labelNumber));
    return *it;
}

std::string HeaderValueText(const LogPage& page, const HeaderValueField& field) {
    const std::uint32_t stored = ReadBigEndian16(&page[field.PageByte]);
    const double raw = field.Signed ? SignExtend16(stored) : static_cast<double>(stored);
    const double shown = raw / field.Divisor - field.Offset;
    if (field.Decimals == 0) return std::to_string(Round(shown));
    return FloatToCommaText(field.Decimals, shown);
}
