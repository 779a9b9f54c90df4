#include "settings/dip/DipFormLayout.h"

namespace {

using R = TDipRowKind;

TDipRow Spin(const char* name, const char* label, const char* unit, double start, double step, double min, double max,
             int decimals, const char* hint) {
    return TDipRow{R::Spin, name, label, unit, start, step, min, max, decimals, hint};
}

TDipRow Check(const char* name, const char* caption, bool on) { return TDipRow{R::Check, name, caption, "", on ? 1.0 : 0.0}; }

TDipRow Combo(const char* name) { return TDipRow{R::Combo, name, ""}; }

TDipRow Note(const char* text, const char* tiedTo = "") {
    TDipRow row{R::Note, "", text};
    row.TiedTo = tiedTo;
    return row;
}

// Where a hint of the original window named other limits than its edit
// enforces, the hint names the limits the edit keeps.
const std::vector<TDipSection> kSections = {
    {" Активный участок подъема первой ступени ",
     {},
     {
         {"GroupBox1", "Определение старта ракеты",
          {Spin("skDecimalSpinEdit12", "Ускорение:", "g", 2.00, 0.01, 0.01, 9.99, 2, "от 0,01 до 9,99"),
           Spin("skDecimalSpinEdit13", "Время ускорения:", "sec", 0.30, 0.01, 0.1, 1.0, 2, "от 0,1 до 1,0"),
           Check("skCheckBox1", "Включить таймер имитации апогея:", false),
           Spin("skDecimalSpinEdit14", "", "sec", 10, 1, 1, 99, 0, "от 1 до 99"),
           Spin("skDecimalSpinEdit22", "Таймер имитации конца спуска ракеты    :", "sec", 100, 1, 50, 999, 0, "от 50 до 999"),
           Note("Таймаут отсчитывается от момента определения старта", "skDecimalSpinEdit22"),
           Check("skCheckBox3", "Максимальный прирост высоты по барометру за одну секунду:", false),
           Spin("skDecimalSpinEdit30", "", "m", 200, 1, 100, 999, 0, "от 100 до 999")}},
         {"GroupBox2", " Определение старт по барометру ",
          {Check("skCheckBox5", "Включить", true),
           Spin("skDecimalSpinEdit41", "Перепад высоты:", "sec", 2.0, 0.01, 2.0, 20.0, 1, "от 2,0 до 20,0"),
           Spin("skDecimalSpinEdit42", "Постоянная времени фильтра:", "sec", 0.5, 0.1, 0.2, 2.0, 1, "от 0,2 до 2,0"),
           Check("CheckBox9", "По умолчанию", false),
           Check("skCheckBox4", "Имитация окончания работы двигателя:", false),
           Spin("skDecimalSpinEdit43", "", "sec", 2.0, 1, 0.1, 9.9, 1, "от 0,1 до 9,9")}},
         {"GroupBox3", " Аварийная разборка ракеты (работает на активном участке полета) ",
          {Note("Данный блок относится к первой и второй ступени ракеты"),
           Check("CheckBox7", "Включить", true),
           Spin("skDecimalSpinEdit5", "Допустимый угол отклонения:", "град", 30, 1, 10, 70, 0, "от 10 до 70"),
           Spin("skDecimalSpinEdit10", "Время фиксации:", "sec", 0.30, 0.1, 0.1, 9.9, 2, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit2", "Задержка выброса тормозного парашюта   :", "sec", 0.3, 0.1, 0.1, 10.0, 1,
                "от 0,1 до 10,0"),
           Note("Отсчитывается от момента разборки ракеты", "skDecimalSpinEdit2")}},
     }},
    {" Пассивный участок подъема первой ступени ",
     {},
     {
         {"GroupBox4", " Определение окончания работы двигателя ",
          {Spin("skDecimalSpinEdit11", "Ускорение торможения :", "g", 0.10, 0.01, 0.01, 0.99, 2, "от 0,01 до 0,99"),
           Spin("skDecimalSpinEdit3", "Время фиксации:", "sec", 0.30, 0.1, 0.1, 9.9, 2, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit9", "Таймаут блокировки барометра    :", "sec", 2.0, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Note("Время отсчитывается от начала определения пассивного участка первой ступени", "skDecimalSpinEdit9")}},
     }},
    {" Определение апогея ",
     {},
     {
         {"GroupBox5", " Определение апогея или нештатного полета по углу наклона ракеты  ",
          {Check("CheckBox5", "Включить", true),
           Spin("skDecimalSpinEdit4", "Угол отклонения от вертикали:", "град", 70, 1, 10, 70, 0, "от 10 до 70"),
           Spin("skDecimalSpinEdit6", "Время фиксации:", "sec", 0.5, 0.1, 0.1, 900.9, 1, "от 0,1 до 900,9"),
           Check("skCheckBox2", "Максимальная скорость срабатывания:", false),
           Spin("skDecimalSpinEdit29", "", "m/s", 20, 1, 10, 99, 0, "от 10 до 99")}},
         {"GroupBox6", " Определение апогея по барометру (датчику давления) ",
          {Spin("skDecimalSpinEdit8", "Уменьшение высоты от максимальной, не менее:", "m", 5, 1, 1, 9.9, 0, "от 1 до 9,9"),
           Spin("skDecimalSpinEdit7", "Постоянная времени фильтра:", "sec", 0.5, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9")}},
     }},
    {" Спуск ракеты ",
     {Spin("skDecimalSpinEdit15", "Время работы воспламенителей:", "sec", 1.5, 0.1, 0.5, 5.0, 1, "от 0,5 до 5,0")},
     {
         {"GroupBox7", " Разборка ракеты ",
          {Check("CheckBox2", "Включить", true),
           Spin("skDecimalSpinEdit17", "Задержка разборки ракеты    :", "sec", 0.2, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Combo("ComboBox1"), Note("Задержка отсчитывается от момента фиксации апогея")}},
         {"GroupBox8", " Выброс тормозного парашюта ",
          {Check("CheckBox4", "Включить", true),
           Spin("skDecimalSpinEdit18", "Задержка выброса тормозного парашюта    :", "sec", 1.8, 0.1, 0.1, 9.9, 1,
                "от 0,1 до 9,9"),
           Combo("ComboBox3"), Note("Задержка отсчитывается от момента фиксации апогея")}},
         {"GroupBox9", " Выброс основного парашюта ",
          {Check("CheckBox3", "Включить", true),
           Spin("skDecimalSpinEdit19", "Таймаут блокировки барометра     :", "sec", 5.2, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Combo("ComboBox4"),
           Spin("skDecimalSpinEdit31", "Постоянная времени фильтра барометра:", "sec", 0.5, 0.1, 0.1, 9.9, 1,
                "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit21", "Высота выброса основного парашюта:", "m", 200, 1, 50, 999, 0, "от 50 до 999"),
           Spin("skDecimalSpinEdit20", "Выброс парашюта по времени    :", "sec", 20, 1, 1, 99, 0, "от 1 до 99"),
           Note("Время отсчитывается от момента фиксации апогея")}},
     }},
    {" Вторая ступень ",
     {Check("CheckBox1", "Включить", false)},
     {
         {"GroupBox10", " Включение двигателя второй ступени ",
          {Combo("ComboBox2"),
           Spin("skDecimalSpinEdit16", "Задержка запуска двигателя    :", "sec", 2.0, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Note("Задержка отсчитывается с момента определения пассивного участка 1 ступени", "skDecimalSpinEdit16"),
           Spin("skDecimalSpinEdit40", "Таймер имитация окончания работы двигателя второй ступени:", "sec", 5.0, 0.1, 0.1,
                9.9, 1, "от 0,1 до 9,9")}},
         {"GroupBox11", " Определение старта двигателя второй ступени ",
          {Spin("skDecimalSpinEdit34", "Ускорение:", "g", 2.00, 0.01, 0.01, 9.9, 2, "от 0,01 до 9,9"),
           Spin("skDecimalSpinEdit35", "Время ускорения:", "sec", 0.30, 0.01, 0.1, 1.0, 2, "от 0,1 до 1,0")}},
         {"GroupBox12", " Определение окончания работы двигателя второй ступени ",
          {Spin("skDecimalSpinEdit36", "Ускорение торможения :", "g", 0.10, 0.01, 0.01, 0.99, 2, "от 0,01 до 0,99"),
           Spin("skDecimalSpinEdit37", "Время фиксации:", "sec", 0.30, 0.1, 0.1, 9.9, 2, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit38", "Таймаут блокировки барометра    :", "sec", 2.0, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Note("Время отсчитывается от начала определения пассивного участка 2 ступени", "skDecimalSpinEdit38")}},
     }},
    {" Приземление ",
     {},
     {
         {"GroupBox13", " Определение приземления по углу наклона ",
          {Spin("skDecimalSpinEdit28", "Допустимый разброс по углу:", "град", 2.0, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit32", "Постоянная времени фильтра:", "sec", 0.2, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit25", "Время определения:", "sec", 5, 1, 1, 10, 0, "от 1 до 10")}},
         {"GroupBox14", " Определение приземления по барометру ",
          {Spin("skDecimalSpinEdit27", "Допустимый разброс по высоте:", "m", 5.0, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit33", "Постоянная времени фильтра:", "sec", 0.5, 0.1, 0.1, 9.9, 1, "от 0,1 до 9,9"),
           Spin("skDecimalSpinEdit26", "Время определения приземления:", "sec", 5, 1, 2, 5, 0, "от 2 до 5")}},
         {"GroupBox15", " Режим ожидания  ",
          {Check("CheckBox6", "Использовать GPS", false),
           Spin("skDecimalSpinEdit23", "Таймаут перезагрузки GPS модуля     :", "sec", 50, 1, 10, 999, 0, "от 10 до 999"),
           Note("Время отсчитывается от момента фиксации приземления", "skDecimalSpinEdit23"),
           Check("CheckBox8", "Выключить GPS после определения координат", false),
           Spin("skDecimalSpinEdit24", "Время перехода в режим экономии АКБ      :", "min", 10, 1, 10, 999, 0,
                "от 10 до 999"),
           Note("Время отсчитывается от момента перезагрузки GPS модуля ", "skDecimalSpinEdit24")}},
         {"GroupBox16", " Радио модем ",
          {Spin("skDecimalSpinEdit39", "Период отправки координат:", "sec", 10, 1, 10, 999, 0, "от 10 до 999")}},
     }},
};

const TDipRow kHiddenAcceleration = Spin("skDecimalSpinEdit1", "Ускорение:", "g", 2.00, 0.01, 0.01, 9.9, 2, "от 0,01 до 9,9");

const std::vector<std::string> kOutputKeys = {"Защ. ключ 1", "Защ. ключ 2", "Защ. ключ 3"};

}  // namespace

const std::vector<TDipSection>& DipSections() { return kSections; }

const TDipRow& DipHiddenAcceleration() { return kHiddenAcceleration; }

std::vector<TDipRow> DipSpinRows() {
    std::vector<TDipRow> rows{kHiddenAcceleration};
    const auto take = [&rows](const std::vector<TDipRow>& from) {
        for (const TDipRow& row : from)
            if (row.Kind == TDipRowKind::Spin) rows.push_back(row);
    };
    for (const TDipSection& section : kSections) {
        take(section.Rows);
        for (const TDipGroup& group : section.Groups) take(group.Rows);
    }
    return rows;
}

const std::vector<std::string>& DipOutputKeyItems() { return kOutputKeys; }
