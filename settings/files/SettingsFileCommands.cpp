#include "settings/files/SettingsFileCommands.h"

#include "ui/dialogs/FileDialogs.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

#include <filesystem>

std::string SettingsFileShownName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string ChooseSettingsSaveName(TSaveDialog& dialog) {
    if (!dialog.Execute()) return {};
    const std::string path = dialog.FileName;
    if (std::filesystem::exists(path) &&
        Application->MessageBox("Файл с таким именем уже существует\rПерезаписать файл?", "Внимание!",
                                MB_YESNO | MB_ICONWARNING) != IDYES)
        return {};
    return path;
}

void ShowSettingsWriteFailure(const std::string& path) {
    Application->MessageBox("Не удалось записать файл настроек\r" + path + "\rНастройки остались в окне.", "Ошибка",
                            MB_OK | MB_ICONERROR);
}

bool AskToSaveChangedSettings() {
    return Application->MessageBox("Настройки были изменены.\rСохранить настройки в файл?", "Внимание!",
                                   MB_YESNO | MB_ICONINFORMATION) == IDYES;
}
