#pragma once
// The view-options dialog "Настройки отображения": the event markers, the
// results panel and the floating marker legend shown or hidden at once, by
// the user or by the start-up read of settings.ini; OK keeps the three
// choices in settings.ini.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "viewer/forms/ViewerDialog.h"

class TForm19 : public TViewerDialog {
    DECLARE_CLASS_INFO
public:
    explicit TForm19(TComponent* owner);

    TCheckBox* skCheckBox1;  // "Отображать маркеры событий"
    TCheckBox* skCheckBox2;  // "Отображать окно результата"
    TCheckBox* skCheckBox3;  // "Отображать список маркеров"
    TButton* skButton1;      // "ОК"

    void skCheckBox1Click(TObject* Sender);
    void skCheckBox2Click(TObject* Sender);
    void skCheckBox3Click(TObject* Sender);
    void skButton1Click(TObject* Sender);
};

extern TForm19* Form19;
