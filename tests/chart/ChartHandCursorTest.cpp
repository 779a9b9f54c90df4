// The chart engine's hand cursor: registered as screen cursor 2020 from the
// program's cursor art while the start-up object lives, removed after.

#include "chart/panel/ChartHandCursor.h"

#include "platform/window/Cursors.h"

#include <gtest/gtest.h>

namespace {

bool Bit(const std::vector<std::uint8_t>& plane, int width, int x, int y) {
    const int stride = (width + 15) / 16 * 2;
    return (plane[static_cast<std::size_t>(y * stride + x / 8)] & (0x80 >> (x % 8))) != 0;
}

}  // namespace

TEST(ChartHandCursor, RegisteredWhileItLivesAndRemovedAfter) {
    const platform::HCURSOR arrow = platform::LoadCursor(nullptr, platform::IDC_ARROW);
    ASSERT_EQ(Screen->Cursors(crChartHand), arrow);  // an unknown number shows the arrow
    platform::HCURSOR hand = nullptr;
    {
        const TChartHandCursor cursor;
        hand = Screen->Cursors(crChartHand);
        ASSERT_NE(hand, arrow);
        platform::CursorPlanes planes;
        ASSERT_TRUE(platform::GetCursorPlanes(hand, planes));
        EXPECT_EQ(planes.width, 32);
        EXPECT_EQ(planes.height, 32);
        EXPECT_EQ(planes.hotX, 11);  // the tip of the pointing finger
        EXPECT_EQ(planes.hotY, 0);
        // the screen shows through the corner; the finger's tip is outlined in black and white inside
        EXPECT_TRUE(Bit(planes.andPlane, 32, 0, 0));
        EXPECT_FALSE(Bit(planes.andPlane, 32, 11, 0));
        EXPECT_FALSE(Bit(planes.xorPlane, 32, 11, 0));
        EXPECT_FALSE(Bit(planes.andPlane, 32, 11, 1));
        EXPECT_TRUE(Bit(planes.xorPlane, 32, 11, 1));
    }
    EXPECT_EQ(Screen->Cursors(crChartHand), arrow);
    platform::CursorPlanes gone;
    EXPECT_FALSE(platform::GetCursorPlanes(hand, gone));
    EXPECT_FALSE(platform::DestroyCursor(arrow));  // only cursors of the program's own are destroyed
}

TEST(ChartHandCursor, ArtThatCannotBeReadMakesNoCursor) {
    const char* broken[] = {
        "",                                   // nothing
        ".#o\n",                              // no hot spot
        "hotspot x 1\n.#o\n",                 // not a number
        "hotspot 1 1\n",                      // no rows
        "hotspot 1 1\n.#o\n.#\n",             // rows of unequal length
        "hotspot 1 1\n.#o\n.#x\n",            // an unknown mark
    };
    for (const char* art : broken) EXPECT_EQ(CursorFromArt(art), nullptr) << art;
    const platform::HCURSOR small = CursorFromArt("hotspot 1 0\r\n.#o\r\no#.\r\n");
    ASSERT_NE(small, nullptr);
    platform::CursorPlanes planes;
    ASSERT_TRUE(platform::GetCursorPlanes(small, planes));
    EXPECT_EQ(planes.width, 3);
    EXPECT_EQ(planes.height, 2);
    EXPECT_EQ(planes.andPlane, (std::vector<std::uint8_t>{0x80, 0, 0x20, 0}));  // '.' lets the screen show
    EXPECT_EQ(planes.xorPlane, (std::vector<std::uint8_t>{0x20, 0, 0x80, 0}));  // 'o' is white
    EXPECT_TRUE(platform::DestroyCursor(small));
}
