#include "settings/firststage/FirstStageSettingsForm.h"

#include "settings/firststage/FirstStageLayout.h"
#include "settings/layout/StageWindowParts.h"
#include "settings/ranges/EditFocusRelease.h"
#include "settings/singlestage/EasyFormLayout.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/forms/Application.h"
#include "ui/menus/Menus.h"

TForm18* Form18 = nullptr;

namespace {

constexpr int kFixedWidth = 848;
constexpr int kScrollBoxBelow = 84;
constexpr int kMemoBelow = 300;
const char* const kFileFilter = "Settings|*.cfg";
const char* const kFileExt = "*.cfg";
const char* const kFileOffered = "Settings";

}  // namespace

const TClassInfo& TForm18::StaticClass() {
    static const TClassInfo info = TPublished<TForm18>("TForm18", TForm::StaticClass()).Build();
    return info;
}

TForm18::TForm18(TComponent* owner) : TForm(owner), sheet_(std::make_unique<TSettingsSheet>(this)) {
    SetName("Form18");
    SetCaption(kFirstStageCaption);
    SetPosition(TPosition::poScreenCenter);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBorderIcons({TBorderIcon::biSystemMenu});
    SetBounds(Left(), Top(), kFirstStageWidth, kFirstStageHeight);
    MakeMenu();
    MakeLayout();
    ApplyEnablingRules();
    FirstStageModified = false;

    OnShow = [this](TObject*) { FormShow(); };
    OnCloseQuery = [this](TObject*, bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](TObject*, TCloseAction&) { UnregisterEditFocusRelease(this); };
    OnResize = [this](TObject*) { FormResize(); };
    OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        FormMouseWheel(delta);
        handled = true;
    };
}

TForm18::~TForm18() {
    // Taking the menu away resizes the window while its controls go.
    OnResize = nullptr;
    UnregisterEditFocusRelease(this);
}

void TForm18::MakeMenu() {
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
    add(N1, "Создать");
    N3 = add(N1, "Открыть", [this](TObject* s) { N3Click(s); });
    N7 = add(N1, "Сохранить", [this](TObject* s) { N7Click(s); });
    N8 = add(N1, "Сохранить как", [this](TObject* s) { N8Click(s); });
    N13 = add(N1, "Закрыть файл", [this](TObject* s) { N13Click(s); });
    add(N1, "Выход");
    TMenuItem* device = add(nullptr, "   Устройство   ");
    add(device, "Прочитать параметры");
    add(device, "Записать параметры");
    add(nullptr, "Печать   ");
    add(nullptr, "Помощь   ");
    SetMenu(MainMenu1);
}

void TForm18::MakeLayout() {
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetBounds(4, 4, kStageScrollBoxWidth, kFirstStageHeight - kScrollBoxBelow);

    TPanel* panels[kEasyPanelCount] = {};
    int panelTop = 0;
    int groupTop = 0;
    for (const TSheetGroup& group : FirstStageGroups()) {
        TPanel*& panel = panels[group.Panel];
        if (!panel) {
            if (group.Panel > 0) panelTop += panels[group.Panel - 1]->Height() + kEasyPanelGap;
            panel = sheet_->AddPanel(ScrollBox1, EasyPanelName(group.Panel), panelTop, EasyPanelCaption(group.Panel),
                                     EasyPanelColor(group.Panel));
            groupTop = kEasyPanelHeader + kEasyGroupGap;
        }
        sheet_->AddGroup(panel, kEasyGroupGap, groupTop, kSheetPanelWidth - 2 * kEasyGroupGap, group);
        groupTop += SheetGroupHeight(group) + kEasyGroupGap;
        panel->SetHeight(groupTop);
        for (const TSheetRow& row : group.Rows) {
            if (row.Kind == TSheetRowKind::Edit) {
                TDecimalSpinEdit* edit = SpinEdit(row.Name);
                edit->OnUpClick = [this](TObject* s) { SpinEditUp(s); };
                edit->OnDownClick = [this](TObject* s) { SpinEditDown(s); };
                edit->OnKeyUp = [this](TObject* s, platform::WORD& key, TShiftState shift) { SpinEditKeyUp(s, key, shift); };
                // The barometric start's values are not watched for changes, as the window always had it.
                const std::string name = row.Name;
                if (name != "skDecimalSpinEdit9" && name != "skDecimalSpinEdit10" && name != "skDecimalSpinEdit11")
                    edit->OnChange = [this](TObject*) { FirstStageModified = true; };
            } else if (row.Kind == TSheetRowKind::Switch || row.Kind == TSheetRowKind::HiddenSwitch) {
                TCheckBox* box = CheckBox(row.Name);
                const bool defaults = std::string(row.Caption).find("умолчанию") != std::string::npos;
                box->OnClick = defaults ? TNotifyEvent([this, box](TObject*) { DefaultsClick(box); })
                                        : TNotifyEvent([this, box](TObject*) { SwitchClick(box); });
            }
        }
    }
    pnlBlock1 = panels[0], pnlBlock2 = panels[1], pnlBlock3 = panels[2], pnlBlock4 = panels[3];

    const TStageStartPanel start = AddStageStartPanel(*this, ScrollBox1, kFirstStageHeight,
                                                      [this](TObject* s) { btnCreateClick(s); },
                                                      [this](TObject* s) { btnOpenClick(s); });
    Panel3 = start.Panel, btnCreate = start.Create, btnOpen = start.Open;

    const TStageSideColumn side = AddStageSideColumn(*this, kFirstStageHeight - kMemoBelow);
    GroupBox9 = side.Usb, Button6 = side.Close, Memo1 = side.Memo;
    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetParent(this);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Filter = kFileFilter;
    OpenDialog1->SetDefaultExt(kFileExt);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Filter = kFileFilter;
    SaveDialog1->FileName = kFileOffered;
    SaveDialog1->SetDefaultExt(kFileExt);
}

TDecimalSpinEdit* TForm18::SpinEdit(const char* name) const { return dynamic_cast<TDecimalSpinEdit*>(FindComponent(name)); }

TCheckBox* TForm18::CheckBox(const char* name) const { return dynamic_cast<TCheckBox*>(FindComponent(name)); }

void TForm18::FormShow() {
    HideFirstStageSettings();
    FirstStageModified = false;
    RegisterEditFocusRelease(this, ScrollBox1);
}

void TForm18::FormResize() {
    if (Width() != kFixedWidth) {
        SetWidth(kFixedWidth);
        return;
    }
    ScrollBox1->SetHeight(std::max(0, Height() - kScrollBoxBelow));
    Memo1->SetHeight(std::max(0, Height() - kMemoBelow));
    Panel3->SetTop(Height() / 2 - Panel3->Height());
}

void TForm18::FormMouseWheel(int delta) {
    ScrollByWheel(*ScrollBox1, delta);
}
