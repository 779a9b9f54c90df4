#include "ui/TreeView.h"

#include "ui/ControlFrames.h"
#include "ui/PublishedProperties.h"

#include "platform/Input.h"

#include <algorithm>

const TClassInfo& TCustomTreeView::StaticClass() {
    static const TClassInfo info = TPublished<TCustomTreeView>("TCustomTreeView", TCustomControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TTreeView::StaticClass() {
    static const TClassInfo info = TPublished<TTreeView>("TTreeView", TCustomTreeView::StaticClass()).Build();
    return info;
}

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
        FireEvent(OnExpanded, this, n);
        Invalidate();
    };
    nodes_.OnCollapsing = [this](TTreeNode* n) {
        bool allow = true;
        FireEvent(OnCollapsing, this, n, allow);
        return allow;
    };
    nodes_.OnCollapsed = [this](TTreeNode* n) {
        FireEvent(OnCollapsed, this, n);
        Invalidate();
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
        FireEvent(OnDeletion, this, n);
        Invalidate();
    };
}

TCustomTreeView::~TCustomTreeView() {
    nodes_.OnDeletion = nullptr;
    nodes_.OnChange = nullptr;
}

void TCustomTreeView::SetSelected(TTreeNode* node) { nodes_.Select(node); }

int TCustomTreeView::RowHeight() const {
    measure_.SetFont(const_cast<TCustomTreeView*>(this)->Font());
    return std::max(16, measure_.TextHeight("Ay") + 2);
}

int TCustomTreeView::VisibleRows() const { return std::max(1, (ClientRect().Height() - 4) / RowHeight()); }

int TCustomTreeView::NodeLeft(const TTreeNode* node) const {
    return 2 + (node->Level() + (ShowRoot ? 1 : 0)) * Indent - Indent;
}

TTreeNode* TCustomTreeView::GetNodeAt(int, int y) const {
    int row = (y - 2) / RowHeight();
    if (y < 2) return nullptr;
    TTreeNode* n = top_ ? top_ : nodes_.GetFirstNode();
    for (; n && row > 0; --row) n = n->GetNextVisible();
    return n;
}

void TCustomTreeView::ScrollIntoView(TTreeNode* node) {
    if (!node) return;
    for (TTreeNode* p = node->Parent(); p; p = p->Parent())
        if (!p->Expanded()) return;
    if (!top_ || !top_->IsVisible()) top_ = nodes_.GetFirstNode();
    // Above the top: it becomes the top.
    for (TTreeNode* n = node; n; n = n->GetNextVisible())
        if (n == top_) {
            top_ = node;
            return;
        }
    int rows = VisibleRows();
    int distance = 0;
    for (TTreeNode* n = top_; n && n != node; n = n->GetNextVisible()) ++distance;
    for (; distance >= rows; --distance) top_ = top_->GetNextVisible();
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
            if (onButton) n->SetExpanded(!n->Expanded());
            else nodes_.Select(n);
            Invalidate();
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTreeView::DblClick() {
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
    TTreeNode* n = top_ ? top_ : nodes_.GetFirstNode();
    for (int y = r.Top; n && y < r.Bottom; n = n->GetNextVisible(), y += h) {
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
        int width = c.TextWidth(n->Text()) + 4;
        if (selected) {
            c.Brush()->SetStyle(TBrushStyle::bsSolid);
            c.Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
            c.FillRect(Bounds(textLeft, y, width, h));
        }
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Font()->SetColor(selected && Focused() ? clHighlightText : Font()->Color());
        c.TextOut(textLeft + 2, y + 1, n->Text());
        if (n == Selected() && Focused()) c.DrawFocusRect(Bounds(textLeft, y, width, h));
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
    }
}
