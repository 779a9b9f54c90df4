#include "viewer/forms/ViewerDialog.h"

#include "platform/window/Input.h"
#include "ui/forms/Messages.h"

TViewerDialog::TViewerDialog(TComponent* owner) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
}

void TViewerDialog::Dispatch(TMessage& message) {
    TForm::Dispatch(message);
    CloseOnUnansweredEscape(*this, message);
}

void CloseOnUnansweredEscape(TCustomForm& form, TMessage& message) {
    if (message.Msg != CM_DIALOGKEY || message.WParam != platform::VK_ESCAPE || message.Result != 0) return;
    form.Close();
    message.Result = 1;
}
