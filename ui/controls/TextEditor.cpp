#include "ui/controls/TextEditor.h"

#include "ui/controls/EditMask.h"

#include "platform/text/Utf8Text.h"

namespace {

// "\r\n" and a lone "\r" become "\n".
std::u32string NormalizeBreaks(std::u32string_view in) {
    std::u32string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] == U'\r') {
            out += U'\n';
            if (i + 1 < in.size() && in[i + 1] == U'\n') ++i;
        } else {
            out += in[i];
        }
    }
    return out;
}

bool IsWordChar(char32_t c) { return IsMaskLetter(c) || IsMaskDigit(c) || c == U'_'; }

// Line breaks as "\r\n" for the world outside.
std::string ExternalText(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (char32_t c : text) {
        if (c == U'\n') out += "\r\n";
        else platform::AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

TTextEditor::TTextEditor() : clipboard_(&ProgramClipboard()) {}

std::string TTextEditor::Text() const { return ExternalText(text_); }

void TTextEditor::SetText(const std::string& text) {
    text_ = NormalizeBreaks(platform::DecodeUtf8(text));
    anchor_ = caret_ = 0;
    hasUndo_ = false;
    lineStarts_.clear();
    Changed();
}

std::u32string TTextEditor::DisplayText() const {
    if (!passwordChar_) return text_;
    return std::u32string(text_.size(), passwordChar_);
}

void TTextEditor::SetSel(int start, int length) {
    int n = Length();
    if (start < 0) {  // the platform's "no selection": caret at the end
        anchor_ = caret_ = n;
        return;
    }
    anchor_ = std::clamp(start, 0, n);
    caret_ = length < 0 ? n : std::clamp(start + length, anchor_, n);
}

std::string TTextEditor::SelText() const {
    return ExternalText(std::u32string_view(text_).substr(static_cast<std::size_t>(SelStart()),
                                                           static_cast<std::size_t>(SelLength())));
}

std::u32string TTextEditor::Fit(std::u32string text) const {
    if (!multiline_) {
        // A single line keeps what comes before the first line break.
        std::size_t br = text.find(U'\n');
        if (br != std::u32string::npos) text.resize(br);
    }
    if (numbersOnly_) std::erase_if(text, [](char32_t c) { return !IsMaskDigit(c); });
    if (maxLength_ > 0) {
        int room = maxLength_ - (Length() - SelLength());
        if (room < 0) room = 0;
        if (static_cast<int>(text.size()) > room) text.resize(static_cast<std::size_t>(room));
    }
    return text;
}

void TTextEditor::Replace(int start, int length, const std::u32string& with) {
    bool appendsAtEnd = length == 0 && start == Length() && !lineStarts_.empty();
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), with);
    if (appendsAtEnd) {
        for (std::size_t i = 0; i < with.size(); ++i)
            if (with[i] == U'\n') lineStarts_.push_back(start + static_cast<int>(i) + 1);
    } else {
        lineStarts_.clear();
    }
    anchor_ = caret_ = start + static_cast<int>(with.size());
}

void TTextEditor::SaveUndo() {
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    hasUndo_ = true;
}

void TTextEditor::Changed() {
    if (OnChange) OnChange();
}

void TTextEditor::ReplaceSel(const std::string& text) {
    std::u32string with = Fit(NormalizeBreaks(platform::DecodeUtf8(text)));
    SaveUndo();
    Replace(SelStart(), SelLength(), with);
    Changed();
}

bool TTextEditor::TypeChar(char32_t c) {
    if (!Editable()) return false;
    if (c == U'\r') c = U'\n';
    if (c == U'\n' && !multiline_) return false;
    if (c < U' ' && c != U'\n' && c != U'\t') return false;
    std::u32string with = Fit(std::u32string(1, c));
    if (with.empty()) return false;
    SaveUndo();
    Replace(SelStart(), SelLength(), with);
    Changed();
    return true;
}

bool TTextEditor::Backspace(bool word) {
    if (!Editable()) return false;
    int start = SelStart(), length = SelLength();
    if (length == 0) {
        if (caret_ == 0) return false;
        start = word ? WordLeftOf(caret_) : caret_ - 1;
        length = caret_ - start;
    }
    SaveUndo();
    Replace(start, length, {});
    Changed();
    return true;
}

bool TTextEditor::Delete(bool word) {
    if (!Editable()) return false;
    int start = SelStart(), length = SelLength();
    if (length == 0) {
        if (caret_ >= Length()) return false;
        length = (word ? WordRightOf(caret_) : caret_ + 1) - start;
    }
    SaveUndo();
    Replace(start, length, {});
    Changed();
    return true;
}

bool TTextEditor::Copy() const {
    if (passwordChar_ || SelLength() == 0) return false;  // a password is never handed out
    clipboard_->SetText(SelText());
    return true;
}

bool TTextEditor::Cut() {
    if (!Editable() || !Copy()) return false;
    return Delete();
}

bool TTextEditor::Paste() {
    if (!Editable()) return false;
    std::u32string with = Fit(NormalizeBreaks(platform::DecodeUtf8(clipboard_->GetText())));
    if (with.empty() && SelLength() == 0) return false;
    SaveUndo();
    Replace(SelStart(), SelLength(), with);
    Changed();
    return true;
}

bool TTextEditor::Undo() {
    if (!hasUndo_ || readOnly_) return false;
    // Undoing twice redoes, as the platform's one-level undo does.
    std::swap(text_, undoText_);
    std::swap(anchor_, undoAnchor_);
    std::swap(caret_, undoCaret_);
    lineStarts_.clear();
    Changed();
    return true;
}

int TTextEditor::WordLeftOf(int position) const {
    int p = position;
    while (p > 0 && !IsWordChar(text_[static_cast<std::size_t>(p - 1)])) --p;
    while (p > 0 && IsWordChar(text_[static_cast<std::size_t>(p - 1)])) --p;
    return p;
}

int TTextEditor::WordRightOf(int position) const {
    int p = position, n = Length();
    while (p < n && IsWordChar(text_[static_cast<std::size_t>(p)])) ++p;
    while (p < n && !IsWordChar(text_[static_cast<std::size_t>(p)]) && text_[static_cast<std::size_t>(p)] != U'\n') ++p;
    if (p == position && p < n) ++p;  // a line break or lone mark: step over it
    return p;
}

void TTextEditor::Move(TCaretMove move, bool extend) {
    int p = caret_;
    // A collapsing arrow key lands on the selection's edge.
    if (!extend && SelLength() > 0 && (move == TCaretMove::CharLeft || move == TCaretMove::CharRight)) {
        p = move == TCaretMove::CharLeft ? SelStart() : SelStart() + SelLength();
        anchor_ = caret_ = p;
        return;
    }
    int line = LineFromChar(p);
    int column = p - LineStart(line);
    switch (move) {
    case TCaretMove::CharLeft: p = std::max(0, p - 1); break;
    case TCaretMove::CharRight: p = std::min(Length(), p + 1); break;
    case TCaretMove::WordLeft: p = WordLeftOf(p); break;
    case TCaretMove::WordRight: p = WordRightOf(p); break;
    case TCaretMove::LineStart: p = LineStart(line); break;
    case TCaretMove::LineEnd: {
        int next = line + 1 < static_cast<int>(lineStarts_.size()) ? lineStarts_[static_cast<std::size_t>(line + 1)] - 1
                                                                   : Length();
        p = next;
        break;
    }
    case TCaretMove::LineUp:
    case TCaretMove::LineDown: {
        int target = line + (move == TCaretMove::LineUp ? -1 : 1);
        EnsureLines();
        if (target < 0 || target >= static_cast<int>(lineStarts_.size())) break;
        int start = lineStarts_[static_cast<std::size_t>(target)];
        int end = target + 1 < static_cast<int>(lineStarts_.size()) ? lineStarts_[static_cast<std::size_t>(target + 1)] - 1
                                                                    : Length();
        p = std::min(start + column, end);
        break;
    }
    case TCaretMove::TextStart: p = 0; break;
    case TCaretMove::TextEnd: p = Length(); break;
    }
    caret_ = p;
    if (!extend) anchor_ = p;
}

void TTextEditor::EnsureLines() const {
    if (!lineStarts_.empty()) return;
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == U'\n') lineStarts_.push_back(static_cast<int>(i) + 1);
}

int TTextEditor::LineCount() const {
    EnsureLines();
    int n = static_cast<int>(lineStarts_.size());
    // A text ending in a line break has no further line.
    if (n > 1 && lineStarts_.back() == Length()) --n;
    if (text_.empty()) return 0;
    return n;
}

std::string TTextEditor::Line(int index) const {
    EnsureLines();
    if (index < 0 || index >= static_cast<int>(lineStarts_.size())) return {};
    int start = lineStarts_[static_cast<std::size_t>(index)];
    int end = index + 1 < static_cast<int>(lineStarts_.size()) ? lineStarts_[static_cast<std::size_t>(index + 1)] - 1
                                                               : Length();
    return platform::EncodeUtf8(std::u32string_view(text_).substr(static_cast<std::size_t>(start),
                                                             static_cast<std::size_t>(end - start)));
}

int TTextEditor::LineStart(int index) const {
    EnsureLines();
    if (index < 0 || index >= static_cast<int>(lineStarts_.size())) return -1;
    return lineStarts_[static_cast<std::size_t>(index)];
}

int TTextEditor::LineFromChar(int position) const {
    EnsureLines();
    auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    return static_cast<int>(it - lineStarts_.begin()) - 1;
}

void TTextEditor::AppendLine(const std::string& line) {
    EnsureLines();
    std::u32string with;
    if (!text_.empty() && text_.back() != U'\n') with += U'\n';
    with += NormalizeBreaks(platform::DecodeUtf8(line));
    with += U'\n';
    int keepAnchor = anchor_, keepCaret = caret_;
    Replace(Length(), 0, with);
    anchor_ = keepAnchor;
    caret_ = keepCaret;
    Changed();
}

void TTextEditor::Clear() {
    text_.clear();
    anchor_ = caret_ = 0;
    hasUndo_ = false;
    lineStarts_.clear();
    Changed();
}
