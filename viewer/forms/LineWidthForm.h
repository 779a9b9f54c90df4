#pragma once
// The line-width dialog "Настройка толщины линий графика": the pen width of
// the time markers, the event markers and the channel curves, 1 to 3. OK
// keeps them in settings.ini and draws the chart with them.

#include "ui/controls/Button.h"
#include "ui/controls/SpinEdit.h"
#include "viewer/forms/ViewerDialog.h"

class TForm9 : public TViewerDialog {
    DECLARE_CLASS_INFO
public:
    explicit TForm9(TComponent* owner);

    TSpinEdit* skSpinEdit1;  // "Маркеры времени"
    TSpinEdit* skSpinEdit2;  // "Маркеры событий"
    TSpinEdit* skSpinEdit3;  // "Графики"
    TButton* Button1;        // "ОК"

    // A width typed beyond 1..3 (or no width) is brought within them first.
    void Button1Click(TObject* Sender);
};

extern TForm9* Form9;
