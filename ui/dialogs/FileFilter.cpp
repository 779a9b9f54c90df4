#include "ui/dialogs/FileFilter.h"

#include "platform/text/Utf8Text.h"
#include "ui/core/TextCase.h"

namespace {

std::string Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b, e - b + 1));
}

std::vector<std::string> Split(std::string_view s, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = s.find(separator, start);
        parts.push_back(std::string(s.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

// Over the code points of lower-cased text, so '?' takes one whole character.
bool Match(std::u32string_view name, std::u32string_view mask) {
    constexpr std::size_t kNoStar = std::u32string_view::npos;
    std::size_t n = 0, m = 0, starMask = kNoStar, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == U'*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (starMask != kNoStar) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*') ++m;
    return m == mask.size();
}

}  // namespace

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter) {
    std::vector<TFileFilterEntry> entries;
    if (filter.empty()) return entries;
    std::vector<std::string> parts = Split(filter, '|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilterEntry entry;
        entry.Description = parts[i];
        for (const std::string& mask : Split(parts[i + 1], ';'))
            if (std::string m = Trim(mask); !m.empty()) entry.Masks.push_back(m);
        if (!entry.Masks.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

bool MatchesFileMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*" || mask == "*") return true;
    return Match(platform::DecodeUtf8(AnsiLowerCase(name)), platform::DecodeUtf8(AnsiLowerCase(mask)));
}

bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks) {
    for (const std::string& mask : masks)
        if (MatchesFileMask(name, mask)) return true;
    return false;
}

std::string NormalizeDefaultExt(std::string_view ext) {
    std::string e = Trim(ext);
    std::size_t start = e.find_first_not_of("*.");
    return start == std::string::npos ? std::string() : e.substr(start);
}
