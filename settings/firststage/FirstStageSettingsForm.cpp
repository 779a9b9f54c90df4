#include "settings/firststage/FirstStageSettingsForm.h"

#include "ui/core/PublishedProperties.h"

TForm18* Form18 = nullptr;

const TClassInfo& TForm18::StaticClass() {
    static const TClassInfo info = TPublished<TForm18>("TForm18", TForm::StaticClass()).Build();
    return info;
}

TForm18::TForm18(TComponent* owner) : TForm(owner) {
    SetName("Form18");
    SetCaption("Настройки контроллера полета первой ступени");
    SetPosition(TPosition::poScreenCenter);
}
