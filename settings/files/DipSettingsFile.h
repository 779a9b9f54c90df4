#pragma once
// The DIP controller's settings file: an INI file whose section "RecordType"
// names the variant (12) and whose section "ParamsDip" holds the window's
// parameters: values times 1000 or whole, flags 1 or 0, output keys 0-2.
// The second stage's switch, key and delay are written twice (under
// parTwoStg... and parStage2...); only the second set is read. A write
// changes only these keys and replaces the file whole, so other sections
// and keys survive and a failed write leaves the old file as it was.
// A read takes the file whole before any value reaches the window: a key
// that is missing gives its default (0 for a value, which the edit raises to
// its minimum; on for a switch; the key's own output), while a value that is
// no integer or an output key outside 0-2 refuses the file with a message.

#include <map>
#include <string>
#include <vector>

constexpr int kDipRecordType = 12;

enum class TDipFileKind { Thousandths, Whole, Flag, OutputKey };

struct TDipFileKey {
    const char* Key;
    const char* Control;  // the DIP window's control
    TDipFileKind Kind;
    bool Written;
    bool Read;
    double Default;  // when read and missing
};

// Every key in the order of writing and of reading.
const std::vector<TDipFileKey>& DipFileKeys();

// The window's values by control name: numbers as shown, flags 1 or 0,
// output keys 0-2 (kDipNoKey for none).
using TDipSettings = std::map<std::string, double>;

// Raises EIniFileException ("Unable to write to <file>") when the file cannot
// be written; a value missing from `values` is a programming error.
void WriteDipSettingsFile(const std::string& path, const TDipSettings& values);

struct TDipFileRead {
    TDipSettings Values;  // the read keys' controls, in no order; empty when refused
    std::string Error;    // the user's message when refused
    bool Ok() const { return Error.empty(); }
};

TDipFileRead ReadDipSettingsFile(const std::string& path);
