#pragma once
// TWideStrings: the report engine's list of UTF-16 lines, each with an
// object it does not own: memo texts and the string table.
//
// 8-bit strings of the class library are UTF-8 and convert as such. Bytes of
// a file or stream without a byte-order mark are UTF-8 when they are valid
// UTF-8, else Windows-1251 (the system code page of older files). Saving
// writes the UTF-16 little-endian mark first, so a saved list loads back as
// it was.

#include "ui/core/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

class TReader;
class TStream;

class TWideStrings : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TWideStrings() = default;
    ~TWideStrings() override = default;

    int Count() const { return static_cast<int>(items_.size()); }
    void Clear();
    // Empty for an index out of range.
    std::u16string Get(int index) const;
    // As Insert.
    void Put(int index, std::u16string_view text) { Insert(index, text); }
    // Nothing for an index out of range.
    TObject* GetObject(int index) const;
    // Ignored for an index out of range.
    void StoreObject(int index, TObject* object);
    int Add(std::u16string_view text) { return AddObject(text, nullptr); }
    int AddObject(std::u16string_view text, TObject* object);
    // Replaces the line at the index; Count appends; any other index raises
    // Exception "Wide String Out of Bounds".
    void Insert(int index, std::u16string_view text);
    // Raises EListError for a bad index.
    void Delete(int index);
    // First exact match, -1 when none.
    int IndexOf(std::u16string_view text) const;
    void AppendAll(const TWideStrings& other);

    // Every line followed by CR LF.
    std::u16string Text() const;
    // Breaks at CR LF, CR, LF or U+2028 (one break: CR, then LF, then
    // U+2028, each when present); a character 0 ends the text.
    void SetText(std::u16string_view text);

    // The file name is UTF-8; raise EFOpenError / EFCreateError.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

    // From another TWideStrings or a TStrings (with the objects).
    void Assign(const TPersistent* source) override;
    // Form data: "UTF8" (written and read), the lines as UTF-8 strings, and
    // "Strings" (read only), a plain string list.
    void DefineProperties(TFiler& filer) override;

protected:
    void AssignTo(TPersistent* dest) const override;

private:
    struct Entry {
        std::u16string text;
        TObject* object = nullptr;
    };
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
    void ReadLines(TReader& reader);

    std::vector<Entry> items_;
};
