#pragma once
// Reading an INI text that is already in memory (a packed skin's
// Options.dat). Section and key names compare exactly.

#include "ui/core/StringList.h"

#include <cstdint>
#include <string>

// One entry per section, its name the entry's text and its "name=value"
// lines an owned TStringList attached as the entry's object. The list owns
// the line lists.
class TSkIniSections : public TStringList {
public:
    TSkIniSections();
    // The section's lines, nullptr when there is no such section.
    TStringList* SectionLines(const std::string& section) const;
};

// Clears the sections first; empty lines and ';' comments are skipped, a
// "[name]" line starts a section, lines before the first section are dropped.
void ParseIniSections(const TStrings& lines, TSkIniSections& sections);
std::string IniReadString(const TSkIniSections& sections, const std::string& section, const std::string& ident,
                          const std::string& fallback);
// Decimal, or hexadecimal after "0x"/"0X"; the fallback when missing or not a number.
std::int32_t IniReadInteger(const TSkIniSections& sections, const std::string& section, const std::string& ident,
                            std::int32_t fallback);
