#include "settings/firststage/FirstStageLayout.h"

#include <stdexcept>

namespace {

using K = TSheetRowKind;

const std::vector<TSheetGroup> kGroups = {
    {0, " Определение старта по ускорению ",
     {{K::Edit, "skDecimalSpinEdit13", "Ускорение:", "g", 2.0, 0.01, 2, "0,01/9,99"},
      {K::Edit, "skDecimalSpinEdit14", "Время ускорения:", "сек", 0.3, 0.01, 2, "0,1/2,0"},
      {K::Switch, "skCheckBox6", "Включить таймер имитации апогея", "", 0},
      {K::Edit, "skDecimalSpinEdit18", "Таймер имитации апогея   :", "сек", 10, 1, 0, "1/99"},
      {K::Switch, "skCheckBox7", "Включить таймер имитации оконч. работы двигателя", "", 0},
      {K::Edit, "skDecimalSpinEdit19", "Таймер имитации оконч. работы двигателя   :", "сек", 3.0, 0.1, 1, "1/20"},
      {K::Edit, "skDecimalSpinEdit22", "Таймер имитации конца спуска ракеты   :", "сек", 100, 1, 0, "30/999"},
      {K::Note, "", "* Таймаут отсчитывается от момента определения старта"},
      {K::Switch, "CheckBox6", "Настройки по умолчанию", "", 0}}},
    {0, " Определение старт по барометру ",
     {{K::Switch, "skCheckBox5", "Включить", "", 0},
      {K::Edit, "skDecimalSpinEdit9", "Перепад высоты:", "м", 5.0, 0.1, 1, "0,5/20,0"},
      {K::Edit, "skDecimalSpinEdit10", "Постоянная времени фильтра:", "сек", 0.3, 0.1, 1, "0,2/2,0"},
      {K::Switch, "skCheckBox4", "Имитация окончания работы двигателя:", "", 1},
      {K::Edit, "skDecimalSpinEdit11", "Таймер имитации:", "сек", 3.0, 0.1, 1, "0,2/20,0"},
      {K::Switch, "skCheckBox3", "По умолчанию", "", 0}}},
    {0, "Определение внештатного старта и аварийный выброс парашюта",
     {{K::Switch, "skCheckBox14", "Включить", "", 1},
      {K::Edit, "skDecimalSpinEdit5", "Допустимый угол отклонения:", "град", 30, 1, 0, "10/70"},
      {K::Edit, "skDecimalSpinEdit3", "Время фиксации:", "сек", 0.3, 0.1, 2, "0,1/1,0"},
      {K::Edit, "skDecimalSpinEdit4", "Задержка выброса парашюта:", "сек", 0.1, 0.1, 1, "0,1/10,0"},
      {K::Note, "skLabel15", "При определении внештатного старта, включение\nдвигателя второй ступени блокируется"},
      {K::Switch, "skCheckBox13", "Настройки по умолчанию", "", 0}}},
    {1, " Определение окончания работы двигателя по ускорению ",
     {{K::Edit, "skDecimalSpinEdit24", "Ускорение торможения :   -", "g", 0.05, 0.01, 2, "0,01/0,99"},
      {K::Edit, "skDecimalSpinEdit25", "Время фиксации:", "сек", 0.3, 0.01, 2, "0,05/1,00"},
      {K::Edit, "skDecimalSpinEdit28", "Таймаут блокировки барометра    :", "сек", 2.0, 0.1, 1, "0,1/9,9"},
      {K::Note, "", "* Время отсчитывается от момента определения \nокончания работы двигателя"},
      {K::Switch, "skCheckBox8", "Настройки по умолчанию", "", 0}}},
    {1, " Включение двигателя второй ступени ",
     {{K::Edit, "skDecimalSpinEdit1", "Время работы воспламенителя:", "сек", 1.5, 0.1, 1, "0,5/5,0"},
      {K::Note, "", "Используется защищенный ключ 1"},
      {K::Edit, "skDecimalSpinEdit16", "Задержка запуска двигателя второй ступени    :", "сек", 2.0, 0.1, 1, "0,1/9,9"},
      {K::Note, "", "* Отсчитывается с момента\nопределения окончания работы двигателя"},
      {K::Edit, "skDecimalSpinEdit21", "Таймер имитации апогея      :", "сек", 5, 1, 0, "2/20"},
      {K::Note, "", "* Время отсчитывается с момента включения второй ступени"},
      {K::Switch, "skCheckBox12", "Настройки по умолчанию", "", 0}}},
    {2, "Определение опогея по барометру",
     {{K::HiddenSwitch, "skCheckBox10", "Включить", "", 1},
      {K::Edit, "skDecimalSpinEdit8", "Уменьшение высоты от максимальной, не менее:", "м", 5, 1, 0, "2/20"},
      {K::Edit, "skDecimalSpinEdit7", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,2/2,0"},
      {K::Switch, "skCheckBox9", "По умолчанию", "", 0}}},
    {2, " Выброс парашюта",
     {{K::Switch, "CheckBox2", "Включить", "", 1},
      {K::Edit, "skDecimalSpinEdit20", "Время работы воспламенителя:", "сек", 1.5, 0.1, 1, "0,5/5,0"},
      {K::Edit, "skDecimalSpinEdit2", "Задержка выброса парашюта после определения апогея:", "сек", 0.2, 0.1, 1, "0,1/9,9"},
      {K::Note, "skLabelKey2", "Используется защищенный ключ 2"},
      {K::Switch, "skCheckBox15", "Настройки по умолчанию", "", 0}}},
    {3, " Определение приземления по барометру ",
     {{K::Edit, "skDecimalSpinEdit27", "Допустимый разброс по высоте:", "м", 5.0, 0.1, 1, "2,0/20,0"},
      {K::Edit, "skDecimalSpinEdit33", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,5/5,0"},
      {K::Edit, "skDecimalSpinEdit26", "Время определения приземления:", "сек", 5, 1, 0, "2/5"},
      {K::Switch, "skCheckBox1", "Настройки по умолчанию", "", 0}}},
};

const std::vector<TFirstStageDefaults> kDefaults = {
    {"CheckBox6",
     {{"skDecimalSpinEdit13", 2}, {"skDecimalSpinEdit14", 0.3}, {"skCheckBox6", 0}, {"skDecimalSpinEdit18", 10},
      {"skDecimalSpinEdit22", 100}, {"skCheckBox7", 0}, {"skDecimalSpinEdit19", 3}}},
    {"skCheckBox3", {{"skDecimalSpinEdit9", 5}, {"skDecimalSpinEdit10", 0.5}, {"skDecimalSpinEdit11", 3}, {"skCheckBox4", 1}}},
    {"skCheckBox13", {{"skDecimalSpinEdit5", 30}, {"skDecimalSpinEdit3", 0.3}, {"skDecimalSpinEdit4", 0.3}}},
    {"skCheckBox8", {{"skDecimalSpinEdit24", 0.1}, {"skDecimalSpinEdit25", 0.3}, {"skDecimalSpinEdit28", 2}}},
    {"skCheckBox12", {{"skDecimalSpinEdit1", 1.5}, {"skDecimalSpinEdit16", 2}}},
    {"skCheckBox9", {{"skDecimalSpinEdit21", 5}, {"skDecimalSpinEdit8", 5}, {"skDecimalSpinEdit7", 0.5}}},
    {"skCheckBox15", {{"skDecimalSpinEdit20", 1.5}, {"skDecimalSpinEdit2", 0.2}}},
    {"skCheckBox1", {{"skDecimalSpinEdit27", 5}, {"skDecimalSpinEdit33", 0.5}, {"skDecimalSpinEdit26", 5}}},
};

}  // namespace

const std::vector<TSheetGroup>& FirstStageGroups() { return kGroups; }

const std::vector<TFirstStageDefaults>& FirstStageDefaults() { return kDefaults; }

std::string FirstStageRange(const char* control) {
    for (const TSheetGroup& group : kGroups)
        for (const TSheetRow& row : group.Rows)
            if (row.Kind == TSheetRowKind::Edit && std::string(row.Name) == control) return row.Hint;
    throw std::logic_error(std::string("no first-stage edit ") + control);
}
