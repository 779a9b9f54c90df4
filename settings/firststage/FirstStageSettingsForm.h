#pragma once
// The first-stage controller's settings window: settings files only, no
// device exchange. A start panel offers a new file or an open one; then four
// panels of spin edits and switches with the range scheme, the "По
// умолчанию" switches that set and lock their groups, and the cross-check
// of the imitation timers. The file commands and the close question are in
// FirstStageSettingsFormFiles.cpp.

#include "settings/files/SettingsFileFormat.h"
#include "settings/layout/SettingsSheet.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/forms/Form.h"

#include <memory>
#include <string>

class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;

class TForm18 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm18(TComponent* owner);
    ~TForm18() override;

    TScrollBox* ScrollBox1;
    TPanel *pnlBlock1, *pnlBlock2, *pnlBlock3, *pnlBlock4;
    TPanel* Panel3;  // the start panel
    TButton* btnCreate;
    TButton* btnOpen;
    TGroupBox* GroupBox9;  // " Подключение по USB ", without action
    TButton* Button6;      // "Закрыть"
    TMemo* Memo1;
    TStatusBar* StatusBar1;  // without panels
    TMainMenu* MainMenu1;
    TMenuItem *N1, *N3, *N7, *N8, *N13;  // file menu: open, save, save as, close file
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;

    TDecimalSpinEdit* SpinEdit(const char* name) const;
    TCheckBox* CheckBox(const char* name) const;

    bool FirstStageModified = false;
    // The full path of the file in use; empty when none.
    std::string FirstStageFileName;

    void SpinEditUp(TObject* Sender);
    void SpinEditDown(TObject* Sender);
    void SpinEditKeyUp(TObject* Sender, platform::WORD& Key, TShiftState Shift);
    void SwitchClick(TCheckBox* box);
    void DefaultsClick(TCheckBox* box);
    // Controls follow the switches that govern them.
    void ApplyEnablingRules();
    void CheckFirstStageTimers();

    // The window's values by control, and back; loading holds every handler
    // back until all values are in, so no "По умолчанию" switch puts its
    // group's defaults over the values just loaded; the switches then lock
    // their groups and the controls follow their switches.
    TSettingsValues Settings() const;
    void LoadSettings(const TSettingsValues& values);

    void btnCreateClick(TObject* Sender);
    void btnOpenClick(TObject* Sender);
    bool OpenFirstStageFile();
    void N3Click(TObject* Sender);
    // Each save is true only when the file was written; a new name is taken only then.
    bool N7Click(TObject* Sender);
    bool N8Click(TObject* Sender);
    void N13Click(TObject* Sender);
    void ShowFirstStageSettings();
    void HideFirstStageSettings();

private:
    void MakeMenu();
    void MakeLayout();
    void MakeSideControls();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormResize();
    void FormMouseWheel(int delta);
    void MarkTimer(TDecimalSpinEdit* edit, bool marked);
    void SetLocks(const char* defaultsSwitch, bool locked);
    bool WriteFile(const std::string& path);

    std::unique_ptr<TSettingsSheet> sheet_;
};

extern TForm18* Form18;
