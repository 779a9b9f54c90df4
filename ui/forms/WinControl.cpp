#include "ui/forms/WinControl.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/RectFills.h"
#include "platform/window/Cursors.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowProcedures.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <algorithm>
#include <set>

namespace {

constexpr const char* kControlProperty = "VelzarControl";

// The control whose window is being made: its first messages come before
// CreateWindowEx returns.
thread_local TWinControl* creating = nullptr;
TControl* mouseControl = nullptr;

void RegisterWindowClass(const TCreateParams& params, platform::WNDPROC procedure) {
    static std::set<std::string> registered;
    if (registered.count(params.WinClassName)) return;
    platform::WNDCLASS wc;
    wc.style = params.ClassStyle;
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = params.WinClassName.c_str();
    wc.hCursor = platform::LoadCursor(nullptr, platform::IDC_ARROW);
    platform::RegisterClass(&wc);
    registered.insert(params.WinClassName);
}

}  // namespace

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info = TPublished<TWinControl>("TWinControl", TControl::StaticClass())
                                       .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                       .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
                                       .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    brush_.SetColor(Color());
}

TWinControl::~TWinControl() {
    Destroying();
    // Leave the parent while still a windowed control, so it forgets our
    // window, focus and tab place.
    SetParent(nullptr);
    // Children are freed by their owner, later: they must not reach back.
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
    DestroyHandle();
}

// Windows

TWinControl* TWinControl::FindControl(platform::HWND window) {
    if (!window) return nullptr;
    return static_cast<TWinControl*>(platform::GetProp(window, kControlProperty));
}

void TWinControl::ForgetControl(TControl* control) {
    if (mouseControl == control) {
        mouseControl = nullptr;
        Application->HintMouseMessage(nullptr);
    }
    if (auto* parent = control->Parent(); parent && parent->captureControl_ == control) parent->captureControl_ = nullptr;
}

platform::LRESULT TWinControl::WindowProcedureOf(platform::HWND window, platform::UINT msg, platform::WPARAM wParam,
                                                 platform::LPARAM lParam) {
    TWinControl* control = FindControl(window);
    if (!control && creating) {
        control = creating;
        control->handle_ = window;
        platform::SetProp(window, kControlProperty, control);
    }
    if (!control) return platform::DefWindowProc(window, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    try {
        control->WindowProc(m);
    } catch (...) {
        Application->HandleException(control);
    }
    if (msg == platform::WM_NCDESTROY) {
        platform::RemoveProp(window, kControlProperty);
        if (control->handle_ == window) {
            control->handle_ = nullptr;
            control->showing_ = false;
        }
    }
    return m.Result;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = TControl::GetText();
    p.Style = platform::WS_CHILD | platform::WS_CLIPSIBLINGS;
    if (ControlStyle.Contains(TControlStyleItem::csAcceptsControls)) {
        p.Style |= platform::WS_CLIPCHILDREN;
        p.ExStyle |= platform::WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) p.Style |= platform::WS_DISABLED;
    if (tabStop_) p.Style |= platform::WS_TABSTOP;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    // Only a window that exists: asking for the frame must not make windows.
    p.WndParent = Parent() ? Parent()->handle_ : nullptr;
    p.WinClassName = ClassName();
    p.ClassStyle = platform::CS_VREDRAW | platform::CS_HREDRAW | platform::CS_DBLCLKS;
}

void TWinControl::CreateWnd() {
    if (Parent()) Parent()->HandleNeeded();
    TCreateParams p;
    CreateParams(p);
    if (!p.WndParent && (p.Style & platform::WS_CHILD))
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    RegisterWindowClass(p, &WindowProcedureOf);
    defWndProc_ = &platform::DefWindowProc;
    TWinControl* outer = creating;
    creating = this;
    platform::HWND made = platform::CreateWindowEx(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X,
                                                   p.Y, p.Width, p.Height, p.WndParent, nullptr, nullptr, this);
    creating = outer;
    if (!made) throw EInvalidOperation("Error creating window");
    handle_ = made;
}

void TWinControl::DestroyWnd() {
    if (handle_) platform::DestroyWindow(handle_);
    handle_ = nullptr;
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    CreateWnd();
    lastClientWidth_ = lastClientHeight_ = -1;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->CreateHandle();
    // Windows lie in the order of the children list, the topmost last.
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_)
            platform::SetWindowPos(w->handle_, platform::HWND_TOP, 0, 0, 0, 0,
                                   platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    ControlState.Include(TControlStateItem::csDestroyingHandle);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
    showing_ = false;
    ControlState.Exclude(TControlStateItem::csDestroyingHandle);
}

platform::HWND TWinControl::Handle() {
    if (!handle_) {
        if (Parent()) Parent()->HandleNeeded();
        CreateHandle();
    }
    return handle_;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    bool wasShowing = showing_;
    DestroyHandle();
    if (wasShowing) UpdateShowing();
    else HandleNeeded();
}

std::string TWinControl::GetText() const { return TControl::GetText(); }

void TWinControl::SetTextBuffer(const std::string& text) {
    TControl::SetTextBuffer(text);
    if (handle_) platform::SetWindowText(handle_, text.c_str());
}

// Children

void TWinControl::InsertControl(TControl* control) {
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<platform::WPARAM>(control), 1);
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
    control->TakeParentFont();
    control->TakeParentColor();
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->RecordAnchorOrigin();
    if (auto* w = dynamic_cast<TWinControl*>(control)) w->UpdateShowing();
    else control->Invalidate();
    AlignControls();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<platform::WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<platform::WPARAM>(control), 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        TCustomForm* form = ParentForm();
        if (form) form->ControlRemoved(w);
        w->DestroyHandle();
        std::erase(tabList_, w);
    } else {
        control->Invalidate();
    }
    ForgetControl(control);
    std::erase(controls_, control);
    control->parent_ = nullptr;
    AlignControls();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<platform::WPARAM>(control), 0);
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && c->IsWindowed()) continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
        if (c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::SetChildZOrder(TControl* control, bool top) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (top) controls_.push_back(control);
    else controls_.insert(controls_.begin(), control);
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->handle_)
        platform::SetWindowPos(w->handle_, top ? platform::HWND_TOP : platform::HWND_BOTTOM, 0, 0, 0, 0,
                               platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
    control->Invalidate();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TControl* c : controls_)
        if (c->Owner() == root) proc(c);
}

void TWinControl::NotifyControls(platform::UINT msg) {
    std::vector<TControl*> children = controls_;
    for (TControl* c : children) c->Perform(msg);
}

// Tab order and focus

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool value) {
    if (value == tabStop_) return;
    tabStop_ = value;
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = ParentForm();
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return form->Visible() && form->Enabled();
}

bool TWinControl::Focused() const { return handle_ && platform::GetFocus() == handle_; }

void TWinControl::SetFocus() {
    TCustomForm* form = ParentForm();
    if (!form) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    form->FocusControl(this);
}

// Geometry

TRect TWinControl::ClientRect() const {
    if (handle_) {
        platform::RECT r;
        platform::GetClientRect(handle_, &r);
        return r;
    }
    // No window yet: the frame the window will have.
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    platform::RECT frame{0, 0, 0, 0};
    platform::AdjustWindowRectEx(&frame, p.Style, platform::FALSE, p.ExStyle);
    return Rect(0, 0, std::max(0, Width() - (frame.right - frame.left)), std::max(0, Height() - (frame.bottom - frame.top)));
}

TPoint TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    platform::POINT p{0, 0};
    platform::ClientToScreen(handle_, &p);
    return {p.x, p.y};
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TRect before = BoundsRect();
    TControl::SetBounds(left, top, width, height);
    if (BoundsRect() == before) return;
    if (handle_) {
        platform::SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                               platform::SWP_NOZORDER | platform::SWP_NOACTIVATE);
    }
    AlignControls();
}

void TWinControl::ApplyAnchors(TControl* c, int width, int height) {
    if (c->anchorParentWidth_ < 0) {
        c->anchorParentWidth_ = width;
        c->anchorParentHeight_ = height;
        return;
    }
    int dx = width - c->anchorParentWidth_, dy = height - c->anchorParentHeight_;
    c->anchorParentWidth_ = width;
    c->anchorParentHeight_ = height;
    if (dx == 0 && dy == 0) return;
    TAnchors a = c->Anchors();
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    bool left = a.Contains(TAnchorKind::akLeft), right = a.Contains(TAnchorKind::akRight);
    bool topA = a.Contains(TAnchorKind::akTop), bottom = a.Contains(TAnchorKind::akBottom);
    if (right && left) w += dx;
    else if (right) l += dx;
    else if (!left) l += dx / 2;
    if (bottom && topA) h += dy;
    else if (bottom) t += dy;
    else if (!topA) t += dy / 2;
    c->SetBounds(l, t, w, h);
}

void TWinControl::AlignControls() {
    if (aligning_ > 0 || IsDestroying()) return;
    ++aligning_;
    ScopeExit aligned([this] { --aligning_; });
    TRect rect = ClientRect();
    int width = rect.Width(), height = rect.Height();
    for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != kind || !c->Visible()) continue;
            switch (kind) {
                case TAlign::alTop:
                    c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                    rect.Top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                    rect.Bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                    rect.Left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                    rect.Right -= c->Width();
                    break;
                default: c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
            }
        }
    }
    for (TControl* c : controls_)
        if (c->Align() == TAlign::alNone) ApplyAnchors(c, width, height);
}

// Showing and painting

void TWinControl::UpdateShowing() {
    bool show = Visible() && (Parent() ? Parent()->showing_ : dynamic_cast<TCustomForm*>(this) != nullptr);
    if (show == showing_) {
        for (TControl* c : controls_)
            if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
        return;
    }
    if (show) HandleNeeded();
    showing_ = show;
    Perform(CM_SHOWINGCHANGED);
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
}

void TWinControl::InvalidateRect(const TRect& r, bool erase) {
    if (!handle_) return;
    platform::RECT rect = r;
    platform::InvalidateRect(handle_, &rect, erase);
}

void TWinControl::Invalidate() {
    if (handle_) platform::InvalidateRect(handle_, nullptr, !ControlStyle.Contains(TControlStyleItem::csOpaque));
}

void TWinControl::Update() {
    if (handle_) platform::UpdateWindow(handle_);
}

void TWinControl::PaintWindow(platform::HDC) {}

void TWinControl::PaintControls(platform::HDC dc, TControl* first) {
    auto it = first ? std::find(controls_.begin(), controls_.end(), first) : controls_.begin();
    for (; it != controls_.end(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
        platform::RECT clip;
        platform::GetClipBox(dc, &clip);
        platform::RECT bounds = c->BoundsRect(), overlap;
        if (!platform::IntersectRect(&overlap, &clip, &bounds)) continue;
        int saved = platform::SaveDC(dc);
        platform::OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        platform::IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(platform::WM_PAINT, reinterpret_cast<platform::WPARAM>(dc), 0);
        platform::RestoreDC(dc, saved);
    }
}

void TWinControl::PaintHandler(TMessage& m) {
    platform::PAINTSTRUCT ps;
    auto dc = reinterpret_cast<platform::HDC>(m.WParam);
    if (!dc) dc = platform::BeginPaint(handle_, &ps);
    ScopeExit endPaint([&] {
        if (!m.WParam) platform::EndPaint(handle_, &ps);
    });
    PaintWindow(dc);
    PaintControls(dc, nullptr);
}

// Input

void TWinControl::SetMouseControl(TControl* control) {
    if (control == mouseControl) return;
    TControl* old = mouseControl;
    mouseControl = control;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
    Application->HintMouseMessage(control);
}

void TWinControl::HandleMouse(TMessage& m) {
    TPoint p{platform::GET_X_LPARAM(m.LParam), platform::GET_Y_LPARAM(m.LParam)};
    TControl* target = captureControl_;
    if (!target) target = ControlAtPos(p);
    if (m.Msg == platform::WM_MOUSEMOVE) {
        SetMouseControl(target ? target : this);
        if (!tracking_) {
            platform::TRACKMOUSEEVENT track;
            track.dwFlags = platform::TME_LEAVE;
            track.hwndTrack = handle_;
            tracking_ = platform::TrackMouseEvent(&track) != 0;
        }
    }
    if (!target) {
        if (m.Msg != platform::WM_MOUSEMOVE) Application->CancelHint();
        TControl::WndProc(m);
        return;
    }
    bool down = m.Msg == platform::WM_LBUTTONDOWN || m.Msg == platform::WM_RBUTTONDOWN ||
                m.Msg == platform::WM_MBUTTONDOWN || m.Msg == platform::WM_LBUTTONDBLCLK;
    bool up = m.Msg == platform::WM_LBUTTONUP || m.Msg == platform::WM_RBUTTONUP || m.Msg == platform::WM_MBUTTONUP;
    if (down) Application->CancelHint();
    if (down && target->ControlStyle.Contains(TControlStyleItem::csCaptureMouse)) {
        captureControl_ = target;
        platform::SetCapture(handle_);
    }
    m.Result = target->Perform(m.Msg, m.WParam,
                               platform::MakePointParam(p.X - target->Left(), p.Y - target->Top()));
    if (up && captureControl_ == target) {
        captureControl_ = nullptr;
        if (platform::GetCapture() == handle_) platform::ReleaseCapture();
    }
}

bool TWinControl::IsDialogKey(platform::WORD key) const {
    return key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_ESCAPE ||
           key == platform::VK_LEFT || key == platform::VK_RIGHT || key == platform::VK_UP || key == platform::VK_DOWN;
}

bool TWinControl::DoKeyDown(platform::WORD& key, TShiftState shift) {
    FireEvent(OnKeyDown, this, key, shift);
    return key == 0;
}

bool TWinControl::DoKeyUp(platform::WORD& key, TShiftState shift) {
    FireEvent(OnKeyUp, this, key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char32_t& key) {
    FireEvent(OnKeyPress, this, key);
    return key == 0;
}

bool TWinControl::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) {
    bool handled = false;
    FireEvent(OnMouseWheel, this, shift, delta, mousePos, handled);
    return handled;
}

void TWinControl::HandleKey(TMessage& m) {
    TCustomForm* form = ParentForm();
    TWinControl* preview = form && form != this && form->KeyPreview ? form : nullptr;
    TShiftState shift = KeyboardShiftState();
    if (m.Msg == platform::WM_SYSCHAR) {
        // Alt and a letter: the control whose caption marks it takes it.
        if (form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) return;
        DefaultHandler(m);
        return;
    }
    if (m.Msg == platform::WM_CHAR) {
        auto key = static_cast<char32_t>(m.WParam);
        if ((preview && preview->DoKeyPress(key)) || DoKeyPress(key)) return;
        m.WParam = key;
        DefaultHandler(m);
        return;
    }
    auto key = static_cast<platform::WORD>(m.WParam);
    bool down = m.Msg == platform::WM_KEYDOWN || m.Msg == platform::WM_SYSKEYDOWN;
    if (down) {
        // Menu shortcuts come before the control's own keys.
        if (form && form->IsShortCut(key, shift)) return;
        if ((preview && preview->DoKeyDown(key, shift)) || DoKeyDown(key, shift)) return;
        if (form && IsDialogKey(key)) {
            platform::LRESULT wants = Perform(platform::WM_GETDLGCODE);
            bool arrow = key == platform::VK_LEFT || key == platform::VK_RIGHT || key == platform::VK_UP ||
                         key == platform::VK_DOWN;
            // Tab is wanted only by name: a control that wants Enter and
            // Escape (a memo) still lets Tab move on.
            bool wanted = key == platform::VK_TAB ? (wants & DLGC_WANTTAB) != 0
                                                  : (wants & DLGC_WANTALLKEYS) || (arrow && (wants & DLGC_WANTARROWS));
            if (!wanted && form->Perform(CM_DIALOGKEY, key, 0) != 0) return;
        }
    } else if ((preview && preview->DoKeyUp(key, shift)) || DoKeyUp(key, shift)) {
        return;
    }
    m.WParam = key;
    DefaultHandler(m);
}

// Messages

void TWinControl::WndProc(TMessage& m) {
    // Mouse messages of this window may belong to a graphic child.
    if (handle_ && m.Msg >= platform::WM_MOUSEFIRST && m.Msg <= platform::WM_MBUTTONDBLCLK) {
        HandleMouse(m);
        return;
    }
    TControl::WndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_PAINT: PaintHandler(m); return;
        // Printed into a DC of the caller's (a picture of the window): painted as on screen.
        case platform::WM_PRINTCLIENT: PaintHandler(m); return;
        case platform::WM_ERASEBKGND: {
            platform::RECT r = ClientRect();
            platform::FillRect(reinterpret_cast<platform::HDC>(m.WParam), &r, brush_.Handle());
            m.Result = 1;
            return;
        }
        case platform::WM_MOUSELEAVE:
            tracking_ = false;
            if (mouseControl == this || (mouseControl && mouseControl->Parent() == this && !mouseControl->IsWindowed()))
                SetMouseControl(nullptr);
            return;
        case platform::WM_MOUSEWHEEL: {
            TPoint p{platform::GET_X_LPARAM(m.LParam), platform::GET_Y_LPARAM(m.LParam)};
            auto delta = static_cast<short>(platform::HIWORD(m.WParam));
            TShiftState shift = ShiftStateFromMouseKeys(platform::LOWORD(m.WParam));
            TCustomForm* form = ParentForm();
            // The form hears of it first; its Handled keeps the control from it.
            if (form && form != this && form->DoMouseWheel(shift, delta, p)) return;
            // Then up the parents, the form not asked a second time.
            for (TWinControl* control = this; control && (control == this || control != form);
                 control = control->Parent())
                if (control->DoMouseWheel(shift, delta, p)) return;
            return;
        }
        case platform::WM_KEYDOWN:
        case platform::WM_SYSKEYDOWN:
        case platform::WM_KEYUP:
        case platform::WM_SYSKEYUP:
        case platform::WM_CHAR:
        case platform::WM_SYSCHAR: HandleKey(m); return;
        case platform::WM_SETFOCUS:
            if (TCustomForm* form = ParentForm()) form->SetFocusedControl(this);
            break;
        case platform::WM_SIZE: {
            TRect client = ClientRect();
            if (client.Width() != lastClientWidth_ || client.Height() != lastClientHeight_) {
                lastClientWidth_ = client.Width();
                lastClientHeight_ = client.Height();
                AlignControls();
                Resize();
            }
            break;
        }
        case platform::WM_WINDOWPOSCHANGED:
            if (handle_) {
                platform::RECT r;
                platform::GetWindowRect(handle_, &r);
                platform::HWND parent = platform::GetParent(handle_);
                platform::POINT topLeft{r.left, r.top};
                if (parent && (platform::GetWindowLongPtr(handle_, platform::GWL_STYLE) & platform::WS_CHILD))
                    platform::ScreenToClient(parent, &topLeft);
                UpdateBoundsRect(Bounds(topLeft.x, topLeft.y, r.right - r.left, r.bottom - r.top));
            }
            break;
        case platform::WM_COMMAND:
        case platform::WM_HSCROLL:
        case platform::WM_VSCROLL:
        case platform::WM_CTLCOLOREDIT:
        case platform::WM_CTLCOLORLISTBOX:
        case platform::WM_CTLCOLORSTATIC:
        case platform::WM_CTLCOLORBTN:
            // From a child window: its control handles it.
            if (TWinControl* child = FindControl(reinterpret_cast<platform::HWND>(m.LParam)); child && child != this) {
                m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
                return;
            }
            break;
        case CM_ENTER: FireEvent(OnEnter, this); return;
        case CM_EXIT: FireEvent(OnExit, this); return;
        case CM_VISIBLECHANGED: UpdateShowing(); return;
        case CM_SHOWINGCHANGED:
            if (handle_)
                platform::SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                                       platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOZORDER |
                                           platform::SWP_NOACTIVATE |
                                           (showing_ ? platform::SWP_SHOWWINDOW : platform::SWP_HIDEWINDOW));
            return;
        case CM_ENABLEDCHANGED:
            if (!Enabled() && Focused())
                if (TCustomForm* form = ParentForm()) form->SetFocusedControl(nullptr);
            if (handle_) platform::EnableWindow(handle_, Enabled());
            Invalidate();
            return;
        case CM_COLORCHANGED:
            brush_.SetColor(Color());
            NotifyControls(CM_PARENTCOLORCHANGED);
            Invalidate();
            return;
        case CM_FONTCHANGED:
            NotifyControls(CM_PARENTFONTCHANGED);
            Invalidate();
            return;
        case CM_SHOWHINTCHANGED: NotifyControls(CM_PARENTSHOWHINTCHANGED); return;
        case CM_TEXTCHANGED: return;  // the window text is set already
        case CM_RECREATEWND: RecreateWnd(); return;
        case CM_FOCUSCHANGED:
        case CM_DIALOGKEY:
        case CM_DIALOGCHAR: {
            // Broadcast: every child hears it, until one answers.
            std::vector<TControl*> children = controls_;
            for (TControl* c : children) {
                m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
                if (m.Result != 0 && m.Msg != CM_FOCUSCHANGED) return;
            }
            return;
        }
        default: break;
    }
    TControl::Dispatch(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    // Our own messages never reach the window system's procedures.
    if (!handle_ || (m.Msg >= CM_BASE && m.Msg < platform::FirstRegisteredMessage)) return;
    m.Result = platform::CallWindowProc(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}
