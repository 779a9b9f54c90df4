#pragma once
// Forms: top-level windows with a border style, a position on the screen,
// stay-on-top, an active control that keeps the focus, key preview, modal
// showing, and the show, close and resize events.

#include "ui/forms/WinControl.h"
#include "ui/graphics/Canvas.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

class TMainMenu;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
    DECLARE_CLASS_INFO
public:
    // A form built in code: no form data is read.
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    // Shown modelessly, or hidden; Close asks OnCloseQuery and OnClose.
    void Show();
    void Hide() { SetVisible(false); }
    void Close();
    // Shows the form and runs messages until ModalResult is set or the
    // form closes; the other forms are disabled meanwhile.
    TModalResult ShowModal();
    TModalResult ModalResult = mrNone;
    bool Active() const { return active_; }

    TWinControl* ActiveControl() const { return activeControl_; }
    // Raises EInvalidOperation "Cannot focus a disabled or invisible window"
    // for a control that cannot take the focus.
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // The focus moved to `control` (nullptr: to the form itself).
    void SetFocusedControl(TWinControl* control);
    bool KeyPreview = false;
    // The main menu shown as the form's bar; its shortcuts work in the form.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Clicks the menu item whose shortcut the key is; true when one was.
    virtual bool IsShortCut(platform::WORD key, TShiftState shift);
    TCanvas* Canvas() { return &canvas_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Runs OnCreate; TApplication::CreateForm calls it once the form is whole.
    void DoCreate() { FireEvent(OnCreate, this); }
    bool CloseQuery();
    void Dispatch(TMessage& message) override;
    void SetFocus() override;

protected:
    friend class TWinControl;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void PaintWindow(platform::HDC dc) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Tab and arrows move the focus, Enter and Escape go to the default
    // and cancel buttons.
    void DialogKey(TMessage& message);
    void ControlRemoved(TWinControl* control);

private:
    void PlaceOnScreen();
    void ShowingChanged();

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool active_ = false;
    bool placed_ = false;
    bool modal_ = false;
    TCanvas canvas_;
};

class TForm : public TCustomForm {
    DECLARE_CLASS_INFO
public:
    using TCustomForm::TCustomForm;
};
