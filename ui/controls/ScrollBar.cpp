#include "ui/controls/ScrollBar.h"

#include "ui/core/PublishedProperties.h"

#include "platform/window/Input.h"
#include "platform/window/SystemMetrics.h"

#include <algorithm>

const TClassInfo& TScrollBar::StaticClass() {
    static const TClassInfo info = TPublished<TScrollBar>("TScrollBar", TCustomControl::StaticClass())
                                       .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin, 0)
                                       .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax, 100)
                                       .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0)
                                       .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0)
                                       .Build();
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TCustomControl(owner) {
    info_.nMax = 100;
    SetBounds(Left(), Top(), 121, platform::GetSystemMetrics(platform::SM_CYHSCROLL));
    SetTabStop(true);
    SetColor(clBtnFace);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
    ControlStyle.Exclude(TControlStyleItem::csClickEvents);
    ControlStyle.Exclude(TControlStyleItem::csDoubleClicks);  // a quick second press is another step
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (kind_ == TScrollBarKind::sbVertical) params.Style |= platform::SBS_VERT;
}

void TScrollBar::SetKind(TScrollBarKind value) {
    if (value == kind_) return;
    kind_ = value;
    // The bar turns: its width and height swap.
    SetBounds(Left(), Top(), Height(), Width());
    if (HandleAllocated()) RecreateWnd();
}

bool TScrollBar::Store(platform::SCROLLINFO info) {
    platform::NormalizeScrollInfo(info);
    bool moved = info.nPos != info_.nPos;
    info_ = info;
    Invalidate();
    return moved;
}

void TScrollBar::SetParams(int position, int min, int max) {
    platform::SCROLLINFO info = info_;
    info.nMin = min;
    info.nMax = max;
    info.nPos = position;
    if (Store(info)) Change();
}

void TScrollBar::SetPageSize(int value) {
    platform::SCROLLINFO info = info_;
    info.nPage = static_cast<platform::UINT>(std::max(value, 0));
    if (Store(info)) Change();
}

void TScrollBar::Change() { FireEvent(OnChange, this); }

void TScrollBar::Scroll(TScrollCode code, int& pos) { FireEvent(OnScroll, this, code, pos); }

void TScrollBar::ScrollBy(platform::WORD code, int thumbPos) {
    int pos = platform::ScrollPosAfter(info_, code, SmallChange, LargeChange, thumbPos);
    if (code > platform::SB_ENDSCROLL) return;
    Scroll(static_cast<TScrollCode>(code), pos);
    if (code != platform::SB_ENDSCROLL) SetPosition(pos);
}

void TScrollBar::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CN_HSCROLL:
        case CN_VSCROLL:
            ScrollBy(platform::LOWORD(m.WParam), static_cast<platform::SHORT>(platform::HIWORD(m.WParam)));
            return;
        case platform::SBM_SETSCROLLINFO: {
            auto* given = reinterpret_cast<const platform::SCROLLINFO*>(m.LParam);
            if (!given) return;
            platform::SCROLLINFO info = info_;
            if (given->fMask & platform::SIF_RANGE) {
                info.nMin = given->nMin;
                info.nMax = given->nMax;
            }
            if (given->fMask & platform::SIF_PAGE) info.nPage = given->nPage;
            if (given->fMask & platform::SIF_POS) info.nPos = given->nPos;
            if (Store(info)) Change();
            m.Result = info_.nPos;
            return;
        }
        case platform::SBM_GETSCROLLINFO: {
            auto* out = reinterpret_cast<platform::SCROLLINFO*>(m.LParam);
            if (!out) return;
            platform::UINT mask = out->fMask;
            *out = info_;
            out->fMask = mask;
            m.Result = 1;
            return;
        }
        case platform::SBM_SETPOS: {
            m.Result = Position();
            SetPosition(static_cast<int>(m.WParam));
            return;
        }
        case platform::SBM_GETPOS: m.Result = Position(); return;
        case platform::SBM_SETRANGE:
        case platform::SBM_SETRANGEREDRAW:
            SetParams(Position(), static_cast<int>(m.WParam), static_cast<int>(m.LParam));
            return;
        case platform::SBM_GETRANGE:
            if (auto* min = reinterpret_cast<int*>(m.WParam)) *min = Min();
            if (auto* max = reinterpret_cast<int*>(m.LParam)) *max = Max();
            return;
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

bool TScrollBar::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    bool vertical = kind_ == TScrollBarKind::sbVertical;
    platform::WORD code;
    switch (key) {
        case platform::VK_UP: code = vertical ? platform::SB_LINEUP : 0xFFFF; break;
        case platform::VK_LEFT: code = vertical ? 0xFFFF : platform::SB_LINEUP; break;
        case platform::VK_DOWN: code = vertical ? platform::SB_LINEDOWN : 0xFFFF; break;
        case platform::VK_RIGHT: code = vertical ? 0xFFFF : platform::SB_LINEDOWN; break;
        case platform::VK_PRIOR: code = platform::SB_PAGEUP; break;
        case platform::VK_NEXT: code = platform::SB_PAGEDOWN; break;
        case platform::VK_HOME: code = platform::SB_TOP; break;
        case platform::VK_END: code = platform::SB_BOTTOM; break;
        default: return false;
    }
    if (code == 0xFFFF) return false;
    ScrollBy(code, 0);
    ScrollBy(platform::SB_ENDSCROLL, 0);
    return true;
}

void TScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    platform::TrackScrollBar(Handle(), platform::SB_CTL, ClientToScreen({x, y}));
}

void TScrollBar::Paint() {
    platform::ScrollBarPart pressed = platform::PressedScrollBarPart(Handle(), platform::SB_CTL);
    platform::DrawScrollBar(Canvas()->Handle(), ClientRect(), kind_ == TScrollBarKind::sbVertical, info_, Enabled(),
                            pressed);
}
