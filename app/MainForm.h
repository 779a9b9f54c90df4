#pragma once
// The main window "ВЕЛЗАР": for now its controller menu (the log-file and
// firmware windows), its text log and the device link it owns.

#include "device/link/DeviceLink.h"
#include "ui/controls/CustomEdit.h"
#include "ui/forms/Form.h"
#include "ui/menus/Menus.h"

#include <memory>

class TForm1 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    TMainMenu* MainMenu1;
    TMenuItem* N2;   // "   Контроллер   "
    TMenuItem* N32;  // "Загрузка логов"
    TMenuItem* N11;  // "Обновление прошивки"
    TMemo* skMemo1;  // the text log

    void N32Click(TObject* Sender);
    void N11Click(TObject* Sender);
    // Releases the device link.
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption, TNotifyEvent onClick = nullptr);
    std::unique_ptr<TDeviceLink> HID;
};

extern TForm1* Form1;
