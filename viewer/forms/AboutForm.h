#pragma once
// The about box "О программе": the version and a button that closes it
// (Enter and Escape press it).

#include "ui/controls/Button.h"
#include "ui/controls/Label.h"
#include "viewer/forms/ViewerDialog.h"

class TForm13 : public TViewerDialog {
    DECLARE_CLASS_INFO
public:
    explicit TForm13(TComponent* owner);

    TLabel* Label1;    // "Версия: 1.1"
    TButton* Button1;  // "OK"

    void Button1Click(TObject* Sender);
};

extern TForm13* Form13;
