#include "ui/core/TextCase.h"

#include "platform/text/LetterCase.h"
#include "platform/text/Utf8Text.h"

#include <cstdint>

namespace {

template <class Map>
std::string MapText(std::string_view text, Map map) {
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) platform::AppendUtf8(result, map(platform::NextCodePoint(text, at)));
    return result;
}

// The order of the alphabet: Ё and ё come right after Е and е, not after Я.
std::uint64_t Weight(char32_t c) {
    if (c == 0x401) return 0x415 * 2 + 1;
    if (c == 0x451) return 0x435 * 2 + 1;
    return std::uint64_t{c} * 2;
}

template <class Map>
int Compare(std::string_view a, std::string_view b, Map map) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        std::uint64_t x = Weight(map(platform::NextCodePoint(a, i))), y = Weight(map(platform::NextCodePoint(b, j)));
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

std::string AnsiUpperCase(std::string_view text) { return MapText(text, platform::UpperLetter); }
std::string AnsiLowerCase(std::string_view text) { return MapText(text, platform::LowerLetter); }

int AnsiCompareStr(std::string_view a, std::string_view b) {
    return Compare(a, b, [](char32_t c) { return c; });
}

int AnsiCompareText(std::string_view a, std::string_view b) { return Compare(a, b, platform::LowerLetter); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
