#pragma once
// The warning shown modally before a new settings file is made from the defaults.

#include "ui/controls/Button.h"
#include "ui/controls/Label.h"
#include "ui/forms/Form.h"

class TForm17 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm17(TComponent* owner);

    TLabel* Label1;  // "Внимание!"
    TLabel* Label2;
    TButton* Button1;  // "OK"

    void Button1Click(TObject* Sender);
};

extern TForm17* Form17;
