#pragma once
// A viewer window with its own taskbar button, staying on top of the others.

#include "ui/forms/Form.h"

class TAppWindowForm : public TForm {
public:
    explicit TAppWindowForm(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};
