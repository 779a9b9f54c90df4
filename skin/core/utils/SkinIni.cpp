#include "skin/core/utils/SkinIni.h"

#include "ui/core/NumberConversion.h"

TSkIniSections::TSkIniSections() {
    SetCaseSensitive(true);
    SetOwnsObjects(true);
}

TStringList* TSkIniSections::SectionLines(const std::string& section) const {
    int index = IndexOf(section);
    return index < 0 ? nullptr : static_cast<TStringList*>(Objects(index));
}

void ParseIniSections(const TStrings& lines, TSkIniSections& sections) {
    sections.Clear();
    TStringList* current = nullptr;
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines.Strings(i);
        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = new TStringList;
            current->SetCaseSensitive(true);
            sections.AddObject(line.substr(1, line.size() - 2), current);
        } else if (current) {
            current->Add(line);
        }
    }
}

std::string IniReadString(const TSkIniSections& sections, const std::string& section, const std::string& ident,
                          const std::string& fallback) {
    const TStringList* lines = sections.SectionLines(section);
    if (!lines) return fallback;
    int index = lines->IndexOfName(ident);
    if (index < 0) return fallback;
    return lines->Strings(index).substr(ident.size() + 1);
}

std::int32_t IniReadInteger(const TSkIniSections& sections, const std::string& section, const std::string& ident,
                            std::int32_t fallback) {
    std::string text = IniReadString(sections, section, ident, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
    return StrToIntDef(text, fallback);
}
