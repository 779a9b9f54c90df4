#include "ControlFixture.h"

#include "ui/controls/TrackBar.h"

#include "platform/window/ControlMessages.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

using TrackBarControl = ControlFixture;

TEST_F(TrackBarControl, KeysAndClicksMoveTheThumbAndTellOnlyUserMoves) {
    auto* bar = Add<TTrackBar>(10, 10, 200, 45);
    bar->SetMax(20);
    bar->PageSize = 5;
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetPosition(10);
    bar->SetPosition(99);
    EXPECT_EQ(bar->Position(), 20) << "kept inside the range";
    bar->SetPosition(10);
    EXPECT_EQ(changes, 0);
    ShowForm();
    Focus(bar);
    struct Step {
        const char* what;
        std::function<void()> act;
        int position;
    } steps[] = {
        {"Right", [] { Key(platform::VK_RIGHT); }, 11},
        {"Up", [] { Key(platform::VK_UP); }, 10},
        {"Page Down", [] { Key(platform::VK_NEXT); }, 15},
        {"End", [] { Key(platform::VK_END); }, 20},
        {"Right at the end", [] { Key(platform::VK_RIGHT); }, 20},
        {"Home", [] { Key(platform::VK_HOME); }, 0},
        {"click right of the thumb", [&] { ClickAt(bar, bar->ClientWidth() - 10, bar->ThumbRect().Top + 5); }, 5},
        {"click left of the thumb", [&] { ClickAt(bar, 8, bar->ThumbRect().Top + 5); }, 0},
    };
    for (auto& s : steps) {
        s.act();
        EXPECT_EQ(bar->Position(), s.position) << s.what;
    }
    EXPECT_EQ(changes, 7);
}

TEST_F(TrackBarControl, DraggingTheThumbFollowsThePointerWithinTheRange) {
    auto* bar = Add<TTrackBar>(10, 10, 17 * 10 + 16, 45);  // 17 pixels a step
    bar->SetMax(10);
    ShowForm();
    TRect thumb = bar->ThumbRect();
    TPoint grip = bar->ClientToScreen({(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2});
    platform::testing::MoveMouse(grip.X, grip.Y);
    platform::testing::PressMouse(0);
    Pump();
    platform::testing::MoveMouse(grip.X + 3 * 17 + 4, grip.Y + 30);  // off the bar across it still counts
    Pump();
    EXPECT_EQ(bar->Position(), 3);
    platform::testing::MoveMouse(grip.X + 500, grip.Y);
    Pump();
    EXPECT_EQ(bar->Position(), 10);
    platform::testing::MoveMouse(grip.X - 500, grip.Y);
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_EQ(bar->Position(), 0);
    platform::testing::MoveMouse(grip.X + 100, grip.Y);
    Pump();
    EXPECT_EQ(bar->Position(), 0) << "let go: the thumb stays";
}

TEST_F(TrackBarControl, ItsWindowAnswersForThumbChannelAndTicks) {
    auto* bar = Add<TTrackBar>(10, 10, 45, 150);
    bar->SetOrientation(TTrackBarOrientation::trVertical);
    bar->SetBounds(10, 10, 45, 150);
    bar->SetMax(10);
    bar->SetFrequency(2);
    bar->SetPosition(4);
    ShowForm();
    platform::HWND h = bar->Handle();
    EXPECT_TRUE(platform::GetWindowLongPtr(h, platform::GWL_STYLE) & platform::TBS_VERT);
    EXPECT_EQ(platform::SendMessage(h, platform::TBM_GETPOS, 0, 0), 4);
    EXPECT_EQ(platform::SendMessage(h, platform::TBM_GETRANGEMAX, 0, 0), 10);
    EXPECT_EQ(platform::SendMessage(h, platform::TBM_GETNUMTICS, 0, 0), 6);  // 0, 2, ... 10
    EXPECT_EQ(platform::SendMessage(h, platform::TBM_GETTICPOS, 0, 0), bar->TickPositions()[1]);
    platform::RECT channel, thumb;
    platform::SendMessage(h, platform::TBM_GETCHANNELRECT, 0, reinterpret_cast<platform::LPARAM>(&channel));
    platform::SendMessage(h, platform::TBM_GETTHUMBRECT, 0, reinterpret_cast<platform::LPARAM>(&thumb));
    TRect c = bar->ChannelRect();
    EXPECT_GT(c.Height(), c.Width()) << "the channel runs down a vertical bar";
    EXPECT_EQ(channel, (platform::RECT{c.Top, c.Left, c.Bottom, c.Right})) << "reported across-first";
    EXPECT_EQ(thumb, platform::RECT(bar->ThumbRect()));
    EXPECT_LT(thumb.top, (c.Top + c.Bottom) / 2) << "position 4 of 10 sits above the middle";
    platform::SendMessage(h, platform::TBM_SETPOS, 1, 7);
    EXPECT_EQ(bar->Position(), 7);
}

}  // namespace
