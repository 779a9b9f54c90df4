#include "platform/window/Caret.h"

#include <mutex>

#include "platform/window/WindowTree.h"

namespace platform {
namespace {

struct Caret {
    HWND window = nullptr;
    POINT position;
    SIZE size;
    int hideCount = 1;  // a new caret is hidden
    UINT blinkTime = 530;
};

std::mutex& CaretLock() {
    static std::mutex lock;
    return lock;
}

Caret& TheCaret() {
    static Caret caret;
    return caret;
}

}  // namespace

BOOL CreateCaret(HWND window, void*, int width, int height) {
    if (!IsWindow(window)) return FALSE;
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    caret.window = window;
    caret.position = POINT{0, 0};
    caret.size = SIZE{width > 0 ? width : 1, height > 0 ? height : 1};
    caret.hideCount = 1;
    return TRUE;
}

BOOL DestroyCaret() {
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    if (!caret.window) return FALSE;
    caret.window = nullptr;
    return TRUE;
}

BOOL ShowCaret(HWND window) {
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    if (!caret.window || (window && window != caret.window) || caret.hideCount == 0) return FALSE;
    --caret.hideCount;
    return TRUE;
}

BOOL HideCaret(HWND window) {
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    if (!caret.window || (window && window != caret.window)) return FALSE;
    ++caret.hideCount;
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    if (!caret.window) return FALSE;
    caret.position = POINT{x, y};
    return TRUE;
}

BOOL GetCaretPos(POINT* point) {
    std::lock_guard lock(CaretLock());
    if (!point) return FALSE;
    *point = TheCaret().position;
    return TRUE;
}

UINT GetCaretBlinkTime() {
    std::lock_guard lock(CaretLock());
    return TheCaret().blinkTime;
}

BOOL SetCaretBlinkTime(UINT milliseconds) {
    std::lock_guard lock(CaretLock());
    TheCaret().blinkTime = milliseconds;
    return TRUE;
}

CaretState CurrentCaret() {
    std::lock_guard lock(CaretLock());
    Caret& caret = TheCaret();
    if (caret.window && !IsWindow(caret.window)) caret.window = nullptr;
    CaretState state;
    state.window = caret.window;
    state.rect = RECT{caret.position.x, caret.position.y, caret.position.x + caret.size.cx,
                      caret.position.y + caret.size.cy};
    state.shown = caret.window && caret.hideCount <= 0;
    return state;
}

}  // namespace platform
