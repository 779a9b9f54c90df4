#include "platform/system/Clock.h"
#include "platform/system/ThreadId.h"
#include "platform/window/MoveSizeLoop.h"
#include "platform/window/Timers.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class Timers : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform::testing::UseVirtualClock(true);
    }
    void TearDown() override {
        WindowTest::TearDown();
        platform::testing::UseVirtualClock(false);
    }

    // WM_TIMER ids the window got while the thread pumped.
    static std::vector<WPARAM> TimersFired(HWND window) {
        std::vector<WPARAM> ids;
        for (const Logged& entry : Log())
            if (entry.window == window && entry.message == WM_TIMER) ids.push_back(entry.wParam);
        return ids;
    }
};

std::vector<UINT_PTR> procedureCalls;
void OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    procedureCalls.push_back(id);
}

}  // namespace

TEST_F(Timers, ATimerFiresOnceItsIntervalHasPassedAndDoesNotCatchUp) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    ASSERT_NE(SetTimer(window, 5, 100, nullptr), 0u);
    platform::testing::AdvanceClock(99);
    platform::testing::PumpMessages();
    EXPECT_TRUE(TimersFired(window).empty());
    platform::testing::AdvanceClock(1);
    platform::testing::PumpMessages();
    EXPECT_EQ(TimersFired(window), std::vector<WPARAM>{5});
    // A long stall gives one WM_TIMER, and the next interval starts then.
    platform::testing::AdvanceClock(350);
    platform::testing::PumpMessages();
    EXPECT_EQ(TimersFired(window).size(), 2u);
    platform::testing::AdvanceClock(99);
    platform::testing::PumpMessages();
    EXPECT_EQ(TimersFired(window).size(), 2u);
    platform::testing::AdvanceClock(1);
    platform::testing::PumpMessages();
    EXPECT_EQ(TimersFired(window).size(), 3u);
}

TEST_F(Timers, SettingAgainRestartsKillingStopsAndDestroyingKillsAll) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 1000, nullptr);
    platform::testing::AdvanceClock(60);
    SetTimer(window, 1, 100, nullptr);  // starts over from now
    platform::testing::AdvanceClock(60);
    platform::testing::PumpMessages();
    EXPECT_TRUE(TimersFired(window).empty());
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    platform::testing::AdvanceClock(1000);
    platform::testing::PumpMessages();
    EXPECT_EQ(TimersFired(window), std::vector<WPARAM>{2});
    DestroyWindow(window);
    EXPECT_EQ(TimeToNextTimer(platform::GetCurrentThreadId()), INFINITE);
}

TEST_F(Timers, PostedMessagesComeBeforeDueTimersAndIntervalsHaveAFloor) {
    HWND window = Make(WS_POPUP, 0, 0, 10, 10);
    SetTimer(window, 9, 1, nullptr);  // raised to the 10 ms minimum
    platform::testing::AdvanceClock(5);
    MSG message;
    EXPECT_FALSE(PeekMessage(&message, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    platform::testing::AdvanceClock(5);
    PostMessage(window, WM_USER, 0, 0);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_TIMER);
}

TEST_F(Timers, AWindowlessTimerCallsItsProcedure) {
    procedureCalls.clear();
    UINT_PTR id = SetTimer(nullptr, 0, 50, OnTimer);
    ASSERT_NE(id, 0u);
    platform::testing::AdvanceClock(50);
    platform::testing::PumpMessages();
    EXPECT_EQ(procedureCalls, std::vector<UINT_PTR>{id});
    KillTimer(nullptr, id);
}

TEST_F(Timers, TimersKeepTickingInsideTheMoveLoop) {
    HWND window = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150);
    SetTimer(window, 3, 100, nullptr);
    platform::testing::PumpMessages();
    // The user lets go only once the timer has ticked, inside the loop.
    CurrentHandler() = [](HWND, UINT message, WPARAM, LPARAM, bool&) -> LRESULT {
        if (message == WM_TIMER) platform::testing::ReleaseMouse(0);
        return 0;
    };
    Log().clear();
    platform::testing::MoveMouse(150, 110);  // on the caption
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(160, 120);
    platform::testing::AdvanceClock(100);
    platform::testing::PumpMessages();
    auto sequence = Sequence({WM_ENTERSIZEMOVE, WM_TIMER, WM_EXITSIZEMOVE});
    ASSERT_EQ(sequence.size(), 3u);
    EXPECT_EQ(sequence[0].second, static_cast<UINT>(WM_ENTERSIZEMOVE));
    EXPECT_EQ(sequence[1].second, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(sequence[2].second, static_cast<UINT>(WM_EXITSIZEMOVE));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 110);
    EXPECT_EQ(rect.top, 110);
}
