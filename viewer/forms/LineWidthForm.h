#pragma once
// The line-width dialog "Настройка толщины линий графика": the pen width of
// the time markers, the event markers and the channel curves, 1 to 3.

#include "ui/controls/Button.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Form.h"

class TForm9 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm9(TComponent* owner);

    TSpinEdit* skSpinEdit1;  // "Маркеры времени"
    TSpinEdit* skSpinEdit2;  // "Маркеры событий"
    TSpinEdit* skSpinEdit3;  // "Графики"
    TButton* Button1;        // "ОК"
};

extern TForm9* Form9;
