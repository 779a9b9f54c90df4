#include "SkinPaintFixtures.h"

#include "skin/core/masks/BorderMask.h"
#include "skin/core/masks/MaskPieces.h"
#include "skin/core/parentbg/ParentCache.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

// Upper case and digits: opaque picture pixels; '.' background; 'K' key; 'p' parent.
const TLegend kLegend{{'K', kKey},        {'.', 0xFF000000}, {'A', 0xFF0000A0}, {'a', 0xFF0000A1},
                      {'B', 0xFF0000B0},  {'b', 0xFF0000B1}, {'C', 0xFF0000C0}, {'c', 0xFF0000C1},
                      {'D', 0xFF0000D0},  {'d', 0xFF0000D1}, {'E', 0xFF0000E0}, {'e', 0xFF0000E1},
                      {'1', 0xFF000010},  {'2', 0xFF000020}, {'p', 0xFF707070}, {'q', 0x80707070}};

class BorderMask : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    // Two 4 x 4 frames: keyed corners, sides of two pixels each.
    TSkMaskData KeyedMask(int flags, int cornerMode = 0) {
        return MaskOver(Shared(FromRows({"KAaK1111", "BCcD1111", "bcCd1111", "KEeK1111"}, kLegend)), owner, 2, 0, 1,
                        flags, cornerMode);
    }
    std::vector<std::string> Draw(const TSkMaskData& mask, int w, int h, int state,
                                  const TSkParentCache& cache = DefaultParentCache, bool fill = true) {
        auto bitmap = SolidBitmap32(w, h, 0xFF000000);
        DrawBorderMask(*bitmap, TRect(0, 0, w, h), state, mask, cache, fill);
        return ToRows(*bitmap, kLegend);
    }
    TSkinManager owner{nullptr};
};

}  // namespace

TEST(BorderWidths, ShrinkToMeetInTheMiddle) {
    struct Case {
        TSkBorderWidths in;
        int w, h;
        TSkBorderWidths out;
    };
    for (const Case& c : {Case{{5, 5, 6, 6}, 8, 8, {4, 4, 4, 4}}, Case{{5, 5, 5, 5}, 8, 8, {4, 4, 4, 4}},
                          Case{{5, 3, 5, 3}, 20, 5, {5, 3, 5, 2}}, Case{{2, 2, 2, 2}, 0, 1, {0, 1, 0, 0}},
                          Case{{3, 3, 3, 3}, 30, 30, {3, 3, 3, 3}}}) {
        TSkBorderWidths w = WorkingBorders(c.in, c.w, c.h);
        EXPECT_EQ(std::vector({w.Left, w.Top, w.Right, w.Bottom}),
                  std::vector({c.out.Left, c.out.Top, c.out.Right, c.out.Bottom}))
            << c.w << "x" << c.h;
    }
}

TEST_F(BorderMask, KeyedRepeatsSidesAndLeavesCentre) {
    EXPECT_EQ(Draw(KeyedMask(0), 7, 5, 0), (std::vector<std::string>{"KAaAaAK", "B.....D", "b.....d", "B.....D", "KEeEeEK"}));
}

TEST_F(BorderMask, CentreFlagPaintsCentreRepeatedInTwoDimensions) {
    EXPECT_EQ(Draw(KeyedMask(kMaskPaintCentre), 7, 5, 0),
              (std::vector<std::string>{"KAaAaAK", "BCcCcCD", "bcCcCcd", "BCcCcCD", "KEeEeEK"}));
}

TEST_F(BorderMask, StretchFlagStretchesSides) {
    EXPECT_EQ(Draw(KeyedMask(kMaskStretch | kMaskPaintCentre), 6, 6, 0),
              (std::vector<std::string>{"KAAaaK", "BCCccD", "BCCccD", "bccCCd", "bccCCd", "KEEeeK"}));
}

TEST_F(BorderMask, StatesPickFramesAndTheLastFrameBeyond) {
    const std::vector<std::string> second{"1111", "1..1", "1111"};
    EXPECT_EQ(Draw(KeyedMask(0), 4, 3, 1), second);
    EXPECT_EQ(Draw(KeyedMask(0), 4, 3, 7), second);
}

TEST_F(BorderMask, NoNormalStateFlagDrawsNothingInStateZero) {
    EXPECT_EQ(Draw(KeyedMask(kMaskNoNormalState), 4, 3, 0), (std::vector<std::string>{"....", "....", "...."}));
    EXPECT_EQ(Draw(KeyedMask(kMaskNoNormalState), 4, 3, 1), (std::vector<std::string>{"1111", "1..1", "1111"}));
}

TEST_F(BorderMask, TooSmallOrUnownedDrawsNothing) {
    EXPECT_EQ(Draw(KeyedMask(0), 1, 3, 0), (std::vector<std::string>{".", ".", "."}));
    TSkMaskData unowned = KeyedMask(0);
    unowned.Owner = nullptr;
    EXPECT_EQ(Draw(unowned, 4, 3, 0), (std::vector<std::string>{"....", "....", "...."}));
}

TEST_F(BorderMask, CornerKeysShowTheParentOnlyWithCornerModeAndFill) {
    auto parent = SolidBitmap32(20, 20, 0xFF707070);
    const TSkParentCache cache = MakeParentCache(parent.get(), 3, 3);
    const std::vector<std::string> filled{"pAap", "B..D", "pEep"};
    EXPECT_EQ(Draw(KeyedMask(0, 1), 4, 3, 0, cache, true), filled);
    // Without the fill flag, or CornerMode 0, key pixels leave what was there.
    const std::vector<std::string> left{".Aa.", "B..D", ".Ee."};
    EXPECT_EQ(Draw(KeyedMask(0, 1), 4, 3, 0, cache, false), left);
    EXPECT_EQ(Draw(KeyedMask(0, 0), 4, 3, 0, cache, true), left);
}

TEST_F(BorderMask, KeyInASideIsCopiedWhileInACornerItIsTransparent) {
    TSkMaskData mask = MaskOver(Shared(FromRows({"KKK", "BCD", "KEK"}, kLegend)), owner, 1, 0, 1, 0, 1);
    auto parent = SolidBitmap32(10, 10, 0xFF707070);
    EXPECT_EQ(Draw(mask, 3, 3, 0, MakeParentCache(parent.get(), 0, 0), true),
              (std::vector<std::string>{"pKp", "B.D", "pEp"}));
}

TEST_F(BorderMask, ParentPointsOutsideTheCacheLeaveTheirPixels) {
    auto parent = SolidBitmap32(2, 2, 0xFF707070);
    EXPECT_EQ(Draw(KeyedMask(0, 1), 4, 3, 0, MakeParentCache(parent.get(), 0, 0), true),
              (std::vector<std::string>{"pAa.", "B..D", ".Ee."}));
}

TEST_F(BorderMask, ImageOverMaskBlendsThroughTheMask) {
    // Picture above, mask below: 0 gives the picture, 255 keeps the destination, 0x80 mixes.
    auto picture = MakeBitmap32(3, 6,
                                {kKey, 0xFF0000A0, kKey,        //
                                 0xFF0000B0, 0xFF0000C0, 0xFF0000D0,  //
                                 kKey, 0xFF0000E0, kKey,        //
                                 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF,  //
                                 0xFF000000, 0xFF000000, 0xFF808080,  //
                                 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
    TSkMaskData mask = MaskOver(Shared(std::move(picture)), owner, 1, 1, 1, kMaskPaintCentre, 1);
    auto bitmap = SolidBitmap32(3, 3, 0xFF000040);
    auto parent = SolidBitmap32(3, 3, 0x11707070);
    DrawBorderMask(*bitmap, TRect(0, 0, 3, 3), 0, mask, MakeParentCache(parent.get(), 0, 0), true);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{
                                     0xFF707070, 0xFF0000A0, 0xFF707070,  // corners: parent colours, alpha 255
                                     0xFF0000B0, 0xFF0000C0, 0xFF000088,  // (0xD0 * 128 + 0x40 * 128) >> 8
                                     0xFF707070, 0xFF000040, 0xFF707070}));  // (0xE0 + 0x40 * 255) >> 8
}

TEST_F(BorderMask, ImageOverMaskWithoutReadyCacheWritesTheCacheColourInCorners) {
    auto picture = MakeBitmap32(2, 4, {kKey, 0xFF0000A0, 0xFF0000B0, kKey,  //
                                       0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000});
    TSkMaskData mask = MaskOver(Shared(std::move(picture)), owner, 1, 1, 1, 0, 1);
    auto bitmap = SolidBitmap32(2, 2, 0xFF000040);
    TSkParentCache cache = DefaultParentCache;
    cache.Color = 0x00123456;
    DrawBorderMask(*bitmap, TRect(0, 0, 2, 2), 0, mask, cache, true);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{0x00563412, 0xFF0000A0, 0xFF0000B0, 0x00563412}));
}

TEST_F(BorderMask, LargeControlOverADamagedSourceRectReadsNothingOutside) {
    TSkMaskData mask = KeyedMask(kMaskPaintCentre);
    mask.FrameCount = 1;
    mask.SourceRect = {0, 0, 40, 40};  // far beyond the 8 x 4 picture
    mask.BorderLeft = mask.BorderRight = mask.BorderTop = mask.BorderBottom = 15;
    auto bitmap = SolidBitmap32(200, 100, 0xFF000000);
    DrawBorderMask(*bitmap, TRect(0, 0, 200, 100), 0, mask, DefaultParentCache, true);
    DrawBorderMask(*bitmap, TRect(0, 0, 200, 100), 0, mask, DefaultParentCache, true);
    mask.DrawFlags = kMaskStretch | kMaskPaintCentre;
    DrawBorderMask(*bitmap, TRect(0, 0, 200, 100), 0, mask, DefaultParentCache, true);
    // The picture's pixels were copied where they exist; the rest is the background.
    EXPECT_EQ(ReadPixel32(*bitmap, 1, 0), 0xFF0000A0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 100, 50), 0xFF000000u);
}

TEST_F(BorderMask, OneByOneMaskedCentreFillsByItsSingleMaskValue) {
    struct Case {
        std::uint32_t mask, expected;
    };
    for (const Case& c : {Case{0xFF000000, 0xFF0000C0}, Case{0xFFFFFFFF, 0x7F000040}, Case{0xFF808080, 0x7F000080}}) {
        auto picture = MakeBitmap32(1, 2, {0xFF0000C0, c.mask});
        auto bitmap = SolidBitmap32(4, 4, 0x7F000040);
        StretchMaskedPiece(TRect(1, 1, 3, 3), true, 1, *picture, *bitmap, TRect(0, 0, 1, 1));
        EXPECT_EQ(ReadPixel32(*bitmap, 2, 2), c.expected) << std::hex << c.mask;
        EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0x7F000040u);
    }
}

TEST_F(BorderMask, StretchedMaskedSidesAreResampledToSize) {
    // A 4 x 2 side piece over a uniform mask of 0 shrinks to 2 x 2 keeping its flat colour.
    auto picture = SolidBitmap32(4, 4, 0xFF336699);
    for (int y = 2; y < 4; ++y)
        for (int x = 0; x < 4; ++x) WritePixel32(*picture, x, y, 0xFF000000);
    auto bitmap = SolidBitmap32(4, 4, 0xFF000000);
    StretchMaskedPiece(TRect(0, 0, 2, 2), false, 2, *picture, *bitmap, TRect(0, 0, 4, 2));
    const std::uint32_t p = ReadPixel32(*bitmap, 1, 1);
    EXPECT_NEAR(int(ChannelOf(p, kRedShift)), 0x33, 2);
    EXPECT_NEAR(int(ChannelOf(p, kBlueShift)), 0x99, 2);
    EXPECT_EQ(ReadPixel32(*bitmap, 3, 3), 0xFF000000u);
}

TEST_F(BorderMask, RegionVariantCutsCornerKeysOutOfTheRegion) {
    auto bitmap = SolidBitmap32(6, 4, 0xFF000000);
    platform::HRGN region = platform::CreateRectRgn(0, 0, 6, 4);
    DrawBorderMaskWithRegion(*bitmap, region, true, 0, KeyedMask(kMaskPaintCentre));
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{".AaAa.", "BCcCcD", "bcCcCd", ".EeEe."}));
    for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 3}, {5, 3}}) EXPECT_FALSE(platform::PtInRegion(region, x, y));
    EXPECT_TRUE(platform::PtInRegion(region, 1, 0));
    EXPECT_TRUE(platform::PtInRegion(region, 2, 2));
    platform::DeleteObject(region);
    // Without a region it still paints; a 1-pixel bitmap is left alone.
    auto thin = SolidBitmap32(1, 4, 0xFF000000);
    DrawBorderMaskWithRegion(*thin, nullptr, true, 0, KeyedMask(0));
    EXPECT_EQ(ToRows(*thin, kLegend), (std::vector<std::string>{".", ".", ".", "."}));
}

TEST(BorderFrame, FillsFourStripsInTheColour) {
    auto bitmap = SolidBitmap32(5, 4, 0xFF000000);
    FillBorderFrame32(*bitmap, TRect(0, 0, 5, 4), {1, 1, 2, 1}, 0x0000A0);
    const TLegend legend{{'.', 0xFF000000}, {'#', 0xFFA00000}};
    EXPECT_EQ(ToRows(*bitmap, legend), (std::vector<std::string>{"#####", "#..##", "#..##", "#####"}));
}

TEST(ImageByBorders, LimitsMakeLShapedCornersAndModesRepeatOrStretch) {
    const TLegend legend{{'.', 0xFF000000}, {'A', 0xFF0000A0}, {'B', 0xFF0000B0}, {'C', 0xFF0000C0},
                         {'x', 0xFF0000D0}, {'y', 0xFF0000E0}};
    auto source = FromRows({"AAxyAA", "AAxyAA", "BBCCBB", "AAxyAA", "AAxyAA"}, legend);
    auto full = SolidBitmap32(8, 5, 0xFF000000);
    DrawImageByBorders(*full, *source, TRect(0, 0, 8, 5), true, dmRepeat, {dmRepeat, dmRepeat, dmRepeat, dmRepeat},
                       {255, 255, 255, 255}, {2, 2, 2, 2}, TRect(0, 0, 6, 5));
    EXPECT_EQ(ToRows(*full, legend), (std::vector<std::string>{"AAxyxyAA", "AAxyxyAA", "BBCCCCBB", "AAxyxyAA", "AAxyxyAA"}));
    auto limited = SolidBitmap32(8, 5, 0xFF000000);
    DrawImageByBorders(*limited, *source, TRect(0, 0, 8, 5), false, dmRepeat,
                       {dmRepeat, dmStretch, dmRepeat, dmStretch}, {1, 1, 1, 1}, {2, 2, 2, 2}, TRect(0, 0, 6, 5));
    EXPECT_EQ(ToRows(*limited, legend), (std::vector<std::string>{"AAxxyyAA", "A......A", "B......B", "A......A", "AAxxyyAA"}));
}
