#pragma once
// The frame the controller settings files share: an INI file whose section
// "RecordType" names the controller variant and whose section "ParamsEasy"
// holds every parameter as an integer, the window value times the key's
// scale. A write changes only these keys and replaces the file whole, so
// other sections and keys survive and a failed write leaves the old file as
// it was. A read takes the file whole or not at all: another variant's file,
// a value that is no integer or lies outside its parameter's range, or a
// missing key without a default refuses the file with a message and no value.

#include <map>
#include <optional>
#include <string>
#include <vector>

// The window's values by control name: numbers as shown, flags 1 or 0.
using TSettingsValues = std::map<std::string, double>;

struct TSettingsFileKey {
    const char* Key;
    const char* Control;  // the settings window's control
    int Scale;            // 0 for a flag
    // The stored integer a missing key reads as; none: a missing key refuses the file.
    std::optional<long long> Missing = std::nullopt;
};

struct TSettingsFileFormat {
    int RecordType;
    // Every key in the order the writer writes them.
    const std::vector<TSettingsFileKey>& Keys;
    // The permitted range of a control's value, as its hint ("0,5/9,9").
    std::string (*RangeOf)(const char* control);
};

struct TSettingsFileRead {
    TSettingsValues Values;  // empty when refused
    std::string Error;       // the user's message when refused
    bool Ok() const { return Error.empty(); }
};

// Raises EIniFileException ("Unable to write to <file>") when the file
// cannot be written; a value missing from `values` is a programming error.
void WriteSettingsFile(const std::string& path, const TSettingsFileFormat& format, const TSettingsValues& values);
TSettingsFileRead ReadSettingsFile(const std::string& path, const TSettingsFileFormat& format);

// The message for another variant's file, or a file with no variant.
extern const char* const kWrongSettingsFileText;
