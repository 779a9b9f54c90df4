#include "viewer/forms/ViewOptionsForm.h"

#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"

TForm19* Form19 = nullptr;

const TClassInfo& TForm19::StaticClass() {
    static const TClassInfo info = TPublished<TForm19>("TForm19", TForm::StaticClass()).Build();
    return info;
}

TForm19::TForm19(TComponent* owner) : TForm(owner) {
    SetName("Form19");
    SetCaption("Настройки отображения");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(300, 140);
    skCheckBox1 = PlaceControl<TCheckBox>(this, "skCheckBox1", 12, 12, 276, 20);
    skCheckBox1->SetCaption("Отображать маркеры событий");
    skCheckBox2 = PlaceControl<TCheckBox>(this, "skCheckBox2", 12, 40, 276, 20);
    skCheckBox2->SetCaption("Отображать окно результата");
    skCheckBox3 = PlaceControl<TCheckBox>(this, "skCheckBox3", 12, 68, 276, 20);
    skCheckBox3->SetCaption("Отображать список маркеров");
    skButton1 = PlaceControl<TButton>(this, "skButton1", 198, 104, 90, 26);
    skButton1->SetCaption("ОК");
}
