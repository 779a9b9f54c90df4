#include "skin/core/html/SkHtml.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/NumberConversion.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/GraphicsObjects.h"

#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kSeparators = "\r\n \"<=>";

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 16> kColorNames{{
    {"AQUA", 0xFFFF00},   {"BLACK", 0x000000}, {"BLUE", 0xFF0000},   {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080},   {"GREEN", 0x008000}, {"LIME", 0x00FF00},   {"MAROON", 0x000080},
    {"NAVY", 0x800000},   {"OLIVE", 0x008080}, {"PURPLE", 0x800080}, {"RED", 0x0000FF},
    {"SILVER", 0xC0C0C0}, {"TEAL", 0x808000},  {"WHITE", 0xFFFFFF},  {"YELLOW", 0x00FFFF},
}};

std::vector<std::string> Words(const std::string& tag) {
    std::vector<std::string> words;
    std::string word;
    for (char c : tag) {
        if (kSeparators.find(c) == std::string_view::npos) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// Hexadecimal with an optional trailing "H"; anything else reads 0.
std::uint32_t HexValue(std::string_view text) {
    if (!text.empty() && text.back() == 'H') text.remove_suffix(1);
    if (text.empty() || text.size() > 8) return 0;
    std::uint32_t value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return 0;
        value = value * 16 + static_cast<std::uint32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'A' + 10);
    }
    return value;
}

std::uint32_t ColorValue(const std::string& word) {
    if (!word.empty() && word.front() == '#') return ExchangeRedBlue(HexValue(std::string_view(word).substr(1)));
    for (const auto& [name, value] : kColorNames)
        if (word == name) return value;
    return ExchangeRedBlue(HexValue(word));
}

void ApplySize(TFont& font, const std::string& word) {
    if (!word.empty() && word.front() == '-') font.SetSize(font.Size() - StrToInt(std::string_view(word).substr(1)));
    else if (!word.empty() && word.front() == '+') font.SetSize(font.Size() + StrToInt(std::string_view(word).substr(1)));
    else font.SetSize(StrToInt(word));
}

void ApplyFace(TFont& font, const std::string& tag) {
    const std::size_t face = tag.find("FACE");
    const std::size_t open = tag.find('"', face);
    if (open == std::string::npos) return;
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string::npos || close == open + 1) return;
    font.SetName(tag.substr(open + 1, close - open - 1));
}

}  // namespace

void TSkHtml::ApplyFontAttributes(const std::string& tag) {
    TFont& font = *bitmap_->Canvas()->Font();
    const std::vector<std::string> words = Words(tag);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool hasNext = i + 1 < words.size();
        if (words[i] == "SIZE" && hasNext) ApplySize(font, words[i + 1]);
        else if (words[i] == "COLOR" && hasNext) font.SetColor(static_cast<TColor>(ColorValue(words[i + 1])));
        else if (words[i] == "FACE") ApplyFace(font, tag);
    }
}
