#pragma once
// INI files: TIniFile reads and writes the file at every call, as the
// system's profile functions do; TMemIniFile keeps the text in memory until
// UpdateFile. The encoding on disk and the safe replacement of the file are
// IniFileStorage.h's. Names are compared without regard to case unless the
// memory file is made case-sensitive. A file that is there but cannot be read
// reads as empty and is never written over, so no key it holds is lost.

#include "ui/core/IniText.h"
#include "ui/core/Object.h"

#include <cstdint>
#include <string>

class TStrings;

class TCustomIniFile : public TObject {
    DECLARE_CLASS_INFO
public:
    explicit TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& FileName() const { return fileName_; }

    virtual std::string ReadString(const std::string& section, const std::string& ident,
                                   const std::string& fallback) = 0;
    // Raises EIniFileException "Unable to write to <file>" when the file
    // cannot be written or read (TIniFile; TMemIniFile on UpdateFile), and at
    // once when the section, key or value holds a line break, which would
    // split the file.
    virtual void WriteString(const std::string& section, const std::string& ident, const std::string& value) = 0;
    virtual void ReadSection(const std::string& section, TStrings& strings) = 0;
    virtual void ReadSections(TStrings& strings) = 0;
    // "key=value" lines.
    virtual void ReadSectionValues(const std::string& section, TStrings& strings) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
    virtual void UpdateFile() = 0;

    // Missing or not an integer (decimal, or hexadecimal after '$' or "0x"): the fallback.
    std::int32_t ReadInteger(const std::string& section, const std::string& ident, std::int32_t fallback);
    void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
    // An integer other than 0 is true.
    bool ReadBool(const std::string& section, const std::string& ident, bool fallback);
    // "1" or "0".
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    // A decimal comma or point; missing or not a number: the fallback.
    double ReadFloat(const std::string& section, const std::string& ident, double fallback);
    // With the program's decimal comma.
    void WriteFloat(const std::string& section, const std::string& ident, double value);
    bool SectionExists(const std::string& section);
    bool ValueExists(const std::string& section, const std::string& ident);

private:
    std::string fileName_;
};

class TIniFile : public TCustomIniFile {
    DECLARE_CLASS_INFO
public:
    explicit TIniFile(std::string fileName);

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    // Every write is already on disk.
    void UpdateFile() override {}

private:
    // The file as it stands now; a missing or unreadable file is empty.
    const TIniText& Current();
    // The same, raising when the file is there but cannot be read.
    const TIniText& CurrentForWriting();
    void Save();

    TIniText text_{false};
};

class TMemIniFile : public TCustomIniFile {
    DECLARE_CLASS_INFO
public:
    // Loads the file when it exists.
    explicit TMemIniFile(std::string fileName);

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    void UpdateFile() override;

    void Clear();
    void GetStrings(TStrings& lines) const;
    void SetStrings(const TStrings& lines);
    bool CaseSensitive() const { return text_.CaseSensitive(); }
    void SetCaseSensitive(bool value) { text_.SetCaseSensitive(value); }

private:
    TIniText text_{false};
    // The file was there but could not be read: UpdateFile refuses.
    bool unreadable_;
};
