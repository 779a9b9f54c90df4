#include "ui/controls/MaskedText.h"

#include "platform/text/Utf8Text.h"

#include <algorithm>

TMaskedText::TMaskedText(const TEditMask& mask) { SetMask(mask); }

void TMaskedText::SetMask(const TEditMask& mask) {
    std::string old = chars_.empty() ? std::string() : EditText();
    mask_ = mask;
    Clear();
    if (!old.empty()) SetEditText(old);
}

void TMaskedText::Clear() {
    chars_.assign(static_cast<std::size_t>(mask_.Length()), mask_.Blank());
    for (int i = 0; i < mask_.Length(); ++i)
        if (mask_.IsLiteral(i)) chars_[static_cast<std::size_t>(i)] = mask_.At(i).Literal;
    selStart_ = selLength_ = 0;
}

std::string TMaskedText::EditText() const { return platform::EncodeUtf8(chars_); }

void TMaskedText::SetEditText(const std::string& text) {
    std::u32string in = platform::DecodeUtf8(text);
    Clear();
    for (int i = 0; i < mask_.Length() && i < static_cast<int>(in.size()); ++i) {
        if (mask_.IsLiteral(i)) continue;
        char32_t c = mask_.Accept(i, in[static_cast<std::size_t>(i)]);
        if (c) chars_[static_cast<std::size_t>(i)] = c;
    }
}

std::string TMaskedText::Text() const {
    std::u32string out;
    for (int i = 0; i < mask_.Length(); ++i) {
        char32_t c = chars_[static_cast<std::size_t>(i)];
        if (mask_.IsLiteral(i)) {
            if (mask_.SaveLiterals()) out += c;
        } else {
            out += c == mask_.Blank() ? U' ' : c;
        }
    }
    return platform::EncodeUtf8(out);
}

void TMaskedText::SetText(const std::string& text) {
    Clear();
    std::u32string in = platform::DecodeUtf8(text);
    Feed(in, 0, true);
    selStart_ = selLength_ = 0;
}

void TMaskedText::SetSel(int start, int length) {
    int n = mask_.Length();
    start = std::clamp(start, 0, n);
    selStart_ = start;
    selLength_ = std::clamp(length, 0, n - start);
}

int TMaskedText::NextInputPosition(int from) const {
    for (int i = std::max(from, 0); i < mask_.Length(); ++i)
        if (!mask_.IsLiteral(i)) return i;
    return -1;
}

int TMaskedText::PreviousInputPosition(int before) const {
    for (int i = std::min(before, mask_.Length()) - 1; i >= 0; --i)
        if (!mask_.IsLiteral(i)) return i;
    return -1;
}

int TMaskedText::SkipLiterals(int from) const {
    int next = NextInputPosition(from);
    return next < 0 ? from : next;
}

void TMaskedText::BlankRange(int start, int length) {
    for (int i = start; i < start + length && i < mask_.Length(); ++i)
        if (!mask_.IsLiteral(i)) chars_[static_cast<std::size_t>(i)] = mask_.Blank();
}

bool TMaskedText::TypeChar(char32_t c) {
    // The literal under the caret typed over: step past it.
    if (selLength_ == 0 && selStart_ < mask_.Length() && mask_.IsLiteral(selStart_) &&
        mask_.At(selStart_).Literal == c) {
        SetCaret(SkipLiterals(selStart_ + 1));
        return true;
    }
    int at = NextInputPosition(selStart_);
    if (at < 0) return false;
    char32_t accepted = mask_.Accept(at, c);
    if (!accepted) return false;
    BlankRange(selStart_, selLength_);
    chars_[static_cast<std::size_t>(at)] = accepted;
    SetCaret(SkipLiterals(at + 1));
    return true;
}

void TMaskedText::Backspace() {
    if (selLength_ > 0) {
        BlankRange(selStart_, selLength_);
        SetCaret(selStart_);
        return;
    }
    int at = PreviousInputPosition(selStart_);
    if (at < 0) return;
    chars_[static_cast<std::size_t>(at)] = mask_.Blank();
    SetCaret(at);
}

void TMaskedText::Delete() {
    if (selLength_ > 0) {
        BlankRange(selStart_, selLength_);
        SetCaret(selStart_);
        return;
    }
    int at = NextInputPosition(selStart_);
    if (at >= 0) chars_[static_cast<std::size_t>(at)] = mask_.Blank();
}

bool TMaskedText::Feed(std::u32string_view text, int start, bool blankMisfits) {
    int pos = start;
    for (char32_t c : text) {
        while (pos < mask_.Length() && mask_.IsLiteral(pos)) {
            if (mask_.At(pos).Literal == c) break;
            ++pos;
        }
        if (pos >= mask_.Length()) break;  // the rest does not fit in: dropped
        if (mask_.IsLiteral(pos)) {
            ++pos;
            continue;
        }
        char32_t accepted = mask_.Accept(pos, c);
        if (!accepted && c != U' ' && c != mask_.Blank() && !blankMisfits) return false;
        chars_[static_cast<std::size_t>(pos)] = accepted ? accepted : mask_.Blank();
        ++pos;
    }
    selStart_ = pos;
    return true;
}

bool TMaskedText::Paste(const std::string& text) {
    std::u32string saved = chars_;
    int start = selStart_;
    BlankRange(selStart_, selLength_);
    selLength_ = 0;
    if (!Feed(platform::DecodeUtf8(text), start, false)) {
        chars_ = saved;
        SetCaret(start);
        return false;
    }
    SetCaret(SkipLiterals(selStart_));
    return true;
}

std::string TMaskedText::SelText() const {
    return platform::EncodeUtf8(std::u32string_view(chars_).substr(static_cast<std::size_t>(selStart_),
                                                              static_cast<std::size_t>(selLength_)));
}

int TMaskedText::FirstInvalidPosition() const {
    for (int i = 0; i < mask_.Length(); ++i)
        if (mask_.At(i).Required && chars_[static_cast<std::size_t>(i)] == mask_.Blank()) return i;
    return -1;
}

bool TMaskedText::IsBlank() const {
    for (int i = 0; i < mask_.Length(); ++i)
        if (!mask_.IsLiteral(i) && chars_[static_cast<std::size_t>(i)] != mask_.Blank()) return false;
    return true;
}
