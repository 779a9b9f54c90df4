#include "viewer/forms/SettingsFileChoiceForm.h"

#include "ui/core/PublishedProperties.h"

TForm16* Form16 = nullptr;

const TClassInfo& TForm16::StaticClass() {
    static const TClassInfo info = TPublished<TForm16>("TForm16", TForm::StaticClass()).Build();
    return info;
}

TForm16::TForm16(TComponent* owner) : TForm(owner) {
    SetName("Form16");
    // It has no caption text.
    SetPosition(TPosition::poScreenCenter);
}
