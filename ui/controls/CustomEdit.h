#pragma once
// Edits: a line of text (TEdit) or several (TMemo) typed, selected, cut,
// copied and pasted with the keyboard and the mouse. The text and its
// editing live in a TTextEditor; the control maps keys and clicks onto it,
// paints it, and tells OnChange after every change, from the user or from code.

#include "ui/controls/TextAlignment.h"
#include "ui/controls/TextEditor.h"
#include "ui/controls/TextRows.h"
#include "ui/core/StringList.h"
#include "ui/forms/CustomControl.h"
#include "ui/graphics/MeasureCanvas.h"

#include <map>

enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomEdit(TComponent* owner);

    int MaxLength() const { return editor_.MaxLength(); }
    void SetMaxLength(int value) { editor_.SetMaxLength(value); }
    bool ReadOnly() const { return editor_.ReadOnly(); }
    void SetReadOnly(bool value);
    char32_t PasswordChar() const { return editor_.PasswordChar(); }
    void SetPasswordChar(char32_t c);
    bool NumbersOnly() const { return editor_.NumbersOnly(); }
    void SetNumbersOnly(bool value) { editor_.SetNumbersOnly(value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // The selection shows only while focused.
    bool HideSelection = true;
    // Focus by Tab selects the whole text.
    bool AutoSelect = true;
    bool Modified = false;

    virtual int SelStart() const { return editor_.SelStart(); }
    virtual void SetSelStart(int value);
    virtual int SelLength() const { return editor_.SelLength(); }
    virtual void SetSelLength(int value);
    virtual std::string SelText() const { return editor_.SelText(); }
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard() { editor_.Copy(); }
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const { return editor_.CanUndo(); }
    void Clear() { SetText(""); }
    // Where the text is drawn inside the frame.
    TRect FormattingRect() const;
    // The first line shown (a memo scrolls by lines).
    int TopLine() const { return topLine_; }
    void SetClipboard(TClipboardText* clipboard) { editor_.SetClipboard(clipboard); }

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    std::string GetText() const override { return editor_.Text(); }
    void SetTextBuffer(const std::string& text) override { editor_.SetText(text); }
    virtual void Change();
    // The native keyboard of the edit; true when the key was used.
    virtual bool EditKeyDown(platform::WORD key, TShiftState shift);
    virtual bool EditChar(char32_t c);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void Paint() override;
    // The characters shown, and the caret and selection in them.
    virtual std::u32string ShownText() const { return editor_.DisplayText(); }
    virtual int ShownCaret() const { return editor_.CaretPos(); }
    int CharAtPoint(int x, int y);
    void ScrollCaretIntoView();
    int LineHeight();
    // Rows (a multiline edit scrolls by rows) that fit whole in the formatting rectangle (at least one).
    int VisibleLines();
    // Scrolls a multiline edit so `line` is the first row shown, as far as there is text below.
    void SetTopLine(int line);
    int ScrollX() const { return scrollX_; }
    // One character's width in the font, remembered until the font changes.
    int CharWidth(char32_t c);
    void SetScrollX(int x);
    // The rows of a multiline edit, laid out again after a change of text, font or wrap width.
    const TTextRows& Rows();
    // The width a multiline edit wraps its lines at; 0 keeps lines whole.
    virtual int WrapWidth() { return 0; }
    void LayoutChanged() { rowsStale_ = true; }
    // Tells the scroll bars of the text's extent and the place shown.
    virtual void UpdateScrollBars() {}

    TTextEditor editor_;
    // Measures outside painting.
    TMeasureCanvas measure_;

private:
    void PaintLine(const std::u32string& line, int lineStart, int y, const TRect& area);
    int TextWidthOf(std::u32string_view text);

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int scrollX_ = 0;
    int topLine_ = 0;
    bool mouseSelecting_ = false;
    TTextRows rows_;
    bool rowsStale_ = true;
    int rowsWrapWidth_ = 0;
    std::map<char32_t, int> charWidths_;  // in the current font
};

class TEdit : public TCustomEdit {
    DECLARE_CLASS_INFO
public:
    using TCustomEdit::TCustomEdit;
};

class TCustomMemo;

// The memo's lines as a string list: reading and writing go to the text.
class TMemoLines : public TStrings {
public:
    explicit TMemoLines(TCustomMemo& memo) : memo_(memo) {}
    int Count() const override;
    std::string Strings(int index) const override;
    void Insert(int index, const std::string& value) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& value) override;
    void SetText(std::string_view text) override;

private:
    TCustomMemo& memo_;
};

class TCustomMemo : public TCustomEdit {
    DECLARE_CLASS_INFO
public:
    explicit TCustomMemo(TComponent* owner);
    TStrings* Lines() { return &lines_; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // Long lines wrap at word ends; without wrapping the memo scrolls sideways
    // and shows a horizontal scroll bar whenever a line is wider than it.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    bool WantReturns = true;
    bool WantTabs = false;

    void Dispatch(TMessage& message) override;

protected:
    friend class TMemoLines;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Resize() override;
    bool EditChar(char32_t c) override;
    int WrapWidth() override;
    void UpdateScrollBars() override;

private:
    void ScrollMessage(int bar, platform::WORD code);
    bool HasBar(TScrollStyle bar) const { return scrollBars_ == bar || scrollBars_ == TScrollStyle::ssBoth; }

    TMemoLines lines_;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
    DECLARE_CLASS_INFO
public:
    using TCustomMemo::TCustomMemo;
};
