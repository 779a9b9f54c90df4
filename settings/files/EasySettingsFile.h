#pragma once
// The single-stage controller's settings file: an INI file whose section
// "RecordType" names the variant (13) and whose section "ParamsEasy" holds
// every parameter as an integer, the window value times the key's scale.
// A write changes only these keys and replaces the file whole, so other
// sections and keys survive and a failed write leaves the old file as it
// was. A read takes the file whole or not at all: another variant's file,
// a missing key, a value that is no integer or lies outside its parameter's
// range refuses the file with a message and no value.

#include <map>
#include <string>
#include <vector>

constexpr int kEasyRecordType = 13;

struct TEasyFileKey {
    const char* Key;
    const char* Control;  // the settings window's control
    int Scale;            // 0 for a flag
};

// Every key in the order the writer writes them.
const std::vector<TEasyFileKey>& EasyFileKeys();

// The window's values by control name: numbers as shown, flags 1 or 0.
using TEasySettings = std::map<std::string, double>;

// Raises EIniFileException ("Unable to write to <file>") when the file
// cannot be written; a value missing from `values` is a programming error.
void WriteEasySettingsFile(const std::string& path, const TEasySettings& values);

struct TEasyFileRead {
    TEasySettings Values;  // empty when refused
    std::string Error;     // the user's message when refused
    bool Ok() const { return Error.empty(); }
};

TEasyFileRead ReadEasySettingsFile(const std::string& path);

// The message for another variant's file.
extern const char* const kWrongSettingsFileText;
