#include "PixelFixtures.h"

#include "skin/core/resample/SkinResample.h"

#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

TEST(SkinResample, SameSizeCopiesUnchanged) {
    auto source = MakeBitmap32(2, 2, {0xFF102030, 0x80405060, 0x00FF00FF, 0xFFFFFFFF});
    TBitmap destination;
    ResampleBitmap(*source, destination, 2, rfMitchell, 2);
    EXPECT_EQ(destination.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(PixelsOf(destination), PixelsOf(*source));
}

TEST(SkinResample, BoxUpRepeatsPixels) {
    auto source = MakeBitmap32(2, 2, {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000});
    TBitmap destination;
    ResampleBitmap(*source, destination, 4, rfBox, 4);
    EXPECT_EQ(PixelsOf(destination), (std::vector<std::uint32_t>{
                                         0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,  //
                                         0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,  //
                                         0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000,  //
                                         0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000}));
}

TEST(SkinResample, TriangleDownAveragesNeighbours) {
    // 4 x 2 of columns 0, 200, 0, 200 to 2 x 2: each pixel weighs its neighbours.
    auto source = MakeBitmap32(4, 2, {0xFF000000, 0xFFC8C8C8, 0xFF000000, 0xFFC8C8C8,  //
                                      0xFF000000, 0xFFC8C8C8, 0xFF000000, 0xFFC8C8C8});
    TBitmap destination;
    ResampleBitmap(*source, destination, 2, rfTriangle, 2);
    ASSERT_EQ(destination.Width(), 2);
    const std::uint32_t p = ReadPixel32(destination, 0, 0);
    // centre 0 of 4: weights 0.5 at 0 (mirrored -1 = 1 gets 0.25, 1 gets 0.25): 200 * 0.5 = 100
    EXPECT_EQ(ChannelOf(p, kRedShift), 100u);
    EXPECT_EQ(ChannelOf(ReadPixel32(destination, 1, 1), kGreenShift), 100u);
}

TEST(SkinResample, AlphaIsFilteredLikeColours) {
    auto source = MakeBitmap32(2, 2, {0x00000000, 0xFF000000, 0x00000000, 0xFF000000});
    TBitmap destination;
    ResampleBitmap(*source, destination, 3, rfTriangle, 2);
    EXPECT_EQ(ChannelOf(ReadPixel32(destination, 0, 0), kAlphaShift), 0u);
    const std::uint32_t middle = ChannelOf(ReadPixel32(destination, 1, 0), kAlphaShift);
    EXPECT_GT(middle, 0u);
    EXPECT_LT(middle, 255u);
}

TEST(SkinResample, TwentyFourBitSourceIsConvertedAndResultIs24Bit) {
    TBitmap source(3, 3, TPixelFormat::pf8bit);
    TBitmap destination;
    ResampleBitmap(source, destination, 5, rfHermite, 5);
    EXPECT_EQ(source.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(destination.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(destination.Width(), 5);
}

TEST(SkinResample, NewHeightZeroLeavesDestination) {
    auto source = SolidBitmap32(4, 4, 0xFF112233);
    auto destination = SolidBitmap32(3, 3, 0xFF000000);
    ResampleBitmap(*source, *destination, 8, rfMitchell, 0);
    EXPECT_EQ(destination->Width(), 3);
    EXPECT_EQ(ReadPixel32(*destination, 0, 0), 0xFF000000u);
}

TEST(SkinResample, TinySourceRaises) {
    auto source = SolidBitmap32(1, 5, 0xFF112233);
    TBitmap destination;
    EXPECT_THROW(ResampleBitmap(*source, destination, 4, rfMitchell, 4), Exception);
}

TEST(SkinResample, EnlargingKeepsAFlatAreaItsColour) {
    // The kernels but the sine product sum to one at scale 1.
    auto source = SolidBitmap32(6, 6, 0xFF808080);
    for (int f : {rfBox, rfTriangle, rfHermite, rfBell, rfBSpline, rfMitchell}) {
        TBitmap destination;
        ResampleBitmap(*source, destination, 9, static_cast<TSkResampleFilter>(f), 8);
        const int g = static_cast<int>(ChannelOf(ReadPixel32(destination, 4, 2), kGreenShift));
        EXPECT_NEAR(g, 128, 1) << "filter " << f;
    }
}
