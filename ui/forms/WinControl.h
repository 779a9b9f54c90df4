#pragma once
// Controls with a window of their own: the window made from CreateParams,
// child controls (windowed and graphic) with alignment and anchors, tab
// order and focus, painting of the graphic children, keyboard handling with
// dialog keys, and messages of child windows reflected to their controls as
// CN_* messages.

#include "ui/forms/Control.h"

#include "platform/window/WindowMessages.h"

#include <string>
#include <vector>

struct TCreateParams {
    std::string Caption;
    platform::DWORD Style = 0;
    platform::DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    platform::HWND WndParent = nullptr;
    std::string WinClassName;
    platform::UINT ClassStyle = 0;
};

class TWinControl : public TControl {
    DECLARE_CLASS_INFO
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Makes the window (and the parents' windows) when there is none yet.
    platform::HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes a new one from CreateParams (when it had one).
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The visible, enabled child (graphic children first, the topmost one)
    // at a point of the client area; nothing when none is there.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false, bool allowWinControls = false) const;
    bool ContainsControl(const TControl* control) const;
    // Children and their children, in a form's tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // The next control in tab order after `current` (wrapping), or nothing.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int left, int top, int width, int height) override;
    // Places the aligned children and moves the anchored ones.
    virtual void AlignControls();
    void InvalidateRect(const TRect& r, bool erase);
    void Invalidate() override;
    void Update() override;
    bool IsShowing() const override { return showing_; }
    // Paints the graphic children into a context of this window.
    void PaintControls(platform::HDC dc, TControl* first);
    // The control of a window, when the window belongs to a control.
    static TWinControl* FindControl(platform::HWND window);
    // Forgets a control that goes away (as the control under the mouse or
    // holding the mouse capture).
    static void ForgetControl(TControl* control);

    TBrush* Brush() { return &brush_; }
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseWheelEvent OnMouseWheel;

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    friend class TControl;
    friend class TCustomForm;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Everything after the window exists: children's windows, text, state.
    virtual void CreateHandle();
    void DestroyHandle();
    // Paints the client area (a custom control paints its canvas).
    virtual void PaintWindow(platform::HDC dc);
    bool IsWindowed() const override { return true; }
    std::string GetText() const override;
    void SetTextBuffer(const std::string& text) override;
    void SetChildZOrder(TControl* control, bool top);
    // Key handling; true when the key is used up.
    virtual bool DoKeyDown(platform::WORD& key, TShiftState shift);
    virtual bool DoKeyUp(platform::WORD& key, TShiftState shift);
    virtual bool DoKeyPress(char32_t& key);
    virtual bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos);
    // Runs in the message loop before a message is dispatched; the form
    // hands keys to its own handlers first when KeyPreview is set.
    void UpdateShowing();
    void NotifyControls(platform::UINT msg);

    int aligning_ = 0;

private:
    static platform::LRESULT WindowProcedureOf(platform::HWND window, platform::UINT msg, platform::WPARAM wParam,
                                               platform::LPARAM lParam);
    void PaintHandler(TMessage& m);
    void HandleMouse(TMessage& m);
    void HandleKey(TMessage& m);
    void FocusMessage(TMessage& m);
    bool IsDialogKey(platform::WORD key) const;
    void SetMouseControl(TControl* control);
    void ApplyAnchors(TControl* control, int width, int height);

    platform::HWND handle_ = nullptr;
    std::vector<TControl*> controls_;  // in z-order, the bottom first
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool showing_ = false;
    bool tracking_ = false;
    TControl* captureControl_ = nullptr;
    TBrush brush_;
    int lastClientWidth_ = -1, lastClientHeight_ = -1;
    platform::WNDPROC defWndProc_ = nullptr;
};
