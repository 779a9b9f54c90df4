#pragma once
// The text of an edit or memo and its editing: caret and selection (an
// anchor and a caret, in characters), typing, deleting, the clipboard, one
// level of undo, caret moves, read-only, digits-only, a length limit, a
// password character for display, and the lines of a multi-line text.
// Lines end with "\n" inside; Text gives "\r\n". User edits report OnChange;
// so do writes from code, as the window's text change does.

#include "ui/controls/ClipboardText.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

enum class TCaretMove { CharLeft, CharRight, WordLeft, WordRight, LineStart, LineEnd, LineUp, LineDown, TextStart, TextEnd };

class TTextEditor {
public:
    TTextEditor();

    bool Multiline() const { return multiline_; }
    void SetMultiline(bool value) { multiline_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool value) { numbersOnly_ = value; }
    // 0: no limit. Limits what the user types and pastes, not what code sets.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t c) { passwordChar_ = c; }
    void SetClipboard(TClipboardText* clipboard) { clipboard_ = clipboard ? clipboard : &ProgramClipboard(); }

    std::string Text() const;
    void SetText(const std::string& text);
    int Length() const { return static_cast<int>(text_.size()); }
    // What shows: the password character in place of every character.
    std::u32string DisplayText() const;
    const std::u32string& Chars() const { return text_; }

    int SelStart() const { return std::min(anchor_, caret_); }
    int SelLength() const { return std::abs(caret_ - anchor_); }
    int CaretPos() const { return caret_; }
    void SetSel(int start, int length);
    void SelectAll() { SetSel(0, Length()); }
    std::string SelText() const;
    // Replaces the selection from code (read-only does not stop it; the limit does).
    void ReplaceSel(const std::string& text);

    // User editing; false when refused (read-only, limit, not a digit).
    bool TypeChar(char32_t c);
    bool Backspace(bool word = false);
    bool Delete(bool word = false);
    bool Cut();
    bool Copy() const;
    bool Paste();
    bool Undo();
    bool CanUndo() const { return hasUndo_; }
    void Move(TCaretMove move, bool extend);

    // Lines as the memo has them: "a\nb\n" and "a\nb" are both two lines.
    int LineCount() const;
    std::string Line(int index) const;
    int LineStart(int index) const;
    int LineFromChar(int position) const;
    // Adds a line at the end (fast: the text is not rebuilt), as a log window does.
    void AppendLine(const std::string& line);
    // Clears the text and the undo.
    void Clear();

    std::function<void()> OnChange;

private:
    bool Editable() const { return !readOnly_; }
    // The part of `text` that fits under the limit, filtered for digits-only.
    std::u32string Fit(std::u32string text) const;
    void Replace(int start, int length, const std::u32string& with);
    void SaveUndo();
    void Changed();
    int WordLeftOf(int position) const;
    int WordRightOf(int position) const;
    void EnsureLines() const;

    std::u32string text_;
    int anchor_ = 0;
    int caret_ = 0;
    bool multiline_ = false;
    bool readOnly_ = false;
    bool numbersOnly_ = false;
    int maxLength_ = 0;
    char32_t passwordChar_ = 0;
    TClipboardText* clipboard_;
    bool hasUndo_ = false;
    std::u32string undoText_;
    int undoAnchor_ = 0, undoCaret_ = 0;
    mutable std::vector<int> lineStarts_;  // empty when stale
};
