#include "platform/window/SystemMetrics.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class Placement : public WindowTest {};

}  // namespace

TEST_F(Placement, EachFlagLeavesOutItsPartOfTheChange) {
    struct Case {
        UINT flags;
        std::vector<UINT> messages;
        RECT rect;
    } cases[] = {
        {SWP_NOZORDER | SWP_NOACTIVATE,
         {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE},
         {30, 40, 80, 100}},
        {SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE,
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE},
         {30, 40, 90, 100}},
        {SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE,
         {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE},
         {10, 10, 60, 70}},
        {SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING,
         {WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE},
         {30, 40, 80, 100}},
        {SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED,
         {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE},
         {10, 10, 70, 70}},
    };
    for (const Case& c : cases) {
        HWND window = Make(WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, 60, 60);
        Log().clear();
        SetWindowPos(window, nullptr, 30, 40, 50, 60, c.flags);
        EXPECT_EQ(MessagesOf(window, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
                  c.messages)
            << std::hex << c.flags;
        RECT rect;
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect, c.rect) << std::hex << c.flags;
        DestroyWindow(window);
    }
}

TEST_F(Placement, TheChangingMessageMayAlterTheChange) {
    HWND window = Make(WS_POPUP | WS_VISIBLE, 10, 10, 60, 60);
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM lParam, bool&) -> LRESULT {
        if (message == WM_WINDOWPOSCHANGING) {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            position->cx = std::max(position->cx, 100);  // a minimum width, as forms keep
        }
        return 0;
    };
    MoveWindow(window, 0, 0, 20, 20, TRUE);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 100, 20}));
}

TEST_F(Placement, HidingTheActiveWindowHandsActivationToItsOwner) {
    HWND owner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND dialog = Make(WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 100, 100, owner);
    EXPECT_EQ(GetActiveWindow(), dialog);
    Log().clear();
    EXPECT_TRUE(ShowWindow(dialog, SW_HIDE));
    EXPECT_FALSE(ShowWindow(dialog, SW_HIDE));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(MessagesOf(dialog, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCACTIVATE, WM_ACTIVATE,
                                  WM_WINDOWPOSCHANGED}),
              (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_NCACTIVATE, WM_ACTIVATE,
                                 WM_WINDOWPOSCHANGED}));
    EXPECT_FALSE(IsWindowVisible(dialog));
    // Showing without activation leaves the owner active.
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(Placement, PointsMapBetweenWindowsAndTheScreen) {
    HWND form = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50, 300, 200);  // client at (104, 72)
    HWND child = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 20, 50, 50, form);  // client at (115, 93)
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p, (POINT{115, 93}));
    ScreenToClient(form, &p);
    EXPECT_EQ(p, (POINT{11, 21}));
    POINT q{5, 5};
    MapWindowPoints(child, form, &q, 1);
    EXPECT_EQ(q, (POINT{16, 26}));
    EXPECT_EQ(ChildWindowFromPoint(form, POINT{15, 25}), child);
    EXPECT_EQ(ChildWindowFromPoint(form, POINT{150, 150}), form);
    EXPECT_EQ(ChildWindowFromPoint(form, POINT{-5, 0}), nullptr);
    EXPECT_EQ(WindowFromPoint(POINT{120, 100}), child);
    EnableWindow(child, FALSE);  // a disabled child hands the point to its parent
    EXPECT_EQ(WindowFromPoint(POINT{120, 100}), form);
    EXPECT_EQ(ChildWindowFromPointEx(form, POINT{15, 25}, CWP_SKIPDISABLED), form);
}

TEST_F(Placement, OwnedWindowsStayAboveTheirOwner) {
    HWND owner = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
    HWND hint = Make(WS_POPUP | WS_VISIBLE, 20, 20, 50, 20, owner);
    HWND stranger = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 200);
    EXPECT_EQ(GetTopWindow(nullptr), stranger);
    SetActiveWindow(owner);
    EXPECT_EQ(GetTopWindow(nullptr), hint);
    EXPECT_EQ(GetWindow(hint, GW_HWNDNEXT), owner);
    SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetTopWindow(nullptr), hint);
    EXPECT_EQ(WindowFromPoint(POINT{30, 25}), hint);
}

TEST_F(Placement, AWindowOwnedByAStayOnTopWindowStandsAboveItAndTakesItsClicks) {
    struct Case {
        const char* how;
        bool ownedFromTheStart;  // else given its owner later, as a modal dialog is
    } cases[] = {{"made owned", true}, {"owner set later", false}};
    for (const Case& c : cases) {
        HWND onTop = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200);
        SetWindowPos(onTop, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        HWND dialog = Make(WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 100, 100, c.ownedFromTheStart ? onTop : nullptr);
        if (!c.ownedFromTheStart) {
            EXPECT_EQ(GetTopWindow(nullptr), onTop) << c.how;
            SetWindowLongPtr(dialog, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(onTop));
        }
        EXPECT_TRUE(GetWindowLongPtr(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.how;
        EXPECT_EQ(GetTopWindow(nullptr), dialog) << c.how;
        EXPECT_EQ(WindowFromPoint(POINT{100, 100}), dialog) << c.how;
        // Activating the owner keeps its dialog above it.
        SetActiveWindow(onTop);
        EXPECT_EQ(WindowFromPoint(POINT{100, 100}), dialog) << c.how;
        // A plain window brought up stays below both.
        HWND plain = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
        SetActiveWindow(plain);
        EXPECT_EQ(WindowFromPoint(POINT{100, 100}), dialog) << c.how;
        EXPECT_EQ(WindowFromPoint(POINT{20, 20}), onTop) << c.how;
        // The owner leaving the stay-on-top band takes its dialog with it.
        SetWindowPos(onTop, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_FALSE(GetWindowLongPtr(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.how;
        EXPECT_EQ(GetWindow(dialog, GW_HWNDNEXT), onTop) << c.how;
        DestroyWindow(plain);
        DestroyWindow(dialog);
        DestroyWindow(onTop);
    }
}

TEST_F(Placement, AnimationShowsAndHidesAtOnceAndTheOneMonitorIsTheScreen) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    EXPECT_TRUE(AnimateWindow(window, 200, AW_BLEND));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(AnimateWindow(window, 200, AW_BLEND));
    EXPECT_TRUE(AnimateWindow(window, 200, AW_BLEND | AW_HIDE));
    EXPECT_FALSE(IsWindowVisible(window));
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(monitor, &info));
    EXPECT_EQ(info.rcMonitor, ScreenRect());
    EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
    EXPECT_EQ(MonitorFromPoint(POINT{-5000, 0}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(POINT{-5000, 0}, MONITOR_DEFAULTTONEAREST), monitor);
}
