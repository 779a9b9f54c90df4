#include "ui/controls/TreeViewLabelEdit.h"

#include "platform/window/Input.h"

TLabelEditor::TLabelEditor(TComponent* owner) : TCustomEdit(owner) { SetVisible(false); }

void TLabelEditor::Start(const TRect& bounds, const std::string& text) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    SetText(text);
    open_ = true;
    SetVisible(true);
    SetFocus();
    SelectAll();
}

void TLabelEditor::Finish(bool keep) {
    // Hiding moves the focus away, which would finish the edit a second time.
    if (!open_) return;
    open_ = false;
    SetVisible(false);
    if (OnDone) OnDone(keep);
}

void TLabelEditor::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_GETDLGCODE) {
        // Enter and Escape belong to the edit, not to the form's default buttons.
        m.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TCustomEdit::Dispatch(m);
    if (m.Msg == platform::WM_KILLFOCUS) Finish(true);
}

bool TLabelEditor::EditKeyDown(platform::WORD key, TShiftState shift) {
    if (key == platform::VK_RETURN || key == platform::VK_ESCAPE) {
        Finish(key == platform::VK_RETURN);
        return true;
    }
    return TCustomEdit::EditKeyDown(key, shift);
}
