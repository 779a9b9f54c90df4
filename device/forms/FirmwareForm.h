#pragma once
// The firmware window "Обновление прошивки": opens a firmware file, connects
// to the bootloader, updates the firmware through it and leaves it. The
// long jobs run on TBootThread, which shows its progress through TBootView.

#include "device/firmware/BootThread.h"
#include "device/forms/PlainSkinnedControls.h"
#include "ui/controls/Button.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"
#include "ui/menus/Menus.h"

#include <memory>
#include <string>

class TForm11 : public TForm, public TBootView {
    DECLARE_CLASS_INFO
public:
    explicit TForm11(TComponent* owner);
    ~TForm11() override;

    TMainMenu* MainMenu1;
    TMenuItem* N4;  // "Открыть файл"
    TMenuItem* N7;  // "Подключиться к загрузчику", checked while a connect job waits
    TMenuItem* D1;  // "Перейти на основную программу"
    TMenuItem* N8;  // "Обновить прошивку"
    TEdit* Edit1;
    TMemo* Memo1;
    TLabel* LbTextStatus;
    TLabel* LbStatus;
    TSkProgressBar* skGauge1;
    TPanel* panDevState3;
    TButton* Button3;
    TTimer* Timer1;
    TOpenDialog* OpenDialog1;  // "Hex Files|*.hex"

    void N4Click(TObject* Sender);
    void N7Click(TObject* Sender);
    void N8Click(TObject* Sender);
    void D1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Steps of the open command once a file is chosen.
    void OpenFirmware(const std::string& fileName);

    // TBootView
    void AddMemoLine(const std::string& line) override;
    void SetStatus(const std::string& text) override;
    void SetGauge(int percent) override;
    void SetConnectChecked(bool checked) override;

private:
    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption, TNotifyEvent onClick = nullptr);
    // Held only by the window; the workers hold it weakly, so they leave a closed window alone.
    std::shared_ptr<TBootView> view_;
};

// The one firmware window, made at start-up.
extern TForm11* Form11;
