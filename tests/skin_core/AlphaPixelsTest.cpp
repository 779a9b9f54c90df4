#include "PixelFixtures.h"

#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/DisabledLook.h"

#include <gtest/gtest.h>

namespace {

TEST(AlphaPixels, ByteOrders) {
    struct Case {
        std::uint32_t In, Exchanged, Reversed;
    };
    const Case cases[] = {
        {0x11223344, 0x11443322, 0x44332211},
        {0x00FF00FF, 0x00FF00FF, 0xFF00FF00},
        {0x000000FF, 0x00FF0000, 0xFF000000},
        {0xFF123456, 0xFF563412, 0x563412FF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExchangeRedBlue(c.In), c.Exchanged) << std::hex << c.In;
        EXPECT_EQ(ColorToPixel32(c.In), c.Exchanged) << std::hex << c.In;
        EXPECT_EQ(ReverseBytes32(c.In), c.Reversed) << std::hex << c.In;
    }
}

TEST(AlphaPixels, ReadAndWriteOutsideTheBitmapTouchNothing) {
    auto b = SolidBitmap32(2, 2, 0x01020304);
    WritePixel32(*b, 1, 1, 0xAABBCCDD);
    EXPECT_EQ(ReadPixel32(*b, 1, 1), 0xAABBCCDDu);
    for (auto [x, y] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}}) {
        WritePixel32(*b, x, y, 0xDEADBEEF);
        EXPECT_EQ(ReadPixel32(*b, x, y), 0u);
    }
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x01020304, 0x01020304, 0x01020304, 0xAABBCCDD}));
}

TEST(AlphaRects, PremultiplyShiftsByEight) {
    auto b = MakeBitmap32(4, 1, {0xFFFFFFFF, 0x80FF0000, 0x00FFFFFF, 0x40804020});
    PremultiplyBitmap(*b);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0xFFFEFEFE, 0x807F0000, 0x00000000, 0x40201008}));
}

TEST(AlphaRects, PremultiplyKeepsInsideABitmapForARectBeyondIt) {
    auto b = SolidBitmap32(2, 2, 0x80FFFFFF);
    PremultiplyRect(*b, TRect(1, 1, 50, 50));
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x807F7F7F}));
}

TEST(AlphaRects, FillWithAlphaClipsAndPutsRedInTheRedByte) {
    auto b = SolidBitmap32(3, 2, 0);
    FillRectWithAlpha(*b, TRect(-5, 1, 2, 9), 0x0000FF, 0x80);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0, 0, 0, 0x80FF0000, 0x80FF0000, 0}));
}

TEST(AlphaRects, TowardColorEnds) {
    auto b = MakeBitmap32(2, 1, {0x10203040, 0xFF0A0B0C});
    BlendRectTowardColor(*b, TRect(0, 0, 2, 1), 0x112233, 0x77, 100);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x77332211, 0x77332211}));
    auto c = MakeBitmap32(1, 1, {0x10203040});
    BlendRectTowardColor(*c, TRect(0, 0, 1, 1), 0x112233, 0x99, 0);
    EXPECT_EQ(ReadPixel32(*c, 0, 0), 0x99203040u);
}

TEST(AlphaRects, ColorRectRoundsHalvesToEvenAndIsInclusive) {
    auto b = MakeBitmap32(2, 2, {0x7F030103, 0x7F030103, 0x7F030103, 0x7F010301});
    BlendColorRect(*b, TRect(0, 0, 2, 2), 50, 0x000000);
    // 1.5 rounds to 2, 0.5 rounds to 0; every pixel changes as Right and Bottom clip to the last ones.
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x7F020002, 0x7F020002, 0x7F020002, 0x7F000200}));
}

TEST(AlphaRects, SetAlphaSkipsOnlyExactKeyPixels) {
    auto b = MakeBitmap32(3, 1, {0x00FF00FF, 0x10FF00FF, 0x00123456});
    SetAlphaChannel(*b, TRect(0, 0, 3, 1), 0xC0, true);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x00FF00FF, 0xC0FF00FF, 0xC0123456}));
    SetAlphaChannel(*b, TRect(0, 0, 3, 1), 0x20, false);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x20FF00FF, 0x20FF00FF, 0x20123456}));
}

TEST(AlphaRects, FillDWordsStoresCountCells) {
    std::uint32_t cells[4] = {1, 2, 3, 4};
    FillDWords(cells, 0, 9);
    FillDWords(cells, -3, 9);
    EXPECT_EQ(cells[0], 1u);
    FillDWords(cells + 1, 2, 9);
    EXPECT_EQ(std::vector<std::uint32_t>(cells, cells + 4), (std::vector<std::uint32_t>{1, 9, 9, 4}));
}

TEST(DisabledLook, KindsOnATinyImage) {
    struct Case {
        TSkDisabledKind Kind;
        TSkParentCache Cache;
        std::uint32_t ControlColor;
        std::uint32_t Expected;
    };
    const std::uint32_t image = 0xFF603010;  // red 0x60, green 0x30, blue 0x10
    TSkParentCache colorCache;
    colorCache.Color = 0x000000;
    const Case cases[] = {
        {0, DefaultParentCache, 0xFFFFFF, image},
        {dkGrayed, DefaultParentCache, 0xFFFFFF, 0xFF353535},
        // Not ready and no colour: the control's colour, half and half.
        {dkBlended, DefaultParentCache, 0x0000FF, 0xFFB01808},
        {dkBlended, colorCache, 0xFFFFFF, 0xFF301808},
        {dkBlended | dkGrayed, colorCache, 0xFFFFFF, 0xFF1A1A1A},  // grey 53, then 26.5 rounds to 26
    };
    for (const Case& c : cases) {
        auto b = SolidBitmap32(1, 1, image);
        ApplyDisabledKind(*b, c.Kind, c.ControlColor, TPoint{0, 0}, c.Cache);
        EXPECT_EQ(ReadPixel32(*b, 0, 0), c.Expected) << int(c.Kind);
    }
}

TEST(DisabledLook, BlendedOverAReadyCacheKeepsFortyPercentOfTheImage) {
    auto parent = MakeBitmap32(3, 1, {0xFF000000, 0xFF646464, 0x00FF00FF});
    TSkParentCache cache;
    cache.Bitmap = parent.get();
    cache.OffsetX = 1;
    cache.Ready = true;
    auto b = MakeBitmap32(2, 1, {0xFFC8C8C8, 0xFFC8C8C8});
    ApplyDisabledKind(*b, dkBlended, 0, TPoint{0, 0}, cache);
    // 100 + 0.4 (200 - 100) = 140; over a key pixel the image stays.
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0xFF8C8C8C, 0xFFC8C8C8}));
}

}  // namespace

#include "skin/core/data/SkinLookups.h"

namespace {

TEST(CornerMask, CopiesWhereTheCornerOfTheMaskIsTransparent) {
    TSkinContent skin;
    // Frames of 3 x 2; only column 2 of the first row is the key colour.
    skin.MasterBitmap = std::shared_ptr<TBitmap>(
        MakeBitmap32(6, 2, {1, 1, 0x00FF00FF, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    TSkMaskData mask;
    mask.SourceRect = {0, 0, 6, 2};
    mask.FrameCount = 2;
    mask.BorderRight = 1;
    skin.Masks.push_back(mask);
    auto source = MakeBitmap32(2, 2, {0xA0, 0xA1, 0xA2, 0xA3});
    struct Case {
        int Corner;
        std::vector<std::uint32_t> Expected;
    };
    const Case cases[] = {
        {kCornerTopRight, {0xA0, 7, 7, 7}},  // origin R.Left + frame width - wr = 2
        {kCornerTopLeft, {7, 7, 7, 7}},
    };
    for (const Case& c : cases) {
        auto dest = SolidBitmap32(2, 2, 7);
        CopyThroughCornerMask(*dest, *source, TRect(0, 0, 2, 2), c.Corner, skin, 0, TPoint{0, 0});
        EXPECT_EQ(PixelsOf(*dest), c.Expected) << c.Corner;
    }
    // Without a mask the destination's own key pixels are replaced.
    auto dest = MakeBitmap32(2, 2, {7, 0xFFFF00FF, 7, 7});
    CopyThroughCornerMask(*dest, *source, TRect(0, 0, 2, 2), 0, skin, -1, TPoint{0, 0});
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{7, 0xA1, 7, 7}));
    // A source point near the source's end visits only what is left.
    auto edge = SolidBitmap32(2, 2, 7);
    CopyThroughCornerMask(*edge, *source, TRect(0, 0, 2, 2), kCornerTopRight, skin, 0, TPoint{1, 1});
    EXPECT_EQ(PixelsOf(*edge), (std::vector<std::uint32_t>{0xA3, 7, 7, 7}));
}

}  // namespace
