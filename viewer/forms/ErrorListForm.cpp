#include "viewer/forms/ErrorListForm.h"

#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"

TForm3* Form3 = nullptr;

namespace {

constexpr const char* kErrorKinds[] = {
    "Все ошибки", "Все датчики ", "GPS", "Барометр", "Магнитометр", "Акселерометр", "Гироскоп",
    "АКБ электроники", "АКБ силовая", "Нарушение контура воспламенителя", "Нарушение контура парашюта",
    "Карта памяти", "Передатчик",
};

}  // namespace

const TClassInfo& TForm3::StaticClass() {
    static const TClassInfo info = TPublished<TForm3>("TForm3", TForm::StaticClass()).Build();
    return info;
}

TForm3::TForm3(TComponent* owner) : TAppWindowForm(owner) {
    SetName("Form3");
    SetCaption("Просмотр ошибок");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(460, 380);

    skComboBox1 = PlaceControl<TComboBox>(this, "skComboBox1", 8, 8, 280, 24);
    skComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* kind : kErrorKinds) skComboBox1->Items().Add(kind);
    skComboBox1->SetItemIndex(0);

    skMemo1 = PlaceControl<TMemo>(this, "skMemo1", 8, 40, 444, 296);
    skMemo1->SetColor(clWhite);
    skMemo1->SetScrollBars(TScrollStyle::ssVertical);

    Button2 = PlaceControl<TButton>(this, "Button2", 266, 346, 90, 26);
    Button2->SetCaption("Показать");
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button1 = PlaceControl<TButton>(this, "Button1", 362, 346, 90, 26);
    Button1->SetCaption("Закрыть");
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
}

void TForm3::Button2Click(TObject*) { ListGpsErrors(); }

void TForm3::Button1Click(TObject*) { Close(); }
