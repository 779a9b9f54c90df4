#include "viewer/forms/ChartSettingsForm.h"

#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"
#include "ui/controls/Label.h"
#include "viewer/analysis/ChartSeriesTable.h"

#include <string>

TForm2* Form2 = nullptr;

namespace {

// The controls of one channel series; smoothing list 0 is skComboBox2.
struct SeriesControls {
    int Series;
    int CheckBox;
    const char* Caption;
    int Panel;
    int SmoothingList;
};

struct QuantityGroup {
    const char* Caption;
    std::vector<SeriesControls> Rows;
    int AxisList;
};

constexpr int kOwnList100g = 0;

const std::vector<QuantityGroup>& QuantityGroups() {
    static const std::vector<QuantityGroup> groups = {
        {"Положение ракеты", {{15, 1, "Крен", 1, 16}, {16, 2, "Тангаж", 2, 17}, {17, 3, "Курс", 3, 18}}, 29},
        {"Датчик ускорения ±16g", {{4, 7, "Ось Х", 10, 13}, {5, 8, "Ось Y", 11, 14}, {6, 9, "Ось Z", 12, 15}}, 30},
        {"Гироскоп", {{7, 10, "Ось X", 7, 10}, {8, 11, "Ось Y", 8, 11}, {9, 12, "Ось Z", 9, 12}}, 31},
        {"Питание", {{18, 13, "Напряжение АКБ", 13, 1}, {19, 14, "Напряж. силовое", 14, 2}}, 26},
        {"Управляющее воздействие на сервомашинки",
         {{20, 17, "Серво 1", 17, 19}, {21, 18, "Серво 2", 18, 20}, {22, 19, "Серво 3", 19, 21}, {23, 20, "Серво 4", 20, 22}},
         28},
        {"Датчик ускорения ±100g", {{24, 24, "Ось Z", 25, kOwnList100g}}, 33},
        {"Высота",
         {{10, 4, "Высота по барометру", 4, 3}, {13, 6, "Высота по GPS", 6, 4}, {25, 21, "Высота по акселерометру", 22, 5}},
         24},
        {"Скорость", {{14, 15, "Скорость по GPS", 15, 7}, {26, 22, "Скорость по акселерометру", 24, 6}}, 25},
        {"Температура", {{11, 5, "Темпер. барометра", 5, 9}, {12, 16, "Темпер. акселерометра", 16, 8}}, 27},
    };
    return groups;
}

const SeriesControls* ControlsOf(int series) {
    for (const QuantityGroup& group : QuantityGroups())
        for (const SeriesControls& row : group.Rows)
            if (row.Series == series) return &row;
    return nullptr;
}

constexpr const char* kSeriesSmoothingItems[] = {"1", "2", "3", "4", "8", "16", "32", "64", "128"};
constexpr const char* kCommonSmoothingItems[] = {"Выкл", "2", "3", "4", "8", "16", "32", "64", "128"};
constexpr const char* kAxisNumbers[] = {"1", "2", "3", "4", "5"};

constexpr int kGroupWidth = 330, kGroupHeight = 150, kRowHeight = 24, kGroupColumns = 3;

template <std::size_t N>
TComboBox* PlaceList(TForm2* form, TWinControl* parent, const std::string& name, int left, int top, int width,
                     const char* const (&items)[N]) {
    auto* list = PlaceControl<TComboBox>(parent, form, name, left, top, width, 22);
    list->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* item : items) list->Items().Add(item);
    list->SetItemIndex(0);
    return list;
}

}  // namespace

const std::vector<AxisGroup>& AxisGroups() {
    static const std::vector<AxisGroup> groups = {
        {24, {10, 13, 25}, {"Высота, м  "}},
        {26, {18, 19}, {"Напряжение, В  "}},
        {28, {20, 21, 22, 23}, {"Управл. воздействие, мС  "}},
        {25, {14, 26}, {"Скорость, км/ч  ", "Скорость, м/с  "}},
        {27, {11, 12}, {"Температура, °С  "}},
        {29, {15, 16, 17}, {"Положение ракеты, град  "}},
        {30, {4, 5, 6}, {"Ускорение, g  "}},
        {31, {7, 8, 9}, {"Угловая скорость, град/сек  "}},
        {33, {24}, {"Ускорение, g  "}},
    };
    return groups;
}

const TClassInfo& TForm2::StaticClass() {
    static const TClassInfo info = TPublished<TForm2>("TForm2", TForm::StaticClass()).Build();
    return info;
}

TForm2::TForm2(TComponent* owner) : TAppWindowForm(owner) {
    SetName("Form2");
    SetCaption("Настройка графиков");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(kGroupColumns * (kGroupWidth + 8) + 8, 4 * (kGroupHeight + 8) + 48);
    BuildGroups();
    BuildOtherControls();
    skColorDialog1 = new TColorDialog(this);
    skColorDialog1->SetName("skColorDialog1");
    ConnectHandlers();
}

void TForm2::BuildGroups() {
    int index = 0;
    for (const QuantityGroup& group : QuantityGroups()) {
        const int left = 8 + index % kGroupColumns * (kGroupWidth + 8);
        const int top = 8 + index / kGroupColumns * (kGroupHeight + 8);
        auto* box = PlaceControl<TGroupBox>(this, "GroupBoxQuantity" + std::to_string(++index), left, top, kGroupWidth,
                                            kGroupHeight);
        box->SetCaption(group.Caption);
        int y = 20;
        for (const SeriesControls& row : group.Rows) {
            auto* check = PlaceControl<TCheckBox>(box, this, "skCheckBox" + std::to_string(row.CheckBox), 10, y, 200, 20);
            check->SetCaption(row.Caption);
            skCheckBox[row.CheckBox] = check;
            auto* panel = PlaceControl<TPanel>(box, this, "skPanel" + std::to_string(row.Panel), 214, y + 2, 24, 16);
            panel->SetCaption("");
            panel->SetColor(clBlack);
            skPanel[row.Panel] = panel;
            const std::string listName = row.SmoothingList == kOwnList100g ? std::string("skComboBox2")
                                                                           : "ComboBox" + std::to_string(row.SmoothingList);
            TComboBox* list = PlaceList(this, box, listName, 246, y, 70, kSeriesSmoothingItems);
            if (row.SmoothingList == kOwnList100g)
                skComboBox2 = list;
            else
                ComboBox[row.SmoothingList] = list;
            // The dialog keeps the power battery's three controls hidden.
            if (row.Series == kPowerVoltageSeries) {
                check->Hide();
                panel->Hide();
                list->Hide();
            }
            y += kRowHeight;
        }
        auto* caption = PlaceControl<TLabel>(box, this, "", 10, kGroupHeight - 32, 220, 16);
        caption->SetCaption("Отображать на оси ординат №:");
        ComboBox[group.AxisList] =
            PlaceList(this, box, "ComboBox" + std::to_string(group.AxisList), 246, kGroupHeight - 36, 70, kAxisNumbers);
    }
}

void TForm2::BuildOtherControls() {
    const int top = 8 + 3 * (kGroupHeight + 8);
    auto* filter = PlaceControl<TGroupBox>(this, "GroupBoxFilter", 8, top, kGroupWidth, kGroupHeight);
    filter->SetCaption("Фильтрация");
    CheckBox1 = PlaceControl<TCheckBox>(filter, this, "CheckBox1", 10, 24, 250, 20);
    CheckBox1->SetCaption("Включить фильтрацию");
    auto* common = PlaceControl<TLabel>(filter, this, "", 10, 58, 150, 16);
    common->SetCaption("Установить для всех:");
    ComboBox[23] = PlaceList(this, filter, "ComboBox23", 170, 54, 80, kCommonSmoothingItems);

    auto* view = PlaceControl<TGroupBox>(this, "GroupBoxView", 16 + kGroupWidth, top, kGroupWidth, kGroupHeight);
    view->SetCaption("Отображение");
    ComboBox[32] = PlaceControl<TComboBox>(view, this, "ComboBox32", 10, 24, 200, 22);
    ComboBox[32]->SetStyle(TComboBoxStyle::csDropDownList);
    ComboBox[32]->Items().Add("С общим нулем");
    ComboBox[32]->Items().Add("На все пространство");
    ComboBox[32]->SetItemIndex(0);
    skCheckBox[23] = PlaceControl<TCheckBox>(view, this, "skCheckBox23", 10, 58, 300, 20);
    skCheckBox[23]->SetCaption("Компенсировать 1G акселерометра");

    auto* sensor = PlaceControl<TGroupBox>(this, "GroupBoxSensor", 24 + 2 * kGroupWidth, top, kGroupWidth, kGroupHeight);
    sensor->SetCaption("Выбор датчика ускорения");
    auto* sensorCaption = PlaceControl<TLabel>(sensor, this, "", 10, 24, 250, 32);
    sensorCaption->SetCaption("Расчет скорости и высоты \r\n     производить по датчику:");
    ComboBox[34] = PlaceControl<TComboBox>(sensor, this, "ComboBox34", 10, 64, 100, 22);
    ComboBox[34]->SetStyle(TComboBoxStyle::csDropDownList);
    ComboBox[34]->Items().Add("±16g");
    ComboBox[34]->Items().Add("±100g");
    ComboBox[34]->SetItemIndex(0);

    SpinEdit1 = PlaceControl<TSpinEdit>(sensor, this, "SpinEdit1", 10, 100, 60, 22);
    SpinEdit2 = PlaceControl<TSpinEdit>(sensor, this, "SpinEdit2", 80, 100, 60, 22);
    SpinEdit3 = PlaceControl<TSpinEdit>(sensor, this, "SpinEdit3", 150, 100, 60, 22);
    for (TSpinEdit* spin : {SpinEdit1, SpinEdit2, SpinEdit3}) spin->SetValue(kDesignStepLimit);
    auto* stepCaption = PlaceControl<TLabel>(sensor, this, "", 220, 104, 80, 16);
    stepCaption->SetCaption("Прирост:");

    skButton1 = PlaceControl<TButton>(this, "skButton1", ClientWidth() - 98, ClientHeight() - 34, 90, 26);
    skButton1->SetCaption("OK");
    skButton1->SetDefault(true);
}

TCheckBox* TForm2::ShowBox(int series) const {
    const SeriesControls* controls = ControlsOf(series);
    return controls ? skCheckBox[controls->CheckBox] : nullptr;
}

TPanel* TForm2::ColorPanel(int series) const {
    const SeriesControls* controls = ControlsOf(series);
    return controls ? skPanel[controls->Panel] : nullptr;
}

TComboBox* TForm2::SmoothingList(int series) const {
    const SeriesControls* controls = ControlsOf(series);
    if (!controls) return nullptr;
    return controls->SmoothingList == kOwnList100g ? skComboBox2 : ComboBox[controls->SmoothingList];
}

SmoothingChoice TForm2::Smoothing() const {
    SmoothingChoice choice;
    choice.FilterOn = CheckBox1->Checked();
    choice.CommonIndex = ComboBox[23]->ItemIndex();
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series)
        choice.SeriesIndex[series] = SmoothingList(series)->ItemIndex();
    return choice;
}

LogDecodeOptions TForm2::DecodeOptions() const {
    return {skCheckBox[23]->Checked(),
            ComboBox[34]->ItemIndex() == 1 ? AccelerometerRange::Range100g : AccelerometerRange::Range16g};
}
