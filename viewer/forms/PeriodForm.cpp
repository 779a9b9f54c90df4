#include "viewer/forms/PeriodForm.h"

#include "ui/core/PublishedProperties.h"

TForm7* Form7 = nullptr;

const TClassInfo& TForm7::StaticClass() {
    static const TClassInfo info = TPublished<TForm7>("TForm7", TForm::StaticClass()).Build();
    return info;
}

TForm7::TForm7(TComponent* owner) : TForm(owner) {
    SetName("Form7");
    SetCaption("Выбор периода загрузки данных");
    SetPosition(TPosition::poScreenCenter);
}
