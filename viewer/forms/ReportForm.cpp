#include "viewer/forms/ReportForm.h"

#include "ui/core/PublishedProperties.h"

TReportForm2* ReportForm2 = nullptr;

const TClassInfo& TReportForm2::StaticClass() {
    static const TClassInfo info = TPublished<TReportForm2>("TReportForm2", TForm::StaticClass()).Build();
    return info;
}

TReportForm2::TReportForm2(TComponent* owner) : TForm(owner) {
    SetName("ReportForm2");
    // It has no caption text.
    SetPosition(TPosition::poScreenCenter);
}
