#include "settings/secondstage/SecondStageSettingsForm.h"

#include "device/forms/LogMemoLine.h"
#include "settings/dialogs/WarningForm.h"
#include "settings/files/SettingsFileFormat.h"
#include "settings/layout/StageWindowParts.h"
#include "settings/singlestage/EasyFormLayout.h"
#include "platform/system/Clock.h"
#include "ui/core/IniFiles.h"
#include "ui/core/PublishedProperties.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"
#include "ui/menus/Menus.h"

TForm6* Form6 = nullptr;

namespace {

constexpr int kGroupPauseMs = 50;
constexpr int kScrollBoxBelow = 84;
// The second stage's own files, which the window only recognises.
constexpr int kSecondStageRecordType = 11;
const char* const kFileFilter = "Settings|*.cfg";

}  // namespace

const TClassInfo& TForm6::StaticClass() {
    static const TClassInfo info = TPublished<TForm6>("TForm6", TForm::StaticClass()).Build();
    return info;
}

TForm6::TForm6(TComponent* owner)
    : TForm(owner), sheet_(std::make_unique<TSettingsSheet>(this)), view_(static_cast<TStage2View*>(this), [](TStage2View*) {}) {
    SetName("Form6");
    SetCaption(kSecondStageCaption);
    SetPosition(TPosition::poScreenCenter);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    SetBounds(Left(), Top(), kSecondStageWidth, kSecondStageHeight);
    MakeMenu();
    MakeLayout();
    OnShow = [this](TObject*) { FormShow(); };
    OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        FormMouseWheel(delta);
        handled = true;
    };
}

TForm6::~TForm6() { view_.reset(); }

void TForm6::MakeMenu() {
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
    TMenuItem* file = add(nullptr, "   Файл   ");
    N2 = add(file, "Создать", [this](TObject* s) { N2Click(s); });
    add(file, "Открыть");
    add(file, "Сохранить");
    add(file, "Сохранить как");
    N13 = add(file, "Закрыть файл", [this](TObject* s) { N13Click(s); });
    add(file, "Выход");
    SaveToFileItem = add(file, "Сохранить настройки в файл", [this](TObject*) { SaveToFileClick(); });
    LoadFromFileItem = add(file, "Загрузить настройки с файла", [this](TObject*) { LoadFromFileClick(); });
    SaveToFileItem->SetVisible(false);
    LoadFromFileItem->SetVisible(false);
    TMenuItem* device = add(nullptr, "   Устройство   ");
    btnReadSettings = add(device, "Прочитать параметры", [this](TObject* s) { btnReadSettingsClick(s); });
    btnWriteSettings = add(device, "Записать параметры", [this](TObject* s) { btnWriteSettingsClick(s); });
    SetMenu(MainMenu1);
}

void TForm6::MakeLayout() {
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetBounds(4, 4, kStageScrollBoxWidth, kSecondStageHeight - kScrollBoxBelow);

    static const char* const kGroupNames[kSecondStageGroupCount] = {"grpLaunch",  "grpBurnout",      "grpApogee",
                                                                    "grpDescent", "grpLandingBaro", "grpLandingTilt"};
    int groupTop = 0;
    int boxTop = 0;
    for (const TSheetGroup& group : SecondStageGroups()) {
        TPanel*& slot = Groups[group.Panel];
        if (!slot) {
            if (group.Panel > 0) groupTop += Groups[group.Panel - 1]->Height() + kEasyPanelGap;
            slot = new TPanel(this);
            slot->SetName(kGroupNames[group.Panel]);
            slot->SetParent(ScrollBox1);
            slot->SetCaption("");
            slot->SetBounds(0, groupTop, kSheetPanelWidth, 0);
            boxTop = kEasyGroupGap;
        }
        sheet_->AddGroup(slot, kEasyGroupGap, boxTop, kSheetPanelWidth - 2 * kEasyGroupGap, group);
        boxTop += SheetGroupHeight(group) + kEasyGroupGap;
        slot->SetHeight(boxTop);
    }
    for (const char* name : SecondStageDisabledAtStart()) sheet_->SetRowEnabled(static_cast<TControl*>(FindComponent(name)), false);
    CheckBox("CheckBox1")->OnClick = [this](TObject* s) { CheckBox1Click(s); };
    for (const char* name : {"skCheckBox8", "skCheckBox9", "skCheckBox10"})
        CheckBox(name)->OnClick = [this](TObject* s) { CheckBox1Click(s); };
    CheckBox("CheckBox3")->OnClick = [this](TObject* s) { CheckBox3Click(s); };
    CheckBox("skCheckBox3")->OnClick = [this](TObject* s) { CheckBox3Click(s); };
    CheckBox("CheckBox2")->OnClick = [this](TObject* s) { CheckBox2Click(s); };
    CheckBox1Click(nullptr);

    const TStageStartPanel start =
        AddStageStartPanel(*this, ScrollBox1, kSecondStageHeight, [this](TObject* s) { btnCreateClick(s); }, nullptr);
    Panel3 = start.Panel, btnCreate = start.Create;

    const TStageSideColumn side = AddStageSideColumn(*this, kSecondStageHeight - kStageMemoTop - kScrollBoxBelow);
    Button1 = side.Close, Memo1 = side.Memo;

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Filter = kFileFilter;
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Filter = kFileFilter;
    SaveDialog1->FileName = "Settings";
}

TDecimalSpinEdit* TForm6::SpinEdit(const char* name) const { return dynamic_cast<TDecimalSpinEdit*>(FindComponent(name)); }

TCheckBox* TForm6::CheckBox(const char* name) const { return dynamic_cast<TCheckBox*>(FindComponent(name)); }

void TForm6::AddLogLine(const std::string& line) { ::AddLogLine(*Memo1, line); }

void TForm6::btnReadSettingsClick(TObject*) { StartStage2Job(s2Read, view_); }

void TForm6::btnWriteSettingsClick(TObject*) {
    if (!CheckBox("CheckBox2")->Checked() && !CheckBox("CheckBox3")->Checked()) {
        Application->MessageBox("Внимание! Не выбран воспламенитель!", "Внимание!", MB_OK | MB_ICONWARNING);
        return;
    }
    StartStage2Job(s2Write, view_);
}

void TForm6::CheckBox1Click(TObject*) {
    const bool on = CheckBox("CheckBox1")->Checked();
    for (const char* name : {"skDecimalSpinEdit5", "skDecimalSpinEdit6"}) sheet_->SetRowEnabled(SpinEdit(name), on);
}

void TForm6::CheckBox2Click(TObject*) { sheet_->SetRowEnabled(SpinEdit("skDecimalSpinEdit2"), CheckBox("CheckBox2")->Checked()); }

void TForm6::CheckBox3Click(TObject*) {
    const bool on = CheckBox("CheckBox3")->Checked();
    for (const char* name : {"skDecimalSpinEdit3", "skDecimalSpinEdit4"}) sheet_->SetRowEnabled(SpinEdit(name), on);
}

void TForm6::FormShow() {
    for (auto group = Groups.rbegin(); group != Groups.rend(); ++group) (*group)->SetVisible(false);
    Panel3->SetVisible(true);
}

void TForm6::ShowStage2Groups() {
    for (TPanel* group : Groups) {
        group->SetVisible(true);
        Application->ProcessMessages();
        if (group != Groups.back()) platform::Sleep(kGroupPauseMs);
    }
}

void TForm6::HideStage2Groups() {
    for (auto group = Groups.rbegin(); group != Groups.rend(); ++group) {
        (*group)->SetVisible(false);
        Application->ProcessMessages();
        platform::Sleep(kGroupPauseMs);
    }
    Panel3->SetVisible(true);
}

void TForm6::btnCreateClick(TObject* Sender) {
    Panel3->SetVisible(false);
    N2Click(Sender);
}

void TForm6::N2Click(TObject*) {
    Application->ProcessMessages();
    if (Form17) Form17->ShowModal();
    ShowStage2Groups();
}

void TForm6::N13Click(TObject*) { HideStage2Groups(); }

void TForm6::FormMouseWheel(int delta) {
    ScrollByWheel(*ScrollBox1, delta);
}

void TForm6::SaveToFileClick() { SaveDialog1->Execute(); }

void TForm6::LoadFromFileClick() {
    if (!OpenDialog1->Execute()) return;
    TMemIniFile file(OpenDialog1->FileName);
    if (file.ReadInteger("RecordType", "RecordType", 0) != kSecondStageRecordType)
        Application->MessageBox(kWrongSettingsFileText, "Ошибка", MB_OK | MB_ICONERROR);
}
