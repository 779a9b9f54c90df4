#pragma once
// The text of a masked edit and its editing: every position of the mask is
// always present (literals in place, empty positions shown as the blank),
// input overwrites, and a key the position refuses changes nothing.
// Positions (SelStart) count characters of EditText.

#include "ui/controls/EditMask.h"

#include <string>

class TMaskedText {
public:
    explicit TMaskedText(const TEditMask& mask = TEditMask());

    const TEditMask& Mask() const { return mask_; }
    // Keeps what fits of the old text under the new mask.
    void SetMask(const TEditMask& mask);

    // The display text: literals and blanks included.
    std::string EditText() const;
    // Each character is placed at its position; one that does not fit leaves the position blank.
    void SetEditText(const std::string& text);
    // Blanks read as spaces; literals only when the mask saves them.
    std::string Text() const;
    // The characters fed through the mask from the start: a literal of the
    // text is taken where the mask has the same literal.
    void SetText(const std::string& text);
    void Clear();

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSel(int start, int length);
    void SetCaret(int position) { SetSel(position, 0); }

    // Typing a character at the caret (over the selection): the next input
    // position takes it and the caret moves past it and the literals after
    // it; typing a position's literal just moves over it. False, with
    // nothing changed, when the position refuses the character.
    bool TypeChar(char32_t c);
    // Blanks the selection, or the input position before the caret.
    void Backspace();
    // Blanks the selection, or the input position at the caret.
    void Delete();
    // Places the text from the caret through the mask; all or nothing.
    bool Paste(const std::string& text);
    // The selected characters as they show.
    std::string SelText() const;

    // The first required position still blank, or -1 when the text is complete.
    int FirstInvalidPosition() const;
    bool IsComplete() const { return FirstInvalidPosition() < 0; }
    // Nothing typed: every input position blank.
    bool IsBlank() const;

private:
    int NextInputPosition(int from) const;
    int PreviousInputPosition(int before) const;
    int SkipLiterals(int from) const;
    void BlankRange(int start, int length);
    // Feeds `text` into the positions from `start`; false when a character does not fit.
    bool Feed(std::u32string_view text, int start, bool blankMisfits);

    TEditMask mask_;
    std::u32string chars_;
    int selStart_ = 0;
    int selLength_ = 0;
};
