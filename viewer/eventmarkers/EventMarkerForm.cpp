#include "viewer/eventmarkers/EventMarkerForm.h"

#include "platform/window/WindowStyles.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/PlaceControl.h"
#include "viewer/eventmarkers/EventMarkerPlacement.h"
#include "viewer/eventmarkers/HeaderSettingsFields.h"
#include "viewer/markers/MarkerBalloon.h"

TForm4* Form4 = nullptr;

namespace {

constexpr int kDesignWidth = 811;
constexpr int kDesignHeight = 682;
constexpr int kForcedWidth = 796;
// Room below the scroll box for the window's buttons.
constexpr int kButtonStrip = 80;
// The scroll box's frame and vertical scroll bar.
constexpr int kScrollBoxChrome = 4 + 17;
constexpr int kButtonsFromBottom = 70;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 10;
constexpr unsigned kNoLogNoticeMilliseconds = 100;
constexpr const char* kKindLimitText = "Можно выбрать не больше 10 маркеров";

}  // namespace

const TClassInfo& TForm4::StaticClass() {
    static const TClassInfo info = TPublished<TForm4>("TForm4", TForm::StaticClass()).Build();
    return info;
}

TForm4::TForm4(TComponent* owner) : TForm(owner) {
    SetName("Form4");
    SetCaption("Настройка вертикальных маркеров");
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poDesktopCenter);
    SetColor(clBtnFace);
    SetBounds(0, 0, kDesignWidth, kDesignHeight);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->VertScrollBar()->Tracking = true;
    BuildButtons();
    FormResize(this);  // the sheet is laid out for the width the window keeps
    BuildSettingsSheet();
    BuildMarkerKindTable();

    OnResize = [this](TObject* s) { FormResize(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnMouseWheel = [this](TObject* s, TShiftState shift, int delta, TPoint p, bool& handled) {
        FormMouseWheel(s, shift, delta, p, handled);
    };
}

void TForm4::BuildButtons() {
    const struct {
        TButton*& button;
        const char* name;
        const char* caption;
        void (TForm4::*click)(TObject*);
    } buttons[] = {
        {Button2, "Button2", "Применить", &TForm4::Button2Click},
        {Button3, "Button3", "Очистить", &TForm4::Button3Click},
        {Button1, "Button1", "Выйти", &TForm4::Button1Click},
    };
    int left = kButtonGap;
    for (const auto& b : buttons) {
        b.button = PlaceControl<TButton>(this, this, b.name, left, 0, kButtonWidth, kButtonHeight);
        b.button->SetCaption(b.caption);
        b.button->OnClick = [this, click = b.click](TObject* s) { (this->*click)(s); };
        left += kButtonWidth + kButtonGap;
    }
    // Nothing writes it; it stays out of sight.
    Memo1 = PlaceControl<TMemo>(this, this, "Memo1", 0, 0, kButtonWidth, kButtonHeight);
    Memo1->Hide();

    skColorDialog1 = new TColorDialog(this);
    skColorDialog1->SetName("skColorDialog1");
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(kNoLogNoticeMilliseconds);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
}

void TForm4::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    // A taskbar button of its own, though it stays on top of the main window.
    params.ExStyle |= platform::WS_EX_APPWINDOW;
}

void TForm4::BuildMarkerKindTable() {
    for (int code = 1; code <= kMarkerKindCount; ++code) {
        const int number = MarkerControlOfCode(code);
        MarkerKindTable[static_cast<std::size_t>(code - 1)] = {ColorPanel(number), MarkerText(number)};
    }
}

void TForm4::ControlChecked(TObject* Sender) {
    KindsModified = true;
    auto* box = dynamic_cast<TCheckBox*>(Sender);
    if (!MarkerWindowShown || !box || !box->Checked() || CheckedKindCount() <= static_cast<int>(kEventMarkerLimit))
        return;
    const TPoint at = MarkerBalloonPoint(*box);
    ShowMarkerBalloon(*box, at.X, at.Y, kKindLimitText, kMarkerBalloonWidth);
    box->SetChecked(false);
}

int TForm4::CheckedKindCount() const {
    int count = 0;
    for (const MarkerKind& kind : MarkerKindTable) count += kind.CheckBox->Checked() ? 1 : 0;
    return count;
}

void TForm4::FormResize(TObject*) {
    if (Width() != kForcedWidth) SetWidth(kForcedWidth);
    ScrollBox1->SetBounds(0, 0, ClientWidth(), Height() - kButtonStrip);
    for (TButton* button : {Button1, Button2, Button3}) button->SetTop(Height() - kButtonsFromBottom);
    Memo1->SetHeight(Height() - kButtonStrip);
    KindsModified = false;
}

void TForm4::AddRows(SettingsSheetLayout& sheet, std::initializer_list<int> labelNumbers) {
    for (int number : labelNumbers) rows_[number] = sheet.AddValueRow(number);
}

void TForm4::AddKinds(SettingsSheetLayout& sheet, std::initializer_list<int> codes) {
    for (int code : codes) {
        const int number = MarkerControlOfCode(code);
        const SheetKind kind = sheet.AddKind(number);
        kind.CheckBox->OnClick = [this](TObject* s) { ControlChecked(s); };
        kind.ColorPanel->OnClick = [this](TObject* s) { ColorPanelClick(s); };
        markerTexts_[static_cast<std::size_t>(number - 1)] = kind.CheckBox;
        colorPanels_[static_cast<std::size_t>(number - 1)] = kind.ColorPanel;
    }
}

void TForm4::BuildSettingsSheet() {
    SettingsSheetLayout sheet(this, ScrollBox1, ScrollBox1->Width() - kScrollBoxChrome);
    auto addSwitch = [&](std::size_t pageByte) {
        for (const HeaderFlagField& flag : HeaderFlagFields())
            if (flag.PageByte == pageByte) switchCaptions_[pageByte] = sheet.AddCaption(flag.SwitchCaption);
    };

    sheet.BeginSection("Активный участок подъема");
    sheet.BeginGroup("Определение старта ракеты");
    sheet.BeginGroup(" Определение старта по ускорению");
    AddRows(sheet, {6, 7, 10, 21, 9});
    AddKinds(sheet, {1, 6, 11, 20});
    sheet.End();
    sheet.BeginGroup("Определение старта по барометру");
    AddRows(sheet, {22, 23, 24});
    AddKinds(sheet, {2, 4});
    sheet.End();
    sheet.End();
    sheet.BeginGroup("Определение внештатного старта и аварийный выброс парашюта");
    AddRows(sheet, {25, 26, 27, 28});
    AddKinds(sheet, {21});
    sheet.End();
    sheet.End();

    sheet.BeginSection("Пассивный участок подъема");
    sheet.BeginGroup("Определение окончание работы двигателя ");
    AddRows(sheet, {29, 30});
    AddKinds(sheet, {3});
    sheet.End();
    sheet.End();

    sheet.BeginSection("Спуск и система спасения");
    sheet.BeginGroup("Определение апогея по барометру");
    AddRows(sheet, {31, 32, 33});
    AddKinds(sheet, {18, 5});
    sheet.End();
    sheet.BeginGroup(" Спуск ракеты ");
    AddRows(sheet, {34});
    sheet.BeginGroup(" Выброс тормозного парашюта ");
    addSwitch(52);
    AddRows(sheet, {35});
    AddKinds(sheet, {7, 12, 13});
    sheet.End();
    sheet.BeginGroup(" Выброс основного парашюта ");
    addSwitch(55);
    AddRows(sheet, {36, 37, 38, 39});
    AddKinds(sheet, {8, 9, 14, 15, 19});
    sheet.End();
    sheet.End();
    sheet.BeginGroup(" Дополнительный ключ ", false);
    AddKinds(sheet, {16, 17});
    sheet.End();
    sheet.End();

    sheet.BeginSection("Приземление");
    sheet.BeginGroup(" Приземление ");
    AddRows(sheet, {40, 41, 42});
    AddKinds(sheet, {10});
    sheet.End();
    sheet.End();
}
