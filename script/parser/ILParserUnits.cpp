// Units named in a uses clause: each parsed once, with the including
// script's grammar, and its intermediate form put in place of its name.
#include "script/parser/ILParser.h"

#include "script/xml/FileText.h"
#include "script/xml/XMLItem.h"
#include "script/xml/XMLText.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TextCase.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view kXMLHeaderEnd = "?>";
constexpr int kUnitNestingCost = 64;

// The unit name of an output line <file text="'name'" .../>.
std::string UnitNameOfLine(const std::string& line) {
    TscXMLItem file;
    const std::size_t blank = line.find(' ');
    if (blank != std::string::npos) file.SetText(line.substr(blank + 1));
    std::string quoted = file.Prop("text");
    if (quoted.size() >= 2) return quoted.substr(1, quoted.size() - 2);
    return {};
}

bool IsExistingFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace

void TscILParser::IncludeUnits(std::size_t startCount) {
    std::vector<std::string> files(walk_.lines.begin() + static_cast<std::ptrdiff_t>(startCount), walk_.lines.end());
    walk_.lines.resize(startCount);
    // From the last name of the clause to the first, each after the one before.
    std::size_t insertAt = startCount;
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        std::vector<std::string> unit = IncludeUnit(UnitNameOfLine(*file));
        walk_.lines.insert(walk_.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), unit.begin(), unit.end());
        insertAt += unit.size();
    }
}

std::vector<std::string> TscILParser::IncludeUnit(const std::string& name) {
    const bool known = std::any_of(uses_.begin(), uses_.end(),
                                   [&name](const std::string& used) { return AnsiSameText(used, name); });
    if (known) return {};
    uses_.push_back(name);
    const std::string source = UnitSource(name);
    std::string unitIL;
    if (!source.empty()) {
        // A unit's parse nests far more stack than one rule element, so it
        // counts as many; units nest a few dozen deep at most.
        auto unit = std::make_unique<TscILParser>(script_, walk_.depth + kUnitNestingCost);
        unit->SelectLanguage(languageName_);
        unit->SetUnitName(name);
        unit->uses_ = uses_;
        if (unit->ParseSource(source)) {
            uses_ = unit->uses_;
            TStringStream written;
            unit->ILDocument().SaveToStream(written);
            unitIL = written.DataString();
            const std::size_t headerEnd = unitIL.find(kXMLHeaderEnd);
            if (headerEnd != std::string::npos) unitIL.erase(0, headerEnd + kXMLHeaderEnd.size());
        } else {
            walk_.errorMessage = script_.ErrorMessage;
            walk_.errorPosition = script_.ErrorPosition;
            walk_.errorTerm = false;
            walk_.tooDeep = unit->walk_.tooDeep;
            if (script_.ErrorUnit.empty()) script_.ErrorUnit = name;
        }
    }
    return {"<uses unit=\"" + EncodeXMLText(name) + "\">", unitIL, "</uses>"};
}

std::string TscILParser::UnitSource(const std::string& name) const {
    if (script_.OnGetUnit) {
        std::string text;
        script_.OnGetUnit(name, text);
        return text;
    }
    std::string path = name;
    for (const std::string& folder : script_.IncludePath) {
        path = folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
        if (IsExistingFile(path)) break;
    }
    // A missing file is reported by the reading, with its name and reason.
    return ReadWholeFile(path);
}
