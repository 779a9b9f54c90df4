#include "settings/singlestage/SingleStageSettingsForm.h"

#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "settings/ranges/EditFocusRelease.h"
#include "settings/ranges/MinMaxHint.h"
#include "settings/singlestage/EasyFormLayout.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/forms/Timer.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/menus/Menus.h"

#include <cmath>

TForm14* Form14 = nullptr;

namespace {

constexpr int kWindowWidth = 845;
constexpr int kWindowHeight = 674;
constexpr int kLeastHeight = 400;
constexpr int kScrollBoxBelow = 66;
constexpr int kMemoBelow = 287;
constexpr int kWheelStep = 15;
constexpr TColor kConnectedCaption = 0x008000;
constexpr TColor kDisconnectedCaption = 0x808080;
constexpr int kScrollBoxWidth = 560;
constexpr int kSideLeft = kScrollBoxWidth + 16;
constexpr int kSideWidth = 250;
constexpr int kButtonHeight = 28;

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
    SetCaption(kEasyWindowCaption);
    SetPosition(TPosition::poScreenCenter);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBorderIcons({TBorderIcon::biSystemMenu});
    SetBounds(Left(), Top(), kWindowWidth, kWindowHeight);
    MakeMenu();
    MakeLayout();

    t5_ = SpinEdit("skDecimalSpinEdit5");
    t14_ = SpinEdit("skDecimalSpinEdit14");
    t22_ = SpinEdit("skDecimalSpinEdit22");
    e15_ = SpinEdit("skDecimalSpinEdit15");
    e16_ = SpinEdit("skDecimalSpinEdit16");
    e17_ = SpinEdit("skDecimalSpinEdit17");
    e18_ = SpinEdit("skDecimalSpinEdit18");
    e19_ = SpinEdit("skDecimalSpinEdit19");

    skAlphaHints1()->OnShowHint = [this](std::string& text, bool& canShow, THintInfo& info) {
        skAlphaHints1ShowHint(text, canShow, info);
    };
    skAlphaHints1()->Loaded();
    ApplyEnablingRules();
    SettingsModified = false;

    OnShow = [this](TObject*) { FormShow(); };
    OnCloseQuery = [this](TObject*, bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](TObject*, TCloseAction&) {
        UnregisterEditFocusRelease(this);
        balloons_->HideBalloon();
        HideSettingsPanels(false);
    };
    OnResize = [this](TObject*) { FormResize(); };
    OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) { handled = FormMouseWheel(delta); };

    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.EnableDeviceSettingsButtons = [this] { EnableDeviceSettingsButtons(); };
    announcements.DisableDeviceSettingsButtons = [this] { DisableDeviceSettingsButtons(); };
}

TForm14::~TForm14() {
    // Taking the menu away resizes the window while its controls go.
    OnResize = nullptr;
    UnregisterEditFocusRelease(this);
    view_.reset();
    TDeviceAnnouncements& announcements = DeviceAnnouncements();
    announcements.EnableDeviceSettingsButtons = nullptr;
    announcements.DisableDeviceSettingsButtons = nullptr;
}

TButton* TForm14::AddButton(TWinControl* parent, int left, int top, int width, const std::string& caption,
                            TNotifyEvent onClick) {
    auto* button = new TButton(this);
    button->SetParent(parent);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, kButtonHeight);
    button->OnClick = std::move(onClick);
    return button;
}

void TForm14::MakeMenu() {
    MainMenu1 = new TMainMenu(this);
    const auto add = [this](TMenuItem* parent, const std::string& caption, TNotifyEvent onClick = nullptr) {
        auto* item = new TMenuItem(this);
        item->SetCaption(caption);
        item->OnClick = std::move(onClick);
        if (parent)
            parent->Add(item);
        else
            MainMenu1->Items()->Add(item);
        return item;
    };
    N1 = add(nullptr, "   Файл   ");
    N12 = add(N1, " Создать", [this](TObject* s) { btnCreateClick(s); });
    N17 = add(N1, " Открыть", [this](TObject* s) { N17Click(s); });
    N18 = add(N1, " Сохранить", [this](TObject* s) { N18Click(s); });
    N19 = add(N1, " Сохранить как ...", [this](TObject* s) { N19Click(s); });
    N21 = add(N1, " Закрыть файл", [this](TObject* s) { N21Click(s); });
    N11 = add(N1, " Выход", [this](TObject*) { Close(); });
    N6 = add(nullptr, "   Устройство   ");
    N7 = add(N6, "Прочитать параметры", [this](TObject* s) { btnReadSettClick(s); });
    N8 = add(N6, "Записать параметры", [this](TObject* s) { btnWriteSettClick(s); });
    N6->SetVisible(false);
    SetMenu(MainMenu1);
}

void TForm14::MakeLayout() {
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetBounds(4, 4, kScrollBoxWidth, kWindowHeight - kScrollBoxBelow);
    MakeGroups();
    MakeSideControls();

    Panel3 = new TPanel(this);
    Panel3->SetName("Panel3");
    // Inside the scroll box, over the hidden parameter panels.
    Panel3->SetParent(ScrollBox1);
    Panel3->SetCaption("");
    Panel3->SetBounds(kScrollBoxWidth / 2 - 130, kWindowHeight / 2 - 90, 260, 90);
    btnCreate = AddButton(Panel3, 10, 10, 240, "Создать новый файл настроек", [this](TObject* s) { btnCreateClick(s); });
    btnOpen = AddButton(Panel3, 10, 50, 240, "Открыть файл настроек", [this](TObject* s) { btnOpenClick(s); });
    Panel3->SetVisible(false);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Filter = kEasyFileFilter;
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Filter = kEasyFileFilter;
    SaveDialog1->FileName = kEasyFileOffered;
    SaveDialog1->SetDefaultExt(kEasyFileExt);
}

void TForm14::MakeGroups() {
    const std::vector<TEasyField> fields = AllEasyFields();
    const auto fieldOf = [&fields](const std::string& control) -> const TEasyField& {
        for (const TEasyField& f : fields)
            if (control == f.Control) return f;
        throw std::logic_error("no settings field " + control);
    };
    TPanel* panels[kEasyPanelCount] = {};
    int panelTop = 0;
    int groupTop = 0;
    for (const TEasyGroupLayout& group : EasyGroupLayout()) {
        TPanel*& panel = panels[group.Panel];
        if (!panel) {
            if (group.Panel > 0) panelTop += panels[group.Panel - 1]->Height() + kEasyPanelGap;
            panel = new TPanel(this);
            panel->SetName(EasyPanelName(group.Panel));
            panel->SetParent(ScrollBox1);
            panel->SetCaption("");
            panel->SetBounds(0, panelTop, kEasyPanelWidth, kEasyPanelHeader);
            auto* header = new TPanel(this);
            header->SetParent(panel);
            header->SetCaption(EasyPanelCaption(group.Panel));
            header->SetColor(EasyPanelColor(group.Panel));
            header->SetBounds(0, 0, kEasyPanelWidth, kEasyPanelHeader);
            groupTop = kEasyPanelHeader + kEasyGroupGap;
        }
        const int rows = int(group.Controls.size()) + (group.DefaultsBox ? 1 : 0);
        const int height = kEasyGroupTop + rows * kEasyRowHeight + kEasyGroupGap;
        auto* box = new TGroupBox(this);
        box->SetParent(panel);
        box->SetCaption(group.Caption);
        box->SetBounds(kEasyGroupGap, groupTop, kEasyPanelWidth - 2 * kEasyGroupGap, height);
        int top = kEasyGroupTop;
        for (const char* control : group.Controls) {
            const TEasyField& field = fieldOf(control);
            if (!IsNumberField(field)) {
                auto* option = new TSkCheckBox(this);
                option->SetName(field.Control);
                option->SetParent(box);
                option->SetCaption(EasyOptionCaption(field));
                option->SetBounds(kEasyGroupGap, top, kEasyCaptionWidth + kEasyEditWidth, kEasyRowHeight - 4);
                option->SetChecked(EasyStartValue(field.Control) != 0);
                option->SetVisible(field.Kind != TEasyFieldKind::AlwaysOn);
                if (field.Kind != TEasyFieldKind::AlwaysOn) option->OnClick = [this, option](TObject*) { OptionClick(option); };
                top += kEasyRowHeight;
                continue;
            }
            auto* label = new TLabel(this);
            label->SetParent(box);
            label->SetCaption(std::string(field.Caption) + ":");
            label->SetBounds(kEasyGroupGap + kEasyRowIndent, top + 3, kEasyCaptionWidth, kEasyRowHeight - 4);
            auto* edit = new TSkDecimalSpinEdit(this);
            edit->SetName(field.Control);
            edit->SetParent(box);
            edit->SetBounds(kEasyGroupGap + kEasyRowIndent + kEasyCaptionWidth, top, kEasyEditWidth, kEasyRowHeight - 2);
            edit->SetDecimalPlaces(field.Decimals);
            edit->Increment = std::pow(10.0, -field.Decimals);
            edit->SetHint(field.Range);
            edit->SetShowHint(true);
            edit->SetValue(EasyStartValue(field.Control));
            edit->SetColor(NormalEditColor);
            edit->OnChange = [this](TObject*) { SettingsModified = true; };
            edit->OnUpClick = [this](TObject* s) { SpinEditUp(s); };
            edit->OnDownClick = [this](TObject* s) { SpinEditDown(s); };
            edit->OnKeyUp = [this](TObject* s, platform::WORD& key, TShiftState shift) { SpinEditKeyUp(s, key, shift); };
            auto* unit = new TLabel(this);
            unit->SetParent(box);
            unit->SetCaption(EasyUnitText(field.Control));
            unit->SetBounds(edit->Left() + kEasyEditWidth + 6, top + 3, 40, kEasyRowHeight - 4);
            top += kEasyRowHeight;
        }
        if (group.DefaultsBox) {
            auto* defaults = new TSkCheckBox(this);
            defaults->SetName(group.DefaultsBox);
            defaults->SetParent(box);
            defaults->SetCaption(group.DefaultsCaption);
            defaults->SetBounds(kEasyGroupGap, top, kEasyCaptionWidth, kEasyRowHeight - 4);
            defaults->OnClick = [this, defaults](TObject*) { DefaultsBoxClick(defaults); };
        }
        groupTop += height + kEasyGroupGap;
        panel->SetHeight(groupTop);
    }
    pnlBlock1 = panels[0], pnlBlock2 = panels[1], pnlBlock3 = panels[2], pnlBlock4 = panels[3];
}

void TForm14::MakeSideControls() {
    GroupBox9 = new TGroupBox(this);
    GroupBox9->SetParent(this);
    GroupBox9->SetCaption(" Подключение по USB ");
    GroupBox9->SetBounds(kSideLeft, 8, kSideWidth, 90);
    GroupBox9->Font()->SetColor(kDisconnectedCaption);
    btnWriteSett = AddButton(GroupBox9, 10, 20, kSideWidth - 20, "Записать настройки в контроллер",
                             [this](TObject* s) { btnWriteSettClick(s); });
    btnReadSett = AddButton(GroupBox9, 10, 54, kSideWidth - 20, "Вычитать настройки из контроллера",
                            [this](TObject* s) { btnReadSettClick(s); });
    btnWriteSett->SetEnabled(false);
    btnReadSett->SetEnabled(false);
    Button4 = AddButton(this, kSideLeft, 106, kSideWidth, "Настройки по умолчанию", [this](TObject*) {
        LoadDefaultSettings();
        LogWithTime("Настройки сброшены по умолчанию!");
    });
    Button6 = AddButton(this, kSideLeft, 140, kSideWidth, "Закрыть", [this](TObject*) { Close(); });
    Button1 = AddButton(this, kSideLeft, 174, kSideWidth, "Контроль ошибок", [this](TObject* s) { Button1Click(s); });

    Memo1 = new TMemo(this);
    Memo1->SetParent(this);
    Memo1->SetBounds(kSideLeft, 210, kSideWidth, kWindowHeight - kMemoBelow);
    Memo1->SetReadOnly(true);
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

void TForm14::FormShow() {
    Timer1()->SetInterval(kErrorBalloonMs);
    ClearRangeMarks();
    HideSettingsPanels(true);
    Memo1->Lines()->Clear();
    Panel3->SetVisible(true);
    EasySettingsFileName.clear();
    SettingsModified = false;
    Application->ProcessMessages();
    if (btnCreate->CanFocus()) btnCreate->SetFocus();
    RegisterEditFocusRelease(this, ScrollBox1);
}

void TForm14::FormResize() {
    if (Height() < kLeastHeight) {
        SetHeight(kLeastHeight);
        return;
    }
    ScrollBox1->SetHeight(Height() - kScrollBoxBelow);
    Memo1->SetHeight(std::max(0, Height() - kMemoBelow));
    Panel3->SetTop(Height() / 2 - Panel3->Height());
}

bool TForm14::FormMouseWheel(int delta) {
    TControlScrollBar* bar = ScrollBox1->VertScrollBar();
    bar->SetPosition(bar->Position() + (delta < 0 ? kWheelStep : -kWheelStep));
    // A spin edit in focus keeps its value.
    return dynamic_cast<TDecimalSpinEdit*>(ActiveControl()) != nullptr;
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

void TForm14::AddLogLine(const std::string& line) { ::AddLogLine(*Memo1, line); }

TEasyEncoding TForm14::EncodeBlock(std::uint8_t block) { return EncodeEasyBlock(block, BlockValues(block)); }

void TForm14::DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) {
    AddLogLine("Блок " + std::to_string(block) + " успешно прочитан!");
    if (bytes.size() < EasyBlockSize(block)) return;
    LoadBlockValues(block, DecodeEasyBlock(block, bytes.data()));
}

void TForm14::ShowStatusBalloon(bool ok, const std::string& text) { balloons_->ShowStatusBalloon(ok, text); }
