#include "PixelFixtures.h"

#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/pixels/ImageBlend.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageBlend, OpaqueSourceFormulaAndAlpha) {
    struct Case {
        std::uint32_t Source, Destination, Expected;
        int Transparency;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0xFF000000, 0xFFFEFEFE, 0},   // 255 * 255 shr 8
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0},
        {0xFFFFFFFF, 0x10000000, 0xFFFEFEFE, 0},   // alpha becomes the larger one
        {0x80FFFFFF, 0x40000000, 0x807F7F7F, 0},   // w = 128
        {0xFFFFFFFF, 0x40000000, 0x407E7E7E, 50},  // w = 50 * 255 div 100 = 127; alpha stays
        {0xFFFFFFFF, 0x40102030, 0x40102030, 100},
    };
    for (const Case& c : cases) {
        auto source = SolidBitmap32(1, 1, c.Source);
        auto dest = SolidBitmap32(1, 1, c.Destination);
        BlendImage32(TRect(0, 0, 1, 1), TRect(0, 0, 1, 1), *dest, false, c.Transparency, kNoTint, false,
                     DefaultParentCache, *source);
        EXPECT_EQ(ReadPixel32(*dest, 0, 0), c.Expected) << std::hex << c.Source << " over " << c.Destination;
    }
}

TEST(ImageBlend, TintMakesAMonochromeOfTheTintColour) {
    auto source = MakeBitmap32(2, 1, {0xFFFFFFFF, 0xFF000000});
    auto dest = SolidBitmap32(2, 1, 0xFF000000);
    BlendImage32(TRect(0, 0, 2, 1), TRect(0, 0, 2, 1), *dest, false, 0, 0x0000FF, false, DefaultParentCache,
                 *source);
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0xFFFE0000, 0xFF000000}));
}

TEST(ImageBlend, KeyPixelsTakeTheParentOnlyWithAReadyCache) {
    auto parent = MakeBitmap32(3, 1, {0xFF112233, 0xFF445566, 0xFF778899});
    TSkParentCache cache;
    cache.Bitmap = parent.get();
    cache.OffsetX = 1;
    cache.Ready = true;
    auto source = MakeBitmap32(3, 1, {0x00FF00FF, 0x00FF00FF, 0xFF0000FF});
    auto dest = SolidBitmap32(3, 1, 0x20000000);
    BlendImage32(TRect(0, 0, 3, 1), TRect(0, 0, 3, 1), *dest, false, 0, kNoTint, true, cache, *source);
    // Cache point x + 1: the second key pixel reaches x = 2; the third pixel is blended.
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0x20445566, 0x20778899, 0xFF0000FE}));

    auto dest2 = SolidBitmap32(3, 1, 0x20000000);
    BlendImage32(TRect(0, 0, 3, 1), TRect(0, 0, 3, 1), *dest2, false, 0, kNoTint, false, cache, *source);
    EXPECT_EQ(PixelsOf(*dest2), (std::vector<std::uint32_t>{0x20000000, 0x20000000, 0xFF0000FE}));

    // A cache that is not ready blends the key pixel like any other (alpha 0: nothing shows).
    auto dest3 = SolidBitmap32(3, 1, 0x20101010);
    BlendImage32(TRect(0, 0, 3, 1), TRect(0, 0, 3, 1), *dest3, false, 0, kNoTint, true, DefaultParentCache, *source);
    EXPECT_EQ(ReadPixel32(*dest3, 0, 0), 0x20101010u);
}

TEST(ImageBlend, ClipsNegativeStartsOnBothSidesAndTheBitmapEdges) {
    auto source = MakeBitmap32(3, 1, {0xFF0000AA, 0xFF0000BB, 0xFF0000CC});
    auto dest = SolidBitmap32(2, 1, 0xFF000000);
    BlendImage32(TRect(-1, 0, 5, 1), TRect(0, 0, 3, 1), *dest, false, 0, kNoTint, false, DefaultParentCache,
                 *source);
    // The first source column is cut off with the destination's; the rest fits the two columns.
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0xFF0000BA, 0xFF0000CB}));
}

TEST(ImageBlend, ReflectionFadesBelowThePicture) {
    auto source = MakeBitmap32(1, 4, {0xFF000001, 0xFF000002, 0xFF0000F0, 0xFF0000FF});
    auto dest = SolidBitmap32(1, 7, 0xFF000000);
    BlendImage32(TRect(0, 0, 1, 4), TRect(0, 0, 1, 4), *dest, true, 0, kNoTint, false, DefaultParentCache, *source);
    std::vector<std::uint32_t> p = PixelsOf(*dest);
    // min(4 div 2, 7 - 4 - 1) = 2 mirrored rows: w = 255 * 85 div 255 = 85, then 128 * 85 div 255 = 42.
    EXPECT_EQ(p[4], 0xFF000000u | ((0xFFu * 85) >> 8));
    EXPECT_EQ(p[5], 0xFF000000u | ((0xF0u * 42) >> 8));
    EXPECT_EQ(p[6], 0xFF000000u);
}

TEST(ImageBlend, OverlayGrowsTheDestinationAlpha) {
    auto source = MakeBitmap32(2, 1, {0x80FFFFFF, 0x00FFFFFF});
    auto dest = SolidBitmap32(2, 1, 0x80000000);
    OverlayAlphaImage(TRect(0, 0, 2, 1), TRect(0, 0, 2, 1), *dest, false, DefaultParentCache, *source);
    // 128 + 128 * 127 div 255 = 191.
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0xBF7F7F7F, 0x80000000}));
}

TEST(BitmapBlends, WeightFormsAndTheirClipping) {
    auto source = SolidBitmap32(2, 2, 0x11FFFFFF);
    auto dest = SolidBitmap32(3, 3, 0x22000000);
    BlendBitmapAt(*dest, *source, 255, TPoint{1, 1}, TRect(0, 0, 2, 2));
    // Weight 255 keeps 255/256 of the destination: S * 1 shr 8 = 0; up to the last column and row.
    EXPECT_EQ(ReadPixel32(*dest, 2, 2), 0x22000000u);
    BlendBitmapAt(*dest, *source, 0, TPoint{1, 1}, TRect(0, 0, 2, 2));
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0x22000000, 0x22000000, 0x22000000, 0x22000000,
                                                           0x22FFFFFF, 0x22FFFFFF, 0x22000000, 0x22FFFFFF,
                                                           0x22FFFFFF}));
    auto small = SolidBitmap32(2, 2, 0xFF000000);
    BlendBitmapAt(*small, *source, 0, TPoint{-1, -1}, TRect(0, 0, 2, 2));
    EXPECT_EQ(PixelsOf(*small), (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF000000}));
    BlendBitmapAt(*small, *source, 0, TPoint{2, 0}, TRect(0, 0, 2, 2));  // outside: nothing
    EXPECT_EQ(ReadPixel32(*small, 1, 0), 0xFF000000u);
}

TEST(BitmapBlends, WholeAndTwoBitmapBlendsRefuseDifferentSizes) {
    auto a = SolidBitmap32(2, 1, 0xFF646464);
    auto b = SolidBitmap32(2, 1, 0xFFC8C8C8);
    auto other = SolidBitmap32(3, 1, 0xFF000000);
    BlendBitmapWhole(*other, *a, 0);
    EXPECT_EQ(ReadPixel32(*other, 0, 0), 0xFF000000u);
    auto result = SolidBitmap32(2, 1, 0x7F000000);
    BlendTwoBitmaps(*result, *a, *b, 64, nullptr);
    // (100 * 64 + 200 * 192) shr 8 = 175.
    EXPECT_EQ(ReadPixel32(*result, 0, 0), 0x7FAFAFAFu);
    BlendTwoBitmaps(*other, *a, *b, 64, nullptr);
    EXPECT_EQ(ReadPixel32(*other, 0, 0), 0xFF000000u);
    auto weights = MakeBitmap32(2, 1, {0x00FF0000, 0x00000000});
    BlendTwoBitmaps(*result, *a, *b, 64, weights.get());
    EXPECT_EQ(PixelsOf(*result), (std::vector<std::uint32_t>{0x7F64C8C8, 0x7FC8C8C8}));
}

TEST(BitmapBlends, RectBlendRatioIsTheDestinationShareAndSkipsTheKey) {
    auto source = MakeBitmap32(2, 1, {0xFFC8C8C8, 0x00FF00FF});
    auto dest = SolidBitmap32(2, 1, 0x10646464);
    BlendBitmapRect(*dest, 0, 0, 0x00FF00FF, 0.25, TRect(0, 0, 2, 1), *source);
    // 200 - 0.25 (200 - 100) = 175.
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0x10AFAFAF, 0x10646464}));
}

TEST(BitmapBlends, ThroughMaskLevels) {
    auto source = SolidBitmap32(3, 1, 0xFFFFFFFF);
    auto dest = SolidBitmap32(3, 1, 0x40000000);
    auto mask = MakeBitmap32(3, 1, {0x00000000, 0x00800000, 0x00FF0000});
    BlendThroughMask(*dest, *source, *mask, TRect(0, 0, 3, 1));
    // m = 0: w = 255; m = 128: w = 127 * 255 shr 8 = 126; m = 255: untouched.
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0x40FEFEFE, 0x407D7D7D, 0x40000000}));
    BlendThroughMask(*dest, *source, *mask, TRect(0, 0, 4, 1));  // larger than the destination
    EXPECT_EQ(ReadPixel32(*dest, 2, 0), 0x40000000u);
}

TEST(BitmapCopies, KeyedCopiesFrom24And32BitSources) {
    auto source32 = MakeBitmap32(2, 1, {0x00FF00FF, 0x00123456});
    TBitmap source24(2, 1, TPixelFormat::pf24bit);
    auto* row = static_cast<std::uint8_t*>(source24.ScanLine(0));
    const std::uint8_t bytes[] = {0xFF, 0x00, 0xFF, 0x56, 0x34, 0x12};
    std::copy(std::begin(bytes), std::end(bytes), row);
    for (TBitmap* source : {source32.get(), &source24}) {
        auto dest = SolidBitmap32(3, 1, 0x01010101);
        PutBitmapKeyed(*dest, *source, 1, 0xFF00FF, 0);
        EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0x01010101, 0x01010101, 0xFF123456}));
    }
}

TEST(BitmapCopies, PutKeyedLeavesAPaletteSourceAsItWas) {
    TBitmap source(2, 1, TPixelFormat::pf8bit);
    auto dest = SolidBitmap32(2, 1, 0);
    PutBitmapKeyed(*dest, source, 0, 0xFF00FF, 0);
    EXPECT_EQ(source.PixelFormat(), TPixelFormat::pf8bit);
}

TEST(BitmapCopies, RectKeyedIsInclusiveAndCopiesAlpha) {
    auto source = MakeBitmap32(3, 1, {0x10000001, 0x00FF00FF, 0x30000003});
    auto dest = SolidBitmap32(4, 1, 0);
    CopyRectKeyed(*dest, *source, 2, 0xFF00FF, TRect(0, 0, 2, 0), 0);
    EXPECT_EQ(PixelsOf(*dest), (std::vector<std::uint32_t>{0, 0, 0x10000001, 0}));
}

TEST(BitmapCopies, RotationsAndMaskPairs) {
    auto source = MakeBitmap32(3, 2, {1, 2, 3, 4, 5, 6});
    auto cw = RotateBitmap90(*source, true);
    ASSERT_TRUE(cw);
    EXPECT_EQ(PixelsOf(*cw), (std::vector<std::uint32_t>{4, 1, 5, 2, 6, 3}));
    auto ccw = RotateBitmap90(*source, false);
    EXPECT_EQ(PixelsOf(*ccw), (std::vector<std::uint32_t>{3, 6, 2, 5, 1, 4}));
    TBitmap palette(2, 2, TPixelFormat::pf8bit);
    EXPECT_FALSE(RotateBitmap90(palette, true));

    auto pair = MakeBitmap32(2, 2, {0xFF102030, 0xFF405060, 0xFF000000, 0xFF400000});
    auto made = BitmapFromMaskPair(*pair, TRect(0, 0, 2, 2));
    ASSERT_TRUE(made);
    EXPECT_EQ(PixelsOf(*made), (std::vector<std::uint32_t>{0xFF102030, 0xBF405060}));
    EXPECT_FALSE(BitmapFromMaskPair(*pair, TRect(0, 0, 2, 1)));
    EXPECT_FALSE(BitmapFromMaskPair(*pair, TRect(0, 0, 2, 4)));  // beyond the bitmap
}

TEST(BitmapCopies, ByteChannelBothWays) {
    auto wide = MakeBitmap32(2, 1, {0x11223344, 0x55667788});
    TBitmap narrow(2, 1, TPixelFormat::pf8bit);
    CopyByteChannel(*wide, narrow, 3, true);
    auto* bytes = static_cast<std::uint8_t*>(narrow.ScanLine(0));
    EXPECT_EQ(bytes[0], 0x11);
    EXPECT_EQ(bytes[1], 0x55);
    bytes[0] = 0xAB;
    CopyByteChannel(*wide, narrow, 0, false);
    EXPECT_EQ(PixelsOf(*wide), (std::vector<std::uint32_t>{0x112233AB, 0x55667755}));
}

}  // namespace

#include "skin/core/pixels/SoftEdge.h"

namespace {

TEST(SoftEdge, TheEdgeKeepsTheImageAndTheInsideMovesToTheColour) {
    auto b = SolidBitmap32(24, 20, 0xFFFFFFFF);
    BlendRectSoftEdge(*b, TRect(2, 0, 22, 20), 0, 0, 2, 0x000000);
    EXPECT_EQ(ReadPixel32(*b, 0, 10), 0xFFFFFFFFu);  // outside the rectangle
    EXPECT_EQ(ReadPixel32(*b, 2, 10) & 0xFFFFFF, 0xFEFEFEu);  // the outer edge: level 255
    // The inside: level Round(255 / 3) = 85, so 255 * 85 shr 8.
    EXPECT_EQ(ReadPixel32(*b, 12, 10) & 0xFFFFFF, 0x545454u);
    auto untouched = SolidBitmap32(4, 4, 0xFF123456);
    BlendRectSoftEdge(*untouched, TRect(10, 10, 20, 20), 0, 0, 2, 0);
    EXPECT_EQ(PixelsOf(*untouched), std::vector<std::uint32_t>(16, 0xFF123456));
}

}  // namespace
