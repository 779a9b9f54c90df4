#include "skin/core/png/ColorManager.h"
#include "skin/core/png/SkinPngErrors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EColorConversionError& e) {
        return e.Message();
    }
    return "";
}

void Configure(TColorManager& m, TColorScheme source, TColorScheme target, int sourceBits, int targetBits, int samples) {
    m.SetSourceColorScheme(source);
    m.SetTargetColorScheme(target);
    m.SetSourceSamplesPerPixel(samples);
    m.SetTargetSamplesPerPixel(samples);
    m.SetSourceBitsPerSample(sourceBits);
    m.SetTargetBitsPerSample(targetBits);
}

TEST(ColorManager, TwoBitGreyToFourBits) {
    TColorManager m;
    Configure(m, csGrey, csGrey, 2, 4, 1);
    const std::uint8_t source[] = {0x1B};  // samples 0, 1, 2, 3
    std::uint8_t target[2] = {};
    m.ConvertRow({source}, target, 4, 0xFF);
    EXPECT_EQ(target[0], 0x05);
    EXPECT_EQ(target[1], 0xAF);
}

TEST(ColorManager, MaskPicksPositionsAndKeepsTheOthers) {
    TColorManager m;
    Configure(m, csGrey, csGrey, 8, 8, 1);
    const std::uint8_t source[] = {1, 2, 3, 4};
    std::uint8_t target[16];
    std::fill(std::begin(target), std::end(target), 0xEE);
    m.ConvertRow({source}, target, 16, 0x88);
    const std::uint8_t expected[16] = {1, 0xEE, 0xEE, 0xEE, 2, 0xEE, 0xEE, 0xEE, 3, 0xEE, 0xEE, 0xEE, 4, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(std::vector<std::uint8_t>(target, target + 16), std::vector<std::uint8_t>(expected, expected + 16));

    // Packed targets keep the other bits of a byte they write into.
    Configure(m, csIndexed, csIndexed, 1, 1, 1);
    const std::uint8_t bits[] = {0xC0};
    std::uint8_t packed[1] = {0x00};
    m.ConvertRow({bits}, packed, 8, 0x55);  // positions 1, 3, 5, 7 take 1, 1, 0, 0
    EXPECT_EQ(packed[0], 0x50);
}

TEST(ColorManager, SwappedSixteenBitSamplesScaleDown) {
    TColorManager m;
    Configure(m, csGrey, csGrey, 16, 8, 1);
    m.SetSourceOptions(coNeedByteSwap);
    const std::uint8_t source[] = {0x01, 0x01, 0xFF, 0xFF, 0x01, 0x00};  // big-endian 257, 65535, 256
    std::uint8_t target[3] = {};
    m.ConvertRow({source}, target, 3, 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(target, target + 3), (std::vector<std::uint8_t>{1, 255, 0}));
}

TEST(ColorManager, RgbaToBgraWithAndWithoutGamma) {
    TColorManager m;
    Configure(m, csRGBA, csBGRA, 8, 8, 4);
    const std::uint8_t source[] = {10, 128, 30, 40};
    std::uint8_t target[4] = {};
    m.ConvertRow({source}, target, 1, 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(target, target + 4), (std::vector<std::uint8_t>{30, 128, 10, 40}));
    m.SetGammaValues(1.0f, 2.2f);
    m.SetTargetOptions(coApplyGamma);
    m.ConvertRow({source}, target, 1, 0xFF);
    EXPECT_EQ(target[1], 186);  // colour through the table
    EXPECT_EQ(target[3], 40);   // alpha never
}

TEST(ColorManager, GammaTable) {
    TColorManager m;
    m.SetGammaValues(1.0f, 2.2f);
    EXPECT_EQ(m.GammaTable()[128], 186);
    EXPECT_EQ(m.GammaTable()[0], 0);
    EXPECT_EQ(m.GammaTable()[255], 255);
    m.SetGammaValues(-1.0f, 0.0f);  // both fall back: 1.0 and 2.2
    EXPECT_EQ(m.GammaTable()[128], 186);
    m.SetGammaValues(0.45455f, 2.2f);
    for (int i : {0, 64, 128, 200, 255}) EXPECT_NEAR(m.GammaTable()[std::size_t(i)], i, 1) << i;
}

TEST(ColorManager, PalettesRespreadForADeeperTarget) {
    TColorManager m;
    Configure(m, csIndexed, csIndexed, 2, 4, 1);
    const std::uint8_t rgb[] = {0, 0, 0, 10, 11, 12, 20, 21, 22, 30, 31, 32};
    TColorTable table = m.MakeColourPalette({rgb}, 0, 4, false);
    ASSERT_EQ(table.size(), 16u);
    for (int j = 0; j < 16; ++j) EXPECT_EQ(table[std::size_t(j)].rgbRed, (j * 3 / 15) * 10) << j;
    EXPECT_EQ(table[5].rgbGreen, 11);
    EXPECT_EQ(table[15].rgbBlue, 32);

    Configure(m, csIndexed, csIndexed, 8, 8, 1);
    TColorTable bgr = m.MakeColourPalette({rgb}, 0, 2, true);
    ASSERT_EQ(bgr.size(), 2u);
    EXPECT_EQ(bgr[1].rgbRed, 12);
    EXPECT_EQ(bgr[1].rgbBlue, 10);
}

TEST(ColorManager, GreyPalettes) {
    TColorManager m;
    Configure(m, csGrey, csGrey, 4, 4, 1);
    TColorTable ramp = m.MakeGreyPalette(false);
    ASSERT_EQ(ramp.size(), 16u);
    EXPECT_EQ(ramp[1].rgbRed, 17);
    TColorTable inverted = m.MakeGreyPalette(true);
    EXPECT_EQ(inverted[0].rgbGreen, 255);
    EXPECT_EQ(inverted[15].rgbBlue, 0);
}

TEST(ColorManager, SelectionFailures) {
    const std::string none = "Color conversion failed. Could not find a proper method.";
    const std::string mixed = "Conversion between indexed and non-indexed pixel formats is not supported.";
    struct Case {
        TColorScheme Source, Target;
        int SourceBits, TargetBits, Samples;
        std::string Error;
    };
    const Case cases[] = {
        {csGrey, csGrey, 16, 4, 1, none},
        {csRGB, csIndexed, 8, 8, 3, mixed},
        {csIndexed, csBGR, 8, 8, 1, mixed},
        {csCMY, csBGR, 8, 8, 3, none},
        {csNone, csBGR, 8, 8, 3, none},
        {csRGB, csCMYK, 8, 8, 3, none},
        {csGreyAlpha, csIndexed, 4, 8, 1, none},
        {csRGB, csBGR, 8, 8, 3, ""},
    };
    for (const Case& c : cases) {
        TColorManager m;
        Configure(m, c.Source, c.Target, c.SourceBits, c.TargetBits, c.Samples);
        std::uint8_t source[8] = {}, target[8] = {};
        EXPECT_EQ(ErrorOf([&] { m.ConvertRow({source}, target, 1, 0xFF); }), c.Error) << int(c.Source);
    }
}

TEST(ColorManager, SettersRefuseBadValuesAndKeepTheOld) {
    TColorManager m;
    const std::string depth = "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
    const std::string samples = "Sample count per pixel does not correspond to the given color scheme.";
    EXPECT_EQ(ErrorOf([&] { m.SetSourceBitsPerSample(0); }), depth);
    EXPECT_EQ(ErrorOf([&] { m.SetTargetBitsPerSample(17); }), depth);
    EXPECT_EQ(ErrorOf([&] { m.SetSourceBitsPerSample(3); }), "");
    EXPECT_EQ(m.SourceBitsPerSample(), 3);
    EXPECT_EQ(ErrorOf([&] { m.SetSourceSamplesPerPixel(5); }), samples);
    EXPECT_EQ(ErrorOf([&] { m.SetTargetSamplesPerPixel(0); }), samples);
    EXPECT_EQ(m.TargetBitsPerSample(), 8);
}

TEST(ColorManager, PixelFormatsOfBitsAndSamples) {
    struct Case {
        int Bits, Samples;
        TPixelFormat Format;
    };
    const Case cases[] = {{1, 1, TPixelFormat::pf1bit},  {2, 1, TPixelFormat::pf4bit},   {4, 1, TPixelFormat::pf4bit},
                          {8, 1, TPixelFormat::pf8bit},  {16, 1, TPixelFormat::pf8bit},  {5, 3, TPixelFormat::pf15bit},
                          {8, 3, TPixelFormat::pf24bit}, {8, 4, TPixelFormat::pf32bit},  {4, 4, TPixelFormat::pfCustom},
                          {8, 2, TPixelFormat::pfCustom}};
    for (const Case& c : cases) {
        TColorManager m;
        m.SetTargetBitsPerSample(c.Bits);
        m.SetTargetSamplesPerPixel(c.Samples);
        EXPECT_EQ(m.PixelFormatFor(true), c.Format) << c.Bits << "x" << c.Samples;
    }
}

TEST(ColorManager, OtherSourceSchemes) {
    TColorManager m;
    Configure(m, csYCbCr, csRGB, 8, 8, 3);
    const std::uint8_t grey[] = {100, 128, 128};
    std::uint8_t out[3] = {};
    m.ConvertRow({grey}, out, 1, 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 3), (std::vector<std::uint8_t>{100, 100, 100}));
    const std::uint8_t red[] = {76, 85, 255};  // Y, Cb, Cr of pure red, rounded
    m.ConvertRow({red}, out, 1, 0xFF);
    EXPECT_NEAR(out[0], 255, 2);
    EXPECT_NEAR(out[1], 0, 2);
    EXPECT_NEAR(out[2], 0, 2);

    Configure(m, csCMYK, csBGR, 8, 8, 4);
    const std::uint8_t cmyk[] = {0, 0, 0, 0, 255, 255, 255, 255};
    std::uint8_t bgr[6] = {};
    m.ConvertRow({cmyk}, bgr, 2, 0xFF);
    // c' = c k / 255 - c - k + 255: no ink gives white, full ink of every kind black-ish.
    EXPECT_EQ(std::vector<std::uint8_t>(bgr, bgr + 3), (std::vector<std::uint8_t>{255, 255, 255}));
    EXPECT_EQ(bgr[3], 0);
}

}  // namespace
