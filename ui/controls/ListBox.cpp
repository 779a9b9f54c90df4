#include "ui/controls/ListBox.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/system/Clock.h"
#include "platform/window/Input.h"

const TClassInfo& TCustomListBox::StaticClass() {
    static const TClassInfo info = TPublished<TCustomListBox>("TCustomListBox", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info = TPublished<TListBox>("TListBox", TCustomListBox::StaticClass()).Build();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
}

void TCustomListBox::AddItem(const std::string& text, TObject* object) {
    items_.Add(text, object);
    Invalidate();
}

void TCustomListBox::SetItemIndex(int index) {
    items_.SetItemIndex(index);
    items_.EnsureVisible(items_.ItemIndex());
    Invalidate();
}

void TCustomListBox::SetMultiSelect(bool value) {
    items_.SetMultiSelect(value);
    Invalidate();
}

int TCustomListBox::ItemHeight() const {
    measure_.SetFont(Font());
    return measure_.TextHeight("Ay") + 1;
}

int TCustomListBox::ItemAtPos(int, int y) const {
    if (y < 2) return -1;
    int row = items_.TopIndex() + (y - 2) / ItemHeight();
    return row < items_.Count() ? row : -1;
}

void TCustomListBox::Resize() {
    items_.SetVisibleRows((Height() - 4) / ItemHeight());
    TCustomControl::Resize();
}

void TCustomListBox::UserPicked() {
    Invalidate();
    Click();
}

void TCustomListBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

bool TCustomListBox::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    TListMove move;
    switch (key) {
        case platform::VK_UP: move = TListMove::Up; break;
        case platform::VK_DOWN: move = TListMove::Down; break;
        case platform::VK_PRIOR: move = TListMove::PageUp; break;
        case platform::VK_NEXT: move = TListMove::PageDown; break;
        case platform::VK_HOME: move = TListMove::Home; break;
        case platform::VK_END: move = TListMove::End; break;
        default: return false;
    }
    if (items_.Move(move)) UserPicked();
    return true;
}

bool TCustomListBox::DoKeyPress(char32_t& key) {
    if (TCustomControl::DoKeyPress(key)) return true;
    if (key == U' ' && items_.MultiSelect() && items_.ItemIndex() >= 0) {
        items_.SetSelected(items_.ItemIndex(), !items_.Selected(items_.ItemIndex()));
        UserPicked();
        return true;
    }
    if (items_.TypeAhead(key, platform::GetTickCount64())) UserPicked();
    return true;
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int row = ItemAtPos(x, y);
        if (row >= 0) {
            if (items_.MultiSelect() && shift.Contains(TShiftStateItem::ssCtrl)) {
                items_.SetSelected(row, !items_.Selected(row));
                items_.SetItemIndex(row);
            } else {
                if (items_.MultiSelect()) items_.ClearSelection();
                items_.SetItemIndex(row);
                items_.SetSelected(row, true);
            }
            UserPicked();
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawSunkenFrame(c, r);
    int h = ItemHeight();
    for (int i = items_.TopIndex(), y = r.Top; i < items_.Count() && y < r.Bottom; ++i, y += h) {
        TRect row{r.Left, y, r.Right, y + h};
        TOwnerDrawState state;
        if (items_.Selected(i)) state.Include(TOwnerDrawStateItem::odSelected);
        if (i == items_.ItemIndex() && Focused()) state.Include(TOwnerDrawStateItem::odFocused);
        if (Style == TListBoxStyle::lbOwnerDrawFixed && OnDrawItem) {
            c.SetFont(Font());
            OnDrawItem(this, i, row, state);
        } else {
            bool selected = state.Contains(TOwnerDrawStateItem::odSelected);
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(selected ? clHighlight : Color());
            c.FillRect(row);
            c.SetFont(Font());
            c.Font()->SetColor(selected ? clHighlightText : Font()->Color());
            c.Brush()->SetStyle(TBrushStyle::bsClear);
            c.TextOut(row.Left + 2, row.Top, items_.Item(i));
        }
        if (state.Contains(TOwnerDrawStateItem::odFocused)) c.DrawFocusRect(row);
    }
}
