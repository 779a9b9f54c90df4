#include "settings/dip/DipSettingsForm.h"

#include "device/forms/LogMemoLine.h"
#include "device/link/DeviceAnnouncements.h"
#include "settings/dip/DipFormLayout.h"
#include "skin/forms/hints/SkAlphaHints.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/menus/Menus.h"

#include <cmath>

TForm12* Form12 = nullptr;

namespace {

constexpr int kWindowWidth = 1223;
constexpr int kWindowHeight = 757;
constexpr int kStatusHeight = 24;
constexpr int kGap = 6;
constexpr int kScrollBoxTop = kStatusHeight + 4;
constexpr int kScrollBoxWidth = 800;
constexpr int kSectionWidth = kScrollBoxWidth - 4 * kGap;
constexpr int kGroupWidth = kSectionWidth - 2 * kGap;
constexpr int kGroupTop = 18;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 420;
constexpr int kEditWidth = 70;
constexpr int kComboWidth = 130;
constexpr int kUnitWidth = 50;
constexpr int kButtonHeight = 28;
constexpr int kSideLeft = kScrollBoxWidth + 12;
constexpr int kSideWidth = kWindowWidth - kSideLeft - 20;
constexpr int kSideButtons = 4;
constexpr int kScrollBoxBelow = 120;
constexpr int kButtonAbove = 90;
constexpr int kMostHeight = 970;
constexpr int kWheelStep = 15;
constexpr TColor kNoLinkColor = 0xFF;
const char* const kHintTemplate = "Blue hint";
constexpr int kHintWidth = 300;

}  // namespace

const TClassInfo& TForm12::StaticClass() {
    static const TClassInfo info = TPublished<TForm12>("TForm12", TForm::StaticClass()).Build();
    return info;
}

TForm12::TForm12(TComponent* owner)
    : TForm(owner), view_(static_cast<TDipSettingsView*>(this), [](TDipSettingsView*) {}) {
    SetName("Form12");
    SetCaption(kDipWindowCaption);
    SetPosition(TPosition::poScreenCenter);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBorderIcons({TBorderIcon::biSystemMenu});
    SetBounds(Left(), Top(), kWindowWidth, kWindowHeight);

    // Hover hints stay the single-stage window's: this component is never loaded.
    skAlphaHints2 = new TSkAlphaHints(this);
    skAlphaHints2->SetName("skAlphaHints2");
    skAlphaHints2->Templates = {TSkHintTemplate{kHintTemplate}};
    skAlphaHints2->SetTemplateName(kHintTemplate);
    skAlphaHints2->MaxWidth = kHintWidth;

    MakeMenu();
    MakeControls();
    MakeHiddenControls();
    MakeSideControls();
    OpenDialog1 = new TOpenDialog(this);
    SaveDialog1 = new TSaveDialog(this);

    OnShow = [this](TObject*) { UpdateDipControls(); };
    OnResize = [this](TObject*) { FormResize(); };
    OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) { handled = FormMouseWheel(delta); };
    DeviceAnnouncements().DipStatus = [this](platform::COLORREF color, const std::string& caption) {
        ShowDeviceStatus(static_cast<TColor>(color), caption);
    };
}

TForm12::~TForm12() {
    // Taking the menu away resizes the window while its controls go.
    OnResize = nullptr;
    view_.reset();
    DeviceAnnouncements().DipStatus = nullptr;
}

void TForm12::MakeMenu() {
    MainMenu1 = new TMainMenu(this);
    const auto add = [this](TMenuItem* parent, const char* name, const std::string& caption, TNotifyEvent onClick = nullptr) {
        auto* item = new TMenuItem(this);
        item->SetName(name);
        item->SetCaption(caption);
        item->OnClick = std::move(onClick);
        if (parent)
            parent->Add(item);
        else
            MainMenu1->Items()->Add(item);
        return item;
    };
    N1 = add(nullptr, "N1", "   Файл   ");
    N2 = add(N1, "N2", "Сохранить настройки в файл", [this](TObject* s) { N2Click(s); });
    N3 = add(N1, "N3", "Загрузить настройки с файла", [this](TObject* s) { N3Click(s); });
    N4 = add(N1, "N4", "Сохранить настройки по умолчанию");
    N5 = add(N1, "N5", "Посмотреть сохраненные настройки");
    N5->SetVisible(false);
    N11 = add(N1, "N11", "Выход", [this](TObject*) { Close(); });
    N6 = add(nullptr, "N6", "   Устройство   ");
    N7 = add(N6, "N7", "Прочитать параметры", [this](TObject* s) { N7Click(s); });
    N8 = add(N6, "N8", "Записать параметры", [this](TObject* s) { N8Click(s); });
    add(nullptr, "N9", "   Печать   ");
    add(nullptr, "N10", "   Помощь   ");
    for (const char* hidden : {"N12", "N13"}) add(nullptr, hidden, "")->SetVisible(false);
    SetMenu(MainMenu1);
}

void TForm12::MakeControls() {
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(0, 0, kWindowWidth, kStatusHeight);
    ShowDeviceStatus(kNoLinkColor, kDipNoLinkCaption);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetBounds(4, kScrollBoxTop, kScrollBoxWidth, kWindowHeight - kScrollBoxBelow);
    ScrollBox1->HorzScrollBar()->SetVisible(false);

    int sectionTop = 0;
    for (const TDipSection& section : DipSections()) {
        auto* sectionBox = new TGroupBox(this);
        sectionBox->SetParent(ScrollBox1);
        sectionBox->SetCaption(section.Caption);
        sectionBox->SetBounds(kGap, sectionTop, kSectionWidth, kGroupTop);
        int top = AddRows(sectionBox, section.Rows, kGroupTop);
        for (const TDipGroup& group : section.Groups) {
            auto* box = new TGroupBox(this);
            box->SetName(group.Name);
            box->SetParent(sectionBox);
            box->SetCaption(group.Caption);
            box->SetBounds(kGap, top, kGroupWidth, kGroupTop);
            box->SetHeight(AddRows(box, group.Rows, kGroupTop) + kGap);
            top += box->Height() + kGap;
        }
        sectionBox->SetHeight(top + kGap);
        sectionTop += sectionBox->Height() + kGap;
    }
    // Shown and kept, never editable.
    SetEnabledWithCompanions(SpinEdit("skDecimalSpinEdit30"), false);
    SetEnabledWithCompanions(CheckBox("skCheckBox4"), false);
    SetEnabledWithCompanions(SpinEdit("skDecimalSpinEdit43"), false);

    for (const char* name : {"skDecimalSpinEdit15", "skDecimalSpinEdit17", "skDecimalSpinEdit18", "skDecimalSpinEdit19",
                             "skDecimalSpinEdit20"})
        SpinEdit(name)->OnChange = [this](TObject*) { CheckDescentTiming(); };
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"})
        ComboBox(name)->OnChange = [this](TObject*) { CheckOutputKeyConflicts(); };
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7",
                             "skCheckBox1", "skCheckBox2", "skCheckBox3", "CheckBox9"})
        CheckBox(name)->OnClick = [this](TObject*) { UpdateDipControls(); };
    SpinEdit("skDecimalSpinEdit12")->OnKeyUp = [this](TObject* s, platform::WORD& key, TShiftState shift) {
        skDecimalSpinEdit12KeyUp(s, key, shift);
    };
}

int TForm12::AddRows(TWinControl* box, const std::vector<TDipRow>& rows, int top) {
    for (const TDipRow& row : rows) {
        switch (row.Kind) {
            case TDipRowKind::Spin:
                AddSpinEdit(box, row, top);
                break;
            case TDipRowKind::Check: {
                auto* check = new TCheckBox(this);
                check->SetName(row.Name);
                check->SetParent(box);
                check->SetCaption(row.Text);
                check->SetBounds(kGap, top, kLabelWidth, kRowHeight - 4);
                check->SetChecked(row.Start != 0);
                break;
            }
            case TDipRowKind::Combo: {
                auto* combo = new TComboBox(this);
                combo->SetName(row.Name);
                combo->SetParent(box);
                combo->SetStyle(TComboBoxStyle::csDropDownList);
                combo->SetBounds(kGap + kLabelWidth, top, kComboWidth, kRowHeight - 2);
                for (const std::string& item : DipOutputKeyItems()) combo->Items().Add(item);
                combo->SetItemIndex(0);
                break;
            }
            case TDipRowKind::Note: {
                auto* note = new TLabel(this);
                note->SetParent(box);
                note->SetCaption(row.Text);
                note->SetBounds(kGap, top + 3, kGroupWidth - 2 * kGap, kRowHeight - 4);
                if (*row.TiedTo) Tie(dynamic_cast<TControl*>(FindComponent(row.TiedTo)), note);
                break;
            }
        }
        top += kRowHeight;
    }
    return top;
}

TDecimalSpinEdit* TForm12::AddSpinEdit(TWinControl* box, const TDipRow& row, int top) {
    auto* edit = new TDecimalSpinEdit(this);
    edit->SetName(row.Name);
    edit->SetParent(box);
    edit->SetBounds(kGap + kLabelWidth, top, kEditWidth, kRowHeight - 2);
    edit->SetDecimalPlaces(row.Decimals);
    edit->Increment = row.Step;
    edit->MinValue = row.Min;
    edit->MaxValue = row.Max;
    edit->SetHint(row.Hint);
    edit->SetShowHint(true);
    edit->SetValue(row.Start);
    if (*row.Text) {
        auto* label = new TLabel(this);
        label->SetParent(box);
        label->SetCaption(row.Text);
        label->SetBounds(kGap, top + 3, kLabelWidth - kGap, kRowHeight - 4);
        Tie(edit, label);
    }
    auto* unit = new TLabel(this);
    unit->SetParent(box);
    unit->SetCaption(row.Unit);
    unit->SetBounds(edit->Left() + kEditWidth + kGap, top + 3, kUnitWidth, kRowHeight - 4);
    Tie(edit, unit);
    return edit;
}

void TForm12::MakeHiddenControls() {
    auto* mortar = new TGroupBox(this);
    mortar->SetParent(ScrollBox1);
    mortar->SetCaption("Минометный старт");
    mortar->SetBounds(kGap, 0, kGroupWidth, kGroupTop + 5 * kRowHeight);
    mortar->SetVisible(false);
    int top = kGroupTop;
    for (const char* text : {"0,800", "0,200", "1,00", "1,500"}) {
        auto* edit = new TEdit(this);
        edit->SetParent(mortar);
        edit->SetText(text);
        edit->SetBounds(kGap + kLabelWidth, top, kEditWidth, kRowHeight - 2);
        top += kRowHeight;
    }
    AddSpinEdit(mortar, DipHiddenAcceleration(), top);
}

TButton* TForm12::AddButton(TWinControl* parent, int left, int top, int width, const std::string& caption) {
    auto* button = new TButton(this);
    button->SetParent(parent);
    button->SetCaption(caption);
    button->SetBounds(left, top, width, kButtonHeight);
    return button;
}

void TForm12::MakeSideControls() {
    int top = kScrollBoxTop;
    for (const char* caption : {"Записать настройки в контроллер", "Прочитать настройки с контроллера", "Печать настроек",
                                "Закрыть"}) {
        AddButton(this, kSideLeft, top, kSideWidth, caption);
        top += kButtonHeight + kGap;
    }
    Memo1 = new TMemo(this);
    Memo1->SetName("Memo1");
    Memo1->SetParent(this);
    Memo1->SetBounds(kSideLeft, kScrollBoxTop + kSideButtons * (kButtonHeight + kGap), kSideWidth,
                     kWindowHeight - kScrollBoxBelow - kSideButtons * (kButtonHeight + kGap));
    Memo1->SetReadOnly(true);
    Memo1->Lines()->Add("Отладка");

    skButton1 = AddButton(this, 4, kWindowHeight - kButtonAbove, 120, "Закрыть");
    skButton1->SetName("skButton1");
    skButton1->OnClick = [this](TObject*) { Close(); };
    defaultsButton_ = AddButton(this, 4 + 120 + kGap, kWindowHeight - kButtonAbove, 220, "Настройки по умолчанию");
}

void TForm12::Tie(TControl* control, TControl* companion) {
    if (control) companions_[control].push_back(companion);
}

void TForm12::SetEnabledWithCompanions(TControl* control, bool enabled) {
    control->SetEnabled(enabled);
    if (auto found = companions_.find(control); found != companions_.end())
        for (TControl* companion : found->second) companion->SetEnabled(enabled);
}

bool TForm12::EnabledWithCompanions(const TControl* control) const {
    if (!control->Enabled()) return false;
    if (auto found = companions_.find(control); found != companions_.end())
        for (const TControl* companion : found->second)
            if (!companion->Enabled()) return false;
    return true;
}

TDecimalSpinEdit* TForm12::SpinEdit(const char* name) const { return dynamic_cast<TDecimalSpinEdit*>(FindComponent(name)); }
TCheckBox* TForm12::CheckBox(const char* name) const { return dynamic_cast<TCheckBox*>(FindComponent(name)); }
TComboBox* TForm12::ComboBox(const char* name) const { return dynamic_cast<TComboBox*>(FindComponent(name)); }
TGroupBox* TForm12::GroupBox(const char* name) const { return dynamic_cast<TGroupBox*>(FindComponent(name)); }

void TForm12::ShowDeviceStatus(TColor color, const std::string& caption) {
    Panel1->SetColor(color);
    Panel1->SetCaption(caption);
}

void TForm12::FormResize() {
    if (Height() > kMostHeight) {
        SetHeight(kMostHeight);
        return;
    }
    skButton1->SetTop(Height() - kButtonAbove);
    defaultsButton_->SetTop(Height() - kButtonAbove);
    ScrollBox1->SetHeight(Height() - kScrollBoxBelow);
}

void TForm12::ScrollBy(int pixels) {
    TControlScrollBar* bar = ScrollBox1->VertScrollBar();
    bar->SetPosition(bar->Position() + pixels);
}

bool TForm12::FormMouseWheel(int delta) {
    // One notch, one step of the scroll box, whichever control is under the cursor.
    ScrollBy(delta < 0 ? kWheelStep : -kWheelStep);
    return true;
}

void TForm12::N7Click(TObject*) { StartDipJob(djRead, view_); }
void TForm12::N8Click(TObject*) { StartDipJob(djWrite, view_); }

void TForm12::AddLogLine(const std::string& line) { ::AddLogLine(*Memo1, line); }

TDipEncoding TForm12::EncodeBlock(std::uint8_t block) { return EncodeDipBlock(block, BlockValues(block)); }

void TForm12::DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) {
    AddLogLine("Блок " + std::to_string(block) + " успешно прочитан!");
    if (bytes.size() < DipBlockSize(block)) return;
    LoadBlockValues(block, DecodeDipBlock(block, bytes.data()));
}
