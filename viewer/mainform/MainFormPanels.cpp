// The controls of the main window around the chart: the floating panels on
// it, the side panel, the status bar, the hidden groups and the dialogs.

#include "viewer/mainform/MainForm.h"

#include "platform/text/Fonts.h"
#include "platform/window/Focus.h"
#include "platform/window/WindowMessages.h"
#include "tools/skingen/ClassicSkinArt.h"
#include "tools/skingen/InternalSkin.h"
#include "ui/dialogs/PlaceControl.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/navigation/StepZoom.h"

#include <functional>
#include <string>
#include <utility>

namespace {

constexpr int kFloatingPanelWidth = 220;
// The window command that moves a window by its caption.
constexpr platform::WPARAM kMoveByCaption = 0xF012;
constexpr TColor kLegendStripColor = clBtnFace;

TPanel* PlacePanel(TWinControl* parent, TComponent* owner, const std::string& name, int left, int top, int width,
                   int height, const std::string& caption = "") {
    auto* panel = PlaceControl<TPanel>(parent, owner, name, left, top, width, height);
    panel->SetCaption(caption);
    return panel;
}

TLabel* PlaceLabel(TWinControl* parent, TComponent* owner, const std::string& name, int left, int top, int width,
                   const std::string& caption) {
    auto* label = PlaceControl<TLabel>(parent, owner, name, left, top, width, 16);
    label->SetCaption(caption);
    return label;
}

TButton* PlaceButton(TWinControl* parent, TComponent* owner, const std::string& name, int left, int top, int width,
                     const std::string& caption) {
    auto* button = PlaceControl<TButton>(parent, owner, name, left, top, width, 24);
    button->SetCaption(caption);
    return button;
}

// A press anywhere on a floating panel drags the panel.
void DragsPanel(TControl* control, TPanel* panel) {
    control->OnMouseDown = [panel](TObject*, TMouseButton, TShiftState, int, int) {
        platform::ReleaseCapture();
        panel->Perform(platform::WM_SYSCOMMAND, kMoveByCaption, 0);
    };
}

}  // namespace

void TForm1::BuildFloatingPanels() {
    Panel1 = PlacePanel(Chart1, this, "Panel1", 300, 200, 260, 70, "ЗАГРУЗКА ДАННЫХ");
    skGauge1 = PlaceControl<TGauge>(Panel1, this, "skGauge1", 10, 44, 240, 18);
    Panel1->Hide();

    Panel3 = PlacePanel(Chart1, this, "Panel3", 0, 0, kFloatingPanelWidth, 120);
    Panel8 = PlacePanel(Panel3, this, "Panel8", 0, 0, kFloatingPanelWidth, 18);
    Panel5 = PlacePanel(Panel8, this, "Panel5", kFloatingPanelWidth - 18, 1, 16, 16, "X");
    const char* const results[] = {"Запуск номер: - - - ", "Дата запуска: ", "Макс. высота: 000 m",
                                   "Время полета: 0.0 sec", "Макс. ускорение: 0.00 sec"};
    int y = 22;
    DragsPanel(Panel3, Panel3);
    DragsPanel(Panel8, Panel3);
    for (const char* text : results) {
        DragsPanel(PlaceLabel(Panel3, this, "", 8, y, kFloatingPanelWidth - 16, text), Panel3);
        y += 18;
    }
    Panel5->OnClick = [this](TObject*) {
        Panel3->Hide();
        PlaceFloatingPanels();
    };
    Panel3->Hide();

    Panel4 = PlacePanel(Chart1, this, "Panel4", 0, 0, kFloatingPanelWidth, 20 + kMarkerLegendRows * kLegendRowPitch + 4);
    Panel7 = PlacePanel(Panel4, this, "Panel7", 0, 0, kFloatingPanelWidth, 18);
    Panel6 = PlacePanel(Panel7, this, "Panel6", kFloatingPanelWidth - 18, 1, 16, 16, "X");
    DragsPanel(Panel4, Panel4);
    DragsPanel(Panel7, Panel4);
    for (int row = 1; row <= kMarkerLegendRows; ++row) {
        const int top = 20 + (row - 1) * kLegendRowPitch;
        PanMarkerColor[row] = PlacePanel(Panel4, this, "PanMarkerColor" + std::to_string(row), 6, top + 2, 24, 12);
        PanMarkerText[row] = PlaceLabel(Panel4, this, "PanMarkerText" + std::to_string(row), 36, top, kFloatingPanelWidth - 42, "");
        DragsPanel(PanMarkerColor[row], Panel4);
        DragsPanel(PanMarkerText[row], Panel4);
    }
    Panel6->OnClick = [this](TObject*) {
        Panel4->Hide();
        Form19->skCheckBox3->SetChecked(false);
        PlaceFloatingPanels();
    };
    Panel4->Hide();
}

void TForm1::BuildSidePanel() {
    Panel2 = PlacePanel(this, this, "Panel2", 820, 2, kSidePanelWidth, 600);

    GroupBox1 = PlaceControl<TGroupBox>(Panel2, this, "GroupBox1", 4, 2, 282, 196);
    GroupBox1->SetCaption("Вертикальные маркеры");
    GroupBox4 = PlaceControl<TGroupBox>(GroupBox1, this, "GroupBox4", 6, 18, 270, 138);
    GroupBox4->SetCaption("");
    chk1 = PlaceControl<TCheckBox>(GroupBox4, this, "chk1", 8, 18, 70, 20);
    chk1->SetCaption("Начало");
    chk2 = PlaceControl<TCheckBox>(GroupBox4, this, "chk2", 8, 46, 70, 20);
    chk2->SetCaption("Конец");
    skMaskEdit1 = PlaceControl<TMaskEdit>(GroupBox4, this, "skMaskEdit1", 84, 18, 80, 22);
    skMaskEdit2 = PlaceControl<TMaskEdit>(GroupBox4, this, "skMaskEdit2", 84, 46, 80, 22);
    for (TMaskEdit* edit : {skMaskEdit1, skMaskEdit2}) {
        edit->SetEditMask("##:##,##");
        edit->SetText("00:00,00");
    }
    skUpDown1 = PlaceControl<TUpDown>(GroupBox4, this, "skUpDown1", 166, 18, 16, 22);
    skUpDown2 = PlaceControl<TUpDown>(GroupBox4, this, "skUpDown2", 166, 46, 16, 22);
    PlaceLabel(GroupBox4, this, "", 190, 22, 70, "мин:сек");
    PlaceLabel(GroupBox4, this, "", 190, 50, 70, "мин:сек");
    PlaceLabel(GroupBox4, this, "", 8, 80, 70, "Время:");
    Label5 = PlaceLabel(GroupBox4, this, "Label5", 84, 80, 80, "00:00,00");
    btn3 = PlaceButton(GroupBox4, this, "btn3", 8, 104, 254, "Удалить маркеры");
    PlaceLabel(GroupBox1, this, "", 10, 166, 110, "Анализ графика:");
    ComboBox1 = PlaceControl<TComboBox>(GroupBox1, this, "ComboBox1", 124, 162, 150, 22);
    ComboBox1->Items().Add("   Высоты");
    ComboBox1->Items().Add("   Ускорения");

    GroupBox3 = PlaceControl<TGroupBox>(Panel2, this, "GroupBox3", 4, 202, 282, 76);
    GroupBox3->SetCaption("Горизонтальные маркеры");
    CheckBox1 = PlaceControl<TCheckBox>(GroupBox3, this, "CheckBox1", 10, 20, 100, 20);
    CheckBox1->SetCaption("Маркер 1");
    CheckBox2 = PlaceControl<TCheckBox>(GroupBox3, this, "CheckBox2", 130, 20, 100, 20);
    CheckBox2->SetCaption("Маркер 2");
    Button5 = PlaceButton(GroupBox3, this, "Button5", 10, 46, 262, "Удалить маркеры");
    for (int n = 10; n <= 14; ++n) PlaceButton(GroupBox3, this, "Button" + std::to_string(n), 0, 0, 20, "")->Hide();

    GroupBox2 = PlaceControl<TGroupBox>(Panel2, this, "GroupBox2", 4, 282, 282, 22 + kMarkerLegendRows * kLegendRowPitch);
    GroupBox2->SetCaption("Маркеры");
    for (int row = 1; row <= kMarkerLegendRows; ++row) {
        const int top = 18 + (row - 1) * kLegendRowPitch;
        MarkerColor[row] = PlacePanel(GroupBox2, this, "MarkerColor" + std::to_string(row), 8, top + 2, 24, 12);
        MarkerColor[row]->SetColor(kLegendStripColor);
        MarkerText[row] = PlaceLabel(GroupBox2, this, "MarkerText" + std::to_string(row), 38, top, 236, "");
    }

    Button15 = PlaceButton(Panel2, this, "Button15", 4, 476, 282, "Рассчитать высоту");
    skMemo1 = PlaceControl<TMemo>(Panel2, this, "skMemo1", 4, 504, 282, 90);
    skMemo1->SetReadOnly(true);
    skMemo1->SetScrollBars(TScrollStyle::ssVertical);
    skMemo1->WantReturns = false;
    skMemo1->SetTabStop(false);

    SpeedButton1 = PlaceControl<TSpeedButton>(this, this, "SpeedButton1", 1114, 2, 12, 600);
    SpeedButton1->SetCaption(">");
    SpeedButton1->SetHint("Скрыть панель");
    SpeedButton1->SetShowHint(true);
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };

    Label6 = PlaceLabel(this, this, "Label6", 8, 560, 140, "мин:сек:сотые сек");
    // The chart lies over the label, so it is not seen.
    Chart1->BringToFront();

    StatusBar1 = PlaceControl<TStatusBar>(this, this, "StatusBar1", 0, 0, 1120, 10);
    StatusBar1->SetSimplePanel(true);
}

void TForm1::BuildHiddenControls() {
    auto hiddenGroup = [this](const std::string& name, const std::string& caption) {
        auto* group = PlaceControl<TGroupBox>(this, this, name, 0, 0, 200, 120);
        group->SetCaption(caption);
        group->Hide();
        return group;
    };
    TGroupBox* panel3 = hiddenGroup("skGroupBox3", "Panel 3");
    skEdit1 = PlaceControl<TEdit>(panel3, this, "skEdit1", 8, 20, 60, 22);
    skEdit1->SetText("512");
    PlaceButton(panel3, this, "Button1", 8, 46, 120, "Расчитать высоту");
    PlaceButton(panel3, this, "Button2", 8, 72, 80, "Среднее");
    Button3 = PlaceButton(panel3, this, "Button3", 96, 72, 80, "Speed");
    PlaceButton(panel3, this, "Button4", 8, 98, 80, "");

    TGroupBox* zoom = hiddenGroup("skGroupBox1", "Масштабирование");
    PlaceLabel(zoom, this, "", 8, 20, 40, "STEP: ");
    PlaceControl<TSpinEdit>(zoom, this, "skSpinEdit1", 50, 18, 50, 22);
    TChartAxis* bottom = Chart1->BottomAxis();
    TChartAxis* left = Chart1->LeftAxis();
    const std::pair<const char*, std::function<void()>> zoomSteps[] = {
        {"+", [bottom, left] { StepZoomIn(*bottom), StepZoomIn(*left); }},
        {"-", [bottom, left] { StepZoomOut(*bottom), StepZoomOut(*left); }},
        {"X+", [bottom] { StepZoomIn(*bottom); }},
        {"X-", [bottom] { StepZoomOut(*bottom); }},
        {"Y+", [left] { StepZoomIn(*left); }},
        {"Y-", [left] { StepZoomOut(*left); }},
    };
    int x = 8;
    for (const auto& zoomStep : zoomSteps) {
        PlaceButton(zoom, this, "", x, 50, 28, zoomStep.first)->OnClick = [step = zoomStep.second](TObject*) { step(); };
        x += 30;
    }

    TGroupBox* older = hiddenGroup("skGroupBox2", "");
    PlaceControl<TCheckBox>(older, this, "", 8, 18, 120, 20)->SetCaption("Маркер начала");
    PlaceControl<TCheckBox>(older, this, "", 8, 40, 120, 20)->SetCaption("Маркер конца");
    auto* quantities = PlaceControl<TComboBox>(older, this, "", 8, 64, 120, 22);
    for (const char* item : {"Pitch", "Roll", "Yaw", "Atl", "Temper", "AccZ"}) quantities->Items().Add(item);

    for (int n = 6; n <= 9; ++n) PlaceButton(this, this, "Button" + std::to_string(n), 0, 0, 20, "")->Hide();
    PlaceControl<TEdit>(this, this, "edt7", 0, 0, 40, 22)->Hide();
    PlaceControl<TEdit>(this, this, "edt8", 0, 0, 40, 22)->Hide();
}

void TForm1::BuildDialogs() {
    skOpenDialog1 = new TOpenDialog(this);
    skOpenDialog1->SetName("skOpenDialog1");
    skOpenDialog1->Filter = "Log file|*.log|Any file|*.*";
    skSaveDialog1 = new TSaveDialog(this);
    skSaveDialog1->SetName("skSaveDialog1");
    skSaveDialog1->Filter = "GPS log|*.kml";
    skSaveDialog1->SetDefaultExt("*.kml");
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->FileName = "Screenshot";
    SavePictureDialog1->Filter = "PNG (*.png)|*.png|Jpeg (*.jpeg)|*.jpeg";
    SavePictureDialog1->SetDefaultExt("*.png");
    PrintDialog1 = new TPrintDialog(this);
    PrintDialog1->SetName("PrintDialog1");

    BuildSkinManager();
}

void TForm1::BuildSkinManager() {
    skSkinManager1 = new TSkinManager(this);
    skSkinManager1->SetName("skSkinManager1");
    // Its stored settings, read as a form's are: the skin loads now and
    // reaches the windows when the manager is loaded.
    skSkinManager1->SetComponentStateItem(TComponentStateItem::csLoading, true);
    TxAnimEffects& effects = skSkinManager1->AnimEffects();
    effects.FormShow()->Mode = TxAnimType::atFading;
    effects.FormHide()->Mode = TxAnimType::atFading;
    effects.Minimizing()->Active = false;
    AddClassicInternalSkin(*skSkinManager1);
    TxMenuSupport& menus = skSkinManager1->MenuSupport();
    menus.IcoLineSkin = "ICOLINE";
    constexpr int kExtraLineFontHeight = -11;
    menus.ExtraLineFont()->SetCharset(platform::DEFAULT_CHARSET);
    menus.ExtraLineFont()->SetColor(clWindowText);
    menus.ExtraLineFont()->SetHeight(kExtraLineFontHeight);
    menus.ExtraLineFont()->SetName("MS Sans Serif");
    skSkinManager1->SetSkinName(ClassicSkinName);
    for (int kind = 0; kind < ThirdKindCount; ++kind)
        skSkinManager1->ThirdParty().SetValue(kind, kind == static_cast<int>(TSkThirdKind::Button) ? "TButton" : " ");
    skSkinManager1->SetComponentStateItem(TComponentStateItem::csLoading, false);
    skSkinManager1->Loaded();
}
