#include "report/layout/Hyphenation.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::u16string_view kVowels = u"АЕЁИОУЫЭЮЯ";
constexpr std::u16string_view kConsonants = u"БВГДЖЗЙКЛМНПРСТФХЦЧШЩЬЪ";
constexpr std::u16string_view kSigns = u"ЬЪ";
constexpr char16_t kShortI = u'Й';
constexpr std::size_t kShortestBreakableWord = 4;

char16_t UpperCyrillic(char16_t c) {
    if (c >= u'а' && c <= u'я') return static_cast<char16_t>(c - (u'а' - u'А'));
    if (c == u'ё') return u'Ё';
    return c;
}

bool In(std::u16string_view set, char16_t c) { return set.find(c) != std::u16string_view::npos; }
bool Vowel(char16_t c) { return In(kVowels, c); }
bool Consonant(char16_t c) { return In(kConsonants, c); }

bool HasVowel(std::u16string_view part) { return std::any_of(part.begin(), part.end(), Vowel); }

// A break after the 0-based letter j.
bool BreakAllowedAfter(const std::u16string& w, std::size_t j) {
    const std::size_t n = w.size();
    const bool hasNext = j + 1 < n;
    if (Consonant(w[j])) return !hasNext || (!Vowel(w[j + 1]) && !In(kSigns, w[j + 1]));
    if (!Vowel(w[j])) return false;
    if (hasNext && w[j + 1] == kShortI) return false;
    const bool doubledConsonantThenVowel =
        j + 3 < n && w[j + 1] == w[j + 2] && Consonant(w[j + 1]) && Vowel(w[j + 3]);
    return !doubledConsonantThenVowel;
}

}  // namespace

std::vector<int> HyphenPositions(std::u16string_view word) {
    std::vector<int> positions;
    if (word.size() < kShortestBreakableWord) return positions;
    std::u16string w(word);
    std::transform(w.begin(), w.end(), w.begin(), UpperCyrillic);
    const std::u16string_view all(w);
    for (std::size_t j = 0; j < w.size(); ++j) {
        const std::size_t before = j + 1;
        if (before < 2 || w.size() - before < 2) continue;
        if (!BreakAllowedAfter(w, j)) continue;
        if (HasVowel(all.substr(0, before)) && HasVowel(all.substr(before))) positions.push_back(static_cast<int>(before));
    }
    return positions;
}
