#pragma once
// The single-stage controller's settings window: the spin edits and option
// check boxes of both settings blocks with their ranges in their hints, the
// log, the balloons, and the device buttons that read and write the blocks.

#include "settings/ranges/SettingsBalloons.h"
#include "settings/singlestage/EasyBlocks.h"
#include "settings/singlestage/EasyThread.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/Panels.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include <memory>
#include <string>
#include <vector>

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

    TGroupBox* GroupBox9;  // " Подключение по USB "
    TButton* btnWriteSett;
    TButton* btnReadSett;
    TMemo* Memo1;

    TSkAlphaHints* skAlphaHints1() const { return balloons_->Hints(); }
    TTimer* Timer1() const { return balloons_->Timer(); }
    TSettingsBalloons& Balloons() const { return *balloons_; }

    // A block field's control, by the field's control name.
    TSkDecimalSpinEdit* SpinEdit(const char* name) const;
    TSkCheckBox* CheckBox(const char* name) const;
    std::vector<TSkDecimalSpinEdit*> SpinEdits() const;

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
    // Edits whose option box is off are disabled.
    void ApplyEnablingRules();

    // The window's values of a block, and back; loading holds the check
    // boxes' click handlers back until every value is in, then applies the
    // enabling rules, so no handler changes a value just loaded.
    TEasyBlockValues BlockValues(std::uint8_t block) const;
    void LoadBlockValues(std::uint8_t block, const TEasyBlockValues& values);

    // TEasySettingsView
    void AddLogLine(const std::string& line) override;
    TEasyEncoding EncodeBlock(std::uint8_t block) override;
    void DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) override;
    void ShowStatusBalloon(bool ok, const std::string& text) override;

private:
    void MakeBlockControls();
    TButton* AddButton(TWinControl* parent, int top, const std::string& caption, TNotifyEvent onClick);

    TSettingsBalloons* balloons_;
    // Held only by the window; the worker holds it weakly.
    std::shared_ptr<TEasySettingsView> view_;
};

extern TForm14* Form14;
