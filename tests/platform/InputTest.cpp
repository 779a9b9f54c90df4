#include "platform/system/Clock.h"
#include "platform/window/Cursors.h"
#include "platform/window/Input.h"
#include "platform/window/NonClient.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class Input : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::testing::UseVirtualClock(true);
    }
    void TearDown() override {
        WindowTest::TearDown();
        platform::testing::UseVirtualClock(false);
    }
    const Logged* Last(HWND window, UINT message) {
        const Logged* found = nullptr;
        for (const Logged& entry : Log())
            if (entry.window == window && entry.message == message) found = &entry;
        return found;
    }
};

}  // namespace

TEST_F(Input, AClickActivatesTheFormAndReachesTheChildInItsOwnCoordinates) {
    HWND other = Make(WS_POPUP | WS_VISIBLE, 400, 0, 50, 50);
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, form);
    SetActiveWindow(other);
    platform::testing::PumpMessages();
    Log().clear();
    platform::testing::Click(125, 140);
    platform::testing::PumpMessages();
    auto sequence = Sequence({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_LBUTTONDOWN, WM_LBUTTONUP});
    std::vector<std::pair<HWND, UINT>> expected = {{child, WM_MOUSEACTIVATE}, {form, WM_MOUSEACTIVATE},
                                                   {other, WM_ACTIVATE},      {form, WM_ACTIVATE},
                                                   {form, WM_SETFOCUS},       {child, WM_LBUTTONDOWN},
                                                   {child, WM_LBUTTONUP}};
    EXPECT_EQ(sequence, expected);
    const Logged* down = Last(child, WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 10);
    EXPECT_EQ(down->wParam, MK_LBUTTON);
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(Input, MouseActivationCanBeRefusedAndTheClickEaten) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND other = Make(WS_POPUP | WS_VISIBLE, 400, 0, 50, 50);
    SetActiveWindow(other);
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = message == WM_MOUSEACTIVATE;
        return MA_NOACTIVATEANDEAT;
    };
    Log().clear();
    platform::testing::Click(150, 150);
    platform::testing::PumpMessages();
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_TRUE(MessagesOf(form, {WM_LBUTTONDOWN}).empty());
    EXPECT_EQ(MessagesOf(form, {WM_LBUTTONUP}).size(), 1u);
}

TEST_F(Input, CaptureTakesTheMouseWhereverItGoesUntilReleased) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, form);
    HWND elsewhere = Make(WS_POPUP | WS_VISIBLE, 400, 400, 50, 50);
    SetCapture(child);
    Log().clear();
    platform::testing::MoveMouse(410, 410);
    platform::testing::PumpMessages();
    const Logged* move = Last(child, WM_MOUSEMOVE);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(GET_X_LPARAM(move->lParam), 410 - 120);
    EXPECT_TRUE(MessagesOf(elsewhere, {WM_MOUSEMOVE}).empty());
    SetCapture(form);  // the child hears it lost the capture
    const Logged* lost = Last(child, WM_CAPTURECHANGED);
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(lost->lParam), form);
    ReleaseCapture();
    platform::testing::MoveMouse(420, 420);
    platform::testing::PumpMessages();
    EXPECT_EQ(MessagesOf(elsewhere, {WM_MOUSEMOVE}).size(), 1u);
}

TEST_F(Input, TwoQuickPressesAreADoubleClickOnlyWithinTheSystemsInterval) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    struct Case {
        DWORD pause;
        int dx;
        bool isDouble;
    } cases[] = {{100, 0, true}, {500, 1, true}, {501, 0, false}, {100, 5, false}};
    for (const Case& c : cases) {
        Log().clear();
        platform::testing::Click(150, 150);
        platform::testing::AdvanceClock(c.pause);
        platform::testing::Click(150 + c.dx, 150);
        platform::testing::PumpMessages();
        EXPECT_EQ(MessagesOf(form, {WM_LBUTTONDBLCLK}).size(), c.isDouble ? 1u : 0u) << c.pause << " " << c.dx;
        platform::testing::AdvanceClock(1000);  // keep the cases apart
    }
    // A class without CS_DBLCLKS gets two presses; the caption gets its own.
    WNDCLASS plain;
    plain.lpfnWndProc = CALLBACK_Record;
    plain.lpszClassName = "Velzar.Input.NoDouble";
    RegisterClass(&plain);
    HWND window = CreateWindowEx(0, "Velzar.Input.NoDouble", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 150,
                                 nullptr, nullptr, nullptr, nullptr);
    made_.push_back(window);
    Log().clear();
    platform::testing::Click(350, 350);
    platform::testing::Click(350, 350);
    platform::testing::Click(350, 310);
    platform::testing::Click(350, 310);
    // The caption's double click maximizes, which we undo by hand here.
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM, bool& handled) -> LRESULT {
        handled = message == WM_NCLBUTTONDBLCLK || message == WM_NCLBUTTONDOWN;
        return 0;
    };
    platform::testing::PumpMessages();
    EXPECT_EQ(MessagesOf(window, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
    EXPECT_EQ(MessagesOf(window, {WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}),
              (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}));
}

TEST_F(Input, LeaveIsReportedOnceWhenThePointerLeavesATrackedWindow) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::MoveMouse(150, 150);
    platform::testing::PumpMessages();
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = form;
    EXPECT_TRUE(TrackMouseEvent(&track));
    Log().clear();
    platform::testing::MoveMouse(160, 150);
    platform::testing::MoveMouse(600, 600);
    platform::testing::MoveMouse(150, 150);
    platform::testing::MoveMouse(610, 600);
    platform::testing::PumpMessages();
    EXPECT_EQ(MessagesOf(form, {WM_MOUSELEAVE}).size(), 1u);
}

TEST_F(Input, KeysGoToTheFocusAndTypedTextArrivesAsCharacters) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND edit = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, form);
    SetFocus(edit);
    Log().clear();
    platform::testing::PressKey(VK_SHIFT);
    platform::testing::PressKey('A');
    platform::testing::TypeText("Aж");
    platform::testing::ReleaseKey('A');
    platform::testing::ReleaseKey(VK_SHIFT);
    platform::testing::PressKey(VK_RETURN);
    platform::testing::PumpMessages();  // translates Enter into a character
    EXPECT_EQ(MessagesOf(edit, {WM_KEYDOWN, WM_KEYUP, WM_CHAR}),
              (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_CHAR, WM_KEYUP, WM_KEYUP, WM_KEYDOWN, WM_CHAR}));
    std::vector<WPARAM> characters;
    for (const Logged& entry : Log())
        if (entry.message == WM_CHAR) characters.push_back(entry.wParam);
    EXPECT_EQ(characters, (std::vector<WPARAM>{'A', 0x436, '\r'}));
    EXPECT_TRUE(GetKeyState(VK_RETURN) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    platform::testing::ReleaseKey(VK_RETURN);
    platform::testing::PumpMessages();
    // With Alt held the keys are system keys.
    Log().clear();
    platform::testing::PressKey(VK_MENU);
    platform::testing::PressKey('F');
    platform::testing::ReleaseKey('F');
    platform::testing::ReleaseKey(VK_MENU);
    platform::testing::PumpMessages();
    EXPECT_EQ(MessagesOf(edit, {WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYUP}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_SYSKEYUP}));
}

TEST_F(Input, TheWheelGoesToTheFocusAndClimbsToTheParentUnanswered) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND child = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, form);
    SetFocus(child);
    Log().clear();
    platform::testing::TurnWheel(-120);
    platform::testing::PumpMessages();
    auto sequence = Sequence({WM_MOUSEWHEEL});
    ASSERT_EQ(sequence.size(), 2u);
    EXPECT_EQ(sequence[0].first, child);
    EXPECT_EQ(sequence[1].first, form);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(Last(form, WM_MOUSEWHEEL)->wParam), -120);
}

TEST_F(Input, FocusMovesWithKillBeforeSetAndFollowsWindowsThatGo) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    HWND first = Make(WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, form);
    HWND second = Make(WS_CHILD | WS_VISIBLE, 10, 40, 50, 20, form);
    SetFocus(first);
    Log().clear();
    EXPECT_EQ(SetFocus(second), first);
    EXPECT_EQ(Sequence({WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<std::pair<HWND, UINT>>{{first, WM_KILLFOCUS}, {second, WM_SETFOCUS}}));
    EnableWindow(second, FALSE);  // a disabled window gives the focus up
    EXPECT_EQ(GetFocus(), nullptr);
    SetFocus(first);
    DestroyWindow(first);
    EXPECT_EQ(GetFocus(), form);
}

TEST_F(Input, SizingBordersShowSizingCursors) {
    HWND form = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    struct Case {
        int x, y;
        const char* cursor;
    } cases[] = {{101, 170, IDC_SIZEWE}, {200, 101, IDC_SIZENS}, {298, 248, IDC_SIZENWSE}, {101, 248, IDC_SIZENESW},
                 {200, 110, IDC_ARROW}};
    for (const Case& c : cases) {
        platform::testing::MoveMouse(c.x, c.y);
        platform::testing::PumpMessages();
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, c.cursor)) << c.x << "," << c.y;
    }
    (void)form;
}

TEST_F(Input, HoverIsReportedOnceThePointerHasRestedItsTime) {
    HWND form = Make(WS_POPUP | WS_VISIBLE, 100, 100, 200, 150);
    platform::testing::MoveMouse(150, 160);
    platform::testing::PumpMessages();
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_HOVER;
    track.hwndTrack = form;
    track.dwHoverTime = 300;
    TrackMouseEvent(&track);
    Log().clear();
    platform::testing::AdvanceClock(299);
    platform::testing::PumpMessages();
    EXPECT_TRUE(MessagesOf(form, {WM_MOUSEHOVER}).empty());
    platform::testing::AdvanceClock(1);
    platform::testing::PumpMessages();
    platform::testing::AdvanceClock(1000);
    platform::testing::PumpMessages();
    ASSERT_EQ(MessagesOf(form, {WM_MOUSEHOVER}).size(), 1u);
    const Logged* hover = Last(form, WM_MOUSEHOVER);
    EXPECT_EQ(GET_X_LPARAM(hover->lParam), 50);
    EXPECT_EQ(GET_Y_LPARAM(hover->lParam), 60);
}
