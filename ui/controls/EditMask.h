#pragma once
// An edit mask "body;save-literals;blank": which characters each position of
// a masked edit takes. Body characters: L/l letter, A/a letter or digit,
// C/c any character, 0/9 digit, # digit or sign (upper case required, lower
// case optional; '0' required, '9' and '#' optional), > upper case and < lower
// case for what follows ("<>" neither), \ makes the next character a literal,
// ':' and '/' are the time and date separators, anything else is a literal.
// The second field "0" keeps literals out of Text; the third is the blank
// shown for an empty position ('_' when absent).

#include <string>
#include <string_view>
#include <vector>

enum class TMaskCharKind { Literal, Letter, LetterOrDigit, AnyChar, Digit, DigitOrSign };
enum class TMaskCase { None, Upper, Lower };

struct TMaskPosition {
    TMaskCharKind Kind = TMaskCharKind::Literal;
    bool Required = false;
    TMaskCase Case = TMaskCase::None;
    char32_t Literal = 0;  // for literals
};

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(std::string_view mask);

    bool IsEmpty() const { return positions_.empty(); }
    int Length() const { return static_cast<int>(positions_.size()); }
    const TMaskPosition& At(int index) const { return positions_.at(static_cast<std::size_t>(index)); }
    bool IsLiteral(int index) const { return At(index).Kind == TMaskCharKind::Literal; }
    bool SaveLiterals() const { return saveLiterals_; }
    char32_t Blank() const { return blank_; }

    // The character as the position stores it (case applied), or 0 when the
    // position refuses it.
    char32_t Accept(int index, char32_t c) const;

private:
    std::vector<TMaskPosition> positions_;
    bool saveLiterals_ = true;
    char32_t blank_ = U'_';
};

// Characters of the mask classes; Cyrillic counts as letters.
bool IsMaskLetter(char32_t c);
bool IsMaskDigit(char32_t c);
