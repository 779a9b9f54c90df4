#include "skin/core/regions/BitmapRegions.h"

#include "skin/core/data/SkinRecords.h"
#include "skin/core/manager/SkinManager.h"

#include "tests/skin_core/PixelFixtures.h"

#include "platform/gdi/Regions.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t K = 0x00FF00FFu;  // exact key
constexpr std::uint32_t A = 0xFFFF00FFu;  // key colour with alpha
constexpr std::uint32_t W = 0xFFFFFFFFu;

struct RunCase {
    const char* name;
    int width, height;
    std::vector<std::uint32_t> pixels;
    TAOR expected;
};

class KeyRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(KeyRuns, OneRectanglePerRunRowByRow) {
    const RunCase& c = GetParam();
    auto bitmap = MakeBitmap32(c.width, c.height, c.pixels);
    TAOR runs{TRect(7, 7, 8, 8)};  // what the list held stays first
    CollectKeyRuns(runs, *bitmap, K);
    TAOR expected{TRect(7, 7, 8, 8)};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(runs, expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, KeyRuns,
    ::testing::Values(
        RunCase{"no key", 3, 2, {W, W, W, W, W, W}, {}},
        RunCase{"whole row", 3, 2, {K, K, K, W, W, W}, {TRect(0, 0, 3, 1)}},
        RunCase{"runs at both ends and inside", 5, 2,
                {K, W, K, K, W, W, K, W, W, K},
                {TRect(0, 0, 1, 1), TRect(2, 0, 4, 1), TRect(1, 1, 2, 1 + 1), TRect(4, 1, 5, 2)}},
        RunCase{"alpha breaks a run", 4, 1, {K, A, K, K}, {TRect(0, 0, 1, 1), TRect(2, 0, 4, 1)}}));

TEST(BitmapRegion, LeavesOutKeyPixelsButKeepsKeyColourWithAlpha) {
    // Rounded top corners: row 0 has the key at both ends, one of them with alpha.
    auto bitmap = MakeBitmap32(4, 3, {K, W, W, A, W, W, W, W, W, K, W, W});
    platform::HRGN region = RegionFromBitmap(*bitmap, 0xFF00FF);
    struct Probe {
        int x, y;
        bool inside;
    };
    for (const Probe& p : {Probe{0, 0, false}, Probe{1, 0, true}, Probe{3, 0, true}, Probe{1, 2, false},
                           Probe{0, 2, true}, Probe{3, 2, true}, Probe{4, 0, false}})
        EXPECT_EQ(platform::PtInRegion(region, p.x, p.y) != 0, p.inside) << p.x << "," << p.y;
    platform::RECT box;
    platform::GetRgnBox(region, &box);
    EXPECT_EQ(TRect(box), TRect(0, 0, 4, 3));
    platform::DeleteObject(region);
}

TEST(BitmapRegion, WithoutKeyPixelsIsTheWholeRectangle) {
    auto bitmap = SolidBitmap32(5, 4, W);
    platform::HRGN region = RegionFromBitmap(*bitmap, 0xFF00FF);
    platform::HRGN whole = platform::CreateRectRgn(0, 0, 5, 4);
    EXPECT_TRUE(platform::EqualRgn(region, whole));
    platform::DeleteObject(region);
    platform::DeleteObject(whole);
}

class CornerRuns : public ::testing::Test {
protected:
    // Two frames of 6 x 6 side by side, borders 2 all round; the key marks
    // the outer corner pixels of frame 0 and, to catch a wrong frame, of frame 1 too.
    CornerRuns() {
        std::vector<std::uint32_t> px(12 * 6, W);
        auto put = [&](int x, int y) { px[static_cast<std::size_t>(y * 12 + x)] = K; };
        for (int frame : {0, 6}) {
            put(frame + 0, 0), put(frame + 1, 0), put(frame + 0, 1);  // top left
            put(frame + 5, 0), put(frame + 4, 0), put(frame + 5, 1);  // top right
            put(frame + 0, 5);                                        // bottom left
            put(frame + 4, 5);                                        // bottom right, not at the edge
        }
        mask.Image = std::shared_ptr<TBitmap>(MakeBitmap32(12, 6, px).release());
        mask.SourceRect = {0, 0, 12, 6};
        mask.FrameCount = 2;
        mask.BorderLeft = mask.BorderTop = mask.BorderRight = mask.BorderBottom = 2;
        mask.Owner = &manager;
    }
    TSkinManager manager{nullptr};
    TSkMaskData mask;
};

TEST_F(CornerRuns, TopCornersPlacedForTheControlWidth) {
    TAOR runs;
    AddCornerRegionRects(runs, 50, mask, false, 10);
    const TAOR expected{TRect(0, 10, 2, 11), TRect(0, 11, 1, 12), TRect(48, 10, 50, 11), TRect(49, 11, 50, 12)};
    EXPECT_EQ(runs, expected);
}

TEST_F(CornerRuns, BottomCornersReadTheLastBorderRows) {
    TAOR runs;
    AddCornerRegionRects(runs, 20, mask, true, 0);
    const TAOR expected{TRect(0, 1, 1, 2), TRect(18, 1, 19, 2)};
    EXPECT_EQ(runs, expected);
}

TEST_F(CornerRuns, NothingWithoutManagerOrWhenRowsLieOutsideThePicture) {
    TAOR runs;
    TSkMaskData noOwner = mask;
    noOwner.Owner = nullptr;
    AddCornerRegionRects(runs, 20, noOwner, false, 0);
    TSkMaskData tooLow = mask;
    tooLow.SourceRect = {0, 3, 12, 9};
    AddCornerRegionRects(runs, 20, tooLow, true, 0);
    EXPECT_TRUE(runs.empty());
}

}  // namespace
