#pragma once
// The DIP controller's settings window: one control per parameter of the two
// settings blocks and some display-only parameters in a scroll box, the log,
// the status panel the device link keeps, the device commands that read and
// write the blocks, the settings-file commands, and three checks that keep
// the pyrotechnic plan consistent (enabling by switch, output keys serving
// two functions, parachute steps leaving room for the igniter burn).

#include "settings/dip/DipThread.h"
#include "settings/files/DipSettingsFile.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Form.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;
class TSkAlphaHints;
struct TDipRow;

// Font colours of the checks.
constexpr TColor kDipMarkColor = 0xFF;
constexpr TColor kDipPlainColor = 0;
constexpr TColor kDipGreyCaption = 0xA4A0A0;

class TForm12 : public TForm, public TDipSettingsView {
    DECLARE_CLASS_INFO
public:
    explicit TForm12(TComponent* owner);
    ~TForm12() override;

    TPanel* Panel1;  // the status bar
    TScrollBox* ScrollBox1;
    TMemo* Memo1;
    TButton* skButton1;  // "Закрыть"
    TMainMenu* MainMenu1;
    TMenuItem *N1, *N2, *N3, *N4, *N5, *N11;  // file: save, load, save defaults, view saved, exit
    TMenuItem *N6, *N7, *N8;                  // device: read, write
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TSkAlphaHints* skAlphaHints2;

    // A control of the window by its name.
    TDecimalSpinEdit* SpinEdit(const char* name) const;
    TCheckBox* CheckBox(const char* name) const;
    TComboBox* ComboBox(const char* name) const;
    TGroupBox* GroupBox(const char* name) const;
    // Whether the control and the labels, unit and note that go with it are enabled.
    bool EnabledWithCompanions(const TControl* control) const;

    void UpdateDipControls();
    void CheckOutputKeyConflicts();
    void CheckDescentTiming();
    // A key released in the launch acceleration: the typed number within the
    // edit's limits, and "Key up = " with it in the log. A text that is no
    // number raises the library's conversion error.
    void skDecimalSpinEdit12KeyUp(TObject* Sender, platform::WORD& Key, TShiftState Shift);
    void FormResize();
    void N7Click(TObject* Sender);  // read both blocks
    void N8Click(TObject* Sender);  // write both blocks
    void N2Click(TObject* Sender);  // save a settings file
    void N3Click(TObject* Sender);  // load a settings file

    // The values of a block's fields, in its order, and back into the
    // controls in that order (a switch whose state changes runs its handler).
    TDipBlockValues BlockValues(std::uint8_t block) const;
    void LoadBlockValues(std::uint8_t block, const TDipBlockValues& values);
    // What the settings file keeps, by control name.
    TDipSettings Settings() const;
    void LoadSettings(const TDipSettings& values);

    // TDipSettingsView
    void AddLogLine(const std::string& line) override;
    TDipEncoding EncodeBlock(std::uint8_t block) override;
    void DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) override;

private:
    void MakeMenu();
    void MakeControls();
    void MakeHiddenControls();
    void MakeSideControls();
    // Puts the rows into the box from `top` on; gives the top below them.
    int AddRows(TWinControl* box, const std::vector<TDipRow>& rows, int top);
    TDecimalSpinEdit* AddSpinEdit(TWinControl* box, const TDipRow& row, int top);
    TButton* AddButton(TWinControl* parent, int left, int top, int width, const std::string& caption);
    void Tie(TControl* control, TControl* companion);
    void SetEnabledWithCompanions(TControl* control, bool enabled);
    void SetValue(const std::string& control, double value);
    double ValueOf(const std::string& control) const;
    bool FormMouseWheel(int delta);
    void ScrollBy(int pixels);
    void ShowDeviceStatus(TColor color, const std::string& caption);

    TButton* defaultsButton_ = nullptr;  // "Настройки по умолчанию", no action
    std::map<const TControl*, std::vector<TControl*>> companions_;
    // Held only by the window; the worker holds it weakly.
    std::shared_ptr<TDipSettingsView> view_;
};

extern TForm12* Form12;
