#pragma once
// What the settings windows' file commands share: the name a caption shows,
// the save dialog with its overwrite question, the message of a failed write
// and the question asked when changed settings would be lost.

#include <string>

class TSaveDialog;

// The file's name without its folder, as captions and logs show it.
std::string SettingsFileShownName(const std::string& path);

// Runs the dialog; an existing file is overwritten only after "Yes".
// Empty when the user cancelled or declined.
std::string ChooseSettingsSaveName(TSaveDialog& dialog);

// Tells the user the file was not written and the values stayed in the window.
void ShowSettingsWriteFailure(const std::string& path);

// "Настройки были изменены..." — true when the user wants them saved.
bool AskToSaveChangedSettings();
