#include "ui/core/IniFiles.h"

#include "ui/core/Exceptions.h"
#include "ui/core/IniFileStorage.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"
#include "ui/core/TypeInfo.h"

namespace {

void Fill(TStrings& strings, const std::vector<std::string>& lines) {
    UpdateScope update(strings);
    strings.Clear();
    for (const std::string& line : lines) strings.Add(line);
}

// A line break would split the file: the value could not be read back whole.
void RefuseLineBreaks(const std::string& fileName, const std::string& section, const std::string& ident,
                      const std::string& value) {
    auto breaks = [](const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; };
    if (breaks(section) || breaks(ident) || breaks(value))
        throw EIniFileException("Ключ \"" + ident + "\" не записан в " + fileName +
                                ": перевод строки в разделе, имени или значении разбил бы файл");
}

}  // namespace

// TCustomIniFile

std::int32_t TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident, std::int32_t fallback) {
    return StrToIntDef(ReadString(section, ident, ""), fallback);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) {
    WriteString(section, ident, std::to_string(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool fallback) {
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& section, const std::string& ident, double fallback) {
    return StrToFloatDef(ReadString(section, ident, ""), fallback);
}

void TCustomIniFile::WriteFloat(const std::string& section, const std::string& ident, double value) {
    WriteString(section, ident, FloatToStr(value));
}

bool TCustomIniFile::SectionExists(const std::string& section) {
    TStringList keys;
    ReadSection(section, keys);
    if (keys.Count() > 0) return true;
    TStringList sections;
    ReadSections(sections);
    return sections.IndexOf(section) >= 0;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) {
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

// TIniFile

// Scripts name these classes; the files are made with a file name, not by class.
const TClassInfo& TCustomIniFile::StaticClass() {
    static const TClassInfo info("TCustomIniFile", &TObject::StaticClass());
    return info;
}

const TClassInfo& TIniFile::StaticClass() {
    static const TClassInfo info("TIniFile", &TCustomIniFile::StaticClass());
    return info;
}

const TClassInfo& TMemIniFile::StaticClass() {
    static const TClassInfo info("TMemIniFile", &TCustomIniFile::StaticClass());
    return info;
}

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

const TIniText& TIniFile::Current() {
    LoadIniText(FileName(), text_);
    return text_;
}

const TIniText& TIniFile::CurrentForWriting() {
    if (LoadIniText(FileName(), text_) == IniFileState::Unreadable)
        throw EIniFileException("Unable to write to " + FileName());
    return text_;
}

void TIniFile::Save() { SaveIniText(FileName(), text_); }

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& fallback) {
    return Current().Read(section, ident).value_or(fallback);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    RefuseLineBreaks(FileName(), section, ident, value);
    CurrentForWriting();
    text_.Write(section, ident, value);
    Save();
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) { Fill(strings, Current().Keys(section)); }

void TIniFile::ReadSections(TStrings& strings) { Fill(strings, Current().Sections()); }

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    Fill(strings, Current().SectionLines(section));
}

void TIniFile::EraseSection(const std::string& section) {
    if (!CurrentForWriting().SectionExists(section)) return;
    text_.EraseSection(section);
    Save();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    if (!CurrentForWriting().Read(section, ident)) return;
    text_.DeleteKey(section, ident);
    Save();
}

// TMemIniFile

TMemIniFile::TMemIniFile(std::string fileName)
    : TCustomIniFile(std::move(fileName)), unreadable_(LoadIniText(FileName(), text_) == IniFileState::Unreadable) {}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& fallback) {
    return text_.Read(section, ident).value_or(fallback);
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    RefuseLineBreaks(FileName(), section, ident, value);
    text_.Write(section, ident, value);
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& strings) { Fill(strings, text_.Keys(section)); }

void TMemIniFile::ReadSections(TStrings& strings) { Fill(strings, text_.Sections()); }

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    Fill(strings, text_.SectionLines(section));
}

void TMemIniFile::EraseSection(const std::string& section) { text_.EraseSection(section); }

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) { text_.DeleteKey(section, ident); }

void TMemIniFile::UpdateFile() {
    if (unreadable_) throw EIniFileException("Unable to write to " + FileName());
    SaveIniText(FileName(), text_);
}

void TMemIniFile::Clear() { text_.SetLines({}); }

void TMemIniFile::GetStrings(TStrings& lines) const { Fill(lines, text_.Lines()); }

void TMemIniFile::SetStrings(const TStrings& lines) {
    std::vector<std::string> copy;
    for (int i = 0; i < lines.Count(); ++i) copy.push_back(lines.Strings(i));
    text_.SetLines(std::move(copy));
}
