#include "PixelFixtures.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/colors/ColorOps.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorOps, HsvToColorEdges) {
    EXPECT_EQ(HsvToColor(360, 1, 1), 0x0000FFu);
    EXPECT_EQ(HsvToColor(0, 1, 1), 0x0000FFu);
    EXPECT_EQ(HsvToColor(200, 0, 0.5), 0x808080u);  // Round(127.5) = 128
    EXPECT_EQ(HsvToColor(270, 1, 1), 0xFF0080u);
}

TEST(ColorOps, ColorToHsvOfBlackAndGrey) {
    TSkHsv hsv{7, 0.3, 0.3};
    ColorToHsv(0, hsv);
    EXPECT_EQ(hsv.Hue, 0);
    EXPECT_EQ(hsv.Saturation, 0);
    EXPECT_EQ(hsv.Value, 0);
    ColorToHsv(0x333333, hsv);
    EXPECT_EQ(hsv.Hue, 0);
    EXPECT_EQ(hsv.Saturation, 0);
    EXPECT_DOUBLE_EQ(hsv.Value, 0x33 / 255.0);
}

TEST(ColorOps, HsvRoundTripsOfPureColours) {
    struct Case {
        std::uint32_t Color;
        int Hue;
    };
    const Case cases[] = {{0x0000FF, 0},   {0x00FFFF, 60},  {0x00FF00, 120}, {0xFFFF00, 180},
                          {0xFF0000, 240}, {0xFF00FF, 300}, {0xFFFFFF, 0},   {0x808080, 0}};
    for (const Case& c : cases) {
        TSkHsv hsv;
        ColorToHsv(c.Color, hsv);
        EXPECT_EQ(hsv.Hue, c.Hue) << std::hex << c.Color;
        EXPECT_EQ(HsvToColor(hsv.Hue, hsv.Saturation, hsv.Value), c.Color) << std::hex << c.Color;
    }
}

TEST(ColorOps, HueShiftsOfAColourValue) {
    struct Case {
        int Offset;
        std::uint32_t Color, Expected;
    };
    const Case cases[] = {
        {0, 0x12345678, 0x12345678},  // 0 returns the value itself, top byte and all
        {-360, 0x0000FF, 0x0000FF},
        {-90, 0x0000FF, 0xFF0080},
        {120, 0x0000FF, 0x00FF00},
        {120, 0x01808080, 0x01808080},  // grey stays; the top byte stays
        {480, 0x00FF00, 0xFF0000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftColorHue(c.Offset, c.Color), c.Expected) << c.Offset << " " << std::hex << c.Color;
}

TEST(ColorOps, SaturationAmounts) {
    EXPECT_EQ(SaturateColorValue(0, 0x7F102030), 0x7F102030u);
    EXPECT_EQ(SaturateColorValue(-100, 0x7F102030), 0x7F202020u);
    // avg 32: 16 - 16 = 0, 48 + 16 = 64.
    EXPECT_EQ(SaturateColorValue(100, 0x102030), 0x002040u);
    EXPECT_EQ(SaturateColorValue(400, 0x10F030), 0x00FF00u);  // limited to 0..255
    EXPECT_EQ(ChangeColorSaturation(0xAB102030, 0), 0xAB102030u);
}

TEST(ColorOps, MixingAndAveraging) {
    EXPECT_EQ(AverageColors(0xFFFFFF, 0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(AverageColors(0xFFFFFF, 0), 0x7E7E7Eu);
    EXPECT_EQ(AverageColors(0, 0xFFFFFF), 0x808080u);
    EXPECT_EQ(AverageColors(0xFF000000, 0), 0u);
    EXPECT_EQ(MixTwoColors(0x010000FF, 0x00FF00, 0.5), 0x01008080u);
    EXPECT_EQ(MixTwoColors(0x102030, 0xFFFFFF, 1), 0x102030u);
    EXPECT_EQ(ReverseRgb(0x112233), 0x332211u);
}

TEST(BitmapColors, HueShiftSkipsGreyAndTheExactKey) {
    auto b = MakeBitmap32(4, 1, {0x00FF00FF, 0x80404040, 0x01FF00FF, 0x40FF0000});
    ShiftBitmapHue(b.get(), 120);
    // Magenta with alpha 1 is not the key: hue 300 + 120 = 60, yellow.
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x00FF00FF, 0x80404040, 0x01FFFF00, 0x4000FF00}));
    ShiftBitmapHue(nullptr, 120);
}

TEST(BitmapColors, SaturationGreyAndTint) {
    auto b = MakeBitmap32(3, 1, {0x00FF00FF, 0x80102030, 0x40FFFFFF});
    ChangeBitmapSaturation(b.get(), -100);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0x00FF00FF, 0x80202020, 0x40FFFFFF}));

    auto g = MakeBitmap32(2, 1, {0x7F0A1423, 0x7F0A1423});
    GrayBitmapKeyed(g.get(), 0x7F0A1423);
    EXPECT_EQ(ReadPixel32(*g, 0, 0), 0x7F0A1423u);
    GrayBitmap(g.get());
    EXPECT_EQ(ReadPixel32(*g, 1, 0), 0x7F151515u);  // (10 + 20 + 35) div 3 = 21

    for (auto [ratio, expected] : {std::pair{1.0, 0x40102030u}, {0.0, 0x400000FFu}, {0.5, 0x40081098u}}) {
        auto t = MakeBitmap32(2, 1, {0x40102030, 0x00FF00FF});
        TintBitmap(t.get(), 0xFF0000, ratio);  // blue as a colour value
        EXPECT_EQ(PixelsOf(*t), (std::vector<std::uint32_t>{expected, 0x00FF00FF})) << ratio;
    }
}

}  // namespace
