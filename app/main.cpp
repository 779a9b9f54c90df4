// The program starts here: the units come up in their order, then the GUI
// message loop runs until the main window closes.

#include <cstdio>
#include <cstring>

#include "platform/Cursors.h"
#include "platform/DefaultWindowProcedure.h"
#include "platform/Display.h"
#include "platform/Input.h"
#include "platform/MessageQueue.h"
#include "platform/SystemColors.h"
#include "platform/WindowClasses.h"
#include "platform/WindowTree.h"

namespace {

using namespace platform;


LRESULT MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

int main() {
    if (std::strcmp(DisplayName(), "headless") == 0) {
        std::fprintf(stderr, "velzar: no display to show the main window on\n");
        return 0;
    }
    WNDCLASS mainClass;
    mainClass.lpfnWndProc = MainWindowProc;
    mainClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = "VelzarMainWindow";
    if (!RegisterClass(&mainClass)) return 1;
    HWND window = CreateWindowEx(0, "VelzarMainWindow", "Велзар", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 60, 640,
                                 480, nullptr, nullptr, nullptr, nullptr);
    if (!window) return 1;
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    return static_cast<int>(message.wParam);
}
