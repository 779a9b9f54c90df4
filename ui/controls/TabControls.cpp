#include "ui/controls/TabControls.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Form.h"

#include "platform/window/ControlMessages.h"
#include "platform/window/Input.h"

#include <algorithm>

const TClassInfo& TCustomTabControl::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomTabControl>("TCustomTabControl", TCustomControl::StaticClass())
            .Integer("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex, -1)
            .Integer("TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight, 0)
            .Integer("TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth, 0)
            .Build();
    return info;
}

const TClassInfo& TTabControl::StaticClass() {
    static const TClassInfo info = TPublished<TTabControl>("TTabControl", TCustomTabControl::StaticClass()).Build();
    return info;
}

const TClassInfo& TTabSheet::StaticClass() {
    static const TClassInfo info = TPublished<TTabSheet>("TTabSheet", TWinControl::StaticClass())
                                       .Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible, true)
                                       .Build();
    return info;
}

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info = TPublished<TPageControl>("TPageControl", TCustomTabControl::StaticClass()).Build();
    return info;
}

// Tabs

TCustomTabControl::TCustomTabControl(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 289, 193);
    SetTabStop(true);
    SetColor(clBtnFace);
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (tabPosition_ == TTabPosition::tpBottom) params.Style |= platform::TCS_BOTTOM;
    if (OwnerDraw) params.Style |= platform::TCS_OWNERDRAWFIXED;
}

void TCustomTabControl::SetTabIndex(int value) {
    tabIndex_ = value >= 0 && value < TabCount() ? value : -1;
    Invalidate();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
    tabPosition_ = value;
    TabsChanged();
}

void TCustomTabControl::SetTabHeight(int value) {
    tabHeight_ = std::max(value, 0);
    TabsChanged();
}

void TCustomTabControl::SetTabWidth(int value) {
    tabWidth_ = std::max(value, 0);
    TabsChanged();
}

void TCustomTabControl::TabsChanged() {
    if (tabIndex_ >= TabCount()) tabIndex_ = TabCount() - 1;
    AlignControls();
    Invalidate();
}

int TCustomTabControl::StripHeight() const {
    if (tabHeight_ > 0) return tabHeight_;
    measure_.SetFont(Font());
    return measure_.TextHeight("Ay") + 6;
}

TRect TCustomTabControl::TabRect(int index) const {
    std::vector<std::string> captions = TabCaptions();
    if (index < 0 || index >= static_cast<int>(captions.size())) return {};
    measure_.SetFont(Font());
    auto width = [&](int k) { return tabWidth_ > 0 ? tabWidth_ : measure_.TextWidth(captions[k]) + 12; };
    int x = 2;
    for (int k = 0; k < index; ++k) x += width(k);
    int h = StripHeight();
    int top = tabPosition_ == TTabPosition::tpTop ? 2 : Height() - 2 - h;
    return {x, top, x + width(index), top + h};
}

int TCustomTabControl::IndexOfTabAt(int x, int y) const {
    for (int i = 0; i < TabCount(); ++i) {
        TRect r = TabRect(i);
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return i;
    }
    return -1;
}

TRect TCustomTabControl::DisplayRect() const {
    int strip = 2 + StripHeight();
    TRect frame = tabPosition_ == TTabPosition::tpTop ? TRect{0, strip, Width(), Height()}
                                                      : TRect{0, 0, Width(), Height() - strip};
    return {frame.Left + 4, frame.Top + 4, std::max(frame.Left + 4, frame.Right - 4),
            std::max(frame.Top + 4, frame.Bottom - 4)};
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() { FireEvent(OnChange, this); }

bool TCustomTabControl::UserSelect(int index) {
    if (index < 0 || index >= TabCount() || index == tabIndex_ || !CanChange()) return false;
    tabIndex_ = index;
    Invalidate();
    Change();
    return true;
}

void TCustomTabControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
        case platform::WM_SETFOCUS:
        case platform::WM_KILLFOCUS: Invalidate(); break;
        case platform::TCM_GETITEMCOUNT: m.Result = TabCount(); return;
        case platform::TCM_GETCURSEL: m.Result = tabIndex_; return;
        case platform::TCM_SETCURSEL: {
            m.Result = tabIndex_;
            SetTabIndex(static_cast<int>(m.WParam));
            return;
        }
        case platform::TCM_GETROWCOUNT: m.Result = 1; return;
        case platform::TCM_GETITEMRECT: {
            int index = static_cast<int>(m.WParam);
            auto* out = reinterpret_cast<platform::RECT*>(m.LParam);
            if (index < 0 || index >= TabCount() || !out) return;
            *out = TabRect(index);
            m.Result = 1;
            return;
        }
        case platform::TCM_ADJUSTRECT: {
            // wParam true: the whole control for a display area; false: the display area of a whole.
            auto* r = reinterpret_cast<platform::RECT*>(m.LParam);
            if (!r) return;
            TRect display = DisplayRect();
            int dl = display.Left, dt = display.Top, dr = Width() - display.Right, db = Height() - display.Bottom;
            if (m.WParam)
                *r = {r->left - dl, r->top - dt, r->right + dr, r->bottom + db};
            else
                *r = {r->left + dl, r->top + dt, r->right - dr, r->bottom - db};
            return;
        }
        case CM_DIALOGKEY:
            if (m.WParam == platform::VK_TAB && KeyboardShiftState().Contains(TShiftStateItem::ssCtrl) && TabCount() > 0) {
                TCustomForm* form = ParentForm();
                TWinControl* active = form ? form->ActiveControl() : nullptr;
                if (active && (active == this || ContainsControl(active))) {
                    bool back = KeyboardShiftState().Contains(TShiftStateItem::ssShift);
                    UserSelect((tabIndex_ + (back ? TabCount() - 1 : 1)) % TabCount());
                    m.Result = 1;
                    return;
                }
            }
            break;
        default: break;
    }
    TCustomControl::Dispatch(m);
}

bool TCustomTabControl::DoKeyDown(platform::WORD& key, TShiftState shift) {
    if (TCustomControl::DoKeyDown(key, shift)) return true;
    if (key == platform::VK_LEFT || key == platform::VK_UP) {
        UserSelect(tabIndex_ - 1);
        return true;
    }
    if (key == platform::VK_RIGHT || key == platform::VK_DOWN) {
        UserSelect(tabIndex_ + 1);
        return true;
    }
    return false;
}

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        int index = IndexOfTabAt(x, y);
        if (index >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            UserSelect(index);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTabControl::DrawTab(int index, const TRect& rect, bool active) {
    TCanvas& c = *Canvas();
    if (OwnerDraw && OnDrawTab) {
        OnDrawTab(this, index, rect, active);
        return;
    }
    bool top = tabPosition_ == TTabPosition::tpTop;
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(rect);
    // Three sides; the side toward the pages stays open.
    int near = top ? rect.Top : rect.Bottom - 1, far = top ? rect.Bottom : rect.Top - 1;
    c.Pen()->SetColor(clBtnHighlight);
    c.MoveTo(rect.Left, far);
    c.LineTo(rect.Left, near);
    c.LineTo(rect.Right - 1, near);
    c.Pen()->SetColor(cl3DDkShadow);
    c.MoveTo(rect.Right - 1, near);
    c.LineTo(rect.Right - 1, far);
    std::string caption = TabCaptions()[static_cast<std::size_t>(index)];
    c.SetFont(Font());
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    int x = (rect.Left + rect.Right - c.TextWidth(caption)) / 2;
    int y = (rect.Top + rect.Bottom - c.TextHeight("Ay")) / 2;
    c.TextRect(rect, x, y, caption);
    if (active && Focused()) c.DrawFocusRect({rect.Left + 3, rect.Top + 3, rect.Right - 3, rect.Bottom - 3});
}

void TCustomTabControl::Paint() {
    TCanvas& c = *Canvas();
    TRect whole{0, 0, Width(), Height()};
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(whole);
    int strip = 2 + StripHeight();
    bool top = tabPosition_ == TTabPosition::tpTop;
    TRect frame = top ? TRect{0, strip, Width(), Height()} : TRect{0, 0, Width(), Height() - strip};
    TRect inside = frame;
    DrawRaisedFrame(c, inside, false);
    for (int i = 0; i < TabCount(); ++i)
        if (i != tabIndex_) DrawTab(i, TabRect(i), false);
    if (tabIndex_ >= 0) {
        // The chosen tab stands out and opens into the frame.
        TRect r = TabRect(tabIndex_);
        r = top ? TRect{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1} : TRect{r.Left - 2, r.Top - 1, r.Right + 2, r.Bottom + 2};
        DrawTab(tabIndex_, r, true);
    }
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {
    tabs_.OnChange = [this](TObject*) {
        if (tabIndex_ < 0 && tabs_.Count() > 0) tabIndex_ = 0;
        TabsChanged();
    };
}

std::vector<std::string> TTabControl::TabCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < tabs_.Count(); ++i) captions.push_back(tabs_.Strings(i));
    return captions;
}

// Sheets

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetParentColor(true);  // a page is of its page control's colour
    ControlStyle.Include(TControlStyleItem::csAcceptsControls);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = control;
    SetParent(control);
    if (control) control->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (pageControl_) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    int index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == tabVisible_) return;
    tabVisible_ = value;
    if (!pageControl_) return;
    if (!value && pageControl_->active_ == this)
        pageControl_->SetActivePage(pageControl_->FindNextPage(this, true, true));
    else
        pageControl_->SetActivePage(pageControl_->active_);  // its tab moved
    pageControl_->TabsChanged();
}

void TTabSheet::Dispatch(TMessage& m) {
    if (m.Msg == CM_TEXTCHANGED && pageControl_) pageControl_->TabsChanged();
    TWinControl::Dispatch(m);
}

// Page control

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

std::vector<std::string> TPageControl::TabCaptions() const {
    std::vector<std::string> captions;
    for (TTabSheet* page : pages_)
        if (page->TabVisible()) captions.push_back(page->Caption());
    return captions;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    // The first sheet shows without asking.
    if (!active_ && page->TabVisible())
        SetActivePage(page);
    else
        ShowActive();
    TabsChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
    if (active_ == page) {
        TTabSheet* next = FindNextPage(page, true, true);
        SetActivePage(next == page ? nullptr : next);
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    tabIndex_ = active_ ? active_->TabIndex() : -1;
    TabsChanged();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    index = std::clamp(index, 0, PageCount());
    pages_.insert(pages_.begin() + index, page);
    tabIndex_ = active_ ? active_->TabIndex() : -1;
    TabsChanged();
}

TTabSheet* TPageControl::SheetOfTab(int tabIndex) const {
    int index = 0;
    for (TTabSheet* page : pages_) {
        if (!page->TabVisible()) continue;
        if (index++ == tabIndex) return page;
    }
    return nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    active_ = page;
    tabIndex_ = page ? page->TabIndex() : -1;
    ShowActive();
    Invalidate();
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    int count = PageCount();
    if (count == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
    for (int step = 1; step <= count; ++step) {
        int i = ((start + (goForward ? step : -step)) % count + count) % count;
        if (!checkTabVisible || pages_[static_cast<std::size_t>(i)]->TabVisible()) return pages_[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
    TTabSheet* next = FindNextPage(active_, goForward, true);
    if (next && next != active_) UserSelect(next->TabIndex());
}

bool TPageControl::UserSelect(int index) {
    TTabSheet* page = SheetOfTab(index);
    if (!page || page == active_ || !CanChange()) return false;
    SetActivePage(page);
    Change();
    return true;
}

void TPageControl::ShowActive() {
    TRect display = DisplayRect();
    for (TTabSheet* page : pages_) {
        if (page == active_) {
            page->SetBoundsRect(display);
            page->SetVisible(true);
        } else {
            page->SetVisible(false);
        }
    }
}

void TPageControl::Resize() {
    ShowActive();
    TCustomTabControl::Resize();
}

void TPageControl::Dispatch(TMessage& m) {
    // Ctrl+Tab walks the sheets, skipping hidden tabs.
    if (m.Msg == CM_DIALOGKEY && m.WParam == platform::VK_TAB &&
        KeyboardShiftState().Contains(TShiftStateItem::ssCtrl)) {
        TCustomForm* form = ParentForm();
        TWinControl* active = form ? form->ActiveControl() : nullptr;
        if (active && (active == this || ContainsControl(active))) {
            SelectNextPage(!KeyboardShiftState().Contains(TShiftStateItem::ssShift));
            m.Result = 1;
            return;
        }
    }
    TCustomTabControl::Dispatch(m);
}
