#include "ui/dialogs/ColorCells.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

#include "platform/window/Input.h"

#include <algorithm>

namespace {
constexpr int Gap = 4;  // between cells and around them
}

const TClassInfo& TColorCells::StaticClass() {
    static const TClassInfo info = TPublished<TColorCells>("TColorCells", TCustomControl::StaticClass())
                                       .Integer("Columns", &TColorCells::Columns, &TColorCells::SetColumns, 8)
                                       .Build();
    return info;
}

TColorCells::TColorCells(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 200, 100);
    SetColor(clBtnFace);
    SetTabStop(true);
}

void TColorCells::SetColumns(int value) {
    columns_ = std::max(value, 1);
    Invalidate();
}

int TColorCells::Rows() const { return (static_cast<int>(colors_.size()) + columns_ - 1) / columns_; }

void TColorCells::SetColors(std::vector<TColor> colors) {
    colors_ = std::move(colors);
    if (itemIndex_ >= static_cast<int>(colors_.size())) itemIndex_ = -1;
    Invalidate();
}

TColor TColorCells::ColorAt(int index) const {
    return index >= 0 && index < static_cast<int>(colors_.size()) ? colors_[static_cast<std::size_t>(index)] : clNone;
}

void TColorCells::SetColorAt(int index, TColor color) {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return;
    colors_[static_cast<std::size_t>(index)] = color;
    Invalidate();
}

void TColorCells::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(colors_.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Invalidate();
}

void TColorCells::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(colors_.size())) return;
    SetItemIndex(index);
    // Choosing the chosen cell again tells too: the colour edited since may differ from it.
    FireEvent(OnChange, this);
}

TPoint TColorCells::CellSize() const {
    int rows = std::max(Rows(), 1);
    return {(ClientWidth() - Gap) / columns_ - Gap, (ClientHeight() - Gap) / rows - Gap};
}

TRect TColorCells::CellRect(int index) const {
    TPoint size = CellSize();
    int col = index % columns_, row = index / columns_;
    return Bounds(Gap + col * (size.X + Gap), Gap + row * (size.Y + Gap), size.X, size.Y);
}

int TColorCells::CellAt(int x, int y) const {
    for (int i = 0; i < static_cast<int>(colors_.size()); ++i)
        if (CellRect(i).Contains({x, y})) return i;
    return -1;
}

void TColorCells::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        Choose(CellAt(x, y));
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

bool TColorCells::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    int count = static_cast<int>(colors_.size());
    if (count == 0) return false;
    int at = std::max(itemIndex_, 0), next = at;
    switch (key) {
        case platform::VK_LEFT: next = at - 1; break;
        case platform::VK_RIGHT: next = at + 1; break;
        case platform::VK_UP: next = at - columns_; break;
        case platform::VK_DOWN: next = at + columns_; break;
        default: return false;
    }
    if (itemIndex_ < 0) next = 0;
    if (next >= 0 && next < count) Choose(next);
    return true;
}

void TColorCells::Dispatch(TMessage& m) {
    if (m.Msg == platform::WM_GETDLGCODE) {
        m.Result = DLGC_WANTARROWS;
        return;
    }
    if (m.Msg == platform::WM_SETFOCUS || m.Msg == platform::WM_KILLFOCUS) Invalidate();
    TCustomControl::Dispatch(m);
}

void TColorCells::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    for (int i = 0; i < static_cast<int>(colors_.size()); ++i) {
        TRect r = CellRect(i);
        if (i == itemIndex_) {
            // The chosen cell: a dark frame around it, dotted while focused.
            TRect outer{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2};
            c.Brush()->SetColor(clBlack);
            c.FrameRect(outer);
            if (Focused()) c.DrawFocusRect({outer.Left - 1, outer.Top - 1, outer.Right + 1, outer.Bottom + 1});
        }
        DrawSunkenFrame(c, r);
        c.Brush()->SetColor(colors_[static_cast<std::size_t>(i)]);
        c.FillRect(r);
    }
}
