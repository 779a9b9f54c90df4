#include "platform/gdi/Regions.h"
#include "platform/window/FramePainting.h"
#include "platform/window/Input.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/NonClient.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowRegions.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class NonClient : public WindowTest {
protected:
    LRESULT HitAt(HWND window, int x, int y) {
        return SendMessage(window, WM_NCHITTEST, 0, MakePointParam(x, y));
    }
    RECT WindowRect(HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return rect;
    }
};

}  // namespace

TEST_F(NonClient, TheClientAreaIsWhatTheFrameCaptionAndBarsLeave) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        RECT client;  // in a 200 x 100 window
    } cases[] = {
        {WS_POPUP, 0, {0, 0, 200, 100}},
        {WS_POPUP | WS_BORDER, 0, {1, 1, 199, 99}},
        {WS_POPUP | WS_CAPTION, 0, {3, 21, 197, 97}},
        {WS_OVERLAPPEDWINDOW, 0, {4, 22, 196, 96}},
        {WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 198, 98}},
        {WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {0, 0, 183, 83}},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {3, 18, 197, 97}},
    };
    for (const Case& c : cases) {
        HWND window = Make(c.style, 10, 10, 200, 100, nullptr, c.exStyle);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        RECT client;
        GetClientRect(window, &client);
        OffsetRect(&client, origin.x - 10, origin.y - 10);
        EXPECT_EQ(client, c.client) << std::hex << c.style;
        RECT adjusted = c.client;
        AdjustWindowRectEx(&adjusted, c.style, FALSE, c.exStyle);
        EXPECT_EQ(adjusted, (RECT{0, 0, 200, 100}));
    }
}

TEST_F(NonClient, EveryPartOfAFramedWindowAnswersItsHitCode) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                       WS_EX_CONTEXTHELP);
    CaptionLayout layout = LayoutCaption(window);
    auto at = [&](const RECT& r) { return POINT{100 + (r.left + r.right) / 2, 100 + (r.top + r.bottom) / 2}; };
    struct Case {
        POINT point;
        LRESULT hit;
    } cases[] = {
        {{50, 50}, HTNOWHERE},
        {{250, 200}, HTCLIENT},
        {{200, 110}, HTCAPTION},
        {at(layout.closeButton), HTCLOSE},
        {at(layout.maximizeButton), HTMAXBUTTON},
        {at(layout.minimizeButton), HTMINBUTTON},
        {at(layout.icon), HTSYSMENU},
        {{101, 200}, HTLEFT},
        {{398, 200}, HTRIGHT},
        {{250, 101}, HTTOP},
        {{250, 298}, HTBOTTOM},
        {{101, 101}, HTTOPLEFT},
        {{398, 101}, HTTOPRIGHT},
        {{101, 298}, HTBOTTOMLEFT},
        {{398, 298}, HTBOTTOMRIGHT},
        {{388, 200}, HTVSCROLL},
    };
    for (const Case& c : cases) EXPECT_EQ(HitAt(window, c.point.x, c.point.y), c.hit) << c.point.x << "," << c.point.y;
    // Without the boxes the help button takes the place beside close.
    HWND dialog = Make(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 300, 200, nullptr, WS_EX_CONTEXTHELP);
    EXPECT_EQ(HitAt(dialog, at(LayoutCaption(dialog).helpButton).x, at(LayoutCaption(dialog).helpButton).y), HTHELP);
    EXPECT_EQ(HitAt(dialog, 101, 200), HTBORDER);  // a fixed frame does not size
}

TEST_F(NonClient, ARegionCutsTheWindowOutOfHitTestingAndPointing) {
    HWND below = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND above = Make(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    EXPECT_EQ(WindowFromPoint(POINT{80, 80}), above);
    SetWindowRgn(above, CreateRectRgn(0, 0, 50, 50), TRUE);
    EXPECT_EQ(HitAt(above, 20, 20), HTCLIENT);
    EXPECT_EQ(HitAt(above, 80, 80), HTNOWHERE);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), above);
    EXPECT_EQ(WindowFromPoint(POINT{80, 80}), below);
    // A click there reaches the window below.
    Log().clear();
    platform::testing::Click(80, 80);
    platform::testing::PumpMessages();
    EXPECT_EQ(MessagesOf(below, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_TRUE(MessagesOf(above, {WM_LBUTTONDOWN}).empty());
}

TEST_F(NonClient, DraggingTheCaptionMovesTheWindowThroughTheLoop) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::PumpMessages();
    Log().clear();
    platform::testing::MoveMouse(150, 110);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(170, 140);
    platform::testing::MoveMouse(180, 150);
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    EXPECT_EQ(WindowRect(window), (RECT{130, 140, 330, 290}));
    std::vector<UINT> loop = MessagesOf(window, {WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGING,
                                                 WM_WINDOWPOSCHANGED, WM_MOVE, WM_EXITSIZEMOVE});
    std::vector<UINT> expected = {WM_SYSCOMMAND,       WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGING,
                                  WM_WINDOWPOSCHANGED, WM_MOVE,          WM_MOVING, WM_WINDOWPOSCHANGING,
                                  WM_WINDOWPOSCHANGED, WM_MOVE,          WM_EXITSIZEMOVE};
    EXPECT_EQ(loop, expected);
}

TEST_F(NonClient, SizingKeepsToTheTrackingSizesTheWindowGives) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM lParam, bool&) -> LRESULT {
        if (message == WM_GETMINMAXINFO) {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = POINT{150, 120};
            limits->ptMaxTrackSize = POINT{260, 400};
        }
        return 0;
    };
    platform::testing::PumpMessages();
    Log().clear();
    platform::testing::MoveMouse(298, 248);  // the bottom-right corner
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(150, 150);  // far inside: stops at the minimum
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    EXPECT_EQ(WindowRect(window), (RECT{100, 100, 250, 220}));
    const Logged* sizing = nullptr;
    for (const Logged& entry : Log())
        if (entry.message == WM_SIZING) sizing = &entry;
    ASSERT_NE(sizing, nullptr);
    EXPECT_EQ(sizing->wParam, WMSZ_BOTTOMRIGHT);

    platform::testing::MoveMouse(249, 219);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(600, 219);  // far out: stops at the maximum
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    EXPECT_EQ(WindowRect(window), (RECT{100, 100, 360, 220}));
}

TEST_F(NonClient, EscapePutsTheWindowBackWhereTheDragBegan) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::PumpMessages();
    platform::testing::MoveMouse(150, 110);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(190, 160);
    platform::testing::PressKey(VK_ESCAPE);
    platform::testing::PumpMessages();
    platform::testing::ReleaseKey(VK_ESCAPE);
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    EXPECT_EQ(WindowRect(window), (RECT{100, 100, 300, 250}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClient, CaptionButtonsMaximizeRestoreAndClose) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::PumpMessages();
    auto click = [&](LRESULT hit) {
        CaptionLayout layout = LayoutCaption(window);
        const RECT& button = hit == HTMAXBUTTON ? layout.maximizeButton : layout.closeButton;
        RECT rect = WindowRect(window);
        platform::testing::Click(rect.left + (button.left + button.right) / 2, rect.top + (button.top + button.bottom) / 2);
        platform::testing::PumpMessages();
    };
    click(HTMAXBUTTON);
    EXPECT_TRUE(IsZoomed(window));
    RECT work = WorkArea();
    // The frame hangs off the work area; the caption stays on it.
    EXPECT_EQ(WindowRect(window), (RECT{work.left - 4, work.top - 4, work.right + 4, work.bottom + 4}));
    EXPECT_EQ(HitAt(window, work.left + 1, work.top + 100), HTCLIENT);  // no sizing borders when maximized
    click(HTMAXBUTTON);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_EQ(WindowRect(window), (RECT{100, 100, 300, 250}));
    Log().clear();
    click(HTCLOSE);
    EXPECT_EQ(MessagesOf(window, {WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(NonClient, ReleasingOffTheButtonDoesNothing) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::PumpMessages();
    CaptionLayout layout = LayoutCaption(window);
    platform::testing::MoveMouse(100 + layout.closeButton.left + 3, 100 + layout.closeButton.top + 3);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(150, 200);
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(NonClient, MinimizedWindowsGoOffScreenAndComeBack) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    SendMessage(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(WindowRect(window).left, MinimizedPosition);
    EXPECT_NE(GetActiveWindow(), window);
    const Logged* size = nullptr;
    for (const Logged& entry : Log())
        if (entry.window == window && entry.message == WM_SIZE) size = &entry;
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->wParam, SIZE_MINIMIZED);
    SendMessage(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(WindowRect(window), (RECT{100, 100, 300, 250}));
}

TEST_F(NonClient, TheDefaultFrameShowsActivationAndTheCaptionText) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100);
    SetWindowText(window, "Велзар");
    platform::testing::PumpMessages();
    auto count = [&](COLORREF color) {
        auto pixels = platform::testing::WindowPixels(window);
        int n = 0;
        for (int y = 4; y < 21; ++y)
            for (int x = 4; x < 100; ++x) n += ColorFromPixel(pixels->Get(x, y)) == color;
        return n;
    };
    const COLORREF activeCaption = RGB(10, 36, 106), inactiveCaption = RGB(128, 128, 128);
    EXPECT_GT(count(activeCaption), 0);
    EXPECT_GT(count(RGB(255, 255, 255)), 20);  // the title's letters
    HWND other = Make(WS_POPUP | WS_VISIBLE, 300, 300, 10, 10);
    platform::testing::PumpMessages();
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_EQ(count(activeCaption), 0);
    EXPECT_GT(count(inactiveCaption), 0);
    // The pressed close button shows sunken while it is held.
    CaptionLayout layout = LayoutCaption(window);
    Pixel before = platform::testing::WindowPixels(window)->Get(layout.closeButton.left, layout.closeButton.top);
    {
        PressedCaptionButton pressed(window, HTCLOSE);
        Pixel held = platform::testing::WindowPixels(window)->Get(layout.closeButton.left, layout.closeButton.top);
        EXPECT_NE(held, before);
    }
    EXPECT_EQ(platform::testing::WindowPixels(window)->Get(layout.closeButton.left, layout.closeButton.top), before);
}

TEST_F(NonClient, NonClientMetricsFillTheClassicRecordWhateverItsSizeSays) {
    NONCLIENTMETRICSA metrics;
    metrics.cbSize = 4;  // callers built for other layouts pass other sizes
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_EQ(metrics.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(metrics.iCaptionHeight, GetSystemMetrics(SM_CYSIZE));
    EXPECT_EQ(metrics.lfCaptionFont.lfWeight, FW_BOLD);
    EXPECT_STREQ(metrics.lfMessageFont.lfFaceName, "Tahoma");
    BOOL full = FALSE;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0));
    EXPECT_TRUE(full);
    RECT work;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, ScreenRect());
}
