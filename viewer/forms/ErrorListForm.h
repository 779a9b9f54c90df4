#pragma once
// The GPS error viewer "Просмотр ошибок": on "Показать" the memo gets a line
// for each loss and each return of the GPS data in the loaded records.

#include "ui/controls/Button.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "viewer/forms/AppWindowForm.h"
#include "viewer/log/FlightRecord.h"

#include <span>
#include <string>
#include <vector>

class TForm3 : public TAppWindowForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm3(TComponent* owner);

    TMemo* skMemo1;
    TButton* Button2;  // "Показать"
    TButton* Button1;  // "Закрыть"
    // The error kinds; nothing reads the choice yet.
    TComboBox* skComboBox1;

    void Button2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    // Appends the listing of the main window's loaded records to the memo.
    void ListGpsErrors();
    // One line where error flags first appear after a record without them
    // ("s : hh  -  Отсутствие данных от GPS!") and one where they clear again.
    static std::vector<std::string> GpsErrorLines(std::span<const FlightRecord> records);
};

extern TForm3* Form3;
