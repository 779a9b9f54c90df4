#pragma once
// The load-period dialog of the stream log "Выбор периода загрузки данных":
// the whole file or the seconds from Edit1 to Edit2; OK lets the load go on.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/forms/Form.h"
#include "viewer/streamlog/StreamLogReader.h"

#include <optional>
#include <string>

// What the dialog was left with: no period for the whole file, or the
// period in records; Error says why the edits hold no period.
struct PeriodChoice {
    std::optional<StreamPeriod> Period;
    std::string Error;
};

class TForm7 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm7(TComponent* owner);

    TLabel* Label1;  // "Файл: " and the file's name
    TEdit* Edit1;    // first second
    TEdit* Edit2;    // last second
    TRadioButton* skRadioButton1;  // "Загрузить данные полностью"
    TRadioButton* skRadioButton2;  // "Загрузить c:"
    TButton* Button1;  // "OK"

    void FormShow(TObject* Sender);
    // Typing into either edit chooses the period; Enter closes the dialog;
    // only digits, the comma and backspace reach the text.
    void Edit1KeyPress(TObject* Sender, char32_t& Key);
    // Sets the main window's ReloadSameStream and closes the dialog.
    void Button1Click(TObject* Sender);
    // The seconds of the edits (a comma or a point before decimals) in
    // records; an end of 0 reads to the end of the file.
    PeriodChoice ChosenPeriod() const;
};

extern TForm7* Form7;
