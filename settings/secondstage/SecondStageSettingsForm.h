#pragma once
// The second-stage controller's settings window: six groups of values the
// user lays out, a start panel, and a device menu that sends the read and
// the write request of block 9 on a worker (Stage2Thread.h), logging the
// answers. The values travel to neither the device nor a file.

#include "settings/layout/SettingsSheet.h"
#include "settings/secondstage/SecondStageLayout.h"
#include "settings/secondstage/Stage2Thread.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Form.h"

#include <array>
#include <memory>

class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;

class TForm6 : public TForm, public TStage2View {
    DECLARE_CLASS_INFO
public:
    explicit TForm6(TComponent* owner);
    ~TForm6() override;

    TScrollBox* ScrollBox1;
    // Launch detection, burnout, apogee, descent, landing by barometer, landing by tilt.
    std::array<TPanel*, kSecondStageGroupCount> Groups{};
    TPanel* Panel3;  // the start panel
    TButton* btnCreate;
    TButton* Button1;  // "Закрыть"
    TMemo* Memo1;
    TMainMenu* MainMenu1;
    TMenuItem *N2, *N13;                                    // "Создать", "Закрыть файл"
    TMenuItem *btnReadSettings, *btnWriteSettings;          // the device menu
    TMenuItem *SaveToFileItem, *LoadFromFileItem;           // hidden
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;

    TDecimalSpinEdit* SpinEdit(const char* name) const;
    TCheckBox* CheckBox(const char* name) const;

    void btnReadSettingsClick(TObject* Sender);
    // Refused with a warning while no parachute (and so no igniter) is on.
    void btnWriteSettingsClick(TObject* Sender);
    void btnCreateClick(TObject* Sender);
    void N2Click(TObject* Sender);
    void N13Click(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void CheckBox3Click(TObject* Sender);
    void ShowStage2Groups();
    void HideStage2Groups();

    // TStage2View
    void AddLogLine(const std::string& line) override;

private:
    void MakeMenu();
    void MakeLayout();
    void FormShow();
    void FormMouseWheel(int delta);
    void SaveToFileClick();
    void LoadFromFileClick();

    std::unique_ptr<TSettingsSheet> sheet_;
    // Held only by the window; the worker holds it weakly.
    std::shared_ptr<TStage2View> view_;
};

extern TForm6* Form6;
