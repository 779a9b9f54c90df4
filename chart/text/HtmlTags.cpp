#include "chart/text/HtmlTags.h"

#include "common/TextFormatting.h"

#include "ui/core/Exceptions.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/GraphicsObjects.h"

namespace {

struct NamedStyle {
    const char* name;
    TFontStyle style;
};

constexpr NamedStyle kWeights[] = {{"BOLD", TFontStyle::fsBold},
                                   {"ITALIC", TFontStyle::fsItalic},
                                   {"UNDERLINE", TFontStyle::fsUnderline},
                                   {"STRIKE", TFontStyle::fsStrikeOut}};

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr NamedColor kColors[] = {{"BLACK", 0x000000}, {"RED", 0x0000FF},   {"BLUE", 0xFF0000},
                                  {"YELLOW", 0x00FFFF}, {"WHITE", 0xFFFFFF}, {"GREEN", 0x008000},
                                  {"LIME", 0x00FF00}};

std::string Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

TFontStyles Weight(const std::string& value) {
    TFontStyles styles;
    std::string_view rest = value;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string word = AnsiUpperCase(TrimText(rest.substr(0, comma)));
        bool known = word == "NORMAL";
        for (const NamedStyle& w : kWeights)
            if (word == w.name) {
                styles.Include(w.style);
                known = true;
            }
        if (!known) throw Exception("Unknown field in FONT WEIGHT=" + value);
        if (comma == std::string_view::npos) return styles;
        rest.remove_prefix(comma + 1);
    }
}

}  // namespace

std::vector<std::pair<std::string, std::string>> HtmlAttributes(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t equals = text.find('=');
    while (equals != std::string_view::npos) {
        std::string name = AnsiUpperCase(TrimText(text.substr(0, equals)));
        std::string_view rest = text.substr(equals + 1);
        const std::size_t next = rest.find('=');
        std::size_t end = rest.size();
        if (next != std::string_view::npos) {
            const std::size_t blank = rest.substr(0, next).rfind(' ');
            end = blank == std::string_view::npos ? next : blank;
        }
        pairs.emplace_back(std::move(name), Unquoted(TrimText(rest.substr(0, end))));
        text = rest.substr(end);
        equals = text.find('=');
    }
    return pairs;
}

TColor HtmlColor(std::string_view text) {
    const std::string upper = AnsiUpperCase(TrimText(text));
    for (const NamedColor& c : kColors)
        if (upper == c.name) return c.color;
    if (upper.size() == 7 && upper[0] == '#') {
        int channel[3];
        bool hex = true;
        for (int i = 0; i < 3; ++i) {
            const int high = HexDigit(upper[1 + 2 * i]), low = HexDigit(upper[2 + 2 * i]);
            hex = hex && high >= 0 && low >= 0;
            channel[i] = high * 16 + low;
        }
        if (hex) return static_cast<TColor>(channel[0] | (channel[1] << 8) | (channel[2] << 16));
    }
    return StringToColor(upper);
}

std::string SavedFontTag(const TFont& font) {
    std::string weight;
    for (const NamedStyle& w : kWeights)
        if (font.Style().Contains(w.style)) weight += (weight.empty() ? "" : ", ") + std::string(w.name);
    if (weight.empty()) weight = "NORMAL";
    return "<FONT size=" + std::to_string(font.Size()) + " name=" + font.Name() +
           " color=" + std::to_string(static_cast<std::int64_t>(font.Color())) + " weight=" + weight + ">";
}

void ApplyFontTag(TFont& font, std::string_view tag) {
    if (tag.size() < 7) return;
    for (const auto& [name, value] : HtmlAttributes(tag.substr(6, tag.size() - 7))) {
        if (name == "NAME" || name == "FAMILY") {
            font.SetName(value);
        } else if (name == "SIZE") {
            if (!value.empty() && (value[0] == '+' || value[0] == '-'))
                font.SetSize(font.Size() + StrToInt(value));
            else
                font.SetSize(StrToInt(value));
        } else if (name == "COLOR") {
            font.SetColor(HtmlColor(value));
        } else if (name == "WEIGHT") {
            font.SetStyle(Weight(value));
        } else {
            throw Exception("Unknown field in FONT: " + name);
        }
    }
}
