#include "settings/dialogs/SystemSettingsForm.h"

#include "settings/dialogs/SupplyKeyFilter.h"
#include "ui/controls/Label.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Timer.h"
#include "ui/menus/Menus.h"

TForm10* Form10 = nullptr;

namespace {

constexpr TColor kNoLinkColor = 0x0000FF;
constexpr int kSupplyWidth = 300;
constexpr int kInnerHeight = 110;
constexpr int kRowHeight = 28;
constexpr int kEditWidth = 60;

const char* const kSupplyCaptions[] = {"Контроль питания процессорной части", "Контроль питания силовой части"};
const char* const kInnerCaptions[] = {"Долговременное напряжение", "Кратковременная просадка напряжение"};
const char* const kRowCaptions[] = {"Порог напряжения питания:", "Нижний порог напряжения:", "Период фиксации:"};
const char* const kRowUnits[] = {"V", "V", "sec"};
// Start texts per inner group, by row.
const char* const kStartTexts[][3] = {{"7,00", "6,90", "5,0"}, {"6,50", "6,40", "0,2"}};

}  // namespace

const TClassInfo& TForm10::StaticClass() {
    static const TClassInfo info = TPublished<TForm10>("TForm10", TForm::StaticClass()).Build();
    return info;
}

TForm10::TForm10(TComponent* owner) : TForm(owner) {
    SetName("Form10");
    SetCaption("Системные настройки");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(2 * kSupplyWidth + 24, 3 * kInnerHeight + 40);

    MainMenu1 = new TMainMenu(this);
    const auto add = [this](TMenuItem* parent, const char* caption) {
        auto* item = new TMenuItem(this);
        item->SetCaption(caption);
        parent ? parent->Add(item) : MainMenu1->Items()->Add(item);
        return item;
    };
    TMenuItem* file = add(nullptr, "    Файл    ");
    for (const char* caption : {"Сохранить настройки в файл", "Загрузить настройки с файла",
                                "Сохранить настройки по умолчанию", "Выход"})
        add(file, caption);
    TMenuItem* device = add(nullptr, "    Устройство    ");
    add(device, "Прочитать параметры");
    add(device, "Записать параметры");
    add(nullptr, "Помощь");
    SetMenu(MainMenu1);

    Panel1 = new TPanel(this);
    Panel1->SetParent(this);
    Panel1->SetCaption("НЕТ СВЯЗИ С УСТРОЙСТВОМ");
    Panel1->SetColor(kNoLinkColor);
    Panel1->SetBounds(0, 0, ClientWidth(), 24);

    TCheckBox* enabled[2] = {};
    for (int supply = 0; supply < 2; ++supply) {
        auto* group = new TGroupBox(this);
        group->SetParent(this);
        group->SetCaption(kSupplyCaptions[supply]);
        group->SetBounds(8 + supply * (kSupplyWidth + 8), 30, kSupplyWidth, 2 * kInnerHeight + 50);
        enabled[supply] = new TCheckBox(this);
        enabled[supply]->SetParent(group);
        enabled[supply]->SetCaption("Задействован");
        enabled[supply]->SetBounds(10, 18, 200, 20);
        for (int inner = 0; inner < 2; ++inner) {
            auto* box = new TGroupBox(this);
            box->SetParent(group);
            box->SetCaption(kInnerCaptions[inner]);
            box->SetBounds(6, 42 + inner * (kInnerHeight + 4), kSupplyWidth - 12, kInnerHeight);
            for (int row = 0; row < 3; ++row) {
                const int index = supply * 6 + inner * 3 + row;
                auto* label = new TLabel(this);
                label->SetParent(box);
                label->SetCaption(kRowCaptions[row]);
                label->SetBounds(8, 20 + row * kRowHeight, 170, 20);
                auto* edit = new TEdit(this);
                edit->SetName("Edit" + std::to_string(index + 1));
                edit->SetParent(box);
                edit->SetText(kStartTexts[inner][row]);
                edit->SetBounds(180, 18 + row * kRowHeight, kEditWidth, 22);
                edit->OnKeyPress = [this](TObject* s, char32_t& key) { Edit1KeyPress(s, key); };
                Edits[index] = edit;
                auto* unit = new TLabel(this);
                unit->SetParent(box);
                unit->SetCaption(kRowUnits[row]);
                unit->SetBounds(180 + kEditWidth + 6, 20 + row * kRowHeight, 30, 20);
            }
        }
    }
    CheckBox1 = enabled[0], CheckBox2 = enabled[1];

    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetCaption("Закрыть");
    Button1->SetBounds(ClientWidth() - 110, ClientHeight() - 36, 100, 28);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
}

void TForm10::Button1Click(TObject*) { Close(); }

void TForm10::Edit1KeyPress(TObject* Sender, char32_t& Key) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) Key = FilterSupplyKey(edit->Text(), Key);
}
