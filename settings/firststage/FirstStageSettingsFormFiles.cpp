// The window's file commands, the values they carry, and the close question.
// A save reports whether the file was written, so the close question's "Yes"
// closes only after a good save and "Сохранить как" takes a new name only
// once its file is on disk.

#include "settings/dialogs/WarningForm.h"
#include "settings/files/FirstStageSettingsFile.h"
#include "settings/files/SettingsFileCommands.h"
#include "settings/firststage/FirstStageLayout.h"
#include "settings/firststage/FirstStageSettingsForm.h"
#include "settings/layout/ControlValues.h"
#include "platform/system/Clock.h"
#include "ui/core/Exceptions.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

namespace {

constexpr int kPanelPauseMs = 50;

}  // namespace

TSettingsValues TForm18::Settings() const { return ReadControlValues(*this, FirstStageFileKeys()); }

void TForm18::LoadSettings(const TSettingsValues& values) {
    LoadControlValues(*this, values);
    ApplyEnablingRules();
    SetLocks("skCheckBox3", CheckBox("skCheckBox3")->Checked());
    CheckFirstStageTimers();
}

void TForm18::ShowFirstStageSettings() {
    for (TPanel* panel : {pnlBlock1, pnlBlock2, pnlBlock3, pnlBlock4}) {
        panel->SetVisible(true);
        Application->ProcessMessages();
        if (panel != pnlBlock4) platform::Sleep(kPanelPauseMs);
    }
}

void TForm18::HideFirstStageSettings() {
    for (TPanel* panel : {pnlBlock4, pnlBlock3, pnlBlock2, pnlBlock1}) {
        panel->SetVisible(false);
        Application->ProcessMessages();
        platform::Sleep(kPanelPauseMs);
    }
    Panel3->SetVisible(true);
    if (btnCreate->CanFocus()) btnCreate->SetFocus();
}

void TForm18::btnCreateClick(TObject*) {
    Panel3->SetVisible(false);
    Application->ProcessMessages();
    if (Form17) Form17->ShowModal();
    FirstStageFileName.clear();
    SetCaption(std::string(kFirstStageCaption) + " (Файл: *Новый)");
    ShowFirstStageSettings();
}

bool TForm18::OpenFirstStageFile() {
    if (!OpenDialog1->Execute()) return false;
    const std::string path = OpenDialog1->FileName;
    const TSettingsFileRead read = ReadFirstStageSettingsFile(path);
    if (!read.Ok()) {
        Application->MessageBox(read.Error, "Ошибка", MB_OK | MB_ICONERROR);
        return false;
    }
    FirstStageFileName = path;
    Application->ProcessMessages();
    SetCaption(std::string(kFirstStageCaption) + " (Файл: " + SettingsFileShownName(path) + ")");
    LoadSettings(read.Values);
    ShowFirstStageSettings();
    FirstStageModified = false;
    return true;
}

void TForm18::btnOpenClick(TObject*) {
    Panel3->SetVisible(false);
    Application->ProcessMessages();
    if (!OpenFirstStageFile()) Panel3->SetVisible(true);
}

void TForm18::N3Click(TObject*) {
    if (OpenFirstStageFile()) Panel3->SetVisible(false);
}

bool TForm18::WriteFile(const std::string& path) {
    try {
        WriteFirstStageSettingsFile(path, Settings());
    } catch (const EIniFileException&) {
        ShowSettingsWriteFailure(path);
        return false;
    }
    FirstStageFileName = path;
    SetCaption(std::string(kFirstStageSavedCaption) + " (Файл: " + SettingsFileShownName(path) + ")");
    FirstStageModified = false;
    return true;
}

bool TForm18::N7Click(TObject*) {
    if (!FirstStageFileName.empty()) return WriteFile(FirstStageFileName);
    const std::string path = ChooseSettingsSaveName(*SaveDialog1);
    return !path.empty() && WriteFile(path);
}

bool TForm18::N8Click(TObject*) {
    const std::string path = ChooseSettingsSaveName(*SaveDialog1);
    return !path.empty() && WriteFile(path);
}

void TForm18::N13Click(TObject*) { HideFirstStageSettings(); }

void TForm18::FormCloseQuery(bool& canClose) {
    if (FirstStageModified && AskToSaveChangedSettings()) {
        // The window keeps its values until they are on disk.
        canClose = N7Click(this);
        return;
    }
    if (FirstStageModified) HideFirstStageSettings();
    FirstStageModified = false;
}
