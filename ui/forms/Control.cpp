#include "ui/forms/Control.h"

#include "platform/text/MarkedLetter.h"
#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/forms/Form.h"
#include "ui/forms/WinControl.h"
#include "ui/menus/PopupMenu.h"

#include <algorithm>

namespace {

const TEnumInfo& AlignInfo() {
    static const TEnumInfo info("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
    return info;
}
const TEnumInfo& AnchorKindInfo() {
    static const TEnumInfo info("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
    return info;
}

}  // namespace

bool IsAccel(char32_t key, std::string_view caption) { return platform::IsMarkedLetter(key, caption); }

// TSizeConstraints

const TClassInfo& TSizeConstraints::StaticClass() {
    static const TClassInfo info = TPublished<TSizeConstraints>("TSizeConstraints", TPersistent::StaticClass())
                                       .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::MaxHeight, 0)
                                       .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::MaxWidth, 0)
                                       .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::MinHeight, 0)
                                       .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::MinWidth, 0)
                                       .Build();
    return info;
}

void TSizeConstraints::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    MinWidth = other->MinWidth;
    MinHeight = other->MinHeight;
    MaxWidth = other->MaxWidth;
    MaxHeight = other->MaxHeight;
    Changed();
}

// TControl

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info =
        TPublished<TControl>("TControl", TComponent::StaticClass())
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .Enumeration("Align", AlignInfo(), &TControl::Align, &TControl::SetAlign, 0)
            .Set("Anchors", AnchorKindInfo(), &TControl::Anchors, &TControl::SetAnchors, 3)
            .String("Caption", &TControl::Caption, &TControl::SetCaption)
            .Integer("Color", &TControl::Color, &TControl::SetColor)
            .Stored([](const TControl& c) { return !c.ParentColor(); })
            .Object("Constraints", &TSizeConstraints::StaticClass,
                    [](TControl& c) { return &c.constraints_; }, nullptr)
            .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
            .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
            .Object("Font", &TFont::StaticClass, [](TControl& c) { return c.Font(); }, nullptr)
            .Stored([](const TControl& c) { return !c.ParentFont(); })
            .String("Hint", &TControl::Hint, &TControl::SetHint)
            .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
            .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
            .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
            .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Stored([](const TControl& c) { return !c.ParentShowHint(); })
            .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    ControlStyle = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                    TControlStyleItem::csSetCaption, TControlStyleItem::csDoubleClicks};
    font_.OnChange = [this](TObject*) {
        parentFont_ = false;
        Perform(CM_FONTCHANGED);
    };
    constraints_.OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    constraints_.OnChange = nullptr;
    TWinControl::ForgetControl(this);
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == static_cast<TControl*>(this)) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

TRect TControl::ConstrainedBounds(int left, int top, int width, int height) const {
    auto limit = [](int value, int minimum, int maximum) {
        if (maximum > 0) value = std::min(value, maximum);
        if (minimum > 0) value = std::max(value, minimum);
        return std::max(value, 0);
    };
    return Bounds(left, top, limit(width, constraints_.MinWidth, constraints_.MaxWidth),
                  limit(height, constraints_.MinHeight, constraints_.MaxHeight));
}

void TControl::SetBounds(int left, int top, int width, int height) {
    TRect r = ConstrainedBounds(left, top, width, height);
    if (r == BoundsRect()) return;
    bool resized = r.Width() != width_ || r.Height() != height_;
    Invalidate();
    UpdateBoundsRect(r);
    Invalidate();
    RecordAnchorOrigin();
    if (resized) Resize();
    if (parent_) parent_->AlignControls();
}

void TControl::UpdateBoundsRect(const TRect& r) {
    left_ = r.Left;
    top_ = r.Top;
    width_ = r.Width();
    height_ = r.Height();
}

void TControl::RecordAnchorOrigin() {
    if (!parent_ || (parent_->aligning_ > 0)) return;
    anchorParentWidth_ = parent_->ClientWidth();
    anchorParentHeight_ = parent_->ClientHeight();
}

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientSize(int width, int height) {
    TRect client = ClientRect();
    SetBounds(left_, top_, width_ + width - client.Width(), height_ + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint origin = ClientOrigin();
    return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    if (parent_) parent_->AlignControls();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    RecordAnchorOrigin();
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    if (!value) Invalidate();
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value);
    // The parent lays out again: aligned siblings move, a scrolling parent measures its range.
    if (parent_) parent_->AlignControls();
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    if (value) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!parent_ || !parentColor_) return;
    if (color_ != parent_->Color()) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!parent_ || !parentFont_) return;
    font_.Assign(parent_->Font());  // its OnChange clears the flag...
    parentFont_ = true;             // ...which a font taken from the parent keeps
}

void TControl::SetText(const std::string& text) {
    if (text == GetText()) return;
    SetTextBuffer(text);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool value) {
    parentShowHint_ = false;
    if (value == showHint_) return;
    showHint_ = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    if (value == parentShowHint_) return;
    parentShowHint_ = value;
    if (value && parent_) {
        showHint_ = parent_->ShowHint();
        Perform(CM_SHOWHINTCHANGED);
    }
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetName(const std::string& name) {
    std::string old = Name();
    bool follow = ControlStyle.Contains(TControlStyleItem::csSetCaption) && !IsLoading() && GetText() == old;
    TComponent::SetName(name);
    if (follow) SetText(name);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) { SetParent(dynamic_cast<TWinControl*>(parent)); }

platform::LRESULT TControl::Perform(platform::UINT msg, platform::WPARAM wParam, platform::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    if (message.Msg >= platform::WM_MOUSEFIRST && message.Msg <= platform::WM_MBUTTONDBLCLK) MouseMessage(message);
    Dispatch(message);
}

void TControl::MouseMessage(TMessage& m) {
    TShiftState shift = ShiftStateFromMouseKeys(m.WParam);
    int x = platform::GET_X_LPARAM(m.LParam), y = platform::GET_Y_LPARAM(m.LParam);
    switch (m.Msg) {
        case platform::WM_MOUSEMOVE: MouseMove(shift, x, y); break;
        case platform::WM_LBUTTONDOWN:
        case platform::WM_LBUTTONDBLCLK:
            if (m.Msg == platform::WM_LBUTTONDBLCLK && ControlStyle.Contains(TControlStyleItem::csDoubleClicks)) {
                shift.Include(TShiftStateItem::ssDouble);
                DblClick();
            }
            ControlState.Include(TControlStateItem::csLButtonDown);
            ControlState.Include(TControlStateItem::csClicked);
            MouseDown(TMouseButton::mbLeft, shift, x, y);
            break;
        case platform::WM_LBUTTONUP: {
            bool clicked = ControlState.Contains(TControlStateItem::csClicked);
            ControlState.Exclude(TControlStateItem::csLButtonDown);
            ControlState.Exclude(TControlStateItem::csClicked);
            if (clicked && ClientRect().Contains({x, y}) && ControlStyle.Contains(TControlStyleItem::csClickEvents))
                Click();
            MouseUp(TMouseButton::mbLeft, shift, x, y);
            break;
        }
        case platform::WM_RBUTTONDOWN:
        case platform::WM_RBUTTONDBLCLK: MouseDown(TMouseButton::mbRight, shift, x, y); break;
        case platform::WM_RBUTTONUP: MouseUp(TMouseButton::mbRight, shift, x, y); break;
        case platform::WM_MBUTTONDOWN:
        case platform::WM_MBUTTONDBLCLK: MouseDown(TMouseButton::mbMiddle, shift, x, y); break;
        case platform::WM_MBUTTONUP: MouseUp(TMouseButton::mbMiddle, shift, x, y); break;
        default: break;
    }
}

void TControl::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case CM_VISIBLECHANGED:
        case CM_ENABLEDCHANGED:
        case CM_COLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED: Invalidate(); break;
        case CM_PARENTFONTCHANGED: TakeParentFont(); break;
        case CM_PARENTCOLORCHANGED: TakeParentColor(); break;
        case CM_PARENTSHOWHINTCHANGED:
            if (parentShowHint_ && parent_ && showHint_ != parent_->ShowHint()) {
                showHint_ = parent_->ShowHint();
                Perform(CM_SHOWHINTCHANGED);
            }
            break;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE: {
            // The control itself hears it with LParam = itself; its parents
            // hear of their children's entering and leaving too.
            if (m.LParam == 0) m.LParam = reinterpret_cast<platform::LPARAM>(this);
            if (m.LParam == reinterpret_cast<platform::LPARAM>(this))
                FireEvent(m.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave, this);
            if (parent_) parent_->Perform(m.Msg, 0, m.LParam);
            break;
        }
        case platform::WM_CONTEXTMENU:
            if (ContextPopup(m.LParam)) {
                m.Result = 1;
                break;
            }
            DefaultHandler(m);
            break;
        default: DefaultHandler(m); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

bool TControl::ContextPopup(platform::LPARAM at) {
    if (!popupMenu_ || !popupMenu_->AutoPopup) return false;
    TPoint p{platform::GET_X_LPARAM(at), platform::GET_Y_LPARAM(at)};
    if (p.X == -1 && p.Y == -1) p = ClientToScreen({0, 0});  // from the keyboard
    popupMenu_->PopupComponent = this;
    popupMenu_->Popup(p.X, p.Y);
    return true;
}

void TControl::Invalidate() {
    if (parent_ && visible_ && width_ > 0 && height_ > 0)
        parent_->InvalidateRect(BoundsRect(), !ControlStyle.Contains(TControlStyleItem::csOpaque));
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (parent_) parent_->SetChildZOrder(this, true);
}

void TControl::SendToBack() {
    if (parent_) parent_->SetChildZOrder(this, false);
}

bool TControl::IsShowing() const { return visible_ && parent_ && parent_->IsShowing(); }

TCustomForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->parent_) top = top->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void TControl::Click() { FireEvent(OnClick, this); }
void TControl::DblClick() { FireEvent(OnDblClick, this); }
void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) { FireEvent(OnMouseDown, this, b, s, x, y); }
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) { FireEvent(OnMouseUp, this, b, s, x, y); }
void TControl::MouseMove(TShiftState s, int x, int y) { FireEvent(OnMouseMove, this, s, x, y); }
void TControl::Resize() { FireEvent(OnResize, this); }
