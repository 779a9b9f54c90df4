#pragma once
// The power-supply supervision window: thresholds of the processor and the
// power supply, each edit filtered to a decimal number. Nothing reads its
// values yet, and its menu items have no commands.

#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"
#include "ui/forms/Form.h"

#include <array>

class TMainMenu;
class TTimer;

class TForm10 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm10(TComponent* owner);

    TPanel* Panel1;  // "НЕТ СВЯЗИ С УСТРОЙСТВОМ"
    // Edit1..Edit12 at 0..11: per supply, long-term then short dip, each threshold, lower threshold, period.
    std::array<TEdit*, 12> Edits{};
    TCheckBox* CheckBox1;  // processor supply "Задействован"
    TCheckBox* CheckBox2;  // power supply "Задействован"
    TButton* Button1;      // "Закрыть"
    TMainMenu* MainMenu1;
    TTimer* Timer1;

    void Button1Click(TObject* Sender);
    void Edit1KeyPress(TObject* Sender, char32_t& Key);
};

extern TForm10* Form10;
