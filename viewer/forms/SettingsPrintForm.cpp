#include "viewer/forms/SettingsPrintForm.h"

#include "ui/core/PublishedProperties.h"

TForm15* Form15 = nullptr;

const TClassInfo& TForm15::StaticClass() {
    static const TClassInfo info = TPublished<TForm15>("TForm15", TForm::StaticClass()).Build();
    return info;
}

TForm15::TForm15(TComponent* owner) : TForm(owner) {
    SetName("Form15");
    SetCaption("Печать настроек");
    SetPosition(TPosition::poScreenCenter);
}
