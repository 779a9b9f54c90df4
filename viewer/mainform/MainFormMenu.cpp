// The main menu: every item with its caption, the hidden ones hidden, the
// separators, the glyphs, and the windows the items show.

#include "viewer/mainform/MainForm.h"

#include "device/forms/FirmwareForm.h"
#include "device/forms/LogFilesForm.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/AboutForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "settings/dip/DipSettingsForm.h"
#include "viewer/forms/ErrorListForm.h"
#include "viewer/forms/EventListForm.h"
#include "settings/firststage/FirstStageSettingsForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "settings/secondstage/SecondStageSettingsForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "settings/dialogs/SystemSettingsForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/mainform/MenuGlyphs.h"
#include "viewer/settings/DisplaySettings.h"

namespace {

constexpr int kSubmenuGroup = 1;

TMenuItem* Hidden(TMenuItem* item) {
    item->SetVisible(false);
    return item;
}

}  // namespace

TMenuItem* TForm1::AddItem(TMenuItem* parent, const std::string& name, const std::string& caption, TNotifyEvent onClick) {
    auto* item = new TMenuItem(this);
    if (!name.empty()) item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent->Add(item);
    return item;
}

void TForm1::N3Click(TObject*) { WriteDisplaySettings(*this, *Form2, SettingsFileToWrite()); }

void TForm1::SkinItemClick(int choice) {
    // "Нет" switches the skinning off after naming no skin; the others switch it on first.
    if (choice == 0) {
        skSkinManager1->SetSkinName("  ");
        skSkinManager1->SetActive(false);
    } else {
        skSkinManager1->SetActive(true);
        skSkinManager1->SetSkinName(SkinItems[choice]->Caption());
    }
    for (std::size_t i = 0; i < SkinItems.size(); ++i) {
        if (!SkinItems[i]->Checked()) continue;
        WriteSkinChoice(static_cast<int>(i) + 1, SettingsFileToWrite());
        break;
    }
}

void TForm1::BuildMainMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    MenuImages = new TImageList(this);
    AddMenuGlyphs(*MenuImages);
    MainMenu1->SetImages(MenuImages);
    TMenuItem* bar = MainMenu1->Items();
    auto separator = [this](TMenuItem* parent) { AddItem(parent, "", "-"); };

    N1 = AddItem(bar, "N1", "   Файл   ");
    N30 = AddItem(N1, "N30", "Открыть файл", [this](TObject* s) { N30Click(s); });
    N30->SetImageIndex(kOpenFileGlyph);
    separator(N1);
    N35 = AddItem(N1, "N35", "Очистить все", [this](TObject* s) { N35Click(s); });
    separator(N1);
    N18 = AddItem(N1, "N18", "Сохранить GPS трек", [this](TObject* s) { N18Click(s); });
    N3 = AddItem(N1, "N3", "Сохранить настройки", [this](TObject* s) { N3Click(s); });
    N4 = Hidden(AddItem(N1, "N4", "Настройки"));
    separator(N1);
    N47 = Hidden(AddItem(N1, "N47", "Скин"));
    const char* const skins[] = {"Нет", "Graphite", "Snow", "Amber", "Meadow", "Silver"};
    for (std::size_t i = 0; i < SkinItems.size(); ++i) {
        SkinItems[i] = AddItem(N47, "", skins[i]);
        SkinItems[i]->AutoCheck = true;
        SkinItems[i]->SetRadioItem(true);
        SkinItems[i]->OnClick = [this, i](TObject*) { SkinItemClick(static_cast<int>(i)); };
    }
    N26 = Hidden(AddItem(N1, "N26", "Масштаб 125%", [this](TObject* s) { FormResize(s); }));
    N26->AutoCheck = true;
    N24 = Hidden(AddItem(N1, "N24", "Использовать скин", [this](TObject* s) {
        N3Click(s);
        Repaint();
    }));
    N24->AutoCheck = true;
    separator(N1);
    N31 = AddItem(N1, "N31", "Печать", [this](TObject* s) { N31Click(s); });
    N31->SetImageIndex(kPrintGlyph);
    separator(N1);
    N6 = AddItem(N1, "N6", "Выход");
    N6->SetImageIndex(kExitGlyph);

    N2 = AddItem(bar, "N2", "   Контроллер   ");
    N2->GroupIndex = kSubmenuGroup;
    N32 = AddItem(N2, "N32", "Загрузка логов", [this](TObject*) { ShowWindow(Form5); });
    separator(N2);
    N38 = AddItem(N2, "N38", "Полетный контроллер");
    N110 = AddItem(N38, "N110", "Контроллер одноступенчатой ракеты", [this](TObject*) { ShowWindow(Form14); });
    N50 = AddItem(N38, "N50", "Контролер первой ступени", [this](TObject*) { ShowWindow(Form18); });
    N40 = AddItem(N38, "N40", "Контролер второй ступени", [this](TObject*) { ShowWindow(Form6); });
    N37 = AddItem(N2, "N37", "Настройки \"большого\" контроллера");
    N42 = AddItem(N37, "N42", "Простые настройки", [this](TObject*) { ShowWindow(Form12); });
    N46 = AddItem(N37, "N46", "Расширенные настройки");
    G1 = AddItem(N2, "G1", "Настройки контроллера \"Мини\"");
    N43 = AddItem(G1, "N43", "Простые настройки", [this](TObject*) { ShowWindow(Form6); });
    N44 = AddItem(G1, "N44", "Расширенные настройки");
    separator(N2);
    N11 = AddItem(N2, "N11", "Обновление прошивки", [this](TObject*) { ShowWindow(Form11); });

    U1 = AddItem(bar, "U1", "   Графики   ");
    U1->GroupIndex = kSubmenuGroup;
    N15 = AddItem(U1, "N15", "Настройка графиков", [this](TObject*) { ShowWindow(Form2); });
    N34 = AddItem(U1, "N34", "? Настройка внешнего вида графиков ?", [this](TObject*) { ShowWindow(Form9); });
    N22 = AddItem(U1, "N22", "Настройка маркеров событий", [this](TObject*) { ShowWindow(Form4); });
    separator(U1);
    N39 = AddItem(U1, "N39", "Настройки отображения", [this](TObject*) { ShowWindow(Form19); });
    separator(U1);
    N16 = AddItem(U1, "N16", "Снимок экрана (screenshot)");
    N17 = AddItem(N16, "N17", "Только график", [this](TObject* s) { N17Click(s); });
    N19 = AddItem(N16, "N19", "Окно полностью", [this](TObject* s) { N19Click(s); });

    N7 = Hidden(AddItem(bar, "N7", "   Настройка   "));
    N7->GroupIndex = kSubmenuGroup;
    N28 = Hidden(AddItem(N7, "N28", "Системные настройки", [this](TObject*) { ShowWindow(Form10); }));
    Y1 = Hidden(AddItem(N7, "Y1", "Настройка модема"));

    N20 = AddItem(bar, "N20", "   Отчет   ");
    N20->GroupIndex = kSubmenuGroup;
    N21 = AddItem(N20, "N21", "Просмотр ошибки", [this](TObject*) { ShowWindow(Form3); });
    N23 = AddItem(N20, "N23", "Просмотр событий", [this](TObject*) { ShowWindow(Form8); });
    N29 = Hidden(AddItem(N20, "N29", "График в реальном времени"));

    N8 = AddItem(bar, "N8", "   О программе   ", [this](TObject*) { ShowWindow(Form13); });
    N8->GroupIndex = kSubmenuGroup;
    MainMenu1->AttachToForm(this);
}
