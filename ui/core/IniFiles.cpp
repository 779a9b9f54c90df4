#include "ui/core/IniFiles.h"

#include "platform/text/Utf8Text.h"
#include "ui/core/Cp1251Text.h"
#include "ui/core/Exceptions.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/StringList.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

void Fill(TStrings& strings, const std::vector<std::string>& lines) {
    UpdateScope update(strings);
    strings.Clear();
    for (const std::string& line : lines) strings.Add(line);
}

// The file's bytes as UTF-8: UTF-8 (with or without its mark) stays,
// anything else is taken as Windows-1251.
bool LoadText(const std::string& fileName, TIniText& text) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string data = bytes.str();
    if (data.starts_with("\xEF\xBB\xBF")) data.erase(0, 3);
    text.SetText(platform::IsValidUtf8(data) ? data : Cp1251ToUtf8(data));
    return true;
}

// Writes a temporary file beside the target and renames it over the target,
// so a failed write leaves the old file whole. Text that Windows-1251 cannot
// hold is kept as UTF-8 rather than lost.
void SaveText(const std::string& fileName, const TIniText& text) {
    std::string utf8 = text.Text();
    std::string bytes = Utf8ToCp1251(utf8).value_or(utf8);
    auto fail = [&] { throw EIniFileException("Unable to write to " + fileName); };
    struct stat existing {};
    bool exists = ::stat(fileName.c_str(), &existing) == 0;
    if (exists && ::access(fileName.c_str(), W_OK) != 0) fail();
    std::string temporary = fileName + ".tmp" + std::to_string(::getpid());
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) fail();
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    written = std::fflush(out) == 0 && written;
    written = ::fsync(::fileno(out)) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (written && exists) ::chmod(temporary.c_str(), existing.st_mode & 07777);
    if (!written || std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        fail();
    }
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

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

const TIniText& TIniFile::Current() {
    if (!LoadText(FileName(), text_)) text_.SetLines({});
    return text_;
}

void TIniFile::Save() { SaveText(FileName(), text_); }

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& fallback) {
    return Current().Read(section, ident).value_or(fallback);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    Current();
    text_.Write(section, ident, value);
    Save();
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) { Fill(strings, Current().Keys(section)); }

void TIniFile::ReadSections(TStrings& strings) { Fill(strings, Current().Sections()); }

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    Fill(strings, Current().SectionLines(section));
}

void TIniFile::EraseSection(const std::string& section) {
    if (!Current().SectionExists(section)) return;
    text_.EraseSection(section);
    Save();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    if (!Current().Read(section, ident)) return;
    text_.DeleteKey(section, ident);
    Save();
}

// TMemIniFile

TMemIniFile::TMemIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) { LoadText(FileName(), text_); }

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& fallback) {
    return text_.Read(section, ident).value_or(fallback);
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    text_.Write(section, ident, value);
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& strings) { Fill(strings, text_.Keys(section)); }

void TMemIniFile::ReadSections(TStrings& strings) { Fill(strings, text_.Sections()); }

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    Fill(strings, text_.SectionLines(section));
}

void TMemIniFile::EraseSection(const std::string& section) { text_.EraseSection(section); }

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) { text_.DeleteKey(section, ident); }

void TMemIniFile::UpdateFile() { SaveText(FileName(), text_); }

void TMemIniFile::Clear() { text_.SetLines({}); }

void TMemIniFile::GetStrings(TStrings& lines) const { Fill(lines, text_.Lines()); }

void TMemIniFile::SetStrings(const TStrings& lines) {
    std::vector<std::string> copy;
    for (int i = 0; i < lines.Count(); ++i) copy.push_back(lines.Strings(i));
    text_.SetLines(std::move(copy));
}
