#pragma once
// Mouse and keyboard input: routing to windows (capture, hit test, mouse
// activation, double clicks, leave notices), key state, virtual keys and the
// characters typed.

#include "platform/window/WindowMessages.h"

namespace platform {

constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

constexpr int WHEEL_DELTA = 120;
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<short>(HIWORD(w)); }

constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_CANCEL = 0x03;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_CLEAR = 0x0C;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_SNAPSHOT = 0x2C;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their own codes.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_RWIN = 0x5C;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SEPARATOR = 0x6C;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F2 = 0x71;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F12 = 0x7B;
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;
constexpr UINT VK_LSHIFT = 0xA0;
constexpr UINT VK_RSHIFT = 0xA1;
constexpr UINT VK_LCONTROL = 0xA2;
constexpr UINT VK_RCONTROL = 0xA3;
constexpr UINT VK_LMENU = 0xA4;
constexpr UINT VK_RMENU = 0xA5;
constexpr UINT VK_OEM_1 = 0xBA;
constexpr UINT VK_OEM_PLUS = 0xBB;
constexpr UINT VK_OEM_COMMA = 0xBC;
constexpr UINT VK_OEM_MINUS = 0xBD;
constexpr UINT VK_OEM_PERIOD = 0xBE;
constexpr UINT VK_OEM_2 = 0xBF;
constexpr UINT VK_OEM_3 = 0xC0;
constexpr UINT VK_OEM_4 = 0xDB;
constexpr UINT VK_OEM_5 = 0xDC;
constexpr UINT VK_OEM_6 = 0xDD;
constexpr UINT VK_OEM_7 = 0xDE;

// Bit 0x8000: down; bit 1: toggled (Caps Lock and the like).
SHORT GetKeyState(int key);
SHORT GetAsyncKeyState(int key);
BOOL GetKeyboardState(BYTE* keys);

BOOL GetCursorPos(POINT* point);
// Moves the pointer as the user would (the window under it hears of it).
BOOL SetCursorPos(int x, int y);
BOOL ClipCursor(const RECT* rect);
BOOL GetClipCursor(RECT* rect);

constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;
struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = HOVER_DEFAULT;
};
// WM_MOUSELEAVE (WM_NCMOUSELEAVE with TME_NONCLIENT) once the pointer leaves
// the window's client (non-client) area; WM_MOUSEHOVER once it rests.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);

// WM_CHAR for keys that type control characters (Enter, Escape, Backspace,
// Tab, Ctrl with a letter); printable text arrives as WM_CHAR on its own.
BOOL TranslateMessage(const MSG* message);

// Inside the window system: what the display (or a test) reports. Points
// are screen coordinates; buttons 0 left, 1 right, 2 middle. Reports wait
// until the reporting thread reads its queue, and are routed then.
void ReportMouseMove(POINT screen);
void ReportMouseButton(int button, bool down);
void ReportMouseWheel(int delta);
void ReportKey(UINT virtualKey, bool down);
void ReportText(const char* utf8);
// Routes the oldest report into the queue of the window it is for; false
// when none waits (or the calling thread is not the one that reports).
bool RouteNextInput();
// Hover notices that fell due; the message loop calls it.
void CheckMouseHover();
// Milliseconds until a hover notice falls due (INFINITE for none).
DWORD TimeToMouseHover();

}  // namespace platform
