#include "ui/controls/ScrollBox.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"

#include "platform/window/WindowStyles.h"

#include <algorithm>

const TClassInfo& TControlScrollBar::StaticClass() {
    static const TClassInfo info =
        TPublished<TControlScrollBar>("TControlScrollBar", TPersistent::StaticClass())
            .Integer("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition, 0)
            .Integer("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange, 0)
            .Boolean("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible, true)
            .Build();
    return info;
}

const TClassInfo& TScrollingWinControl::StaticClass() {
    static const TClassInfo info =
        TPublished<TScrollingWinControl>("TScrollingWinControl", TWinControl::StaticClass())
            .Boolean("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll, true)
            .Build();
    return info;
}

const TClassInfo& TScrollBox::StaticClass() {
    static const TClassInfo info = TPublished<TScrollBox>("TScrollBox", TScrollingWinControl::StaticClass()).Build();
    return info;
}

// One axis

bool TControlScrollBar::IsVertical() const { return kind_ == TScrollBarKind::sbVertical; }

int TControlScrollBar::ClientSize() const {
    return IsVertical() ? control_.ClientHeight() : control_.ClientWidth();
}

int TControlScrollBar::MaxPosition() const { return std::max(0, range_ - ClientSize()); }

bool TControlScrollBar::IsScrollBarVisible() const { return visible_ && range_ > ClientSize(); }

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (value == position_) return;
    int delta = position_ - value;
    position_ = value;
    control_.ScrollBy(IsVertical() ? 0 : delta, IsVertical() ? delta : 0);
    Update();
}

void TControlScrollBar::SetRange(int value) {
    range_ = std::max(value, 0);
    control_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool value) {
    visible_ = value;
    control_.UpdateScrollBars();
}

void TControlScrollBar::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TControlScrollBar*>(source)) {
        Increment = other->Increment;
        Tracking = other->Tracking;
        Margin = other->Margin;
        visible_ = other->visible_;
        SetRange(other->range_);
        SetPosition(other->position_);
        return;
    }
    TPersistent::Assign(source);
}

void TControlScrollBar::Update() {
    if (!control_.HandleAllocated()) return;
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    if (visible_) {
        info.nMax = range_ - 1;
        info.nPage = static_cast<platform::UINT>(std::max(ClientSize(), 0));
        info.nPos = position_;
    }
    platform::SetScrollInfo(control_.Handle(), IsVertical() ? platform::SB_VERT : platform::SB_HORZ, &info, true);
}

void TControlScrollBar::ScrollMessage(platform::WORD code, int thumbPos) {
    if (code == platform::SB_THUMBTRACK && !Tracking) return;
    platform::SCROLLINFO info;
    info.nMax = range_ - 1;
    info.nPage = static_cast<platform::UINT>(std::max(ClientSize(), 0));
    info.nPos = position_;
    int page = std::max(1, ClientSize() * 9 / 10);
    SetPosition(platform::ScrollPosAfter(info, code, Increment, page, thumbPos));
}

// The container

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
}

void TScrollingWinControl::SetAutoScroll(bool value) {
    autoScroll_ = value;
    CalcAutoRange();
}

void TScrollingWinControl::CreateHandle() {
    TWinControl::CreateHandle();
    UpdateScrollBars();
}

void TScrollingWinControl::Resize() {
    UpdateScrollBars();
    TWinControl::Resize();
}

void TScrollingWinControl::AlignControls() {
    TWinControl::AlignControls();
    if (scrolling_ == 0) CalcAutoRange();
}

void TScrollingWinControl::CalcAutoRange() {
    if (!autoScroll_) return;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        TAlign a = c->Align();
        // A child aligned along an edge takes room across it only.
        if (a == TAlign::alNone || a == TAlign::alLeft || a == TAlign::alRight)
            right = std::max(right, c->Left() + c->Width() + horz_.position_);
        if (a == TAlign::alNone || a == TAlign::alTop || a == TAlign::alBottom)
            bottom = std::max(bottom, c->Top() + c->Height() + vert_.position_);
    }
    horz_.range_ = right > 0 ? right + horz_.Margin : 0;
    vert_.range_ = bottom > 0 ? bottom + vert_.Margin : 0;
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
    if (!HandleAllocated() || updatingBars_) return;
    updatingBars_ = true;
    // A bar that appears narrows the other axis's client size: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        for (TControlScrollBar* bar : {&horz_, &vert_}) {
            if (bar->position_ > bar->MaxPosition()) bar->SetPosition(bar->MaxPosition());
            bar->Update();
        }
    }
    updatingBars_ = false;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    {
        ++scrolling_;
        ScopeExit scrolled([this] { --scrolling_; });
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
        }
    }
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
    if (!control || !ContainsControl(control) || control == this) return;
    TRect r = control->BoundsRect();
    for (TWinControl* p = control->Parent(); p && p != this; p = p->Parent()) {
        TPoint origin = p->ClientRect().TopLeft();
        r = {r.Left + p->Left() + origin.X, r.Top + p->Top() + origin.Y, r.Right + p->Left() + origin.X,
             r.Bottom + p->Top() + origin.Y};
    }
    auto bring = [](TControlScrollBar& bar, int low, int high, int size) {
        if (low < 0)
            bar.SetPosition(bar.Position() + low - bar.Margin);
        else if (high > size)
            bar.SetPosition(bar.Position() + std::min(high - size + bar.Margin, low));
    };
    bring(horz_, r.Left, r.Right, ClientWidth());
    bring(vert_, r.Top, r.Bottom, ClientHeight());
}

bool TScrollingWinControl::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    if (TWinControl::DoMouseWheel(shift, delta, mousePos)) return true;
    bool handled = false;
    FireEvent(delta < 0 ? OnMouseWheelDown : OnMouseWheelUp, this, shift, mousePos, handled);
    return handled;
}

void TScrollingWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_VSCROLL:
        case platform::WM_HSCROLL:
            if (m.LParam == 0) {
                TControlScrollBar& bar = m.Msg == platform::WM_VSCROLL ? vert_ : horz_;
                bar.ScrollMessage(platform::LOWORD(m.WParam), platform::HIWORD(m.WParam));
                return;
            }
            break;
        case CM_FOCUSCHANGED:
            if (autoScroll_) ScrollInView(reinterpret_cast<TWinControl*>(m.LParam));
            break;
        default: break;
    }
    TWinControl::Dispatch(m);
}

// The scroll box

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
    SetBounds(Left(), Top(), 185, 41);
    SetColor(clBtnFace);
}

void TScrollBox::CreateParams(TCreateParams& params) {
    TScrollingWinControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= platform::WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (HandleAllocated()) RecreateWnd();
}
