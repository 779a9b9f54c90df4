// Words, punctuation, numbers, string literals and bracketed text.
#include "script/tokenizer/Parser.h"

#include "platform/text/Utf8Text.h"

#include <algorithm>

#include <cstdint>

namespace {

// Character codes saturate here; the UTF-8 encoder writes U+FFFD for them.
constexpr std::uint32_t kBeyondLargestCode = 0x110000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void AccumulateCode(std::uint32_t& code, std::uint32_t base, int digit) {
    code = std::min<std::uint64_t>(std::uint64_t{code} * base + static_cast<std::uint32_t>(digit), kBeyondLargestCode);
}

bool IsPunctuation(unsigned char c) {
    return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string TscParser::ReadWord() {
    SkipBlanks();
    if (position_ > size_ || !IsIdentChar(At(position_)) || IsDigit(At(position_))) return {};
    while (position_ <= size_ && IsIdentChar(At(position_))) ++position_;
    return text_.substr(static_cast<std::size_t>(tokenStart_ - 1), static_cast<std::size_t>(position_ - tokenStart_));
}

std::string TscParser::ReadIdentifier() {
    std::string word = ReadWord();
    if (!word.empty() && IsKeyword(word)) {
        position_ = tokenStart_;
        return {};
    }
    return word;
}

std::string TscParser::ReadPunctuation() {
    if (position_ > size_ || !IsPunctuation(static_cast<unsigned char>(At(position_)))) return {};
    return std::string(1, At(position_++));
}

bool TscParser::ReadDigits(bool hexadecimal) {
    const int start = position_;
    while (position_ <= size_ && (hexadecimal ? HexValue(At(position_)) >= 0 : IsDigit(At(position_)))) ++position_;
    return position_ > start;
}

bool TscParser::ReadInteger() {
    const int start = position_;
    if (StartsWithAt(position_, HexSequence)) {
        position_ += static_cast<int>(HexSequence.size());
        if (ReadDigits(true)) return true;
        position_ = start;
        return false;
    }
    return ReadDigits(false);
}

bool TscParser::ReadReal() {
    if (!ReadInteger()) return false;
    // A point without a digit after it is left to the grammar ("1..5").
    if (position_ < size_ && At(position_) == '.' && IsDigit(At(position_ + 1))) {
        ++position_;
        ReadDigits(false);
    }
    if (position_ <= size_ && (At(position_) == 'e' || At(position_) == 'E')) {
        const int exponent = position_++;
        if (position_ <= size_ && (At(position_) == '+' || At(position_) == '-')) ++position_;
        if (!ReadDigits(false)) position_ = exponent;
    }
    return true;
}

std::string TscParser::ReadNumber() {
    SkipBlanks();
    if (!ReadReal()) return {};
    const std::string_view token = std::string_view(text_).substr(static_cast<std::size_t>(tokenStart_ - 1),
                                                                  static_cast<std::size_t>(position_ - tokenStart_));
    if (HexSequence.empty() || HexSequence == "$") return std::string(token);
    // Every dialect's hexadecimal prefix comes back as "$".
    std::string number;
    for (std::size_t at = 0; at < token.size();) {
        if (token.substr(at, HexSequence.size()) == HexSequence) {
            number += '$';
            at += HexSequence.size();
        } else {
            number += token[at++];
        }
    }
    return number;
}

bool TscParser::ReadQuotedPart(std::string& out) {
    if (StringQuotes.empty() || position_ > size_ || At(position_) != StringQuotes[0]) return false;
    const char quote = StringQuotes[0];
    const int start = position_;
    const std::size_t kept = out.size();
    ++position_;
    while (position_ <= size_) {
        const char c = At(position_);
        if (c != '\t' && static_cast<unsigned char>(c) < 32) break;
        if (SpecStrChar && c == '\\') {
            if (++position_ > size_) break;
            const char escaped = At(position_++);
            switch (LowerAscii(escaped)) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 'x': {
                std::uint32_t code = 0;
                bool any = false;
                for (; position_ <= size_ && HexValue(At(position_)) >= 0; ++position_, any = true)
                    AccumulateCode(code, 16, HexValue(At(position_)));
                if (any) platform::AppendUtf8(out, code);
                break;
            }
            default: out += escaped; break;
            }
            continue;
        }
        if (c == quote) {
            if (!SpecStrChar && position_ < size_ && At(position_ + 1) == quote) {
                out += quote;
                position_ += 2;
                continue;
            }
            ++position_;
            return true;
        }
        out += c;
        ++position_;
    }
    // An unterminated literal is no string.
    position_ = start;
    out.resize(kept);
    return false;
}

bool TscParser::ReadCharacterCodePart(std::string& out) {
    if (position_ > size_ || At(position_) != '#') return false;
    const int start = position_++;
    const int digits = position_;
    if (!ReadInteger()) {
        position_ = start;
        return false;
    }
    std::uint32_t code = 0;
    const bool hexadecimal = StartsWithAt(digits, HexSequence);
    for (int at = digits + (hexadecimal ? static_cast<int>(HexSequence.size()) : 0); at < position_; ++at)
        AccumulateCode(code, hexadecimal ? 16 : 10, HexValue(At(at)));
    platform::AppendUtf8(out, code);
    return true;
}

std::string TscParser::ReadStringLiteral() {
    SkipBlanks();
    std::string value;
    bool any = false;
    while (ReadQuotedPart(value) || ReadCharacterCodePart(value)) any = true;
    if (!any) return {};
    return "'" + value + "'";
}

std::string TscParser::ReadBracketedText() {
    const int start = position_;
    int level = 1;
    bool inDouble = false;
    bool inSingle = false;
    for (; position_ <= size_; ++position_) {
        const char c = At(position_);
        if (!inDouble && !inSingle) {
            if (c == '<' || c == '[') ++level;
            if ((c == '>' || c == ']') && --level == 0) break;
        }
        if (c == '"' && !inSingle) inDouble = !inDouble;
        else if (c == '\'' && !inDouble) inSingle = !inSingle;
    }
    return text_.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(position_ - start));
}
