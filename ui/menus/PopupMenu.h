#pragma once
// Popup menus: shown at a screen point by Popup, in the menu loop of the
// window system; the choice comes back through the popup list, a hidden
// window that owns every popup menu while it is shown and hands the menu
// loop's messages to the items.

#include "ui/menus/Menus.h"

enum class TPopupAlignment { paLeft, paRight, paCenter };
enum class TTrackButton { tbRightButton, tbLeftButton };
enum class TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = TSet<TMenuAnimations>;

class TPopupMenu : public TMenu {
    DECLARE_CLASS_INFO
public:
    explicit TPopupMenu(TComponent* owner);
    // Runs OnPopup, then shows the items at (x, y) (screen) until one is
    // chosen or the menu is dismissed; the chosen item's OnClick runs when
    // the message loop next turns.
    virtual void Popup(int x, int y);
    TPopupAlignment Alignment = TPopupAlignment::paLeft;
    bool AutoPopup = true;
    TTrackButton TrackButton = TTrackButton::tbRightButton;
    TMenuAnimation MenuAnimation;
    // The control that showed it (set by whoever pops it up).
    TComponent* PopupComponent = nullptr;
    TPoint PopupPoint() const { return popupPoint_; }
    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

protected:
    virtual void DoPopup() { FireEvent(OnPopup, this); }

private:
    TPoint popupPoint_;
};

// The hidden window the popup menus are shown for.
platform::HWND PopupListWindow();
