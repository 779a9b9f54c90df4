#include "settings/secondstage/SecondStageSettingsForm.h"

#include "ui/core/PublishedProperties.h"

TForm6* Form6 = nullptr;

const TClassInfo& TForm6::StaticClass() {
    static const TClassInfo info = TPublished<TForm6>("TForm6", TForm::StaticClass()).Build();
    return info;
}

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    SetName("Form6");
    SetCaption("Настройки контроллера полета второй ступени");
    SetPosition(TPosition::poScreenCenter);
}
