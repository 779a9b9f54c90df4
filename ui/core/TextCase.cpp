#include "ui/core/TextCase.h"

#include "ui/core/Utf8.h"

#include <cstdint>

namespace {

char32_t ToLower(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;  // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;  // Ѐ..Џ, Ё among them
    return c;
}

char32_t ToUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

template <class Map>
std::string MapText(std::string_view text, Map map) {
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) AppendUtf8(result, map(NextCodePoint(text, at)));
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
        std::uint64_t x = Weight(map(NextCodePoint(a, i))), y = Weight(map(NextCodePoint(b, j)));
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace

std::string AnsiUpperCase(std::string_view text) { return MapText(text, ToUpper); }
std::string AnsiLowerCase(std::string_view text) { return MapText(text, ToLower); }

int AnsiCompareStr(std::string_view a, std::string_view b) {
    return Compare(a, b, [](char32_t c) { return c; });
}

int AnsiCompareText(std::string_view a, std::string_view b) { return Compare(a, b, ToLower); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
