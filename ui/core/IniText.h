#pragma once
// The text of an INI file as lines, kept as read so a write changes only the
// line of its key: sections in brackets, "key=value" lines, and every other
// line (comments, blanks) left in place. The first occurrence of a section or
// key counts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniText {
public:
    explicit TIniText(bool caseSensitive) : caseSensitive_(caseSensitive) {}

    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    // Splits at CR, LF or CR LF.
    void SetText(std::string_view text);
    // Lines joined with CR LF, ending with one.
    std::string Text() const;

    // The value with blanks and one pair of matching quotes removed.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or adds it after the section's last
    // key, or adds the section at the end.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    // "key=value" lines of the section, as they stand.
    std::vector<std::string> SectionLines(std::string_view section) const;
    bool SectionExists(std::string_view section) const;

private:
    // Index of the header line, or npos.
    std::size_t FindSection(std::string_view section) const;
    // The first line after the header that starts another section.
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    bool Same(std::string_view a, std::string_view b) const;

    bool caseSensitive_;
    std::vector<std::string> lines_;
};
