#include "script/tokenizer/Parser.h"

#include "ui/core/TextCase.h"

#include <algorithm>

namespace {

constexpr std::string_view kDefaultIdentChars =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

}  // namespace

bool TscParser::KeywordLess::operator()(std::string_view a, std::string_view b) const {
    return AnsiCompareText(a, b) < 0;
}

void TscParser::Reset() {
    CommentLine1 = "//";
    CommentBlock1 = "{,}";
    CommentBlock2 = "(*,*)";
    StringQuotes = "'";
    HexSequence = "$";
    SpecStrChar = false;
    SkipEOL = true;
    SkipChar.clear();
    SetIdentChars(kDefaultIdentChars);
    keywords_.clear();
}

void TscParser::SetText(std::string_view text) {
    text_.assign(text);
    text_ += '\0';
    size_ = static_cast<int>(text.size());
    position_ = tokenStart_ = 1;
    lineStarts_.assign(1, 0);
    for (int i = 1; i <= size_; ++i)
        if (At(i) == '\n') lineStarts_.push_back(i);
}

void TscParser::SetPosition(int position) { position_ = tokenStart_ = std::clamp(position, 1, size_ + 1); }

void TscParser::SetIdentChars(std::string_view chars) {
    IdentChars.reset();
    for (char c : chars) IdentChars.set(static_cast<unsigned char>(c));
}

void TscParser::AddKeyword(std::string_view word) { keywords_.emplace(word); }

bool TscParser::IsKeyword(std::string_view word) const {
    if (!CaseSensitive) return keywords_.find(word) != keywords_.end();
    auto [first, last] = keywords_.equal_range(word);
    return std::any_of(first, last, [word](const std::string& entry) { return entry == word; });
}

bool TscParser::StartsWithAt(int position, std::string_view prefix) const {
    if (prefix.empty() || position < 1 || position > size_) return false;
    return std::string_view(text_).substr(static_cast<std::size_t>(position - 1), prefix.size()) == prefix;
}

std::string TscParser::PositionText(int position) const {
    // The first line whose closing line feed is at or after the position.
    auto closing = std::lower_bound(lineStarts_.begin() + 1, lineStarts_.end(), position);
    const auto line = static_cast<int>(closing - lineStarts_.begin());
    const int column = position - lineStarts_[static_cast<std::size_t>(line - 1)];
    return std::to_string(line) + ":" + std::to_string(column);
}

int TscParser::LineColumnToPosition(int column, int line) const {
    if (line < 1 || line > static_cast<int>(lineStarts_.size())) return -1;
    return lineStarts_[static_cast<std::size_t>(line - 1)] + column;
}
