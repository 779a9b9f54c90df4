#include "ControlFixture.h"

#include "ui/controls/ScrollBar.h"

namespace {

using ScrollBarControl = ControlFixture;

// The centre of a bar part, in the control's client coordinates.
TPoint Centre(const platform::RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

platform::ScrollBarLayout LayoutOf(TScrollBar* bar) {
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    platform::GetScrollInfo(bar->Handle(), platform::SB_CTL, &info);
    return platform::LayoutScrollBar(bar->ClientRect(), bar->Kind() == TScrollBarKind::sbVertical, info);
}

TEST_F(ScrollBarControl, ArrowsTrackAndKeysMoveThePositionAndTell) {
    auto* bar = Add<TScrollBar>(10, 10, 200, 17);
    bar->SetParams(50, 0, 100);
    bar->SmallChange = 1;
    bar->LargeChange = 10;
    std::vector<TScrollCode> codes;
    int changes = 0;
    bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
    bar->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    struct Step {
        const char* what;
        std::function<void()> act;
        int position;
    } steps[] = {
        {"end arrow", [&] { ClickAt(bar, Centre(LayoutOf(bar).endArrow).X, 8); }, 51},
        {"start arrow", [&] { ClickAt(bar, Centre(LayoutOf(bar).startArrow).X, 8); }, 50},
        {"track after the thumb", [&] { ClickAt(bar, Centre(LayoutOf(bar).endTrack).X, 8); }, 60},
        {"track before the thumb", [&] { ClickAt(bar, Centre(LayoutOf(bar).startTrack).X, 8); }, 50},
        {"Right", [&] { Key(platform::VK_RIGHT); }, 51},
        {"Page Down", [&] { Key(platform::VK_NEXT); }, 61},
        {"End", [&] { Key(platform::VK_END); }, 100},
        {"Home", [&] { Key(platform::VK_HOME); }, 0},
        {"Left at the start", [&] { Key(platform::VK_LEFT); }, 0},
    };
    for (auto& s : steps) {
        s.act();
        EXPECT_EQ(bar->Position(), s.position) << s.what;
    }
    EXPECT_EQ(changes, 8);
    ASSERT_EQ(codes.size(), 18u);  // each move closes with scEndScroll
    EXPECT_EQ(codes[0], TScrollCode::scLineDown);
    EXPECT_EQ(codes[1], TScrollCode::scEndScroll);
    EXPECT_EQ(codes[4], TScrollCode::scPageDown);
    EXPECT_EQ(codes[12], TScrollCode::scBottom);
}

TEST_F(ScrollBarControl, OnScrollMayHoldThePositionBack) {
    auto* bar = Add<TScrollBar>(10, 10, 17, 200);
    bar->SetKind(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->Width(), 200) << "a new kind swaps width and height";
    bar->SetBounds(10, 10, 17, 200);
    bar->SetParams(5, 0, 10);
    bar->OnScroll = [](TObject*, TScrollCode code, int& pos) {
        if (code == TScrollCode::scLineDown) pos = std::min(pos, 5);
    };
    ShowForm();
    ClickAt(bar, 8, Centre(LayoutOf(bar).endArrow).Y);
    EXPECT_EQ(bar->Position(), 5);
    ClickAt(bar, 8, Centre(LayoutOf(bar).startArrow).Y);
    EXPECT_EQ(bar->Position(), 4);
}

TEST_F(ScrollBarControl, DraggingTheThumbStopsWhereTheLastPageStarts) {
    auto* bar = Add<TScrollBar>(10, 10, 300, 17);
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(10);
    std::vector<int> tracked;
    bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
        if (code == TScrollCode::scTrack) tracked.push_back(pos);
    };
    ShowForm();
    TPoint thumb = bar->ClientToScreen(Centre(LayoutOf(bar).thumb));
    platform::testing::MoveMouse(thumb.X, thumb.Y);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(thumb.X + 1000, thumb.Y);
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_EQ(tracked, std::vector<int>{90});
    EXPECT_EQ(bar->Position(), 90);
}

TEST_F(ScrollBarControl, ScrollInfoMessagesReadAndWriteTheValues) {
    auto* bar = Add<TScrollBar>(10, 10, 200, 17);
    ShowForm();
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    info.nMin = 10;
    info.nMax = 2;  // reversed: no range at all
    info.nPos = 7;
    platform::SetScrollInfo(bar->Handle(), platform::SB_CTL, &info, platform::TRUE);
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->Position(), 0);
    info.nMin = 0;
    info.nMax = 50;
    info.nPage = 5;
    info.nPos = 60;
    EXPECT_EQ(platform::SetScrollInfo(bar->Handle(), platform::SB_CTL, &info, platform::TRUE), 46);
    platform::SCROLLINFO read;
    read.fMask = platform::SIF_ALL;
    ASSERT_TRUE(platform::GetScrollInfo(bar->Handle(), platform::SB_CTL, &read));
    EXPECT_EQ(read.nMax, 50);
    EXPECT_EQ(read.nPage, 5u);
    EXPECT_EQ(read.nPos, 46);
}

}  // namespace
