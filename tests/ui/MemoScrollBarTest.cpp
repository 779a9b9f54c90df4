#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"

#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

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

namespace {

platform::SCROLLINFO BarInfo(TMemo* memo, int bar) {
    platform::SCROLLINFO info;
    info.fMask = platform::SIF_ALL;
    EXPECT_TRUE(platform::GetScrollInfo(memo->Handle(), bar, &info));
    return info;
}

bool HasHorizontalBar(TMemo* memo) {
    return (platform::GetWindowLongPtr(memo->Handle(), platform::GWL_STYLE) & platform::WS_HSCROLL) != 0;
}

TEST_F(MemoScrollBar, TheRangeFollowsTheLinesWithoutAPaint) {
    auto* memo = Add<TMemo>(10, 10, 200, 100);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    memo->Handle();  // a window, never shown nor painted
    for (int i = 0; i < 30; ++i) memo->Lines()->Add("line " + std::to_string(i));
    Pump();
    platform::SCROLLINFO info = BarInfo(memo, platform::SB_VERT);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_GT(info.nPage, 1u);
    EXPECT_LT(info.nPage, 30u);
    memo->Lines()->Delete(0);
    EXPECT_EQ(BarInfo(memo, platform::SB_VERT).nMax, 28);
    memo->Lines()->Clear();
    EXPECT_EQ(BarInfo(memo, platform::SB_VERT).nMax, 0);
}

TEST_F(MemoScrollBar, LongLinesWrapByDefaultAndOtherwiseBringAHorizontalBar) {
    auto* memo = Add<TMemo>(10, 10, 200, 100);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    EXPECT_TRUE(memo->WordWrap());
    std::string longLine;
    for (int i = 0; i < 40; ++i) longLine += "слово ";
    memo->Lines()->Add("коротко");
    memo->Lines()->Add(longLine);
    ShowForm();
    // Wrapped: one line takes several rows, and nothing scrolls sideways.
    EXPECT_GT(BarInfo(memo, platform::SB_VERT).nMax, 3);
    EXPECT_FALSE(HasHorizontalBar(memo));

    memo->SetWordWrap(false);
    Pump();
    EXPECT_EQ(BarInfo(memo, platform::SB_VERT).nMax, 1);
    ASSERT_TRUE(HasHorizontalBar(memo));
    platform::SCROLLINFO across = BarInfo(memo, platform::SB_HORZ);
    EXPECT_GT(across.nMax, 3 * static_cast<int>(across.nPage));
    // The end of the long line scrolls into view with the caret.
    Focus(memo);
    Key(platform::VK_DOWN);
    Key(platform::VK_END);
    EXPECT_EQ(platform::GetScrollPos(memo->Handle(), platform::SB_HORZ), platform::MaxScrollPos(BarInfo(memo, platform::SB_HORZ)));

    // Short lines need no bar.
    memo->Lines()->Delete(1);
    EXPECT_FALSE(HasHorizontalBar(memo));
}

}  // namespace
