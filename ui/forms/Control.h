#pragma once
// The base of every control: a component with a place in its parent, a size,
// visibility, enabling, colour, font, caption, hint, cursor, mouse events and
// a window procedure. A control without a window of its own (a graphic
// control) is painted and fed mouse messages by its windowed parent.

#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/core/Types.h"
#include "ui/forms/Messages.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObjects.h"

#include <functional>
#include <string>
#include <string_view>

class TWinControl;
class TCustomForm;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum class TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem>;
enum class TControlStateItem {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating, csPaintCopy,
    csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateItem>;

using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, platform::WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;

// Limits of a control's size; 0 is no limit.
// True when the caption marks `key` as its accelerator ("&Файл" for Ф or ф);
// "&&" is a plain ampersand.
bool IsAccel(char32_t key, std::string_view caption);

class TSizeConstraints : public TPersistent {
    DECLARE_CLASS_INFO
public:
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
    TNotifyEvent OnChange;
    void Assign(const TPersistent* source) override;
    // Tells OnChange (the control applies the limits again).
    void Changed() { FireEvent(OnChange, this); }
};

class TPopupMenu;

class TControl : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    // Applies the constraints; the aligner of the parent may move the control again.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    // The screen point of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints* Constraints() { return &constraints_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    void SetFont(const TFont* font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    // Caption and Text are the same string.
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // Shown on WM_CONTEXTMENU (a right click, the menu key) while its
    // AutoPopup is set.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TControlStyle ControlStyle;
    TControlState ControlState;

    // Sends the message through WindowProc and gives its result.
    platform::LRESULT Perform(platform::UINT msg, platform::WPARAM wParam = 0, platform::LPARAM lParam = 0);
    // The first handler of every message; replace it to hook a control
    // (keep the old one to pass messages on).
    std::function<void(TMessage&)> WindowProc;
    // The control's own handling; ends in Dispatch.
    virtual void WndProc(TMessage& message);
    // Handles the messages a class knows and passes the rest to its parent
    // class, ending in DefaultHandler.
    virtual void Dispatch(TMessage& message);
    void Notification(TComponent* component, TOperation operation) override;
    // Shows the popup menu at a screen point (-1, -1: at the control); false without one.
    bool ContextPopup(platform::LPARAM at);
    virtual void DefaultHandler(TMessage& message);

    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Visible, and every parent up to a form visible too.
    virtual bool IsShowing() const;
    TCustomForm* ParentForm() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    void SetName(const std::string& name) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    virtual void Click();

protected:
    friend class TWinControl;
    virtual std::string GetText() const { return text_; }
    virtual void SetTextBuffer(const std::string& text) { text_ = text; }
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Resize();
    // The window of the control itself or of the windowed parent it is painted in.
    virtual bool IsWindowed() const { return false; }
    // Colour and font from the parent, when the Parent* flags say so.
    void TakeParentFont();
    void TakeParentColor();
    // Bounds without constraints or notices: the aligner and the window system use it.
    void UpdateBoundsRect(const TRect& r);
    void RecordAnchorOrigin();

    // Anchoring: the parent's client size when the bounds were last set by hand.
    int anchorParentWidth_ = -1, anchorParentHeight_ = -1;

private:
    void MouseMessage(TMessage& message);
    TRect ConstrainedBounds(int left, int top, int width, int height) const;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
    TSizeConstraints constraints_;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    std::string text_;
    std::string hint_;
    TPopupMenu* popupMenu_ = nullptr;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
};
