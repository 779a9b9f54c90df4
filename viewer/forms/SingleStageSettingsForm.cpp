#include "viewer/forms/SingleStageSettingsForm.h"

#include "ui/core/PublishedProperties.h"

TForm14* Form14 = nullptr;

const TClassInfo& TForm14::StaticClass() {
    static const TClassInfo info = TPublished<TForm14>("TForm14", TForm::StaticClass()).Build();
    return info;
}

TForm14::TForm14(TComponent* owner) : TForm(owner) {
    SetName("Form14");
    SetCaption("Настройки контроллера одноступенчатой ракеты");
    SetPosition(TPosition::poScreenCenter);
}
