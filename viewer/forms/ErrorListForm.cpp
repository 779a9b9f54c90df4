#include "viewer/forms/ErrorListForm.h"

#include "ui/core/PublishedProperties.h"

TForm3* Form3 = nullptr;

const TClassInfo& TForm3::StaticClass() {
    static const TClassInfo info = TPublished<TForm3>("TForm3", TForm::StaticClass()).Build();
    return info;
}

TForm3::TForm3(TComponent* owner) : TAppWindowForm(owner) {
    SetName("Form3");
    SetCaption("Просмотр ошибок");
    SetPosition(TPosition::poScreenCenter);
}
