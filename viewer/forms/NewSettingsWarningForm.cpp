#include "viewer/forms/NewSettingsWarningForm.h"

#include "ui/core/PublishedProperties.h"

TForm17* Form17 = nullptr;

const TClassInfo& TForm17::StaticClass() {
    static const TClassInfo info = TPublished<TForm17>("TForm17", TForm::StaticClass()).Build();
    return info;
}

TForm17::TForm17(TComponent* owner) : TForm(owner) {
    SetName("Form17");
    SetCaption("Warning");
    SetPosition(TPosition::poScreenCenter);
}
