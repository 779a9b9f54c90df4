#include "platform/window/Input.h"

#include <array>
#include <deque>
#include <cstdlib>
#include <mutex>

#include "platform/system/Clock.h"
#include "platform/system/ThreadId.h"
#include "platform/text/Utf8Text.h"
#include "platform/window/Focus.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/NonClient.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"
#include "platform/window/detail/WindowObject.h"

namespace platform {
namespace {

constexpr DWORD DefaultHoverTime = 400;

// What the display reported, waiting to be routed when the queue is read
// (so that capture and focus are those in force then, as with the system's
// input queue).
struct RawInput {
    enum class Kind { Move, Button, Wheel, Key, Text } kind = Kind::Move;
    POINT position;
    int button = 0;
    bool down = false;
    int delta = 0;
    UINT key = 0;
    std::u32string text;
    DWORD time = 0;
};

struct InputDevices {
    POINT position;        // where the pointer is now
    POINT routedPosition;  // where it was for the input routed last
    DWORD routedTime = 0;  // when that input was reported
    std::array<BYTE, 256> keys{};       // as of the input routed last
    std::array<BYTE, 256> asyncKeys{};  // as reported
    std::deque<RawInput> pending;
    DWORD inputThread = 0;
    // The last press, for telling double clicks.
    int lastButton = -1;
    DWORD lastPressTime = 0;
    POINT lastPressPosition;
    HWND lastPressWindow = nullptr;
    bool lastPressClient = false;
    // TrackMouseEvent
    HWND leaveWindow = nullptr;
    bool leaveNonClient = false;
    HWND hoverWindow = nullptr;
    bool hoverNonClient = false;
    DWORD hoverTime = DefaultHoverTime;
    DWORD lastMoveTime = 0;
    std::optional<RECT> clip;
};

std::mutex& InputLock() {
    static std::mutex lock;
    return lock;
}

InputDevices& Devices() {
    static InputDevices devices;
    return devices;
}

constexpr UINT ButtonKeys[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
constexpr UINT DownMessages[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

WPARAM KeyFlags() {
    const auto& keys = Devices().keys;
    WPARAM flags = 0;
    if (keys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
    return flags;
}

struct Target {
    HWND window = nullptr;
    LRESULT hit = HTNOWHERE;
};

Target Resolve(POINT screen) {
    if (HWND capture = GetCapture()) return {capture, HTCLIENT};
    HWND window = WindowFromPoint(screen);
    if (!window) return {};
    return {window, SendMessage(window, WM_NCHITTEST, 0, MakePointParam(screen.x, screen.y))};
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PostInputMessage(MSG{window, message, wParam, lParam, Devices().routedTime, Devices().routedPosition});
}

void CheckLeave(const Target& target) {
    InputDevices& devices = Devices();
    if (!devices.leaveWindow) return;
    bool inClient = target.hit == HTCLIENT;
    bool left = target.window != devices.leaveWindow || (devices.leaveNonClient ? inClient : !inClient);
    if (!left) return;
    HWND window = devices.leaveWindow;
    devices.leaveWindow = nullptr;
    Post(window, devices.leaveNonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

// Sends the mouse message kind (the client number: WM_MOUSEMOVE,
// WM_LBUTTONDOWN...) to the window under the pointer or the capture.
void Deliver(UINT message, WPARAM extra = 0) {
    InputDevices& devices = Devices();
    POINT screen = devices.routedPosition;
    Target target = Resolve(screen);
    CheckLeave(target);
    if (!target.window) return;
    HWND window = target.window;
    bool captured = GetCapture() == window;
    bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (!captured) {
        if (!IsWindowEnabled(window)) return;
        SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(static_cast<WORD>(target.hit),
                                                                                     static_cast<WORD>(message)));
        if (!IsWindow(window)) return;
    }
    if (press) {
        HWND top = GetAncestor(window, GA_ROOT);
        if (top && top != GetActiveWindow()) {
            LRESULT answer = SendMessage(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                         MAKELPARAM(static_cast<WORD>(target.hit), static_cast<WORD>(message)));
            Window* topObject = FindWindowQuietly(top);
            bool noActivate = topObject && (topObject->exStyle & WS_EX_NOACTIVATE);
            if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && !noActivate) SetActiveWindow(top);
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return;
            if (!IsWindow(window)) return;
        }
        int button = static_cast<int>((message - WM_LBUTTONDOWN) / 3);
        bool client = captured || target.hit == HTCLIENT;
        Window* object = FindWindowQuietly(window);
        bool classTakesDouble = object && (object->windowClass->style & CS_DBLCLKS);
        DWORD now = devices.routedTime;
        bool isDouble = button == devices.lastButton && window == devices.lastPressWindow &&
                        client == devices.lastPressClient && now - devices.lastPressTime <= GetDoubleClickTime() &&
                        std::abs(screen.x - devices.lastPressPosition.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                        std::abs(screen.y - devices.lastPressPosition.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 &&
                        (!client || classTakesDouble);
        if (isDouble) {
            message += 2;  // the DBLCLK message of the button
            devices.lastButton = -1;
        } else {
            devices.lastButton = button;
            devices.lastPressTime = now;
            devices.lastPressPosition = screen;
            devices.lastPressWindow = window;
            devices.lastPressClient = client;
        }
    }
    if (captured || target.hit == HTCLIENT) {
        POINT client = screen;
        ScreenToClient(window, &client);
        WPARAM wParam = message == WM_MOUSEWHEEL ? extra : KeyFlags();
        Post(window, message, wParam, MakePointParam(client.x, client.y));
    } else {
        Post(window, message - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(target.hit),
             MakePointParam(screen.x, screen.y));
    }
}

}  // namespace

SHORT GetKeyState(int key) {
    std::lock_guard lock(InputLock());
    if (key < 0 || key > 255) return 0;
    BYTE state = Devices().keys[static_cast<size_t>(key)];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 1));
}

SHORT GetAsyncKeyState(int key) {
    std::lock_guard lock(InputLock());
    if (key < 0 || key > 255) return 0;
    return (Devices().asyncKeys[static_cast<size_t>(key)] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

BOOL GetKeyboardState(BYTE* keys) {
    if (!keys) return FALSE;
    std::lock_guard lock(InputLock());
    std::copy(Devices().keys.begin(), Devices().keys.end(), keys);
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    std::lock_guard lock(InputLock());
    *point = Devices().position;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    ReportMouseMove(POINT{x, y});
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    std::lock_guard lock(InputLock());
    if (rect)
        Devices().clip = *rect;
    else
        Devices().clip.reset();
    return TRUE;
}

BOOL GetClipCursor(RECT* rect) {
    if (!rect) return FALSE;
    std::lock_guard lock(InputLock());
    *rect = Devices().clip ? *Devices().clip : ScreenRect();
    return TRUE;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (!track || track->cbSize < sizeof(TRACKMOUSEEVENT)) return FALSE;
    InputDevices& devices = Devices();
    bool nonClient = (track->dwFlags & TME_NONCLIENT) != 0;
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = 0;
        track->hwndTrack = devices.leaveWindow ? devices.leaveWindow : devices.hoverWindow;
        if (devices.leaveWindow) track->dwFlags |= TME_LEAVE | (devices.leaveNonClient ? TME_NONCLIENT : 0);
        if (devices.hoverWindow) track->dwFlags |= TME_HOVER;
        track->dwHoverTime = devices.hoverTime;
        return TRUE;
    }
    if (!IsWindow(track->hwndTrack)) return FALSE;
    if (track->dwFlags & TME_CANCEL) {
        if ((track->dwFlags & TME_LEAVE) && devices.leaveWindow == track->hwndTrack) devices.leaveWindow = nullptr;
        if ((track->dwFlags & TME_HOVER) && devices.hoverWindow == track->hwndTrack) devices.hoverWindow = nullptr;
        return TRUE;
    }
    if (track->dwFlags & TME_LEAVE) {
        devices.leaveWindow = track->hwndTrack;
        devices.leaveNonClient = nonClient;
        // A pointer already outside is reported at once.
        CheckLeave(Resolve(devices.routedPosition));
    }
    if (track->dwFlags & TME_HOVER) {
        devices.hoverWindow = track->hwndTrack;
        devices.hoverNonClient = nonClient;
        devices.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? DefaultHoverTime : track->dwHoverTime;
        devices.lastMoveTime = GetTickCount();
    }
    return TRUE;
}

void CheckMouseHover() {
    InputDevices& devices = Devices();
    if (!devices.hoverWindow || GetTickCount() - devices.lastMoveTime < devices.hoverTime) return;
    HWND window = devices.hoverWindow;
    devices.hoverWindow = nullptr;
    Target target = Resolve(devices.routedPosition);
    if (target.window != window) return;
    if (devices.hoverNonClient) {
        if (target.hit != HTCLIENT)
            Post(window, 0x02A0 /* WM_NCMOUSEHOVER */, static_cast<WPARAM>(target.hit),
                 MakePointParam(devices.routedPosition.x, devices.routedPosition.y));
    } else if (target.hit == HTCLIENT) {
        POINT client = devices.routedPosition;
        ScreenToClient(window, &client);
        Post(window, WM_MOUSEHOVER, KeyFlags(), MakePointParam(client.x, client.y));
    }
}

DWORD TimeToMouseHover() {
    InputDevices& devices = Devices();
    if (!devices.hoverWindow) return 0xFFFFFFFF;
    DWORD waited = GetTickCount() - devices.lastMoveTime;
    return waited >= devices.hoverTime ? 0 : devices.hoverTime - waited;
}

BOOL TranslateMessage(const MSG* message) {
    if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) return FALSE;
    UINT key = static_cast<UINT>(message->wParam);
    bool control = GetKeyState(VK_CONTROL) & 0x8000;
    bool alt = GetKeyState(VK_MENU) & 0x8000;
    WPARAM character = 0;
    if (key == VK_RETURN)
        character = '\r';
    else if (key == VK_ESCAPE)
        character = 0x1B;
    else if (key == VK_BACK)
        character = 8;
    else if (key == VK_TAB && !control)
        character = '\t';
    else if (control && !alt && key >= 'A' && key <= 'Z')
        character = key - 'A' + 1;
    else if (message->message == WM_SYSKEYDOWN && alt &&
             ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == VK_SPACE))
        character = (key >= 'A' && key <= 'Z') ? key - 'A' + 'a' : key;
    if (!character) return FALSE;
    UINT kind = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    PostInputMessage(MSG{message->hwnd, kind, character, message->lParam, message->time, message->pt});
    return TRUE;
}

namespace {

void Queue(RawInput input) {
    {
        std::lock_guard lock(InputLock());
        InputDevices& devices = Devices();
        if (!devices.inputThread) devices.inputThread = GetCurrentThreadId();
        input.time = GetTickCount();
        devices.pending.push_back(std::move(input));
    }
    WakeAllThreads();
}

void RouteMove(POINT screen) {
    InputDevices& devices = Devices();
    devices.routedPosition = screen;
    devices.lastMoveTime = GetTickCount();
    Deliver(WM_MOUSEMOVE);
}

void RouteButton(int button, bool down) {
    BYTE& state = Devices().keys[ButtonKeys[button]];
    if (down)
        state |= 0x80;
    else
        state &= static_cast<BYTE>(~0x80);
    Deliver(down ? DownMessages[button] : DownMessages[button] + 1);
}

void RouteWheel(int delta) {
    HWND target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (!target) return;
    InputDevices& devices = Devices();
    Post(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(KeyFlags()), static_cast<WORD>(delta)),
         MakePointParam(devices.routedPosition.x, devices.routedPosition.y));
}

void RouteKey(UINT virtualKey, bool down) {
    InputDevices& devices = Devices();
    BYTE& state = devices.keys[virtualKey];
    bool wasDown = (state & 0x80) != 0;
    if (down) {
        if (!wasDown) state ^= 1;
        state |= 0x80;
    } else {
        state &= static_cast<BYTE>(~0x80);
    }
    bool alt = (devices.keys[VK_MENU] & 0x80) != 0;
    bool control = (devices.keys[VK_CONTROL] & 0x80) != 0;
    bool system = (alt && !control) || virtualKey == VK_F10 || virtualKey == VK_MENU;
    HWND target = GetFocus();
    if (!target) {
        target = GetActiveWindow();
        system = true;
    }
    if (!target) return;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    std::uint32_t lParam = 1;
    if (alt) lParam |= 1u << 29;
    if (wasDown) lParam |= 1u << 30;
    if (!down) lParam |= (1u << 30) | (1u << 31);
    Post(target, message, virtualKey, static_cast<LPARAM>(static_cast<std::int32_t>(lParam)));
}

void RouteText(const std::u32string& text) {
    HWND target = GetFocus();
    if (!target) return;
    for (char32_t c : text) Post(target, WM_CHAR, static_cast<WPARAM>(c), 1);
}

}  // namespace

bool RouteNextInput() {
    RawInput input;
    {
        std::lock_guard lock(InputLock());
        InputDevices& devices = Devices();
        if (devices.pending.empty() || devices.inputThread != GetCurrentThreadId()) return false;
        input = std::move(devices.pending.front());
        devices.pending.pop_front();
        devices.routedTime = input.time;
    }
    switch (input.kind) {
        case RawInput::Kind::Move: RouteMove(input.position); break;
        case RawInput::Kind::Button: RouteButton(input.button, input.down); break;
        case RawInput::Kind::Wheel: RouteWheel(input.delta); break;
        case RawInput::Kind::Key: RouteKey(input.key, input.down); break;
        case RawInput::Kind::Text: RouteText(input.text); break;
    }
    return true;
}

void ReportMouseMove(POINT screen) {
    {
        std::lock_guard lock(InputLock());
        InputDevices& devices = Devices();
        if (devices.clip) {
            screen.x = std::clamp(screen.x, devices.clip->left, devices.clip->right - 1);
            screen.y = std::clamp(screen.y, devices.clip->top, devices.clip->bottom - 1);
        }
        if (screen == devices.position && devices.lastMoveTime) return;
        devices.position = screen;
    }
    RawInput input;
    input.kind = RawInput::Kind::Move;
    input.position = screen;
    Queue(std::move(input));
}

void ReportMouseButton(int button, bool down) {
    if (button < 0 || button > 2) return;
    {
        std::lock_guard lock(InputLock());
        BYTE& state = Devices().asyncKeys[ButtonKeys[button]];
        state = down ? static_cast<BYTE>(state | 0x80) : static_cast<BYTE>(state & ~0x80);
    }
    RawInput input;
    input.kind = RawInput::Kind::Button;
    input.button = button;
    input.down = down;
    Queue(std::move(input));
}

void ReportMouseWheel(int delta) {
    RawInput input;
    input.kind = RawInput::Kind::Wheel;
    input.delta = delta;
    Queue(std::move(input));
}

void ReportKey(UINT virtualKey, bool down) {
    if (virtualKey == 0 || virtualKey > 255) return;
    {
        std::lock_guard lock(InputLock());
        BYTE& state = Devices().asyncKeys[virtualKey];
        state = down ? static_cast<BYTE>(state | 0x80) : static_cast<BYTE>(state & ~0x80);
    }
    RawInput input;
    input.kind = RawInput::Kind::Key;
    input.key = virtualKey;
    input.down = down;
    Queue(std::move(input));
}

void ReportText(const char* utf8) {
    if (!utf8) return;
    RawInput input;
    input.kind = RawInput::Kind::Text;
    input.text = DecodeUtf8(utf8);
    Queue(std::move(input));
}

}  // namespace platform
