#include "ui/dialogs/CommonDialog.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Form.h"

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
    ScopeExit close([this] { DoClose(); });
    return form.ShowModal() == mrOk;
}
