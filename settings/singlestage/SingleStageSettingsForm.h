#pragma once
// The single-stage controller's settings window: the spin edits and option
// check boxes of both settings blocks in four panels of a scroll box, the
// defaults boxes of each group, the rules between parameters and the full
// check, the log, the balloons, the device buttons that read and write the
// blocks, and the settings-file commands with the close question.

#include "settings/files/EasySettingsFile.h"
#include "settings/ranges/SettingsBalloons.h"
#include "settings/rules/EasyRules.h"
#include "settings/singlestage/EasyBlocks.h"
#include "settings/singlestage/EasyThread.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <memory>
#include <string>
#include <vector>

class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;
class TSkAlphaHints;
class TTimer;

// The skinned controls by the names the window uses; until the skinned ones
// exist each stands for the plain control it derives from.
using TSkDecimalSpinEdit = TDecimalSpinEdit;
using TSkCheckBox = TCheckBox;

class TForm14 : public TForm, public TEasySettingsView {
    DECLARE_CLASS_INFO
public:
    explicit TForm14(TComponent* owner);
    ~TForm14() override;

    TScrollBox* ScrollBox1;
    TPanel *pnlBlock1, *pnlBlock2, *pnlBlock3, *pnlBlock4;
    TPanel* Panel3;  // the start panel
    TButton* btnCreate;
    TButton* btnOpen;
    TGroupBox* GroupBox9;  // " Подключение по USB "
    TButton* btnWriteSett;
    TButton* btnReadSett;
    TButton* Button4;  // "Настройки по умолчанию"
    TButton* Button6;  // "Закрыть"
    TButton* Button1;  // "Контроль ошибок"
    TMemo* Memo1;
    TMainMenu* MainMenu1;
    TMenuItem *N1, *N12, *N17, *N18, *N19, *N21, *N11;  // file menu: create, open, save, save as, close file, exit
    TMenuItem *N6, *N7, *N8;                            // hidden device menu: read, write
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;

    TSkAlphaHints* skAlphaHints1() const { return balloons_->Hints(); }
    TTimer* Timer1() const { return balloons_->Timer(); }
    TSettingsBalloons& Balloons() const { return *balloons_; }

    // A control of the window by its name: the block fields' edits and
    // check boxes, and the defaults boxes.
    TSkDecimalSpinEdit* SpinEdit(const char* name) const;
    TSkCheckBox* CheckBox(const char* name) const;
    std::vector<TSkDecimalSpinEdit*> SpinEdits() const;

    // The window differs from its file.
    bool SettingsModified = false;
    // The full path of the file in use; empty when none.
    std::string EasySettingsFileName;

    void EnableDeviceSettingsButtons();
    void DisableDeviceSettingsButtons();
    void btnReadSettClick(TObject* Sender);
    // Asks first when a value lies outside its range, so none reaches the
    // controller unnoticed.
    void btnWriteSettClick(TObject* Sender);

    void SpinEditUp(TObject* Sender);
    void SpinEditDown(TObject* Sender);
    void SpinEditKeyUp(TObject* Sender, platform::WORD& Key, TShiftState Shift);
    void skAlphaHints1ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo);
    // Controls whose option box is off are disabled.
    void ApplyEnablingRules();
    void OptionClick(TSkCheckBox* box);
    void DefaultsBoxClick(TSkCheckBox* box);
    void CheckParameterDependencies();
    void Button1Click(TObject* Sender);  // the full check
    void LoadDefaultSettings();
    void ClearRangeMarks();
    void ShowSettingsPanels();
    void HideSettingsPanels(bool paced);

    // The window's values by control, and back; loading holds every handler
    // back until all values are in, then applies the enabling rules, so no
    // handler changes a value just loaded.
    TEasySettings Settings() const;
    void LoadSettings(const TEasySettings& values);
    TEasyBlockValues BlockValues(std::uint8_t block) const;
    void LoadBlockValues(std::uint8_t block, const TEasyBlockValues& values);

    // The file commands. Each save is true only when the file was written;
    // a new name is taken only then.
    void btnCreateClick(TObject* Sender);
    void btnOpenClick(TObject* Sender);
    void N17Click(TObject* Sender);
    bool N18Click(TObject* Sender);
    bool N19Click(TObject* Sender);
    void N21Click(TObject* Sender);
    void NewEasySettingsFile();
    bool OpenEasySettingsFile();
    // "hh:mm:ss: " and the text.
    void LogWithTime(const std::string& text);

    // TEasySettingsView
    void AddLogLine(const std::string& line) override;
    TEasyEncoding EncodeBlock(std::uint8_t block) override;
    void DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) override;
    void ShowStatusBalloon(bool ok, const std::string& text) override;

private:
    void MakeLayout();
    void MakeMenu();
    void MakeGroups();
    void MakeSideControls();
    TButton* AddButton(TWinControl* parent, int left, int top, int width, const std::string& caption,
                       TNotifyEvent onClick);
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormResize();
    bool FormMouseWheel(int delta);
    TEasyRuleEdit RuleEditOf(const TDecimalSpinEdit* edit) const;
    TEasyRuleState RuleState() const;
    void ApplyMark(TDecimalSpinEdit* edit, TEasyMark mark);
    // Writes the file; false after telling the user why it failed.
    bool WriteFile(const std::string& path);
    void ShowFileCaption(const std::string& name);

    TSettingsBalloons* balloons_;
    // The edits the rules name, found once: hover hints tell them apart by
    // the control itself, never by a name another window might share.
    TDecimalSpinEdit *t5_, *t14_, *t22_, *e15_, *e16_, *e17_, *e18_, *e19_;
    // Held only by the window; the worker holds it weakly.
    std::shared_ptr<TEasySettingsView> view_;
};

extern TForm14* Form14;
