// The window's settings-file commands, the values they carry, and the close
// question. A save reports whether the file was written, so the close
// question's "Yes" closes only after a good save and "Сохранить как" takes a
// new name only once its file is on disk.

#include "settings/dialogs/WarningForm.h"
#include "settings/files/SettingsFileCommands.h"
#include "settings/layout/ControlValues.h"
#include "settings/singlestage/EasyFormLayout.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "ui/core/Exceptions.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "platform/system/Clock.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace {

constexpr int kPanelPauseMs = 50;

std::string ClockText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

}  // namespace

void TForm14::LogWithTime(const std::string& text) { AddLogLine(ClockText() + ": " + text); }

TEasySettings TForm14::Settings() const { return ReadControlValues(*this, AllEasyFields()); }

void TForm14::LoadSettings(const TEasySettings& values) {
    LoadControlValues(*this, values);
    ApplyEnablingRules();
    CheckParameterDependencies();
}

TEasyBlockValues TForm14::BlockValues(std::uint8_t block) const {
    const TEasySettings all = Settings();
    TEasyBlockValues values;
    for (const TEasyField& field : EasyBlockFields(block)) values.push_back(all.at(field.Control));
    return values;
}

void TForm14::LoadBlockValues(std::uint8_t block, const TEasyBlockValues& values) {
    const std::vector<TEasyField>& fields = EasyBlockFields(block);
    TEasySettings settings;
    for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) settings[fields[i].Control] = values[i];
    LoadSettings(settings);
}

void TForm14::ShowSettingsPanels() {
    for (TPanel* panel : {pnlBlock1, pnlBlock2, pnlBlock3, pnlBlock4}) {
        panel->SetVisible(true);
        platform::Sleep(kPanelPauseMs);
        Application->ProcessMessages();
    }
}

void TForm14::HideSettingsPanels(bool paced) {
    for (TPanel* panel : {pnlBlock4, pnlBlock3, pnlBlock2, pnlBlock1}) {
        panel->SetVisible(false);
        if (!paced) continue;
        platform::Sleep(kPanelPauseMs);
        Application->ProcessMessages();
    }
}

void TForm14::ShowFileCaption(const std::string& name) {
    SetCaption(std::string(kEasyWindowCaption) + " (Файл: " + name + ")");
}

void TForm14::btnCreateClick(TObject*) {
    Panel3->SetVisible(false);
    Application->ProcessMessages();
    if (Form17) Form17->ShowModal();
    NewEasySettingsFile();
}

void TForm14::NewEasySettingsFile() {
    if (SettingsModified &&
        Application->MessageBox("Текущий файл с настройками не сохранен.\rВы уверены что хотите сознать новый файл?",
                                "Внимание!", MB_YESNO | MB_ICONWARNING) != IDYES)
        return;
    LoadDefaultSettings();
    EasySettingsFileName.clear();
    ShowFileCaption("*Новый");
    Application->ProcessMessages();
    ShowSettingsPanels();
    LogWithTime("Создан файл настроек");
    SettingsModified = false;
}

bool TForm14::OpenEasySettingsFile() {
    OpenDialog1->InitialDir = std::filesystem::current_path().string();
    if (!OpenDialog1->Execute()) return false;
    const std::string path = OpenDialog1->FileName;
    const TEasyFileRead read = ReadEasySettingsFile(path);
    if (!read.Ok()) {
        Application->MessageBox(read.Error, "Ошибка", MB_OK | MB_ICONERROR);
        return false;
    }
    EasySettingsFileName = path;
    LogWithTime("Открыт файл настроек:" + SettingsFileShownName(path));
    ShowFileCaption(SettingsFileShownName(path));
    LoadSettings(read.Values);
    ShowSettingsPanels();
    SettingsModified = false;
    return true;
}

void TForm14::btnOpenClick(TObject*) {
    if (OpenEasySettingsFile()) Panel3->SetVisible(false);
}

void TForm14::N17Click(TObject*) {
    Panel3->SetVisible(false);
    if (!OpenEasySettingsFile()) Panel3->SetVisible(true);
}

bool TForm14::WriteFile(const std::string& path) {
    try {
        WriteEasySettingsFile(path, Settings());
    } catch (const EIniFileException&) {
        ShowSettingsWriteFailure(path);
        return false;
    }
    EasySettingsFileName = path;
    ShowFileCaption(SettingsFileShownName(path));
    LogWithTime("Сохранен файл настроек " + SettingsFileShownName(path));
    SettingsModified = false;
    return true;
}

bool TForm14::N18Click(TObject*) {
    if (!EasySettingsFileName.empty()) return WriteFile(EasySettingsFileName);
    SaveDialog1->InitialDir = std::filesystem::current_path().string();
    const std::string path = ChooseSettingsSaveName(*SaveDialog1);
    return !path.empty() && WriteFile(path);
}

bool TForm14::N19Click(TObject*) {
    const std::string path = ChooseSettingsSaveName(*SaveDialog1);
    return !path.empty() && WriteFile(path);
}

void TForm14::N21Click(TObject*) {
    SettingsModified = false;
    EasySettingsFileName.clear();
    HideSettingsPanels(true);
    Panel3->SetVisible(true);
    Application->ProcessMessages();
    if (btnCreate->CanFocus()) btnCreate->SetFocus();
}

void TForm14::FormCloseQuery(bool& canClose) {
    if (SettingsModified && AskToSaveChangedSettings()) {
        // The window keeps its values until they are on disk.
        canClose = N18Click(this);
        return;
    }
    SettingsModified = false;
    HideSettingsPanels(false);
}
