#pragma once
// The view-options dialog "Настройки отображения": the event markers, the
// results panel and the floating marker legend shown or hidden at once.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/forms/Form.h"

class TForm19 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm19(TComponent* owner);

    TCheckBox* skCheckBox1;  // "Отображать маркеры событий"
    TCheckBox* skCheckBox2;  // "Отображать окно результата"
    TCheckBox* skCheckBox3;  // "Отображать список маркеров"
    TButton* skButton1;      // "ОК"
};

extern TForm19* Form19;
