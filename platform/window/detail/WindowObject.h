#pragma once
// Inside the window system: the record behind every window handle and the
// table that finds it. Only platform/ includes this header.

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/detail/ScrollBarData.h"

namespace platform {

struct WindowClassRecord {
    ATOM atom = 0;
    std::string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    std::vector<BYTE> extra;
    int cbWndExtra = 0;
    int windowCount = 0;
    bool system = false;
};

struct LayeredState;
struct WindowPaintState;
struct WindowSurface;

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClassRecord> windowClass;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;  // 0 for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children;  // z-order, topmost first
    // Window rectangle in the parent's client coordinates (screen for top-level).
    RECT rect;
    // Client rectangle relative to the window's top-left corner.
    RECT client;
    std::string text;
    UINT_PTR id = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::vector<BYTE> extra;
    std::map<std::string, HANDLE> properties;  // names kept lower-case
    DWORD thread = 0;
    bool destroying = false;
    bool created = false;  // WM_NCCREATE accepted
    // Placement of a minimized or maximized window when it is restored.
    RECT normalRect;
    // The window region (window coordinates), owned by the system.
    std::optional<Region> shape;
    // Painting, layering and the pixels of a top-level window.
    std::unique_ptr<WindowPaintState> paint;
    std::unique_ptr<LayeredState> layered;
    std::unique_ptr<WindowSurface> surface;
    bool frameActive = false;     // the caption shows the active colours
    LRESULT pressedButton = 0;    // caption button held down (hit code), 0 none
    void* font = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    ScrollBarData horzBar;
    ScrollBarData vertBar;

    Window();
    ~Window();
};

// Everything in the window system that more than one thread reaches is guarded
// by this lock; it is never held while a window procedure runs.
std::recursive_mutex& WindowSystemLock();

// The window behind a handle, or null (and ERROR_INVALID_WINDOW_HANDLE) for
// handles of destroyed or never-made windows.
Window* FindWindowObject(HWND window);
Window* FindWindowQuietly(HWND window);
HWND AddWindowObject(std::unique_ptr<Window> window);
void RemoveWindowObject(HWND window);
// Every window, top-levels first in z-order, then the rest in creation order.
std::vector<HWND> TopLevelWindows();
void SetTopLevelOrder(const std::vector<HWND>& order);

// The sibling list a window stands in (its parent's children or the top-levels).
std::vector<HWND>& SiblingList(Window& window);

// Window rectangle and client rectangle in screen coordinates.
RECT ScreenWindowRect(const Window& window);
RECT ScreenClientRect(const Window& window);
// The top-level window that carries a window's pixels.
Window* TopLevelOf(Window& window);
bool IsVisibleChain(const Window& window);

std::shared_ptr<WindowClassRecord> FindClassRecord(const char* nameOrAtom);

}  // namespace platform

namespace platform {

// Puts a window into its sibling list after insertAfter (HWND_TOP,
// HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling). Top-level windows
// keep topmost ones above the rest.
void LinkWindow(Window& window, HWND insertAfter);
void UnlinkWindow(Window& window);
// Windows a top-level window owns stand above it.
void KeepOwnedAbove(Window& owner);

}  // namespace platform
