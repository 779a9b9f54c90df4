#include "viewer/forms/AboutForm.h"

#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"

TForm13* Form13 = nullptr;

const TClassInfo& TForm13::StaticClass() {
    static const TClassInfo info = TPublished<TForm13>("TForm13", TForm::StaticClass()).Build();
    return info;
}

TForm13::TForm13(TComponent* owner) : TViewerDialog(owner) {
    SetName("Form13");
    SetCaption("О программе");
    SetClientSize(260, 110);
    Label1 = PlaceControl<TLabel>(this, "Label1", 20, 24, 220, 20);
    Label1->SetCaption("Версия: 1.1");
    Button1 = PlaceControl<TButton>(this, "Button1", 85, 70, 90, 26);
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->Cancel = true;
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
}

void TForm13::Button1Click(TObject*) { Close(); }
