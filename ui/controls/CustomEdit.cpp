#include "ui/controls/CustomEdit.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Form.h"

#include "platform/text/Utf8Text.h"
#include "platform/window/Input.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"
#include "ui/core/Exceptions.h"

#include <algorithm>

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomEdit>("TCustomEdit", TCustomControl::StaticClass())
            .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
            .Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
            .Build();
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info = TPublished<TEdit>("TEdit", TCustomEdit::StaticClass()).Build();
    return info;
}

const TClassInfo& TCustomMemo::StaticClass() {
    static const TClassInfo info = TPublished<TCustomMemo>("TCustomMemo", TCustomEdit::StaticClass())
                                       .Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true)
                                       .Build();
    return info;
}

const TClassInfo& TMemo::StaticClass() {
    static const TClassInfo info = TPublished<TMemo>("TMemo", TCustomMemo::StaticClass()).Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetCursor(crIBeam);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    editor_.OnChange = [this] { Change(); };
}

void TCustomEdit::Change() {
    Modified = true;
    LayoutChanged();
    ScrollCaretIntoView();
    Invalidate();
    FireEvent(OnChange, this);
}

void TCustomEdit::SetReadOnly(bool value) {
    editor_.SetReadOnly(value);
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t c) {
    editor_.SetPasswordChar(c);
    Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    borderStyle_ = value;
    Invalidate();
}

void TCustomEdit::SetSelStart(int value) {
    editor_.SetSel(value, 0);
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::SetSelLength(int value) {
    editor_.SetSel(editor_.SelStart(), value);
    Invalidate();
}

void TCustomEdit::SetSelText(const std::string& text) { editor_.ReplaceSel(text); }

void TCustomEdit::SelectAll() {
    editor_.SelectAll();
    Invalidate();
}

void TCustomEdit::ClearSelection() {
    if (editor_.SelLength() > 0) editor_.Delete();
}

void TCustomEdit::CutToClipboard() { editor_.Cut(); }
void TCustomEdit::PasteFromClipboard() { editor_.Paste(); }
void TCustomEdit::Undo() { editor_.Undo(); }

TRect TCustomEdit::FormattingRect() const {
    TRect r = ClientRect();
    int frame = borderStyle_ == TBorderStyle::bsSingle ? 2 : 0;
    return {r.Left + frame + 1, r.Top + frame + 1, r.Right - frame - 1, r.Bottom - frame - 1};
}

void TCustomEdit::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE:
            m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
            return;
        case platform::WM_SETFOCUS:
            TCustomControl::Dispatch(m);
            if (AutoSelect && !editor_.Multiline() && !mouseSelecting_) editor_.SelectAll();
            Invalidate();
            return;
        case platform::WM_KILLFOCUS:
            TCustomControl::Dispatch(m);
            mouseSelecting_ = false;
            Invalidate();
            return;
        case CM_FONTCHANGED:
            charWidths_.clear();
            LayoutChanged();
            TCustomControl::Dispatch(m);
            UpdateScrollBars();
            return;
        default: TCustomControl::Dispatch(m);
    }
}

void TCustomEdit::DefaultHandler(TMessage& m) {
    if (m.Msg == platform::WM_KEYDOWN) {
        if (EditKeyDown(static_cast<platform::WORD>(m.WParam), KeyboardShiftState())) {
            ScrollCaretIntoView();
            Invalidate();
            return;
        }
    } else if (m.Msg == platform::WM_CHAR) {
        if (m.WParam != 0) EditChar(static_cast<char32_t>(m.WParam));
        return;
    }
    TCustomControl::DefaultHandler(m);
}

bool TCustomEdit::EditKeyDown(platform::WORD key, TShiftState shift) {
    bool extend = shift.Contains(TShiftStateItem::ssShift);
    bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
    switch (key) {
        case platform::VK_LEFT: editor_.Move(ctrl ? TCaretMove::WordLeft : TCaretMove::CharLeft, extend); return true;
        case platform::VK_RIGHT: editor_.Move(ctrl ? TCaretMove::WordRight : TCaretMove::CharRight, extend); return true;
        case platform::VK_HOME: editor_.Move(ctrl ? TCaretMove::TextStart : TCaretMove::LineStart, extend); return true;
        case platform::VK_END: editor_.Move(ctrl ? TCaretMove::TextEnd : TCaretMove::LineEnd, extend); return true;
        case platform::VK_UP:
            if (!editor_.Multiline()) return false;
            editor_.Move(TCaretMove::LineUp, extend);
            return true;
        case platform::VK_DOWN:
            if (!editor_.Multiline()) return false;
            editor_.Move(TCaretMove::LineDown, extend);
            return true;
        case platform::VK_DELETE:
            if (extend) editor_.Cut();
            else editor_.Delete(ctrl);
            return true;
        case platform::VK_INSERT:
            if (ctrl) editor_.Copy();
            else if (extend) editor_.Paste();
            return ctrl || extend;
        default: return false;
    }
}

bool TCustomEdit::EditChar(char32_t c) {
    switch (c) {
        case 1: SelectAll(); return true;             // Ctrl+A
        case 3: editor_.Copy(); return true;          // Ctrl+C
        case 8: return editor_.Backspace();
        case 22: return editor_.Paste();              // Ctrl+V
        case 24: return editor_.Cut();                // Ctrl+X
        case 26: return editor_.Undo();               // Ctrl+Z
        default: break;
    }
    if (c < U' ') return false;
    return editor_.TypeChar(c);
}

int TCustomEdit::LineHeight() {
    measure_.SetFont(Font());
    return std::max(1, measure_.TextHeight("Ay"));
}

int TCustomEdit::TextWidthOf(std::u32string_view text) {
    if (text.empty()) return 0;
    measure_.SetFont(Font());
    return measure_.TextWidth(platform::EncodeUtf8(text));
}

int TCustomEdit::CharWidth(char32_t c) {
    auto found = charWidths_.find(c);
    if (found != charWidths_.end()) return found->second;
    int width = TextWidthOf(std::u32string_view(&c, 1));
    charWidths_.emplace(c, width);
    return width;
}

const TTextRows& TCustomEdit::Rows() {
    int wrap = WrapWidth();
    if (rowsStale_ || wrap != rowsWrapWidth_) {
        rows_.LayOut(ShownText(), wrap, [this](char32_t c) { return CharWidth(c); });
        rowsWrapWidth_ = wrap;
        rowsStale_ = false;
    }
    return rows_;
}

int TCustomEdit::CharAtPoint(int x, int y) {
    TRect area = FormattingRect();
    std::u32string shown = ShownText();
    int start = 0, end = static_cast<int>(shown.size());
    if (editor_.Multiline()) {
        const TTextRows& rows = Rows();
        const TTextRow& row = rows.Row(std::clamp(topLine_ + (y - area.Top) / LineHeight(), 0, rows.Count() - 1));
        start = row.start;
        end = row.end;
    }
    std::u32string_view text = std::u32string_view(shown).substr(static_cast<std::size_t>(start),
                                                                 static_cast<std::size_t>(end - start));
    int origin = area.Left - scrollX_;
    // The nearest gap between characters.
    int best = 0, bestDistance = std::abs(x - origin);
    for (std::size_t i = 1; i <= text.size(); ++i) {
        int d = std::abs(x - (origin + TextWidthOf(text.substr(0, i))));
        if (d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return start + best;
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        mouseSelecting_ = true;
        if (CanFocus() && !Focused()) SetFocus();
        int at = CharAtPoint(x, y);
        if (shift.Contains(TShiftStateItem::ssShift)) editor_.SetSel(editor_.SelStart(), at - editor_.SelStart());
        else editor_.SetSel(at, 0);
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) mouseSelecting_ = ControlState.Contains(TControlStateItem::csLButtonDown);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
    if (mouseSelecting_ && shift.Contains(TShiftStateItem::ssLeft)) {
        int anchor = editor_.CaretPos() == editor_.SelStart() ? editor_.SelStart() + editor_.SelLength()
                                                              : editor_.SelStart();
        int at = CharAtPoint(x, y);
        editor_.SetSel(anchor, at - anchor);
        if (at < anchor) {  // keep the caret at the mouse
            editor_.SetSel(anchor, 0);
            for (int i = anchor; i > at; --i) editor_.Move(TCaretMove::CharLeft, true);
        }
        Invalidate();
    } else {
        mouseSelecting_ = false;
    }
    TCustomControl::MouseMove(shift, x, y);
}

int TCustomEdit::VisibleLines() { return std::max(1, FormattingRect().Height() / LineHeight()); }

void TCustomEdit::SetTopLine(int line) {
    int top = std::clamp(line, 0, std::max(0, Rows().ScrollCount() - VisibleLines()));
    if (top == topLine_) return;
    topLine_ = top;
    Invalidate();
    UpdateScrollBars();
}

void TCustomEdit::SetScrollX(int x) {
    x = std::max(0, x);
    if (x == scrollX_) return;
    scrollX_ = x;
    Invalidate();
    UpdateScrollBars();
}

void TCustomEdit::ScrollCaretIntoView() {
    if (!HandleAllocated()) return;
    TRect area = FormattingRect();
    std::u32string shown = ShownText();
    int rowStart = 0;
    if (editor_.Multiline()) {
        const TTextRows& rows = Rows();
        int row = rows.RowOf(ShownCaret());
        int visible = VisibleLines();
        if (row < topLine_) topLine_ = row;
        else if (row >= topLine_ + visible) topLine_ = row - visible + 1;
        topLine_ = std::clamp(topLine_, 0, std::max(0, rows.Count() - visible));
        rowStart = rows.Row(row).start;
    }
    if (!editor_.Multiline() || WrapWidth() <= 0) {
        std::u32string_view beforeCaret = std::u32string_view(shown).substr(
            static_cast<std::size_t>(rowStart), static_cast<std::size_t>(ShownCaret() - rowStart));
        int caretX = TextWidthOf(beforeCaret);
        if (caretX - scrollX_ > area.Width() - 1) scrollX_ = caretX - area.Width() + 1;
        if (caretX < scrollX_) scrollX_ = caretX;
    } else {
        scrollX_ = 0;
    }
    UpdateScrollBars();
}

void TCustomEdit::PaintLine(const std::u32string& line, int lineStart, int y, const TRect& area) {
    TCanvas& c = *Canvas();
    int x = area.Left - scrollX_;
    int width = TextWidthOf(line);
    if (!editor_.Multiline() && alignment_ != TAlignment::taLeftJustify && width < area.Width())
        x = alignment_ == TAlignment::taRightJustify ? area.Right - width : area.Left + (area.Width() - width) / 2;
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    c.TextOut(x, y, platform::EncodeUtf8(line));

    int selStart = SelStart() - lineStart, selEnd = SelStart() + SelLength() - lineStart;
    bool showSelection = SelLength() > 0 && (Focused() || !HideSelection);
    if (showSelection && selEnd > 0 && selStart < static_cast<int>(line.size())) {
        int from = std::clamp(selStart, 0, static_cast<int>(line.size()));
        int to = std::clamp(selEnd, 0, static_cast<int>(line.size()));
        std::u32string_view v(line);
        int left = x + TextWidthOf(v.substr(0, static_cast<std::size_t>(from)));
        int right = x + TextWidthOf(v.substr(0, static_cast<std::size_t>(to)));
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(clHighlight);
        c.Font()->SetColor(clHighlightText);
        c.TextRect({left, y, right, y + LineHeight()}, left,  y,
                   platform::EncodeUtf8(v.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from))));
    }
    int caret = ShownCaret() - lineStart;
    if (Focused() && caret >= 0 && caret <= static_cast<int>(line.size())) {
        int cx = x + TextWidthOf(std::u32string_view(line).substr(0, static_cast<std::size_t>(caret)));
        c.Pen()->SetColor(clWindowText);
        c.MoveTo(cx, y);
        c.LineTo(cx, y + LineHeight());
    }
}

void TCustomEdit::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Enabled() && !ReadOnly() ? Color() : (Color() == clWindow ? clBtnFace : Color()));
    c.FillRect(r);
    if (borderStyle_ == TBorderStyle::bsSingle) DrawSunkenFrame(c, r);
    c.SetFont(Font());
    TRect area = FormattingRect();
    std::u32string shown = ShownText();
    int h = LineHeight();
    if (!editor_.Multiline()) {
        PaintLine(shown, 0, area.Top + std::max(0, (area.Height() - h) / 2), area);
        return;
    }
    const TTextRows& rows = Rows();
    for (int index = topLine_, y = area.Top; index < rows.Count() && y < area.Bottom; ++index, y += h) {
        const TTextRow& row = rows.Row(index);
        PaintLine(shown.substr(static_cast<std::size_t>(row.start), static_cast<std::size_t>(row.end - row.start)),
                  row.start, y, area);
    }
}

// Memo

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(*this) {
    SetBounds(Left(), Top(), 185, 89);
    editor_.SetMultiline(true);
    AutoSelect = false;
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    SetScrollX(0);
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    if (HasBar(TScrollStyle::ssVertical)) params.Style |= platform::WS_VSCROLL;
    if (HasBar(TScrollStyle::ssHorizontal)) params.Style |= platform::WS_HSCROLL;
}

void TCustomMemo::CreateWnd() {
    TCustomEdit::CreateWnd();
    UpdateScrollBars();
}

void TCustomMemo::Resize() {
    TCustomEdit::Resize();
    ScrollCaretIntoView();
}

int TCustomMemo::WrapWidth() { return wordWrap_ ? std::max(1, FormattingRect().Width()) : 0; }

void TCustomMemo::Dispatch(TMessage& m) {
    if ((m.Msg == platform::WM_VSCROLL || m.Msg == platform::WM_HSCROLL) && m.LParam == 0) {
        ScrollMessage(m.Msg == platform::WM_VSCROLL ? platform::SB_VERT : platform::SB_HORZ, platform::LOWORD(m.WParam));
        return;
    }
    if (m.Msg == platform::WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        if (WantTabs) m.Result |= DLGC_WANTTAB;
        if (WantReturns) m.Result |= DLGC_WANTALLKEYS;
        return;
    }
    TCustomEdit::Dispatch(m);
}

void TCustomMemo::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    platform::HWND window = Handle();
    platform::SCROLLINFO info;
    if (HasBar(TScrollStyle::ssVertical)) {
        info.fMask = platform::SIF_ALL | platform::SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nMax = std::max(Rows().ScrollCount() - 1, 0);
        info.nPage = static_cast<platform::UINT>(VisibleLines());
        info.nPos = TopLine();
        platform::SetScrollInfo(window, platform::SB_VERT, &info, true);
    }
    // Unwrapped lines wider than the memo bring the horizontal bar even
    // when ScrollBars did not ask for one.
    int shownWidth = FormattingRect().Width();
    int textWidth = wordWrap_ ? 0 : Rows().WidestRow() + 1;  // the caret after the last character
    bool longLines = textWidth > shownWidth;
    if (!HasBar(TScrollStyle::ssHorizontal)) {
        bool shown = (platform::GetWindowLongPtr(window, platform::GWL_STYLE) & platform::WS_HSCROLL) != 0;
        if (shown != longLines) platform::ShowScrollBar(window, platform::SB_HORZ, longLines);
        if (!longLines) return;
    }
    info.fMask = platform::SIF_ALL | platform::SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(textWidth, shownWidth) - 1;
    info.nPage = static_cast<platform::UINT>(std::max(shownWidth, 1));
    info.nPos = ScrollX();
    platform::SetScrollInfo(window, platform::SB_HORZ, &info, true);
}

void TCustomMemo::ScrollMessage(int bar, platform::WORD code) {
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    if (code == platform::SB_ENDSCROLL || !platform::GetScrollInfo(Handle(), bar, &info)) return;
    if (bar == platform::SB_VERT) {
        SetTopLine(platform::ScrollPosAfter(info, code, 1, VisibleLines(), info.nTrackPos));
    } else {
        int step = std::max(1, CharWidth(U'0'));
        SetScrollX(std::min(platform::ScrollPosAfter(info, code, step, FormattingRect().Width(), info.nTrackPos),
                            platform::MaxScrollPos(info)));
    }
    UpdateScrollBars();
}

bool TCustomMemo::EditChar(char32_t c) {
    if (c == U'\r') return WantReturns && editor_.TypeChar(U'\n');
    if (c == U'\t') return WantTabs && editor_.TypeChar(U'\t');
    return TCustomEdit::EditChar(c);
}

int TMemoLines::Count() const { return memo_.editor_.LineCount(); }

std::string TMemoLines::Strings(int index) const {
    if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return memo_.editor_.Line(index);
}

int TMemoLines::Add(const std::string& value) {
    memo_.editor_.AppendLine(value);
    return Count() - 1;
}

void TMemoLines::Insert(int index, const std::string& value) {
    TTextEditor& e = memo_.editor_;
    if (index < 0 || index > Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    if (index == Count()) {
        Add(value);
        return;
    }
    e.SetSel(e.LineStart(index), 0);
    e.ReplaceSel(value + "\r\n");
}

void TMemoLines::Delete(int index) {
    TTextEditor& e = memo_.editor_;
    if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    int start = e.LineStart(index);
    int next = e.LineStart(index + 1);
    e.SetSel(start, (next < 0 ? e.Length() : next) - start);
    e.ReplaceSel("");
}

void TMemoLines::Clear() { memo_.editor_.Clear(); }

void TMemoLines::SetText(std::string_view text) { memo_.editor_.SetText(std::string(text)); }
