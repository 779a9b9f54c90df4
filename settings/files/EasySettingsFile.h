#pragma once
// The single-stage controller's settings file: variant 13 of the settings
// files' frame, every key required.

#include "settings/files/SettingsFileFormat.h"

#include <string>
#include <vector>

constexpr int kEasyRecordType = 13;

using TEasyFileKey = TSettingsFileKey;
using TEasySettings = TSettingsValues;
using TEasyFileRead = TSettingsFileRead;

// Every key in the order the writer writes them.
const std::vector<TEasyFileKey>& EasyFileKeys();

void WriteEasySettingsFile(const std::string& path, const TEasySettings& values);
TEasyFileRead ReadEasySettingsFile(const std::string& path);
