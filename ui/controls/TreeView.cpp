#include "ui/controls/TreeView.h"

#include "ui/controls/ControlFrames.h"
#include "ui/controls/WheelScroll.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Messages.h"

#include "platform/window/Input.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/Timers.h"

#include <algorithm>
#include <utility>

const TClassInfo& TCustomTreeView::StaticClass() {
    static const TClassInfo info = TPublished<TCustomTreeView>("TCustomTreeView", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TTreeView::StaticClass() {
    static const TClassInfo info = TPublished<TTreeView>("TTreeView", TCustomTreeView::StaticClass()).Build();
    return info;
}

namespace {
// Waits out a double click before a second click on the selected node edits it.
constexpr platform::UINT_PTR EditTimer = 1;
// The sunken frame drawn inside the client area; rows start within it.
constexpr int FrameWidth = 2;
}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    nodes_.OnExpanding = [this](TTreeNode* n) {
        bool allow = true;
        FireEvent(OnExpanding, this, n, allow);
        return allow;
    };
    nodes_.OnExpanded = [this](TTreeNode* n) {
        RowsChanged();
        FireEvent(OnExpanded, this, n);
    };
    nodes_.OnCollapsing = [this](TTreeNode* n) {
        bool allow = true;
        FireEvent(OnCollapsing, this, n, allow);
        return allow;
    };
    nodes_.OnCollapsed = [this](TTreeNode* n) {
        // A top row hidden by the collapse gives way to the closed node.
        if (top_ && top_->HasAsParent(n)) top_ = n;
        RowsChanged();
        FireEvent(OnCollapsed, this, n);
    };
    nodes_.OnChanging = [this](TTreeNode* n) {
        bool allow = true;
        FireEvent(OnChanging, this, n, allow);
        return allow;
    };
    nodes_.OnChange = [this](TTreeNode* n) {
        ScrollIntoView(n);
        Invalidate();
        FireEvent(OnChange, this, n);
    };
    nodes_.OnDeletion = [this](TTreeNode* n) {
        if (top_ == n) top_ = nullptr;
        if (editing_ == n) EndEdit(false);
        FireEvent(OnDeletion, this, n);
        Invalidate();
    };
    nodes_.OnVisibleRowsChanged = [this] { RowsChanged(); };
}

TCustomTreeView::~TCustomTreeView() {
    nodes_.OnDeletion = nullptr;
    nodes_.OnChange = nullptr;
    nodes_.OnVisibleRowsChanged = nullptr;
}

void TCustomTreeView::SetSelected(TTreeNode* node) { nodes_.Select(node); }

TRect TCustomTreeView::TextRect(const TTreeNode* node) const {
    int row = RowOf(node) - RowOf(TopItem());
    measure_.SetFont(Font());
    int left = NodeLeft(node) + Indent;
    int top = FrameWidth + row * RowHeight();
    return {left, top, left + measure_.TextWidth(node->Text()) + 4, top + RowHeight()};
}

void TCustomTreeView::EditText(TTreeNode* node) {
    if (!node || ReadOnly || !HandleAllocated()) return;
    EndEdit(true);
    nodes_.Select(node);
    ScrollIntoView(node);
    if (!editor_) {
        editor_ = new TLabelEditor(this);
        editor_->SetParent(this);
        editor_->OnDone = [this](bool keep) { EndEdit(keep); };
    }
    editing_ = node;
    TRect r = TextRect(node);
    // Room to type past the current text, within the view.
    r.Right = std::max(r.Right + 20, std::min(r.Left + 80, ClientWidth() - 2));
    r.Top -= 1;
    r.Bottom += 2;
    editor_->Start(r, node->Text());
}

void TCustomTreeView::EndEdit(bool keep) {
    TTreeNode* node = std::exchange(editing_, nullptr);
    if (!node) return;
    std::string text = editor_->Text();
    if (editor_->Visible()) editor_->SetVisible(false);
    if (editor_->Focused()) SetFocus();
    if (keep) {
        FireEvent(OnEdited, this, node, text);
        node->SetText(text);
    }
    Invalidate();
}

int TCustomTreeView::RowHeight() const {
    measure_.SetFont(Font());
    return std::max(16, measure_.TextHeight("Ay") + 2);
}

int TCustomTreeView::VisibleRows() const {
    return std::max(1, (ClientRect().Height() - 2 * FrameWidth) / RowHeight());
}

int TCustomTreeView::NodeLeft(const TTreeNode* node) const {
    return FrameWidth + (node->Level() + (ShowRoot ? 1 : 0)) * Indent - Indent;
}

TTreeNode* TCustomTreeView::TopItem() const {
    return top_ && top_->IsVisible() ? top_ : nodes_.GetFirstNode();
}

TTreeNode* TCustomTreeView::GetNodeAt(int, int y) const {
    if (y < FrameWidth) return nullptr;
    int row = (y - FrameWidth) / RowHeight();
    if (row >= VisibleRows()) return nullptr;
    return NodeAtRow(RowOf(TopItem()) + row);
}

int TCustomTreeView::RowOf(const TTreeNode* node) const {
    int row = 0;
    for (TTreeNode* n = nodes_.GetFirstNode(); n && n != node; n = n->GetNextVisible()) ++row;
    return row;
}

TTreeNode* TCustomTreeView::NodeAtRow(int row) const {
    TTreeNode* n = nodes_.GetFirstNode();
    for (; n && row > 0; --row) n = n->GetNextVisible();
    return n;
}

int TCustomTreeView::RowCount() const {
    int count = 0;
    for (TTreeNode* n = nodes_.GetFirstNode(); n; n = n->GetNextVisible()) ++count;
    return count;
}

void TCustomTreeView::ShowFromRow(int row) {
    int count = RowCount();
    int page = VisibleRows();
    row = std::clamp(row, 0, std::max(0, count - page));
    top_ = NodeAtRow(row);
    if (HandleAllocated()) {
        platform::SCROLLINFO bar;
        bar.fMask = platform::SIF_ALL;
        bar.nMax = count - 1;
        bar.nPage = static_cast<platform::UINT>(page);
        bar.nPos = row;
        platform::SetScrollInfo(Handle(), platform::SB_VERT, &bar, true);
    }
    Invalidate();
}

void TCustomTreeView::ScrollIntoView(TTreeNode* node) {
    if (!node || !node->IsVisible()) return;
    int row = RowOf(node);
    int top = RowOf(TopItem());
    int page = VisibleRows();
    if (row < top) top = row;
    else if (row >= top + page) top = row - page + 1;
    ShowFromRow(top);
}

void TCustomTreeView::ScrollMessage(platform::WORD code) {
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    if (!platform::GetScrollInfo(Handle(), platform::SB_VERT, &info)) return;
    int page = std::max(1, static_cast<int>(info.nPage));
    ShowFromRow(platform::ScrollPosAfter(info, code, 1, page, info.nTrackPos));
}

void TCustomTreeView::CreateHandle() {
    TCustomControl::CreateHandle();
    RowsChanged();
}

void TCustomTreeView::Resize() {
    RowsChanged();
    TCustomControl::Resize();
}

bool TCustomTreeView::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TCustomControl::DoMouseWheel(shift, delta, mousePos)) return true;
    int lines = WheelScrollLines(delta);
    if (lines == 0) return false;
    ShowFromRow(RowOf(TopItem()) - lines);
    return true;
}

bool TCustomTreeView::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    TTreeKey k;
    switch (key) {
        case platform::VK_UP: k = TTreeKey::Up; break;
        case platform::VK_DOWN: k = TTreeKey::Down; break;
        case platform::VK_LEFT: k = TTreeKey::Left; break;
        case platform::VK_RIGHT: k = TTreeKey::Right; break;
        case platform::VK_HOME: k = TTreeKey::Home; break;
        case platform::VK_END: k = TTreeKey::End; break;
        case platform::VK_ADD: k = TTreeKey::Expand; break;
        case platform::VK_SUBTRACT: k = TTreeKey::Collapse; break;
        case platform::VK_MULTIPLY: k = TTreeKey::ExpandAll; break;
        case platform::VK_F2: EditText(Selected()); return true;
        default: return false;
    }
    nodes_.Key(k);
    Invalidate();
    return true;
}

void TCustomTreeView::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        case platform::WM_TIMER:
            if (m.WParam == EditTimer) {
                platform::KillTimer(Handle(), EditTimer);
                EditText(Selected());
                return;
            }
            break;
        case platform::WM_VSCROLL:
            if (m.LParam == 0) {
                ScrollMessage(platform::LOWORD(m.WParam));
                return;
            }
            break;
        case CM_FONTCHANGED:
            TCustomControl::Dispatch(m);
            RowsChanged();  // the row height follows the font
            return;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

void TCustomTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (TTreeNode* n = GetNodeAt(x, y)) {
            int left = NodeLeft(n);
            bool onButton = ShowButtons && n->HasChildren() && x >= left && x < left + Indent;
            TRect text = TextRect(n);
            bool again = n == Selected() && !shift.Contains(TShiftStateItem::ssDouble) && x >= text.Left &&
                         x < text.Right;
            if (onButton) n->SetExpanded(!n->Expanded());
            else nodes_.Select(n);
            if (again && !onButton && !ReadOnly)
                platform::SetTimer(Handle(), EditTimer, platform::GetDoubleClickTime(), nullptr);
            Invalidate();
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTreeView::DblClick() {
    if (HandleAllocated()) platform::KillTimer(Handle(), EditTimer);
    if (TTreeNode* n = Selected()) n->SetExpanded(!n->Expanded());
    TCustomControl::DblClick();
}

void TCustomTreeView::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawSunkenFrame(c, r);
    c.SetFont(Font());
    int h = RowHeight();
    TTreeNode* n = TopItem();
    for (int y = r.Top; n && y + h <= r.Bottom; n = n->GetNextVisible(), y += h) {
        int left = NodeLeft(n);
        if (ShowButtons && n->HasChildren() && (ShowRoot || n->Level() > 0)) {
            TRect box = Bounds(left + (Indent - 9) / 2, y + (h - 9) / 2, 9, 9);
            c.Brush()->SetColor(clWindow);
            c.Pen()->SetColor(clBtnShadow);
            c.Rectangle(box);
            c.Pen()->SetColor(clWindowText);
            int cy = box.Top + 4, cx = box.Left + 4;
            c.MoveTo(box.Left + 2, cy);
            c.LineTo(box.Right - 2, cy);
            if (!n->Expanded()) {
                c.MoveTo(cx, box.Top + 2);
                c.LineTo(cx, box.Bottom - 2);
            }
        }
        int textLeft = left + Indent;
        bool selected = n == Selected() && (Focused() || !HideSelection);
        // The label, cut at the frame when the node sits too deep or its text is too long.
        TRect label{std::max(textLeft, r.Left), y, std::min(textLeft + c.TextWidth(n->Text()) + 4, r.Right), y + h};
        if (label.Right <= label.Left) continue;
        if (selected) {
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
            c.FillRect(label);
        }
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Font()->SetColor(selected && Focused() ? clHighlightText : Font()->Color());
        c.TextRect(label, textLeft + 2, y + 1, n->Text());
        if (n == Selected() && Focused()) c.DrawFocusRect(label);
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
    }
}
