#include "settings/singlestage/SingleStageSettingsForm.h"

#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "settings/ranges/MinMaxHint.h"
#include "settings/ranges/RangeSteps.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"
#include "ui/forms/Timer.h"
#include "platform/system/Clock.h"

#include <cmath>
#include <map>

TForm14* Form14 = nullptr;

namespace {

constexpr int kWindowWidth = 845;
constexpr int kWindowHeight = 674;
constexpr TColor kConnectedCaption = 0x008000;
constexpr TColor kDisconnectedCaption = 0x808080;
constexpr int kRowHeight = 24;
constexpr int kFieldsPerColumn = 17;
constexpr int kColumnWidth = 270;
constexpr int kCaptionWidth = 190;
constexpr int kEditWidth = 64;

// The window's values at start, by control.
const std::map<std::string, double> kStartValues = {
    {"skDecimalSpinEdit12", 2.0}, {"skDecimalSpinEdit13", 0.3}, {"skCheckBox1", 0},        {"skDecimalSpinEdit14", 10},
    {"skDecimalSpinEdit22", 100}, {"skCheckBox6", 0},           {"skDecimalSpinEdit5", 3.0}, {"skCheckBox5", 0},
    {"skDecimalSpinEdit1", 5.0},  {"skDecimalSpinEdit2", 0.2},  {"skCheckBox4", 1},        {"skDecimalSpinEdit4", 3.0},
    {"skCheckBox14", 1},          {"skDecimalSpinEdit6", 60},   {"skDecimalSpinEdit10", 0.2}, {"skDecimalSpinEdit16", 0.1},
    {"skDecimalSpinEdit17", 0.1}, {"skDecimalSpinEdit11", 0.05}, {"skDecimalSpinEdit3", 0.3}, {"skDecimalSpinEdit9", 2.0},
    {"skDecimalSpinEdit8", 5},    {"skDecimalSpinEdit7", 0.5},  {"skDecimalSpinEdit15", 1.5}, {"skCheckBox3", 1},
    {"skDecimalSpinEdit18", 0.1}, {"skCheckBox2", 0},           {"skDecimalSpinEdit19", 2.5}, {"skDecimalSpinEdit31", 0.5},
    {"skDecimalSpinEdit21", 200}, {"skDecimalSpinEdit20", 20},  {"skDecimalSpinEdit27", 5.0}, {"skDecimalSpinEdit33", 0.5},
    {"skDecimalSpinEdit26", 5},
};

bool IsNumberField(const TEasyField& field) {
    return field.Kind == TEasyFieldKind::Number || field.Kind == TEasyFieldKind::SignedNumber;
}

}  // namespace

const TClassInfo& TForm14::StaticClass() {
    static const TClassInfo info = TPublished<TForm14>("TForm14", TForm::StaticClass()).Build();
    return info;
}

TForm14::TForm14(TComponent* owner)
    : TForm(owner), balloons_(new TSettingsBalloons(this)), view_(static_cast<TEasySettingsView*>(this), [](TEasySettingsView*) {}) {
    SetName("Form14");
    SetCaption("Настройки контроллера одноступенчатой ракеты");
    SetPosition(TPosition::poScreenCenter);
    SetBounds(Left(), Top(), kWindowWidth, kWindowHeight);
    MakeBlockControls();

    GroupBox9 = new TGroupBox(this);
    GroupBox9->SetParent(this);
    GroupBox9->SetCaption(" Подключение по USB ");
    GroupBox9->SetBounds(2 * kColumnWidth + 20, 8, 250, 90);
    GroupBox9->Font()->SetColor(kDisconnectedCaption);
    btnWriteSett = AddButton(GroupBox9, 20, "Записать настройки в контроллер", [this](TObject* s) { btnWriteSettClick(s); });
    btnReadSett = AddButton(GroupBox9, 54, "Вычитать настройки из контроллера", [this](TObject* s) { btnReadSettClick(s); });
    btnWriteSett->SetEnabled(false);
    btnReadSett->SetEnabled(false);

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(2 * kColumnWidth + 20, 110, 250, kWindowHeight - 287);
    Memo1->SetReadOnly(true);

    skAlphaHints1()->OnShowHint = [this](std::string& text, bool& canShow, THintInfo& info) {
        skAlphaHints1ShowHint(text, canShow, info);
    };
    skAlphaHints1()->Loaded();
    ApplyEnablingRules();

    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.EnableDeviceSettingsButtons = [this] { EnableDeviceSettingsButtons(); };
    announcements.DisableDeviceSettingsButtons = [this] { DisableDeviceSettingsButtons(); };
}

TForm14::~TForm14() {
    view_.reset();
    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.EnableDeviceSettingsButtons = nullptr;
    announcements.DisableDeviceSettingsButtons = nullptr;
}

TButton* TForm14::AddButton(TWinControl* parent, int top, const std::string& caption, TNotifyEvent onClick) {
    auto* button = new TButton(this);
    button->SetParent(parent);
    button->SetCaption(caption);
    button->SetBounds(10, top, 230, 28);
    button->OnClick = std::move(onClick);
    return button;
}

void TForm14::MakeBlockControls() {
    int row = 0;
    for (const TEasyField& field : AllEasyFields()) {
        const int left = 8 + row / kFieldsPerColumn * kColumnWidth;
        const int top = 8 + row % kFieldsPerColumn * kRowHeight;
        ++row;
        const double start = kStartValues.at(field.Control);
        if (!IsNumberField(field)) {
            auto* box = new TSkCheckBox(this);
            box->SetName(field.Control);
            box->SetParent(this);
            box->SetCaption(field.Caption);
            box->SetBounds(left, top, kCaptionWidth + kEditWidth, kRowHeight - 4);
            box->SetChecked(start != 0);
            box->SetVisible(field.Kind != TEasyFieldKind::AlwaysOn);
            continue;
        }
        auto* label = new TLabel(this);
        label->SetParent(this);
        label->SetCaption(std::string(field.Caption) + ":");
        label->SetBounds(left, top + 3, kCaptionWidth, kRowHeight - 4);
        auto* edit = new TSkDecimalSpinEdit(this);
        edit->SetName(field.Control);
        edit->SetParent(this);
        edit->SetBounds(left + kCaptionWidth, top, kEditWidth, kRowHeight - 2);
        edit->SetDecimalPlaces(field.Decimals);
        edit->Increment = std::pow(10.0, -field.Decimals);
        edit->SetHint(field.Range);
        edit->SetShowHint(true);
        edit->SetValue(start);
        edit->SetColor(NormalEditColor);
        edit->OnUpClick = [this](TObject* s) { SpinEditUp(s); };
        edit->OnDownClick = [this](TObject* s) { SpinEditDown(s); };
        edit->OnKeyUp = [this](TObject* s, platform::WORD& key, TShiftState shift) { SpinEditKeyUp(s, key, shift); };
    }
}

TSkDecimalSpinEdit* TForm14::SpinEdit(const char* name) const {
    return dynamic_cast<TSkDecimalSpinEdit*>(FindComponent(name));
}

TSkCheckBox* TForm14::CheckBox(const char* name) const { return dynamic_cast<TSkCheckBox*>(FindComponent(name)); }

std::vector<TSkDecimalSpinEdit*> TForm14::SpinEdits() const {
    std::vector<TSkDecimalSpinEdit*> edits;
    for (const TEasyField& field : AllEasyFields())
        if (IsNumberField(field)) edits.push_back(SpinEdit(field.Control));
    return edits;
}

void TForm14::EnableDeviceSettingsButtons() {
    GroupBox9->Font()->SetColor(kConnectedCaption);
    btnWriteSett->SetEnabled(true);
    btnReadSett->SetEnabled(true);
}

void TForm14::DisableDeviceSettingsButtons() {
    GroupBox9->Font()->SetColor(kDisconnectedCaption);
    btnWriteSett->SetEnabled(false);
    btnReadSett->SetEnabled(false);
}

void TForm14::btnReadSettClick(TObject*) { StartEasyJob(ejRead, view_); }

void TForm14::btnWriteSettClick(TObject*) {
    if (EasyBusy) return;
    std::string outOfRange;
    for (const TEasyField& field : AllEasyFields()) {
        const TSkDecimalSpinEdit* edit = IsNumberField(field) ? SpinEdit(field.Control) : nullptr;
        if (edit && edit->Enabled() && !IsInHintRange(*edit)) outOfRange += std::string("\r") + field.Caption;
    }
    if (!outOfRange.empty() &&
        Application->MessageBox("Значения вне допустимого диапазона:" + outOfRange + "\rЗаписать настройки в контроллер?",
                                "Внимание!", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    StartEasyJob(ejWrite, view_);
}

void TForm14::SpinEditUp(TObject* Sender) {
    auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender);
    if (!edit) return;
    Application->ProcessMessages();
    platform::Sleep(10);
    Application->ProcessMessages();
    StepUpInRange(*edit, *balloons_);
}

void TForm14::SpinEditDown(TObject* Sender) {
    if (auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender)) StepDownInRange(*edit, *balloons_);
}

void TForm14::SpinEditKeyUp(TObject* Sender, platform::WORD&, TShiftState) {
    if (auto* edit = dynamic_cast<TSkDecimalSpinEdit*>(Sender)) CheckTypedInRange(*edit, *balloons_);
}

void TForm14::skAlphaHints1ShowHint(std::string& HintStr, bool& CanShow, THintInfo& HintInfo) {
    RangeHoverHint(HintStr, CanShow, HintInfo);
}

void TForm14::ApplyEnablingRules() {
    const bool brake = CheckBox("skCheckBox3")->Checked();
    const bool main = CheckBox("skCheckBox2")->Checked();
    const bool abnormal = CheckBox("skCheckBox14")->Checked();
    const bool baroStart = CheckBox("skCheckBox5")->Checked();
    const std::pair<const char*, bool> rules[] = {
        {"skDecimalSpinEdit14", CheckBox("skCheckBox1")->Checked()},
        {"skDecimalSpinEdit5", CheckBox("skCheckBox6")->Checked()},
        {"skDecimalSpinEdit1", baroStart},
        {"skDecimalSpinEdit2", baroStart},
        {"skDecimalSpinEdit4", baroStart},
        {"skDecimalSpinEdit6", abnormal},
        {"skDecimalSpinEdit10", abnormal},
        {"skDecimalSpinEdit16", abnormal && brake},
        {"skDecimalSpinEdit17", abnormal && main},
        {"skDecimalSpinEdit18", brake},
        {"skDecimalSpinEdit19", brake && main},
        {"skDecimalSpinEdit31", main},
        {"skDecimalSpinEdit21", main},
        {"skDecimalSpinEdit20", main},
    };
    for (const auto& [name, enabled] : rules) SpinEdit(name)->SetEnabled(enabled);
}

TEasyBlockValues TForm14::BlockValues(std::uint8_t block) const {
    TEasyBlockValues values;
    for (const TEasyField& field : EasyBlockFields(block)) {
        if (IsNumberField(field))
            values.push_back(SpinEdit(field.Control)->Value());
        else
            values.push_back(CheckBox(field.Control)->Checked() ? 1 : 0);
    }
    return values;
}

void TForm14::LoadBlockValues(std::uint8_t block, const TEasyBlockValues& values) {
    const std::vector<TEasyField>& fields = EasyBlockFields(block);
    {
        // Click handlers wait until every value is in.
        std::vector<std::pair<TSkCheckBox*, TNotifyEvent>> heldBack;
        ScopeExit restore([&heldBack] {
            for (auto& [box, onClick] : heldBack) box->OnClick = std::move(onClick);
        });
        for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) {
            if (IsNumberField(fields[i])) {
                SpinEdit(fields[i].Control)->SetValue(values[i]);
                continue;
            }
            TSkCheckBox* box = CheckBox(fields[i].Control);
            heldBack.emplace_back(box, std::move(box->OnClick));
            box->OnClick = nullptr;
            box->SetChecked(values[i] != 0);
        }
    }
    ApplyEnablingRules();
}

void TForm14::AddLogLine(const std::string& line) { ::AddLogLine(*Memo1, line); }

TEasyEncoding TForm14::EncodeBlock(std::uint8_t block) { return EncodeEasyBlock(block, BlockValues(block)); }

void TForm14::DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) {
    AddLogLine("Блок " + std::to_string(block) + " успешно прочитан!");
    if (bytes.size() < EasyBlockSize(block)) return;
    LoadBlockValues(block, DecodeEasyBlock(block, bytes.data()));
}

void TForm14::ShowStatusBalloon(bool ok, const std::string& text) { balloons_->ShowStatusBalloon(ok, text); }
