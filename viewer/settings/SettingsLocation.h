#pragma once
// Where settings.ini lives: beside the program file when that folder takes
// new files, else in the user's configuration folder, so a save never fails
// for want of a writable place.

#include <string>

inline constexpr const char* kSettingsFileName = "settings.ini";

// $XDG_CONFIG_HOME/velzar, or ~/.config/velzar without it.
std::string UserConfigFolder();

// The settings file to write: in `programFolder` when a file can be made
// there, else in `configFolder` (made when missing).
std::string SettingsFileIn(const std::string& programFolder, const std::string& configFolder);

// The file to read: the one to write when it exists, else the defaults
// shipped beside the program.
std::string SettingsFileToRead(const std::string& programFolder, const std::string& configFolder);

// The folder of the running program file.
std::string ProgramFolder();
