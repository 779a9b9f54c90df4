#pragma once
// Messages as controls handle them: the record every handler sees, the class
// library's own notification messages (CM_*) and the messages reflected back
// to the child control that caused them (CN_*), shift states and buttons.

#include "ui/core/Set.h"

#include "platform/window/WindowMessages.h"

struct TMessage {
    platform::UINT Msg = 0;
    platform::WPARAM WParam = 0;
    platform::LPARAM LParam = 0;
    platform::LRESULT Result = 0;
};

constexpr platform::UINT CM_BASE = 0xB000;
constexpr platform::UINT CM_ACTIVATE = CM_BASE + 0;
constexpr platform::UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr platform::UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr platform::UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr platform::UINT CM_CANCELMODE = CM_BASE + 4;
constexpr platform::UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr platform::UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr platform::UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr platform::UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr platform::UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr platform::UINT CM_HITTEST = CM_BASE + 10;
constexpr platform::UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr platform::UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr platform::UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr platform::UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr platform::UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr platform::UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr platform::UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr platform::UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr platform::UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr platform::UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr platform::UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr platform::UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr platform::UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr platform::UINT CM_ENTER = CM_BASE + 26;
constexpr platform::UINT CM_EXIT = CM_BASE + 27;
constexpr platform::UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr platform::UINT CM_RELEASE = CM_BASE + 33;
constexpr platform::UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr platform::UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr platform::UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr platform::UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr platform::UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr platform::UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr platform::UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr platform::UINT CM_CHILDKEY = CM_BASE + 46;
constexpr platform::UINT CM_HINTSHOW = CM_BASE + 48;
constexpr platform::UINT CM_RECREATEWND = CM_BASE + 51;
constexpr platform::UINT CM_INVALIDATE = CM_BASE + 52;
constexpr platform::UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr platform::UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr platform::UINT CM_CHANGED = CM_BASE + 55;
constexpr platform::UINT CM_FLOAT = CM_BASE + 58;
constexpr platform::UINT CM_BORDERCHANGED = CM_BASE + 59;
constexpr platform::UINT CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr platform::UINT CM_ACTIONUPDATE = CM_BASE + 63;
constexpr platform::UINT CM_MOUSEWHEEL = CM_BASE + 67;

// A message from a child window, sent back to the child's own control.
constexpr platform::UINT CN_BASE = 0xBC00;
constexpr platform::UINT CN_DRAWITEM = CN_BASE + platform::WM_DRAWITEM;
constexpr platform::UINT CN_MEASUREITEM = CN_BASE + platform::WM_MEASUREITEM;
constexpr platform::UINT CN_NOTIFY = CN_BASE + platform::WM_NOTIFY;
constexpr platform::UINT CN_KEYDOWN = CN_BASE + platform::WM_KEYDOWN;
constexpr platform::UINT CN_KEYUP = CN_BASE + platform::WM_KEYUP;
constexpr platform::UINT CN_CHAR = CN_BASE + platform::WM_CHAR;
constexpr platform::UINT CN_SYSKEYDOWN = CN_BASE + platform::WM_SYSKEYDOWN;
constexpr platform::UINT CN_SYSCHAR = CN_BASE + platform::WM_SYSCHAR;
constexpr platform::UINT CN_COMMAND = CN_BASE + platform::WM_COMMAND;
constexpr platform::UINT CN_HSCROLL = CN_BASE + platform::WM_HSCROLL;
constexpr platform::UINT CN_VSCROLL = CN_BASE + platform::WM_VSCROLL;
constexpr platform::UINT CN_CTLCOLOREDIT = CN_BASE + platform::WM_CTLCOLOREDIT;
constexpr platform::UINT CN_CTLCOLORLISTBOX = CN_BASE + platform::WM_CTLCOLORLISTBOX;
constexpr platform::UINT CN_CTLCOLORSTATIC = CN_BASE + platform::WM_CTLCOLORSTATIC;
constexpr platform::UINT CN_CTLCOLORBTN = CN_BASE + platform::WM_CTLCOLORBTN;

// WM_GETDLGCODE answers: the keys a control wants for itself rather than
// for dialog navigation.
constexpr platform::LRESULT DLGC_WANTARROWS = 0x0001;
constexpr platform::LRESULT DLGC_WANTTAB = 0x0002;
constexpr platform::LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr platform::LRESULT DLGC_WANTMESSAGE = 0x0004;
constexpr platform::LRESULT DLGC_HASSETSEL = 0x0008;
constexpr platform::LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr platform::LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr platform::LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr platform::LRESULT DLGC_WANTCHARS = 0x0080;
constexpr platform::LRESULT DLGC_STATIC = 0x0100;
constexpr platform::LRESULT DLGC_BUTTON = 0x2000;

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The shift state of a mouse message's key flags, with Alt from the keyboard.
TShiftState ShiftStateFromMouseKeys(platform::WPARAM keys);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();
