#include "ui/controls/ComboBox.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Form.h"

#include "platform/system/Clock.h"
#include "platform/window/Input.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"

#include <algorithm>

const TClassInfo& TCustomComboBox::StaticClass() {
    static const TClassInfo info = TPublished<TCustomComboBox>("TCustomComboBox", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TComboBox::StaticClass() {
    static const TClassInfo info = TPublished<TComboBox>("TComboBox", TCustomComboBox::StaticClass()).Build();
    return info;
}

namespace {
constexpr int ButtonWidth = 17;
}

// The list window

TComboListWindow::TComboListWindow(TCustomComboBox& combo) : TCustomControl(nullptr), combo_(combo) {
    SetColor(clWindow);
    SetVisible(false);
}

void TComboListWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = platform::WS_POPUP | platform::WS_BORDER | platform::WS_CLIPSIBLINGS;
    p.ExStyle = platform::WS_EX_TOOLWINDOW | platform::WS_EX_TOPMOST;
    TCustomForm* form = combo_.ParentForm();
    p.WndParent = form ? form->Handle() : nullptr;
}

void TComboListWindow::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_MOUSEACTIVATE) {
        m.Result = platform::MA_NOACTIVATE;  // the focus stays in the combo box
        return;
    }
    TCustomControl::Dispatch(m);
}

void TComboListWindow::SetHotIndex(int index) {
    if (index == hot_) return;
    hot_ = index;
    Invalidate();
}

int TComboListWindow::RowAt(int y) const {
    int row = combo_.items_.TopIndex() + y / combo_.ItemHeight();
    return row >= 0 && row < combo_.items_.Count() ? row : -1;
}

void TComboListWindow::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(clWindow);
    c.FillRect(r);
    int h = combo_.ItemHeight();
    for (int i = combo_.items_.TopIndex(), y = 0; i < combo_.items_.Count() && y < r.Bottom; ++i, y += h) {
        TOwnerDrawState state;
        if (i == hot_) state.Include(TOwnerDrawStateItem::odSelected);
        combo_.DrawItem(c, i, {0, y, r.Right, y + h}, state);
    }
}

void TComboListWindow::MouseMove(TShiftState shift, int x, int y) {
    if (ClientRect().Contains({x, y})) SetHotIndex(RowAt(y));
    TCustomControl::MouseMove(shift, x, y);
}

void TComboListWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    int row = ClientRect().Contains({x, y}) ? RowAt(y) : -1;
    if (row >= 0) combo_.UserSelect(row);
    combo_.CloseUp(row >= 0);
}

// The combo box

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    style_ = style;
    Invalidate();
}

void TCustomComboBox::AddItem(const std::string& text, TObject* object) {
    items_.Add(text, object);
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int index) {
    items_.SetItemIndex(index);
    if (style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple)
        edit_.SetText(items_.ItemIndex() >= 0 ? items_.Item(items_.ItemIndex()) : std::string());
    Invalidate();
}

int TCustomComboBox::ItemHeight() const {
    if (itemHeight_ > 0) return itemHeight_;
    measure_.SetFont(Font());
    return measure_.TextHeight("Ay") + 2;
}

std::string TCustomComboBox::GetText() const {
    if (style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple) return edit_.Text();
    return items_.ItemIndex() >= 0 ? items_.Item(items_.ItemIndex()) : std::string();
}

void TCustomComboBox::SetTextBuffer(const std::string& text) {
    int found = items_.IndexOf(text);
    if (style_ == TComboBoxStyle::csDropDownList) {
        if (found >= 0) items_.SetItemIndex(found);  // a text not in the list changes nothing
        return;
    }
    edit_.SetText(text);
    items_.SetItemIndex(found);
}

void TCustomComboBox::UserSelect(int index) {
    if (index < 0 || index >= items_.Count()) return;
    bool changed = index != items_.ItemIndex();
    SetItemIndex(index);
    if (list_) list_->SetHotIndex(index);
    if (!changed) return;
    FireEvent(OnChange, this);
    FireEvent(OnSelect, this);
}

void TCustomComboBox::SetDroppedDown(bool value) {
    if (value == dropped_) return;
    if (!value) {
        CloseUp(true);
        return;
    }
    FireEvent(OnDropDown, this);
    if (!list_) list_ = std::make_unique<TComboListWindow>(*this);
    int rows = std::clamp(items_.Count(), 1, std::max(DropDownCount, 1));
    items_.SetVisibleRows(rows);
    items_.EnsureVisible(items_.ItemIndex());
    TPoint below = ClientToScreen({0, Height()});
    list_->SetBounds(below.X, below.Y, Width(), rows * ItemHeight() + 2);
    list_->SetHotIndex(items_.ItemIndex());
    platform::SetWindowPos(list_->Handle(), platform::HWND_TOPMOST, below.X, below.Y, Width(), rows * ItemHeight() + 2,
                           platform::SWP_SHOWWINDOW | platform::SWP_NOACTIVATE);
    indexBeforeDrop_ = items_.ItemIndex();
    dropped_ = true;
    Invalidate();
}

void TCustomComboBox::CloseUp(bool accept) {
    if (!dropped_) return;
    dropped_ = false;
    if (list_ && list_->HandleAllocated()) platform::ShowWindow(list_->Handle(), platform::SW_HIDE);
    if (!accept && items_.ItemIndex() != indexBeforeDrop_) {
        SetItemIndex(indexBeforeDrop_);
        FireEvent(OnChange, this);
    }
    Invalidate();
    FireEvent(OnCloseUp, this);
}

bool TCustomComboBox::ComboKey(platform::WORD key, TShiftState shift) {
    bool alt = shift.Contains(TShiftStateItem::ssAlt);
    if (key == platform::VK_F4 || (alt && (key == platform::VK_DOWN || key == platform::VK_UP))) {
        SetDroppedDown(!dropped_);
        return true;
    }
    if (dropped_ && key == platform::VK_RETURN) {
        CloseUp(true);
        return true;
    }
    if (dropped_ && key == platform::VK_ESCAPE) {
        CloseUp(false);
        return true;
    }
    TListMove move;
    switch (key) {
        case platform::VK_UP: move = TListMove::Up; break;
        case platform::VK_DOWN: move = TListMove::Down; break;
        case platform::VK_PRIOR: move = TListMove::PageUp; break;
        case platform::VK_NEXT: move = TListMove::PageDown; break;
        case platform::VK_HOME:
            if (style_ != TComboBoxStyle::csDropDownList) return false;
            move = TListMove::Home;
            break;
        case platform::VK_END:
            if (style_ != TComboBoxStyle::csDropDownList) return false;
            move = TListMove::End;
            break;
        default: return false;
    }
    int before = items_.ItemIndex();
    if (items_.Move(move)) {
        int after = items_.ItemIndex();
        items_.SetItemIndex(before);
        UserSelect(after);
    }
    return true;
}

void TCustomComboBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE:
            // While dropped, Enter and Escape belong to the list.
            m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTALLKEYS : 0);
            return;
        case platform::WM_KILLFOCUS:
            TCustomControl::Dispatch(m);
            CloseUp(true);
            return;
        case platform::WM_SETFOCUS:
            TCustomControl::Dispatch(m);
            Invalidate();
            return;
        default: TCustomControl::Dispatch(m);
    }
}

void TCustomComboBox::DefaultHandler(TMessage& m) {
    if (m.Msg == platform::WM_KEYDOWN || m.Msg == platform::WM_SYSKEYDOWN) {
        if (ComboKey(static_cast<platform::WORD>(m.WParam), KeyboardShiftState())) return;
    } else if (m.Msg == platform::WM_CHAR) {
        auto c = static_cast<char32_t>(m.WParam);
        if (style_ == TComboBoxStyle::csDropDownList) {
            int before = items_.ItemIndex();
            if (items_.TypeAhead(c, platform::GetTickCount64())) {
                int after = items_.ItemIndex();
                items_.SetItemIndex(before);
                UserSelect(after);
            }
        } else if (c == 8 ? edit_.Backspace() : (c >= U' ' && edit_.TypeChar(c))) {
            // Typing picks the item the text names, if any.
            items_.SetItemIndex(items_.IndexOf(edit_.Text()));
            Invalidate();
            FireEvent(OnChange, this);
        }
        return;
    }
    TCustomControl::DefaultHandler(m);
}

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        bool onButton = x >= Width() - ButtonWidth - 2;
        if (style_ == TComboBoxStyle::csDropDownList || onButton) SetDroppedDown(!dropped_);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

bool TCustomComboBox::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    ComboKey(delta > 0 ? platform::VK_UP : platform::VK_DOWN, {});
    return true;
}

void TCustomComboBox::DrawItem(TCanvas& c, int index, const TRect& r, TOwnerDrawState state) {
    if (IsOwnerDraw() && OnDrawItem) {
        c.SetFont(Font());
        OnDrawItem(this, index, r, state);
        return;
    }
    bool selected = state.Contains(TOwnerDrawStateItem::odSelected);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(selected ? clHighlight : Color());
    c.FillRect(r);
    c.SetFont(Font());
    c.Font()->SetColor(selected ? clHighlightText : (Enabled() ? Font()->Color() : clGrayText));
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    if (index >= 0 && index < items_.Count()) c.TextOut(r.Left + 2, r.Top + 1, items_.Item(index));
}

void TCustomComboBox::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawSunkenFrame(c, r);
    TRect button{r.Right - ButtonWidth, r.Top, r.Right, r.Bottom};
    TRect face = button;
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(button);
    DrawRaisedFrame(c, face, dropped_);
    // The arrow.
    c.Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
    int cx = (face.Left + face.Right) / 2, cy = (face.Top + face.Bottom) / 2 - 1;
    for (int i = 0; i < 4; ++i) {
        c.MoveTo(cx - 3 + i, cy + i);
        c.LineTo(cx + 4 - i, cy + i);
    }
    TRect text{r.Left, r.Top, button.Left, r.Bottom};
    if (style_ == TComboBoxStyle::csDropDownList || IsOwnerDraw()) {
        TOwnerDrawState state{TOwnerDrawStateItem::odComboBoxEdit};
        if (Focused() && !dropped_) state.Include(TOwnerDrawStateItem::odSelected);
        DrawItem(c, items_.ItemIndex(), {text.Left + 1, text.Top + 1, text.Right - 1, text.Bottom - 1}, state);
        if (Focused() && !dropped_) c.DrawFocusRect({text.Left + 1, text.Top + 1, text.Right - 1, text.Bottom - 1});
        return;
    }
    c.SetFont(Font());
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.TextOut(text.Left + 2, text.Top + 1, edit_.Text());
}
