#include "ui/controls/MaskEdit.h"

#include "ui/core/PublishedProperties.h"

#include "platform/text/Utf8Text.h"
#include "platform/window/Input.h"

const TClassInfo& TCustomMaskEdit::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomMaskEdit>("TCustomMaskEdit", TCustomEdit::StaticClass())
            .String("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask)
            .Build();
    return info;
}

const TClassInfo& TMaskEdit::StaticClass() {
    static const TClassInfo info = TPublished<TMaskEdit>("TMaskEdit", TCustomMaskEdit::StaticClass()).Build();
    return info;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const std::string& mask) {
    if (mask == editMask_) return;
    std::string text = GetText();
    editMask_ = mask;
    masked_.SetMask(TEditMask(mask));
    if (!IsMasked()) editor_.SetText(text);
    MaskChanged();
}

void TCustomMaskEdit::MaskChanged() {
    Invalidate();
    Change();
}

std::string TCustomMaskEdit::EditText() const { return IsMasked() ? masked_.EditText() : editor_.Text(); }

void TCustomMaskEdit::SetEditText(const std::string& text) {
    if (!IsMasked()) {
        editor_.SetText(text);
        return;
    }
    masked_.SetEditText(text);
    MaskChanged();
}

std::string TCustomMaskEdit::GetText() const { return IsMasked() ? masked_.Text() : editor_.Text(); }

void TCustomMaskEdit::SetTextBuffer(const std::string& text) {
    if (!IsMasked()) {
        editor_.SetText(text);
        return;
    }
    masked_.SetText(text);
    MaskChanged();
}

int TCustomMaskEdit::SelStart() const { return IsMasked() ? masked_.SelStart() : TCustomEdit::SelStart(); }
int TCustomMaskEdit::SelLength() const { return IsMasked() ? masked_.SelLength() : TCustomEdit::SelLength(); }
std::string TCustomMaskEdit::SelText() const { return IsMasked() ? masked_.SelText() : TCustomEdit::SelText(); }

void TCustomMaskEdit::SetSelStart(int value) {
    if (!IsMasked()) return TCustomEdit::SetSelStart(value);
    masked_.SetCaret(value);
    Invalidate();
}

void TCustomMaskEdit::SetSelLength(int value) {
    if (!IsMasked()) return TCustomEdit::SetSelLength(value);
    masked_.SetSel(masked_.SelStart(), value);
    Invalidate();
}

std::u32string TCustomMaskEdit::ShownText() const {
    if (!IsMasked()) return TCustomEdit::ShownText();
    std::u32string shown = platform::DecodeUtf8(masked_.EditText());
    if (PasswordChar()) shown.assign(shown.size(), PasswordChar());
    return shown;
}

int TCustomMaskEdit::ShownCaret() const { return IsMasked() ? masked_.SelStart() : TCustomEdit::ShownCaret(); }

bool TCustomMaskEdit::EditKeyDown(platform::WORD key, TShiftState shift) {
    if (!IsMasked()) return TCustomEdit::EditKeyDown(key, shift);
    int n = masked_.Mask().Length();
    int caret = masked_.SelStart();
    switch (key) {
        case platform::VK_LEFT: masked_.SetCaret(caret - 1); return true;
        case platform::VK_RIGHT: masked_.SetCaret(masked_.SelLength() > 0 ? caret + masked_.SelLength() : caret + 1); return true;
        case platform::VK_HOME: masked_.SetCaret(0); return true;
        case platform::VK_END: masked_.SetCaret(n); return true;
        case platform::VK_DELETE:
            if (ReadOnly()) return true;
            masked_.Delete();
            MaskChanged();
            return true;
        default: return false;
    }
}

bool TCustomMaskEdit::EditChar(char32_t c) {
    if (!IsMasked()) return TCustomEdit::EditChar(c);
    if (c == 1) {
        masked_.SetSel(0, masked_.Mask().Length());
        Invalidate();
        return true;
    }
    if (ReadOnly()) return false;
    std::string before = masked_.EditText();
    bool used = false;
    if (c == 8) {
        masked_.Backspace();
        used = true;
    } else if (c == 22) {
        used = masked_.Paste(ProgramClipboard().GetText());
    } else if (c >= U' ') {
        used = masked_.TypeChar(c);
    }
    if (masked_.EditText() != before) MaskChanged();
    else Invalidate();  // the caret may have moved
    return used;
}

void TCustomMaskEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomEdit::MouseDown(button, shift, x, y);
    if (IsMasked() && button == TMouseButton::mbLeft) {
        masked_.SetCaret(CharAtPoint(x, y));
        Invalidate();
    }
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked()) return;
    int bad = masked_.FirstInvalidPosition();
    if (bad < 0) return;
    masked_.SetCaret(bad);
    Invalidate();
    throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::Dispatch(TMessage& m) {
    if (m.Msg == CM_EXIT && IsMasked()) {
        try {
            ValidateEdit();
        } catch (...) {
            keepCaret_ = true;  // back to the position to fill
            SetFocus();
            throw;
        }
    }
    if (m.Msg == platform::WM_SETFOCUS && IsMasked()) {
        TCustomControl::Dispatch(m);  // no select-all: the caret starts on the first position
        if (!keepCaret_) masked_.SetCaret(0);
        keepCaret_ = false;
        Invalidate();
        return;
    }
    TCustomEdit::Dispatch(m);
}
