#include "settings/dip/DipSettingsForm.h"

#include "ui/core/PublishedProperties.h"

TForm12* Form12 = nullptr;

const TClassInfo& TForm12::StaticClass() {
    static const TClassInfo info = TPublished<TForm12>("TForm12", TForm::StaticClass()).Build();
    return info;
}

TForm12::TForm12(TComponent* owner) : TForm(owner) {
    SetName("Form12");
    SetCaption("Настройки контроллера полета");
    SetPosition(TPosition::poScreenCenter);
}
