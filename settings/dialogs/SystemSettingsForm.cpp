#include "settings/dialogs/SystemSettingsForm.h"

#include "ui/core/PublishedProperties.h"

TForm10* Form10 = nullptr;

const TClassInfo& TForm10::StaticClass() {
    static const TClassInfo info = TPublished<TForm10>("TForm10", TForm::StaticClass()).Build();
    return info;
}

TForm10::TForm10(TComponent* owner) : TForm(owner) {
    SetName("Form10");
    SetCaption("Системные настройки");
    SetPosition(TPosition::poScreenCenter);
}
