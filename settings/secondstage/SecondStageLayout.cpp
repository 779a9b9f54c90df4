#include "settings/secondstage/SecondStageLayout.h"

namespace {

using K = TSheetRowKind;

const std::vector<TSheetGroup> kGroups = {
    {0, " Определение старта по ускорению ",
     {{K::Edit, "skDecimalSpinEdit13", "Ускорение:", "g", 2.0, 0.01, 2, "0,01/9,99"},
      {K::Edit, "skDecimalSpinEdit14", "Время ускорения:", "сек", 0.3, 0.01, 2, "0,1/2,0"},
      {K::Switch, "skCheckBox6", "Включить таймер имитации апогея:", "", 0},
      {K::Edit, "skDecimalSpinEdit18", "Таймер имитации апогея:", "сек", 10, 1, 0, "1/99"},
      {K::Edit, "skDecimalSpinEdit22", "Таймер имитации конца спуска ракеты    :", "сек", 100, 1, 0, "30/999"},
      {K::Switch, "skCheckBox7", "Таймер имитации оконч. работы двигателя:", "", 0},
      {K::Edit, "skDecimalSpinEdit19", "Таймер имитации оконч. работы двигателя:", "сек", 3.0, 0.1, 1, "1/99"},
      {K::Note, "", "* Таймаут отсчитывается от момента определения старта"},
      {K::Switch, "CheckBox6", "По умолчанию", "", 0}}},
    {0, " Определение старт по барометру ",
     {{K::Switch, "skCheckBox5", "Включить", "", 0},
      {K::Edit, "skDecimalSpinEdit9", "Перепад высоты:", "м", 5.0, 0.1, 1, "0,5/20,0"},
      {K::Edit, "skDecimalSpinEdit10", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,2/2,0"},
      {K::Switch, "skCheckBox4", "Имитация окончания работы двигателя:", "", 1},
      {K::Edit, "skDecimalSpinEdit11", "Таймер имитации:", "сек", 3.0, 0.1, 1, "0,2/20,0"},
      {K::Switch, "skCheckBox3", "По умолчанию", "", 0}}},
    {1, " Определение окончания работы двигателя ",
     {{K::Edit, "skDecimalSpinEdit24", "Ускорение торможения :   -", "g", 0.1, 0.01, 2, "0,1/0,99"},
      {K::Edit, "skDecimalSpinEdit25", "Время фиксации:", "сек", 0.3, 0.01, 2, "0,05/1,00"},
      {K::Edit, "skDecimalSpinEdit28", "Таймаут блокировки барометра    :", "сек", 2.0, 0.1, 1, "0,1/9,9"},
      {K::Note, "", "* Время отсчитывается от начала определения пассивного участка"},
      {K::Switch, "skCheckBox8", "По умолчанию", "", 0}}},
    {2, " Определение апогея по барометру ",
     {{K::Edit, "skDecimalSpinEdit8", "Уменьшение высоты от максимальной, не менее:", "м", 5, 1, 0, "2/20"},
      {K::Edit, "skDecimalSpinEdit7", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,2/2,0"},
      {K::Switch, "skCheckBox9", "По умолчанию", "", 0}}},
    {2, " Определение апогея по углу наклона ракеты ",
     {{K::Switch, "CheckBox1", "Включить", "", 0},
      {K::Edit, "skDecimalSpinEdit5", "Угол отклонения от вертикали:", "град", 70, 1, 0, "10/70"},
      {K::Edit, "skDecimalSpinEdit6", "Постоянная времени фильтра:", "сек", 0.1, 0.1, 1, "0,2/2,0"},
      {K::Switch, "skCheckBox10", "По умолчанию", "", 0}}},
    {3, " Спуск ракеты ", {{K::Edit, "skDecimalSpinEdit20", "Время работы воспламенителя:", "сек", 1.5, 0.1, 1, "0,5/5,0"}}},
    {3, " Тормозной парашют ",
     {{K::Switch, "CheckBox2", "Включить", "", 1},
      {K::Edit, "skDecimalSpinEdit2", "Задержка выброса тормозного парашюта после определения апогея:", "сек", 0.2, 0.1, 1,
       "0,1/9,9"},
      {K::KeyList, "ComboBox1", "Выход:"}}},
    {3, " Основной парашют ",
     {{K::Switch, "CheckBox3", "Включить", "", 1},
      {K::Edit, "skDecimalSpinEdit3", "Задержка включения    :", "сек", 3.0, 0.1, 1, "1,0/20,0"},
      {K::Note, "", "* Предотвращает ложное срабатывание и отсчитывается от апогея"},
      {K::KeyList, "ComboBox3", "Выход:"},
      {K::Edit, "skDecimalSpinEdit4", "Высота выброса основного парашюта:", "м", 100, 1, 0, "50/999"}}},
    {4, " Определение приземления по барометру ",
     {{K::Edit, "skDecimalSpinEdit27", "Допустимый разброс по высоте:", "м", 5.0, 0.1, 1, "2,0/20,0"},
      {K::Edit, "skDecimalSpinEdit33", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,5/5,0"},
      {K::Edit, "skDecimalSpinEdit26", "Время определения приземления:", "сек", 5, 1, 0, "2/5"},
      {K::Switch, "skCheckBox1", "По умолчанию", "", 0}}},
    {5, " Определение приземления по углу наклона",
     {{K::Edit, "skDecimalSpinEdit15", "Допустимый разброс по углу:", "m", 5.0, 0.1, 1, "2,0/20,0"},
      {K::Edit, "skDecimalSpinEdit17", "Постоянная времени фильтра:", "сек", 0.5, 0.1, 1, "0,5/5,0"},
      {K::Edit, "skDecimalSpinEdit12", "Время определения приземления:", "сек", 5, 1, 0, "2/5"},
      {K::Switch, "skCheckBox2", "По умолчанию", "", 0}}},
};

const std::vector<const char*> kDisabledAtStart = {"skDecimalSpinEdit18", "skDecimalSpinEdit19", "skDecimalSpinEdit9",
                                                   "skDecimalSpinEdit10", "skCheckBox4",         "skDecimalSpinEdit11",
                                                   "skCheckBox3"};

}  // namespace

const std::vector<TSheetGroup>& SecondStageGroups() { return kGroups; }
const std::vector<const char*>& SecondStageDisabledAtStart() { return kDisabledAtStart; }
