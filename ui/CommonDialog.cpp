#include "ui/CommonDialog.h"

#include "ui/Form.h"
#include "ui/PublishedProperties.h"

const TClassInfo& TCommonDialog::StaticClass() {
    static const TClassInfo info = TPublished<TCommonDialog>("TCommonDialog", TComponent::StaticClass())
                                       .Integer("HelpContext", &TCommonDialog::HelpContext,
                                                &TCommonDialog::HelpContext, 0)
                                       .Build();
    return info;
}

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {}

bool TCommonDialog::RunModal(TCustomForm& form) {
    DoShow();
    TModalResult result = mrCancel;
    try {
        result = form.ShowModal();
    } catch (...) {
        DoClose();
        throw;
    }
    DoClose();
    return result == mrOk;
}
