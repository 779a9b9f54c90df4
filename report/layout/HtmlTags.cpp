#include "report/layout/HtmlTags.h"

#include "ui/core/Rounding.h"

#include <string_view>

namespace {

// Sub- and superscript characters are this much smaller.
constexpr double kSmallScriptDivisor = 1.5;
// "<" + five-character names and ">" ... lengths of the tag forms.
constexpr std::size_t kShortTag = 3;         // <b>
constexpr std::size_t kShortClosingTag = 4;  // </b>
constexpr std::size_t kFiveCharacterTag = 5;
constexpr std::size_t kLongTag = 8;          // <nowrap>, <strike>

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// The upper-case ASCII name stands at text[at].
bool NameAt(const std::u16string& text, std::size_t at, std::string_view name) {
    if (at + name.size() > text.size()) return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (Upper(text[at + k]) != static_cast<char16_t>(name[k])) return false;
    return true;
}

bool CharAt(const std::u16string& text, std::size_t at, char16_t c) { return at < text.size() && text[at] == c; }

// b, i or u as a font style.
bool SimpleStyle(char16_t letter, TFontStyle& style) {
    switch (Upper(letter)) {
        case u'B': style = TFontStyle::fsBold; return true;
        case u'I': style = TFontStyle::fsItalic; return true;
        case u'U': style = TFontStyle::fsUnderline; return true;
        default: return false;
    }
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    c = Upper(c);
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// "#RRGGBB" in double quotes; the colour in the platform's blue-green-red order.
bool QuotedHexColor(const std::u16string& value, TColor& color) {
    constexpr std::size_t kShortestQuotedHex = 4;  // "#" and one digit in quotes
    if (value.size() < kShortestQuotedHex || value.front() != u'"' || value[1] != u'#' || value.back() != u'"')
        return false;
    std::uint32_t rgb = 0;
    constexpr int kMaxHexDigits = 8;
    const std::size_t digits = value.size() - 3;
    if (digits > kMaxHexDigits) return false;
    for (std::size_t k = 2; k + 1 < value.size(); ++k) {
        int digit = HexDigit(value[k]);
        if (digit < 0) return false;
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    color = static_cast<TColor>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
    return true;
}

bool NamedColor(const std::u16string& value, TColor& color) {
    std::string name = "cl";
    for (char16_t c : value) {
        if (c > 0x7F) return false;
        name += static_cast<char>(c);
    }
    return IdentToColor(name, color);
}

}  // namespace

void TrpHTMLTagsList::Reset(TColor color, int size, TFontStyles style) {
    defaultColor_ = color_ = color;
    defaultSize_ = size_ = size;
    defaultStyle_ = style_ = style;
    raise_ = 0;
    noWrap_ = false;
    position_ = 1;
    lines_.clear();
}

void TrpHTMLTagsList::StartLine() {
    if (!lines_.empty()) lines_.emplace_back();
}

void TrpHTMLTagsList::ExpandTags(std::u16string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = AllowTags && text[i] == u'<' ? ApplyTag(text, i) : 0;
        if (length == 0) {
            AddCharState();
            ++i;
            ++position_;
            continue;
        }
        text.erase(i, length);
        position_ += static_cast<int>(length);
    }
    if (text.empty()) {
        AddCharState();
        text.assign(1, u' ');
    }
}

std::size_t TrpHTMLTagsList::ApplyTag(const std::u16string& text, std::size_t i) {
    TFontStyle simple{};
    if (!CharAt(text, i + 1, u'/')) {
        if (CharAt(text, i + 2, u'>') && SimpleStyle(text[i + 1], simple)) {
            style_.Include(simple);
            return kShortTag;
        }
        if (NameAt(text, i + 1, "SUB>") || NameAt(text, i + 1, "SUP>")) {
            size_ = static_cast<int>(Round(defaultSize_ / kSmallScriptDivisor));
            raise_ = Upper(text[i + 3]) == u'B' ? 1 : 0;
            return kFiveCharacterTag;
        }
        if (CharAt(text, i + 4, u'>')) return kFiveCharacterTag;
        if (NameAt(text, i + 1, "NOWRAP>")) {
            noWrap_ = true;
            return kLongTag;
        }
        if (NameAt(text, i + 1, "STRIKE>")) {
            style_.Include(TFontStyle::fsStrikeOut);
            return kLongTag;
        }
        if (NameAt(text, i + 1, "FONT COLOR")) return ApplyFontColor(text, i);
        return 0;
    }
    if (CharAt(text, i + 3, u'>') && SimpleStyle(text[i + 2], simple)) {
        style_.Exclude(simple);
        return kShortClosingTag;
    }
    if (NameAt(text, i + 2, "STRIKE>")) {
        style_.Exclude(TFontStyle::fsStrikeOut);
        return kLongTag + 1;
    }
    if (NameAt(text, i + 2, "NOWRAP>")) {
        noWrap_ = false;
        return kLongTag + 1;
    }
    if (NameAt(text, i + 2, "FONT>")) {
        color_ = defaultColor_;
        return std::string_view("</font>").size();
    }
    if (NameAt(text, i + 2, "SUB>") || NameAt(text, i + 2, "SUP>")) {
        size_ = defaultSize_;
        raise_ = 0;
        return std::string_view("</sub>").size();
    }
    if (CharAt(text, i + 4, u'>')) return kFiveCharacterTag;
    return 0;
}

std::size_t TrpHTMLTagsList::ApplyFontColor(const std::u16string& text, std::size_t i) {
    const std::size_t afterName = i + std::string_view("<FONT COLOR").size();
    std::size_t equals = text.find(u'=', afterName);
    if (equals == std::u16string::npos) return 0;
    std::size_t start = equals + 1;
    while (start < text.size() && text[start] == u' ') ++start;
    std::size_t close = text.find(u'>', start);
    if (close == std::u16string::npos) return 0;
    std::u16string value = text.substr(start, close - start);
    TColor color = clBlack;
    if (!QuotedHexColor(value, color) && !NamedColor(value, color)) return 0;
    color_ = color;
    return close - i + 1;
}

void TrpHTMLTagsList::AddCharState() {
    if (lines_.empty()) lines_.emplace_back();
    TrpHTMLTags& line = lines_.back();
    TrpHTMLTag tag;
    tag.Position = position_;
    tag.Size = size_;
    tag.Raise = raise_;
    tag.Style = style_;
    tag.Color = color_;
    tag.NoWrap = noWrap_;
    tag.Resized = size_ != defaultSize_;
    if (AllowTags) {
        const TrpHTMLTag* previous = !line.empty() ? &line.back()
                                     : lines_.size() > 1 && !lines_[lines_.size() - 2].empty()
                                         ? &lines_[lines_.size() - 2].back()
                                         : nullptr;
        if (previous)
            tag.StyleChange = previous->Style != tag.Style || previous->Color != tag.Color ||
                              previous->Size != tag.Size || previous->Raise != tag.Raise ||
                              previous->NoWrap != tag.NoWrap;
        else
            tag.StyleChange = defaultStyle_ != tag.Style || defaultColor_ != tag.Color || defaultSize_ != tag.Size;
    }
    line.push_back(tag);
}

void TrpHTMLTagsList::SplitLine(int count, bool addHyphen) {
    if (lines_.empty()) return;
    TrpHTMLTags& old = lines_.back();
    const auto kept = static_cast<std::size_t>(count);
    if (count <= 0 || old.size() <= kept) return;
    TrpHTMLTags moved(old.begin() + static_cast<std::ptrdiff_t>(kept), old.end());
    old.resize(kept);
    const TrpHTMLTag last = old.back();
    if (addHyphen) {
        old.push_back(last);
    } else if (!moved.front().StyleChange) {
        const bool noWrap = moved.front().NoWrap;
        moved.front() = last;
        moved.front().NoWrap = noWrap;
    }
    lines_.push_back(std::move(moved));
}
