#include "platform/window/Input.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/SystemMetrics.h"
#include "tests/platform/WindowFixture.h"

using namespace windowtest;

namespace {

class ScrollBars : public WindowTest {
protected:
    // Scroll messages a window got, as (code, position).
    std::vector<std::pair<WORD, int>> ScrollCodes(HWND window, UINT message) {
        std::vector<std::pair<WORD, int>> codes;
        for (const Logged& e : Log())
            if (e.window == window && e.message == message)
                codes.emplace_back(LOWORD(e.wParam), static_cast<SHORT>(HIWORD(e.wParam)));
        return codes;
    }
    SCROLLINFO Info(HWND window, int bar) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        GetScrollInfo(window, bar, &info);
        return info;
    }
};

TEST_F(ScrollBars, PageAndPositionStayInsideTheRange) {
    struct Case {
        int min, max;
        UINT page;
        int pos;
        int wantMin, wantMax;
        UINT wantPage;
        int wantPos;
    } cases[] = {
        {0, 99, 10, 50, 0, 99, 10, 50},
        {0, 99, 10, 95, 0, 99, 10, 90},   // the last page starts at 90
        {0, 99, 0, 120, 0, 99, 0, 99},    // no page: the end itself
        {0, 9, 50, 5, 0, 9, 10, 0},       // a page larger than the range
        {10, 20, 1, -5, 10, 20, 1, 10},
        {5, 2, 0, 3, 0, 0, 0, 0},         // a reversed range is no range
    };
    HWND window = Make(WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
    for (const Case& c : cases) {
        SCROLLINFO set;
        set.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        set.nMin = c.min;
        set.nMax = c.max;
        set.nPage = c.page;
        set.nPos = c.pos;
        int answered = SetScrollInfo(window, SB_VERT, &set, TRUE);
        SCROLLINFO got = Info(window, SB_VERT);
        EXPECT_EQ(answered, c.wantPos);
        EXPECT_EQ(got.nMin, c.wantMin);
        EXPECT_EQ(got.nMax, c.wantMax);
        EXPECT_EQ(got.nPage, c.wantPage);
        EXPECT_EQ(got.nPos, c.wantPos) << c.min << ".." << c.max << " page " << c.page << " pos " << c.pos;
    }
}

TEST_F(ScrollBars, ABarShowsWhenThereIsMoreThanAPageAndHidesOtherwise) {
    HWND window = Make(WS_POPUP | WS_VISIBLE, 0, 0, 200, 100);
    RECT client;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = 199;
    info.nPage = 100;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    EXPECT_TRUE(GetWindowLongPtr(window, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 200 - GetSystemMetrics(SM_CXVSCROLL));
    info.nPage = 200;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    EXPECT_FALSE(GetWindowLongPtr(window, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 200);
    info.fMask |= SIF_DISABLENOSCROLL;
    ShowScrollBar(window, SB_VERT, TRUE);
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    EXPECT_TRUE(GetWindowLongPtr(window, GWL_STYLE) & WS_VSCROLL) << "kept, disabled";
}

TEST_F(ScrollBars, ArrowsAndTrackSendStepsToTheWindow) {
    HWND window = Make(WS_POPUP | WS_VISIBLE | WS_VSCROLL, 100, 100, 200, 200);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMax = 999;
    info.nPage = 100;
    info.nPos = 400;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    RECT bar = ScrollBarRect(window, SB_VERT);
    ScrollBarLayout layout = LayoutScrollBar(bar, true, Info(window, SB_VERT));
    ASSERT_TRUE(layout.hasThumb);
    auto clickIn = [&](const RECT& r) {
        platform::testing::Click(100 + (r.left + r.right) / 2, 100 + (r.top + r.bottom) / 2);
        platform::testing::PumpMessages();
    };
    clickIn(layout.startArrow);
    clickIn(layout.endArrow);
    clickIn(layout.startTrack);
    clickIn(layout.endTrack);
    std::vector<std::pair<WORD, int>> want = {{SB_LINEUP, 0},   {SB_ENDSCROLL, 0}, {SB_LINEDOWN, 0},
                                              {SB_ENDSCROLL, 0}, {SB_PAGEUP, 0},   {SB_ENDSCROLL, 0},
                                              {SB_PAGEDOWN, 0},  {SB_ENDSCROLL, 0}};
    EXPECT_EQ(ScrollCodes(window, WM_VSCROLL), want);
}

TEST_F(ScrollBars, DraggingTheThumbPastTheEndReportsTheLastPageStart) {
    HWND window = Make(WS_POPUP | WS_VISIBLE | WS_HSCROLL, 100, 100, 300, 100);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMax = 99;
    info.nPage = 10;
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
    RECT bar = ScrollBarRect(window, SB_HORZ);
    ScrollBarLayout layout = LayoutScrollBar(bar, false, Info(window, SB_HORZ));
    int y = 100 + (bar.top + bar.bottom) / 2;
    platform::testing::MoveMouse(100 + layout.thumb.left + 2, y);
    platform::testing::PressMouse(0);
    // Halfway: the thumb's leading edge in the middle of the room it moves in.
    int room = (layout.track.right - layout.track.left) - (layout.thumb.right - layout.thumb.left);
    platform::testing::MoveMouse(100 + layout.track.left + room / 2 + 2, y);
    platform::testing::MoveMouse(100 + bar.right + 50, y);
    platform::testing::ReleaseMouse(0);
    platform::testing::PumpMessages();
    auto codes = ScrollCodes(window, WM_HSCROLL);
    ASSERT_EQ(codes.size(), 4u);
    EXPECT_EQ(codes[0].first, SB_THUMBTRACK);
    EXPECT_NEAR(codes[0].second, 45, 1);
    EXPECT_EQ(codes[1], (std::pair<WORD, int>{SB_THUMBTRACK, 90}));
    EXPECT_EQ(codes[2], (std::pair<WORD, int>{SB_THUMBPOSITION, 90}));
    EXPECT_EQ(codes[3].first, SB_ENDSCROLL);
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
