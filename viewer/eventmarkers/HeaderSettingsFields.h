#pragma once
// What the event-marker window shows of a log's header page: the settings
// the controller flew with, as values (big-endian pairs) and on/off flags
// (one byte, 1 = on), by page byte.

#include "viewer/log/LogPage.h"

#include <cstddef>
#include <string>
#include <vector>

struct HeaderValueField {
    std::size_t PageByte;  // the high byte
    // Shown = stored / Divisor - Offset; the settings window stores
    // (shown + Offset) × Divisor.
    double Divisor;
    double Offset;
    bool Signed;   // the controller's sign rule
    int Decimals;  // 0: rounded to a whole number
    int LabelNumber;  // the value label Label<n>
    const char* Caption;
    const char* Unit;
};

// What a flag does to its kinds' check boxes besides enabling them.
enum class FlagKindRule {
    EnableOnly,
    UncheckWhenOff,
    CheckedAsFlag,  // checked when on, unchecked when off
};

struct HeaderFlagField {
    std::size_t PageByte;
    // A caption standing for the switch itself (none: empty).
    std::string SwitchCaption;
    std::vector<int> RowLabels;  // the value rows, by value label number
    std::vector<int> KindCodes;
    FlagKindRule Rule;
    // On only when this kind's check box is enabled too (0: no condition).
    int RequiresKindEnabled;
};

// In page byte order.
const std::vector<HeaderValueField>& HeaderValueFields();
const std::vector<HeaderFlagField>& HeaderFlagFields();
const HeaderValueField& HeaderValueFieldOfLabel(int labelNumber);

std::string HeaderValueText(const LogPage& page, const HeaderValueField& field);
inline bool HeaderFlagOn(const LogPage& page, const HeaderFlagField& field) { return page[field.PageByte] == 1; }
