#pragma once
// A chooser between creating and opening a single-stage settings file.

#include "ui/controls/Button.h"
#include "ui/forms/Form.h"

class TForm16 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm16(TComponent* owner);

    TButton* Button1;  // "Создать новый файл настроек"
    TButton* Button2;  // "Открыть файл настроек"

    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
};

extern TForm16* Form16;
