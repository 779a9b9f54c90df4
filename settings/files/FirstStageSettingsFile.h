#pragma once
// The first-stage controller's settings file: variant 14 of the settings
// files' frame. A missing key reads as its default; a value that is no
// integer or lies outside its range refuses the file whole.
// "parParashuteOnOff" keeps the barometric start group's "По умолчанию"
// switch, as files already written hold it.

#include "settings/files/SettingsFileFormat.h"

#include <string>
#include <vector>

constexpr int kFirstStageRecordType = 14;

// Every key in the order the writer writes them.
const std::vector<TSettingsFileKey>& FirstStageFileKeys();

void WriteFirstStageSettingsFile(const std::string& path, const TSettingsValues& values);
TSettingsFileRead ReadFirstStageSettingsFile(const std::string& path);
