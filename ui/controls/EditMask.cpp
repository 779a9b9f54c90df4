#include "ui/controls/EditMask.h"

#include "platform/text/LetterCase.h"
#include "platform/text/Utf8Text.h"

namespace {

constexpr char32_t TimeSeparator = U':';
constexpr char32_t DateSeparator = U'.';

// The mask's fields split at unescaped ';'.
std::vector<std::u32string> SplitFields(const std::u32string& mask) {
    std::vector<std::u32string> fields(1);
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == U'\\' && i + 1 < mask.size()) {
            fields.back() += mask[i];
            fields.back() += mask[++i];
        } else if (mask[i] == U';') {
            fields.emplace_back();
        } else {
            fields.back() += mask[i];
        }
    }
    return fields;
}

}  // namespace

bool IsMaskDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

bool IsMaskLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= 0x0400 && c <= 0x04FF);
}

TEditMask::TEditMask(std::string_view mask) {
    std::vector<std::u32string> fields = SplitFields(platform::DecodeUtf8(mask));
    if (fields.size() >= 2 && fields[1] == U"0") saveLiterals_ = false;
    if (fields.size() >= 3 && !fields[2].empty()) blank_ = fields[2][0];

    const std::u32string& body = fields[0];
    TMaskCase currentCase = TMaskCase::None;
    for (std::size_t i = 0; i < body.size(); ++i) {
        char32_t c = body[i];
        TMaskPosition p;
        p.Case = currentCase;
        switch (c) {
        case U'\\':
            if (i + 1 < body.size()) p.Literal = body[++i];
            else p.Literal = c;
            break;
        case U'>': currentCase = TMaskCase::Upper; continue;
        case U'<':
            if (i + 1 < body.size() && body[i + 1] == U'>') {
                ++i;
                currentCase = TMaskCase::None;
            } else {
                currentCase = TMaskCase::Lower;
            }
            continue;
        case U'!': continue;  // leading-blank trimming: a display matter we do not need
        case U'L': p.Kind = TMaskCharKind::Letter; p.Required = true; break;
        case U'l': p.Kind = TMaskCharKind::Letter; break;
        case U'A': p.Kind = TMaskCharKind::LetterOrDigit; p.Required = true; break;
        case U'a': p.Kind = TMaskCharKind::LetterOrDigit; break;
        case U'C': p.Kind = TMaskCharKind::AnyChar; p.Required = true; break;
        case U'c': p.Kind = TMaskCharKind::AnyChar; break;
        case U'0': p.Kind = TMaskCharKind::Digit; p.Required = true; break;
        case U'9': p.Kind = TMaskCharKind::Digit; break;
        case U'#': p.Kind = TMaskCharKind::DigitOrSign; break;
        case U':': p.Literal = TimeSeparator; break;
        case U'/': p.Literal = DateSeparator; break;
        default: p.Literal = c; break;
        }
        positions_.push_back(p);
    }
}

char32_t TEditMask::Accept(int index, char32_t c) const {
    if (index < 0 || index >= Length()) return 0;
    const TMaskPosition& p = At(index);
    if (c < U' ') return 0;
    if (p.Case == TMaskCase::Upper) c = platform::UpperLetter(c);
    if (p.Case == TMaskCase::Lower) c = platform::LowerLetter(c);
    bool ok = false;
    switch (p.Kind) {
    case TMaskCharKind::Literal: ok = c == p.Literal; break;
    case TMaskCharKind::Letter: ok = IsMaskLetter(c); break;
    case TMaskCharKind::LetterOrDigit: ok = IsMaskLetter(c) || IsMaskDigit(c); break;
    case TMaskCharKind::AnyChar: ok = true; break;
    case TMaskCharKind::Digit: ok = IsMaskDigit(c); break;
    case TMaskCharKind::DigitOrSign: ok = IsMaskDigit(c) || c == U'+' || c == U'-'; break;
    }
    return ok ? c : 0;
}
