// Blanks, line continuations, comments and line ends.
#include "script/tokenizer/Parser.h"

#include <algorithm>

namespace {

constexpr unsigned char kLastBlank = 32;

struct BlockDelimiters {
    std::string_view opener;
    std::string_view closer;
};

BlockDelimiters SplitBlock(std::string_view setting) {
    const std::size_t comma = setting.find(',');
    if (comma == std::string_view::npos) return {setting, {}};
    return {setting.substr(0, comma), setting.substr(comma + 1)};
}

}  // namespace

void TscParser::SkipLineComment() {
    // Without SkipEOL a comment after code leaves the line end to the
    // grammar; a line holding only a comment goes with its line end.
    const bool stopAtReturn = !SkipEOL && position_ > 1 && At(position_ - 1) != '\n';
    while (position_ <= size_ && At(position_) != '\n' && !(stopAtReturn && At(position_) == '\r')) ++position_;
}

bool TscParser::SkipBlockComment() {
    for (const std::string* setting : {&CommentBlock1, &CommentBlock2}) {
        const BlockDelimiters block = SplitBlock(*setting);
        if (!StartsWithAt(position_, block.opener)) continue;
        position_ += static_cast<int>(block.opener.size());
        while (position_ <= size_ && !block.closer.empty() && !StartsWithAt(position_, block.closer)) ++position_;
        if (position_ <= size_) position_ += static_cast<int>(block.closer.size());
        position_ = std::min(position_, size_ + 1);
        return true;
    }
    return false;
}

void TscParser::SkipBlanks() {
    // Each line continuation owes the line end after it once the blanks and
    // comments that follow are skipped; counting them keeps this a loop
    // however many continuations a text holds.
    int owedLineEnds = 0;
    for (;;) {
        while (position_ <= size_) {
            const auto c = static_cast<unsigned char>(At(position_));
            if (c > kLastBlank || (!SkipEOL && c == '\r')) break;
            ++position_;
        }
        if (!SkipChar.empty() && position_ <= size_ && At(position_) == SkipChar[0]) {
            ++position_;
            ++owedLineEnds;
            continue;
        }
        if (position_ < size_) {
            const int before = position_;
            if (StartsWithAt(position_, CommentLine1) || StartsWithAt(position_, CommentLine2)) SkipLineComment();
            // An opener made of line-end characters would never move on.
            if (position_ != before) continue;
            if (SkipBlockComment()) continue;
        }
        if (owedLineEnds > 0) {
            --owedLineEnds;
            while (position_ <= size_ && (At(position_) == '\r' || At(position_) == '\n')) ++position_;
            continue;
        }
        break;
    }
    tokenStart_ = position_;
}

bool TscParser::ReadLineEnd() {
    SkipBlanks();
    if (position_ > size_ || (At(position_) != '\r' && At(position_) != '\n')) return false;
    while (position_ <= size_ && (At(position_) == '\r' || At(position_) == '\n')) ++position_;
    return true;
}
