#include "skin/core/timer/ThreadedTimer.h"

#include "ui/core/Exceptions.h"
#include "ui/forms/Application.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ThreadedTimer : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    static void Run(unsigned ms) {
        platform::testing::AdvanceClock(ms);
        platform::testing::PumpMessages();
    }
    platform::testing::VirtualClockScope clock_;
};

class TCountingTimer : public TxThreadedTimer {
public:
    explicit TCountingTimer(TComponent* owner) : TxThreadedTimer(owner, true) {}
    int ticks = 0;

protected:
    void Tick() override { ++ticks; }
};

}  // namespace

TEST_F(ThreadedTimer, FiresOnlyWithAHandlerAnIntervalAndEnabled) {
    TxThreadedTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_FALSE(timer.Running());
    Run(1500);
    int ticks = 0;
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(timer.Running());
    Run(1000);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.Running());
    Run(3000);
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(100);
    Run(100);
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(false);
    Run(500);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ThreadedTimer, HandlerThatPumpsMessagesIsNotReentered) {
    TxThreadedTimer timer(nullptr);
    timer.SetInterval(10);
    int depth = 0, maxDepth = 0, ticks = 0;
    timer.SetOnTimer([&](TObject*) {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1) {
            // Three intervals pass while the handler runs the message loop.
            for (int i = 0; i < 3; ++i) Run(10);
        }
        --depth;
    });
    Run(10);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(ticks, 1);
    Run(10);
    EXPECT_EQ(ticks, 2);
}

TEST_F(ThreadedTimer, HandlerThatRaisesKeepsFiring) {
    std::vector<std::string> shown;
    Application->SetMessageBoxFunction([&](const std::string& text, const std::string&, unsigned) {
        shown.push_back(text);
        return 1;
    });
    TxThreadedTimer timer(nullptr);
    timer.SetInterval(50);
    int ticks = 0;
    timer.SetOnTimer([&](TObject*) {
        ++ticks;
        if (ticks == 1) throw EConvertError("tick failed");
    });
    Run(50);
    Run(50);
    Run(50);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(shown.size(), 1u);
    Application->SetMessageBoxFunction(nullptr);
}

TEST_F(ThreadedTimer, OwnedTimerStartsDisabledAndRoutesToTick) {
    TCountingTimer timer(nullptr);
    EXPECT_FALSE(timer.Enabled());
    timer.SetInterval(20);
    Run(100);
    EXPECT_EQ(timer.ticks, 0);
    timer.SetEnabled(true);
    Run(20);
    Run(20);
    EXPECT_EQ(timer.ticks, 2);
    std::unique_ptr<TxThreadedTimer> plain(TxThreadedTimer::CreateOwned(nullptr, false));
    EXPECT_FALSE(plain->Enabled());
    EXPECT_FALSE(plain->OnTimer());
}
