#include "ui/core/IniText.h"

#include "ui/core/TextCase.h"

namespace {

constexpr std::size_t npos = std::string::npos;

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return text.substr(begin, end - begin);
}

// The section name of a header line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line; comments and lines without '=' have none.
std::optional<std::string_view> KeyOf(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    std::size_t eq = t.find('=');
    if (eq == npos) return std::nullopt;
    return Trim(t.substr(0, eq));
}

std::string ValueOf(std::string_view line) {
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

}  // namespace

void TIniText::SetText(std::string_view text) {
    lines_.clear();
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == npos) end = text.size();
        lines_.emplace_back(text.substr(at, end - at));
        at = end;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
    }
}

std::string TIniText::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

bool TIniText::Same(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? a == b : AnsiSameText(a, b);
}

std::size_t TIniText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (auto name = HeaderName(lines_[i]); name && Same(*name, section)) return i;
    return npos;
}

std::size_t TIniText::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i])) ++i;
    return i;
}

std::size_t TIniText::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
        if (auto k = KeyOf(lines_[i]); k && Same(*k, key)) return i;
    return npos;
}

std::optional<std::string> TIniText::Read(std::string_view section, std::string_view key) const {
    std::size_t header = FindSection(section);
    if (header == npos) return std::nullopt;
    std::size_t line = FindKey(header, key);
    if (line == npos) return std::nullopt;
    return ValueOf(lines_[line]);
}

void TIniText::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    std::size_t header = FindSection(section);
    if (header == npos) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    if (std::size_t existing = FindKey(header, key); existing != npos) {
        lines_[existing] = line;
        return;
    }
    // After the last line of the section that is not blank.
    std::size_t at = SectionEnd(header);
    while (at > header + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void TIniText::DeleteKey(std::string_view section, std::string_view key) {
    std::size_t header = FindSection(section);
    if (header == npos) return;
    if (std::size_t line = FindKey(header, key); line != npos) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
}

void TIniText::EraseSection(std::string_view section) {
    std::size_t header;
    while ((header = FindSection(section)) != npos)
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
}

std::vector<std::string> TIniText::Sections() const {
    std::vector<std::string> names;
    for (const std::string& line : lines_) {
        auto name = HeaderName(line);
        if (!name) continue;
        bool seen = false;
        for (const std::string& n : names) seen = seen || Same(n, *name);
        if (!seen) names.emplace_back(*name);
    }
    return names;
}

std::vector<std::string> TIniText::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    std::size_t header = FindSection(section);
    if (header == npos) return keys;
    for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
        if (auto k = KeyOf(lines_[i])) keys.emplace_back(*k);
    return keys;
}

std::vector<std::string> TIniText::SectionLines(std::string_view section) const {
    std::vector<std::string> result;
    std::size_t header = FindSection(section);
    if (header == npos) return result;
    for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
        if (auto k = KeyOf(lines_[i])) result.push_back(std::string(*k) + "=" + ValueOf(lines_[i]));
    return result;
}

bool TIniText::SectionExists(std::string_view section) const { return FindSection(section) != npos; }
