#include "platform/display/DisplayTesting.h"

#include "platform/window/Input.h"
#include "platform/window/LayeredWindows.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/detail/WindowObject.h"

namespace platform::testing {

std::shared_ptr<BitmapSurface> WindowPixels(HWND window) {
    Window* object = FindWindowQuietly(window);
    if (!object) return nullptr;
    Window* top = TopLevelOf(*object);
    auto picture = ComposedPicture(top->handle);
    if (!picture) return nullptr;
    if (top == object) return picture;
    RECT topRect = ScreenWindowRect(*top);
    RECT own = ScreenWindowRect(*object);
    auto part = BitmapSurface::Create(RectWidth(own), RectHeight(own), 32, true);
    if (!part) return nullptr;
    for (LONG y = 0; y < part->Height(); ++y)
        for (LONG x = 0; x < part->Width(); ++x) {
            LONG sx = own.left - topRect.left + x, sy = own.top - topRect.top + y;
            bool inside = sx >= 0 && sy >= 0 && sx < picture->Width() && sy < picture->Height();
            part->Set(x, y, inside ? picture->Get(sx, sy) : 0);
        }
    return part;
}

Pixel WindowPixel(HWND window, int x, int y) {
    auto pixels = WindowPixels(window);
    if (!pixels || x < 0 || y < 0 || x >= pixels->Width() || y >= pixels->Height()) return 0;
    return pixels->Get(x, y) & 0x00FFFFFF;
}

void MoveMouse(int x, int y) {
    ReportMouseMove(POINT{x, y});
}

void PressMouse(int button) {
    ReportMouseButton(button, true);
}

void ReleaseMouse(int button) {
    ReportMouseButton(button, false);
}

void Click(int x, int y, int button) {
    MoveMouse(x, y);
    PressMouse(button);
    ReleaseMouse(button);
}

void TurnWheel(int delta) {
    ReportMouseWheel(delta);
}

void PressKey(UINT virtualKey) {
    ReportKey(virtualKey, true);
}

void ReleaseKey(UINT virtualKey) {
    ReportKey(virtualKey, false);
}

void TypeText(const char* utf8) {
    ReportText(utf8);
}

int PumpMessages() {
    int count = 0;
    MSG message;
    while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessage(&message);
        ++count;
    }
    return count;
}

}  // namespace platform::testing
