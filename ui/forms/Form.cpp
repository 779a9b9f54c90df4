#include "ui/forms/Form.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"
#include "ui/forms/Application.h"
#include "ui/forms/Screen.h"
#include "ui/menus/Menus.h"

#include "platform/menus/MenuBar.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

#include <vector>

namespace {

const TEnumInfo& BorderStyleInfo() {
    static const TEnumInfo info("TFormBorderStyle",
                                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    return info;
}
const TEnumInfo& BorderIconInfo() {
    static const TEnumInfo info("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
    return info;
}
const TEnumInfo& FormStyleInfo() {
    static const TEnumInfo info("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    return info;
}
const TEnumInfo& PositionInfo() {
    static const TEnumInfo info("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                              "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                              "poOwnerFormCenter"});
    return info;
}

}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomForm>("TCustomForm", TWinControl::StaticClass())
            .Enumeration("BorderStyle", BorderStyleInfo(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                         static_cast<int>(TFormBorderStyle::bsSizeable))
            .Set("BorderIcons", BorderIconInfo(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, 7)
            .Enumeration("FormStyle", FormStyleInfo(), &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, 0)
            .Boolean("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::KeyPreview, false)
            .Enumeration("Position", PositionInfo(), &TCustomForm::Position, &TCustomForm::SetPosition, 0)
            .Build();
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info = TPublished<TForm>("TForm", TCustomForm::StaticClass()).Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    ControlStyle = {TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                    TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption,
                    TControlStyleItem::csDoubleClicks};
    SetVisible(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    // The controls go while the form is still whole.
    Destroying();
    DestroyComponents();
    Screen->RemoveForm(this);
    Application->FormDestroyed(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    if (HandleAllocated())
        platform::SetWindowPos(Handle(), style == TFormStyle::fsStayOnTop ? platform::HWND_TOPMOST : platform::HWND_NOTOPMOST,
                               0, 0, 0, 0, platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (HandleAllocated() && IsShowing()) {
        static constexpr int kShow[] = {platform::SW_RESTORE, platform::SW_SHOWMINIMIZED, platform::SW_SHOWMAXIMIZED};
        platform::ShowWindow(Handle(), kShow[static_cast<int>(state)]);
    }
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = platform::WS_CLIPCHILDREN;
    p.ExStyle = 0;
    p.WndParent = nullptr;
    bool tool = false;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone: p.Style |= platform::WS_POPUP; break;
        case TFormBorderStyle::bsSingle: p.Style |= platform::WS_CAPTION | platform::WS_BORDER; break;
        case TFormBorderStyle::bsSizeable: p.Style |= platform::WS_CAPTION | platform::WS_THICKFRAME; break;
        case TFormBorderStyle::bsDialog:
            p.Style |= platform::WS_POPUP | platform::WS_CAPTION | platform::DS_MODALFRAME;
            p.ExStyle |= platform::WS_EX_DLGMODALFRAME;
            tool = true;
            break;
        case TFormBorderStyle::bsToolWindow:
            p.Style |= platform::WS_CAPTION;
            p.ExStyle |= platform::WS_EX_TOOLWINDOW;
            tool = true;
            break;
        case TFormBorderStyle::bsSizeToolWin:
            p.Style |= platform::WS_CAPTION | platform::WS_THICKFRAME;
            p.ExStyle |= platform::WS_EX_TOOLWINDOW;
            tool = true;
            break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone && borderIcons_.Contains(TBorderIcon::biSystemMenu)) {
        p.Style |= platform::WS_SYSMENU;
        if (!tool && borderIcons_.Contains(TBorderIcon::biMinimize)) p.Style |= platform::WS_MINIMIZEBOX;
        if (!tool && borderIcons_.Contains(TBorderIcon::biMaximize)) p.Style |= platform::WS_MAXIMIZEBOX;
        if (borderIcons_.Contains(TBorderIcon::biHelp)) p.ExStyle |= platform::WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == TFormStyle::fsStayOnTop) p.ExStyle |= platform::WS_EX_TOPMOST;
    if (!Enabled()) p.Style |= platform::WS_DISABLED;
}

void TCustomForm::CreateWnd() {
    TWinControl::CreateWnd();
    canvas_.SetFont(Font());
    if (menu_) platform::SetMenu(Handle(), menu_->Handle());
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) {
        menu_->form_ = nullptr;
        menu_->RemoveFreeNotification(this);
    }
    if (menu && menu->form_) menu->form_->SetMenu(nullptr);
    menu_ = menu;
    if (menu_) {
        menu_->form_ = this;
        menu_->FreeNotification(this);
    }
    if (HandleAllocated()) platform::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated()) platform::SetMenu(Handle(), nullptr);
    }
}

bool TCustomForm::IsShortCut(platform::WORD key, TShiftState shift) { return menu_ && menu_->IsShortCut(key, shift); }

void TCustomForm::PlaceOnScreen() {
    if (placed_) return;
    placed_ = true;
    TRect area;
    switch (position_) {
        case TPosition::poScreenCenter:
        case TPosition::poDesktopCenter: area = Screen->WorkAreaRect(); break;
        case TPosition::poMainFormCenter:
        case TPosition::poOwnerFormCenter: {
            TCustomForm* other = position_ == TPosition::poMainFormCenter ? Application->MainForm()
                                                                         : dynamic_cast<TCustomForm*>(Owner());
            if (!other || other == this) other = nullptr;
            area = other ? other->BoundsRect() : Screen->WorkAreaRect();
            break;
        }
        default: return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::ShowingChanged() {
    if (IsShowing()) {
        PlaceOnScreen();
        FireEvent(OnShow, this);
        static constexpr int kShow[] = {platform::SW_SHOWNORMAL, platform::SW_SHOWMINIMIZED, platform::SW_SHOWMAXIMIZED};
        platform::ShowWindow(Handle(), kShow[static_cast<int>(windowState_)]);
        platform::SetActiveWindow(Handle());
        // Without a chosen control the focus goes to the first tab stop.
        if (!activeControl_ || !activeControl_->CanFocus()) activeControl_ = FindNextControl(nullptr, true, true, false);
        if (activeControl_) platform::SetFocus(activeControl_->Handle());
    } else {
        FireEvent(OnHide, this);
        if (HandleAllocated()) platform::ShowWindow(Handle(), platform::SW_HIDE);
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
    if (HandleAllocated())
        platform::SetWindowPos(Handle(), platform::HWND_TOP, 0, 0, 0, 0, platform::SWP_NOMOVE | platform::SWP_NOSIZE);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    FireEvent(OnCloseQuery, this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    FireEvent(OnClose, this, action);
    if (action == TCloseAction::caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == TCloseAction::caHide) Hide();
    else if (action == TCloseAction::caMinimize) SetWindowState(TWindowState::wsMinimized);
    else if (action == TCloseAction::caFree) Application->Release(this);
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    std::vector<TCustomForm*> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f != this && f->Enabled() && f->Visible()) {
            f->SetEnabled(false);
            disabled.push_back(f);
        }
    }
    modal_ = true;
    ModalResult = mrNone;
    platform::HWND activeBefore = platform::GetActiveWindow();
    // Owned by the window it was opened from, the modal window stands above
    // it, a stay-on-top window included, on our screen and on the desktop's.
    platform::HWND window = Handle();
    platform::LONG_PTR ownerBefore = platform::GetWindowLongPtr(window, platform::GWLP_HWNDPARENT);
    if (activeBefore && activeBefore != window)
        platform::SetWindowLongPtr(window, platform::GWLP_HWNDPARENT, reinterpret_cast<platform::LONG_PTR>(activeBefore));
    {
        // Restored before the result is read: a hide handler may still set it.
        ScopeExit restore([&] {
            modal_ = false;
            // The others are enabled first, so the window that was active
            // before (a dialog under a nested question) has the keyboard again.
            for (TCustomForm* f : disabled) f->SetEnabled(true);
            Hide();
            // Owned no longer: the owner going must not take this window with it.
            if (HandleAllocated()) {
                platform::SetWindowLongPtr(Handle(), platform::GWLP_HWNDPARENT, ownerBefore);
                if (formStyle_ != TFormStyle::fsStayOnTop)
                    platform::SetWindowPos(Handle(), platform::HWND_NOTOPMOST, 0, 0, 0, 0,
                                           platform::SWP_NOMOVE | platform::SWP_NOSIZE | platform::SWP_NOACTIVATE);
            }
            if (activeBefore && platform::IsWindow(activeBefore) && platform::IsWindowVisible(activeBefore))
                platform::SetActiveWindow(activeBefore);
        });
        Show();
        while (true) {
            Application->HandleMessage();
            if (Application->Terminated()) ModalResult = mrCancel;
            if (ModalResult == mrNone) continue;
            // Closing a modal form asks the same questions as closing any form.
            TCloseAction action = TCloseAction::caHide;
            if (CloseQuery()) FireEvent(OnClose, this, action);
            else action = TCloseAction::caNone;
            if (action != TCloseAction::caNone || Application->Terminated()) break;
            ModalResult = mrNone;
        }
    }
    return ModalResult;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && (control == this || control->ParentForm() != this || (!IsLoading() && !control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (control && active_ && control->HandleAllocated()) platform::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
    bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
    if (!IsShowing()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    platform::SetActiveWindow(Handle());
    platform::HWND target = activeControl_ && activeControl_->HandleAllocated() ? activeControl_->Handle() : Handle();
    platform::SetFocus(target);
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this) control = nullptr;
    if (control == focusedControl_) return;
    TWinControl* old = focusedControl_;
    focusedControl_ = control;
    if (control) activeControl_ = control;
    for (TWinControl* c = old; c && c != this && !(control && c->ContainsControl(control));
         c = c->Parent())
        c->Perform(CM_EXIT);
    std::vector<TWinControl*> entering;
    for (TWinControl* c = control; c && c != this && !(old && c->ContainsControl(old)); c = c->Parent())
        entering.push_back(c);
    for (auto it = entering.rbegin(); it != entering.rend(); ++it) (*it)->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<platform::LPARAM>(control));
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
    if (focusedControl_ && control->ContainsControl(focusedControl_)) focusedControl_ = nullptr;
}

void TCustomForm::DialogKey(TMessage& m) {
    auto key = static_cast<platform::WORD>(m.WParam);
    TShiftState shift = KeyboardShiftState();
    if (key == platform::VK_TAB) {
        if (shift.Contains(TShiftStateItem::ssCtrl)) {
            TWinControl::Dispatch(m);  // Ctrl+Tab belongs to the page control holding the focus
            return;
        }
        SelectNext(activeControl_, !shift.Contains(TShiftStateItem::ssShift), true);
        m.Result = 1;
        return;
    }
    if (key == platform::VK_LEFT || key == platform::VK_RIGHT || key == platform::VK_UP || key == platform::VK_DOWN) {
        if (!activeControl_ || !activeControl_->Parent()) return;
        activeControl_->Parent()->SelectNext(activeControl_, key == platform::VK_RIGHT || key == platform::VK_DOWN,
                                             false);
        m.Result = 1;
        return;
    }
    TWinControl::Dispatch(m);  // Enter and Escape: to every control, until a button takes it
}

void TCustomForm::PaintWindow(platform::HDC dc) {
    canvas_.Lock();
    canvas_.SetHandle(dc);
    ScopeExit release([this] {
        canvas_.SetHandle(nullptr);
        canvas_.Unlock();
    });
    FireEvent(OnPaint, this);
}

void TCustomForm::Dispatch(TMessage& m) {
    switch (m.Msg) {
        case platform::WM_COMMAND:
        case platform::WM_INITMENUPOPUP:
        case platform::WM_MEASUREITEM:
        case platform::WM_DRAWITEM:
            if (DispatchMenuMessage(m)) return;
            break;
        case platform::WM_CLOSE: Close(); return;
        case platform::WM_ACTIVATE: {
            bool active = platform::LOWORD(m.WParam) != platform::WA_INACTIVE;
            if (active == active_) break;
            active_ = active;
            if (active) {
                Screen->SetActiveForm(this);
                FireEvent(OnActivate, this);
                if (activeControl_ && activeControl_->HandleAllocated() && activeControl_->CanFocus())
                    platform::SetFocus(activeControl_->Handle());
            } else {
                FireEvent(OnDeactivate, this);
            }
            break;
        }
        case CM_SHOWINGCHANGED: ShowingChanged(); return;
        case CM_DIALOGKEY: DialogKey(m); return;
        case CM_FONTCHANGED: canvas_.SetFont(Font()); break;
        case CM_RELEASE: delete this; return;
        default: break;
    }
    TWinControl::Dispatch(m);
}
