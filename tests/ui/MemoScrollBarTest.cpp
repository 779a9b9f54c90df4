#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"

#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"

namespace {

using MemoScrollBar = ControlFixture;

TEST_F(MemoScrollBar, TheBarShowsTheLinesAndScrollsThem) {
    auto* memo = Add<TMemo>(10, 10, 200, 100);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    for (int i = 0; i < 30; ++i) memo->Lines()->Add("line " + std::to_string(i));
    ShowForm();
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    ASSERT_TRUE(platform::GetScrollInfo(memo->Handle(), platform::SB_VERT, &info));
    int rows = static_cast<int>(info.nPage);
    EXPECT_GT(rows, 1);
    EXPECT_EQ(info.nMax, memo->Lines()->Count() - 1);
    EXPECT_EQ(info.nPos, memo->TopLine());
    platform::RECT bar = platform::ScrollBarRect(memo->Handle(), platform::SB_VERT);
    platform::RECT window;
    platform::GetWindowRect(memo->Handle(), &window);
    ASSERT_GT(bar.bottom, bar.top);
    int start = memo->TopLine();
    platform::testing::Click(window.left + (bar.left + bar.right) / 2, window.top + bar.bottom - 4);  // the down arrow
    Pump();
    EXPECT_EQ(memo->TopLine(), start + 1);
    EXPECT_EQ(platform::GetScrollPos(memo->Handle(), platform::SB_VERT), start + 1);
    platform::ScrollBarLayout layout = platform::LayoutScrollBar(bar, true, info);
    platform::testing::Click(window.left + (bar.left + bar.right) / 2, window.top + layout.startArrow.bottom + 1);
    Pump();  // the track above the thumb: a page up, not past the first line
    EXPECT_EQ(memo->TopLine(), 0);
    memo->Lines()->Clear();
    Pump();
    ASSERT_TRUE(platform::GetScrollInfo(memo->Handle(), platform::SB_VERT, &info));
    EXPECT_EQ(info.nMax, 0);
    EXPECT_EQ(memo->TopLine(), 0);
}

}  // namespace
