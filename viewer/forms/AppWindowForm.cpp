#include "viewer/forms/AppWindowForm.h"

#include "platform/window/WindowStyles.h"

TAppWindowForm::TAppWindowForm(TComponent* owner) : TForm(owner) {
    SetFormStyle(TFormStyle::fsStayOnTop);
}

void TAppWindowForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.ExStyle |= platform::WS_EX_APPWINDOW;
}
