#include "skin/core/html/HtmlEntities.h"

#include "platform/text/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace {

struct TEntity {
    std::string_view Name;
    std::uint8_t Code;  // the Windows-1252 code of the letter
};

// Names compared without regard to case.
constexpr TEntity kCaseFree[] = {
    {"ndash", 0x96}, {"mdash", 0x97}, {"nbsp", 0xA0},   {"iexcl", 0xA1},  {"iquest", 0xBF}, {"quot", 0x22},
    {"ldquo", 0x93}, {"rdquo", 0x94}, {"lsquo", 0x91},  {"rsquo", 0x92},  {"laquo", 0xAB},  {"raquo", 0xBB},
    {"amp", 0x26},   {"cent", 0xA2},  {"copy", 0xA9},   {"divide", 0xF7}, {"gt", 0x3E},     {"lt", 0x3C},
    {"micro", 0xB5}, {"middot", 0xB7}, {"para", 0xB6},  {"plusmn", 0xB1}, {"euro", 0x80},   {"pound", 0xA3},
    {"reg", 0xAE},   {"sect", 0xA7},  {"trade", 0x99},  {"yen", 0xA5},    {"szlig", 0xDF},
};

// Names compared with case: the accented letters.
constexpr TEntity kCaseExact[] = {
    {"yuml", 0xFF},   {"aacute", 0xE1}, {"Aacute", 0xC1}, {"agrave", 0xE0}, {"Agrave", 0xC0}, {"acirc", 0xE2},
    {"Acirc", 0xC2},  {"aring", 0xE5},  {"Aring", 0xC5},  {"atilde", 0xE3}, {"Atilde", 0xC3}, {"auml", 0xE4},
    {"Auml", 0xC4},   {"aelig", 0xE6},  {"AElig", 0xC6},  {"ccedil", 0xE7}, {"Ccedil", 0xC7}, {"eacute", 0xE9},
    {"Eacute", 0xC9}, {"egrave", 0xE8}, {"Egrave", 0xC8}, {"ecirc", 0xEA},  {"Ecirc", 0xCA},  {"euml", 0xEB},
    {"Euml", 0xCB},   {"iacute", 0xED}, {"Iacute", 0xCD}, {"igrave", 0xEC}, {"Igrave", 0xCC}, {"icirc", 0xEE},
    {"Icirc", 0xCE},  {"iuml", 0xEF},   {"Iuml", 0xCF},   {"ntilde", 0xF1}, {"Ntilde", 0xD1}, {"oacute", 0xF3},
    {"Oacute", 0xD3}, {"ograve", 0xF2}, {"Ograve", 0xD2}, {"ocirc", 0xF4},  {"Ocirc", 0xD4},  {"oslash", 0xF8},
    {"Oslash", 0xD8}, {"otilde", 0xF5}, {"Otilde", 0xD5}, {"ouml", 0xF6},   {"Ouml", 0xD6},   {"uacute", 0xFA},
    {"Uacute", 0xDA}, {"ugrave", 0xF9}, {"Ugrave", 0xD9}, {"ucirc", 0xFB},  {"Ucirc", 0xDB},  {"uuml", 0xFC},
    {"Uuml", 0xDC},
};

// The numbers written as "#N": Windows-1252 codes, and the Unicode values
// of the seven letters that code page keeps below 256.
constexpr std::array<int, 87> kNumbers{
    8211, 8212, 160, 161, 191, 34,  39,  8220, 8221, 8216, 8217, 171, 187, 38,  162, 169, 247, 62,
    60,   181,  183, 182, 177, 8364, 163, 174, 167,  153,  165,  223, 255, 225, 193, 224, 192, 226,
    194,  229,  197, 227, 195, 228,  196, 230, 198,  231,  199,  233, 201, 232, 200, 234, 202, 235,
    203,  237,  205, 236, 204, 238,  206, 239, 207,  241,  209,  243, 211, 242, 210, 244, 212, 248,
    216,  245,  213, 246, 214, 250,  218, 249, 217,  251,  219,  252, 220, 180, 96};

// Windows-1252 codes 0x80..0x9F that this table uses, as Unicode.
char32_t FromWindows1252(std::uint8_t code) {
    switch (code) {
        case 0x80: return U'\u20AC';
        case 0x91: return U'\u2018';
        case 0x92: return U'\u2019';
        case 0x93: return U'\u201C';
        case 0x94: return U'\u201D';
        case 0x96: return U'\u2013';
        case 0x97: return U'\u2014';
        case 0x99: return U'\u2122';
        default: return code;
    }
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<char32_t> NumberLetter(std::string_view digits) {
    if (digits.empty() || digits.size() > 5 || !std::all_of(digits.begin(), digits.end(), ::isdigit)) return std::nullopt;
    const int n = std::stoi(std::string(digits));
    if (std::find(kNumbers.begin(), kNumbers.end(), n) == kNumbers.end()) return std::nullopt;
    return n < 256 ? FromWindows1252(static_cast<std::uint8_t>(n)) : static_cast<char32_t>(n);
}

}  // namespace

std::optional<std::string> EntityLetter(std::string_view name) {
    std::optional<char32_t> letter;
    if (!name.empty() && name.front() == '#') letter = NumberLetter(name.substr(1));
    for (const TEntity& e : kCaseFree)
        if (!letter && SameIgnoringCase(e.Name, name)) letter = FromWindows1252(e.Code);
    for (const TEntity& e : kCaseExact)
        if (!letter && e.Name == name) letter = FromWindows1252(e.Code);
    if (!letter) return std::nullopt;
    std::string out;
    platform::AppendUtf8(out, *letter);
    return out;
}
