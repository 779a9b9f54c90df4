#pragma once
// The event list "Просмотр событий": the rows the loader writes, one per
// event of the log, under the header "№", "Время", "Описание события".

#include "ui/controls/Button.h"
#include "ui/controls/Grids.h"
#include "viewer/forms/AppWindowForm.h"

class TForm8 : public TAppWindowForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm8(TComponent* owner);

    TStringGrid* StringGrid1;
    TButton* Button1;  // "Закрыть"

    void FormCreate(TObject* Sender);
    void Button1Click(TObject* Sender);
    // The grid's brush over the cell, then its text on one line, centred
    // but for the descriptions, which start at the left.
    void StringGrid1DrawCell(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State);
};

extern TForm8* Form8;
