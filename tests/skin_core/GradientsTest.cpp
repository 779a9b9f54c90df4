#include "PixelFixtures.h"

#include "skin/core/gradients/Gradients.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Rounding.h"

#include <gtest/gtest.h>

namespace {

TSkGradArray Parsed(std::string_view text) {
    TSkGradArray steps{TSkGradStep{9, 9, 9, 9, 0}};  // parsing starts from an empty array
    ParseGradientData(text, steps);
    return steps;
}

TEST(GradientParse, GroupsOfFiveNumbers) {
    struct Case {
        const char* Text;
        TSkGradArray Expected;
    };
    const Case cases[] = {
        {"N/A", {}},
        {"", {}},
        {"1;2;3;4", {}},
        {"1;;;2;3;4;5", {{1, 2, 3, 4, 0}}},
        {";1;2;3;4;5;6;7;", {{1, 2, 3, 4, 0}}},
        {"-5;20;110;1;0", {{0, 20, 100, 1, 0}}},
        {"1;2;-7;9;x", {{1, 2, 0, 9, 0}}},  // the fifth number is not read
        {"15397362;16777215;87;1;0;16777215;15791607;12;1;0;15791607;15791607;0;1;0",
         {{0xEAF1F2, 0xFFFFFF, 87, 1, 0}, {0xFFFFFF, 0xF0F5F7, 12, 1, 0}, {0xF0F5F7, 0xF0F5F7, 0, 1, 0}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Parsed(c.Text), c.Expected) << c.Text;
}

TEST(GradientParse, AFieldThatIsNoIntegerRaises) {
    EXPECT_THROW(Parsed("1;2;x;4;5"), EConvertError);
    EXPECT_THROW(Parsed("1;2;3;4;5;6;7;8;1.5;0"), EConvertError);
}

std::uint32_t Pixel(std::uint32_t color) { return 0xFF000000u | ExchangeRedBlue(color); }

TEST(GradientPaint, VerticalBandsEndOnTheLastRow) {
    auto b = SolidBitmap32(2, 100, 0);
    PaintGradient(*b, TRect(0, 0, 2, 100), Parsed("16777215;14609133;99;0;0;14609133;14609133;0;0;0"));
    EXPECT_EQ(ReadPixel32(*b, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ReadPixel32(*b, 1, 99), Pixel(0xDEEAED));
    // Row 50 lies 50/99 of the way: each channel 255 + 50 (end - 255) / 99, rounded.
    std::uint32_t expected = 0xFF000000u;
    for (int shift : kColorShifts) {
        double end = (0xFFEDEADEu >> shift) & 0xFF;
        expected |= std::uint32_t(Round(255 + 50 * (end - 255) / 99)) << shift;
    }
    EXPECT_EQ(ReadPixel32(*b, 0, 50), expected);
}

TEST(GradientPaint, AStepOfNoShareIsSkippedAndTheNextStartsThere) {
    auto b = SolidBitmap32(1, 10, 0);
    PaintGradient(*b, TRect(0, 0, 1, 10), Parsed("255;255;50;0;0;65280;65280;0;0;0;16711680;16711680;0;0;0"));
    std::vector<std::uint32_t> p = PixelsOf(*b);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(p[y], y < 5 ? 0xFFFF0000u : 0xFF0000FFu) << y;
}

TEST(GradientPaint, HorizontalBandsRoundTheirEndsAndCopyTheTopRow) {
    auto b = SolidBitmap32(210, 3, 0x12345678);
    PaintGradient(*b, TRect(3, 0, 203, 2), Parsed("16777215;16777215;87;1;0;0;0;13;1;0"));
    EXPECT_EQ(ReadPixel32(*b, 176, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ReadPixel32(*b, 177, 0), 0xFF000000u);  // Left + 174: the second band paints over it
    EXPECT_EQ(ReadPixel32(*b, 202, 1), 0xFF000000u);
    EXPECT_EQ(ReadPixel32(*b, 3, 1), 0xFFFFFFFFu);
    for (auto [x, y] : {std::pair{2, 0}, {203, 0}, {100, 2}}) EXPECT_EQ(ReadPixel32(*b, x, y), 0x12345678u);
}

TEST(GradientPaint, EmptyArraysRectanglesAndUnknownModesPaintNothing) {
    auto b = SolidBitmap32(4, 4, 0x11111111);
    PaintGradient(*b, TRect(0, 0, 4, 4), Parsed("N/A"));
    PaintGradient(*b, TRect(2, 2, 2, 4), Parsed("255;255;100;0;0"));
    PaintGradient(*b, TRect(3, 3, 1, 1), Parsed("255;255;100;0;0"));
    PaintGradient(*b, TRect(0, 0, 4, 4), Parsed("255;255;100;7;0"));
    EXPECT_EQ(PixelsOf(*b), std::vector<std::uint32_t>(16, 0x11111111));
}

TEST(GradientPaint, ARectangleBeyondTheBitmapPaintsOnlyInside) {
    for (const char* mode : {"0", "1"}) {
        auto b = SolidBitmap32(4, 4, 0);
        PaintGradient(*b, TRect(-2, -3, 10, 10), Parsed(std::string("255;255;100;") + mode + ";0"));
        EXPECT_EQ(PixelsOf(*b), std::vector<std::uint32_t>(16, 0xFFFF0000u)) << mode;
    }
}

TEST(GradientPaint, FourTrianglesTakeTheFirstColoursOfTheSteps) {
    auto b = SolidBitmap32(20, 20, 0);
    // Two steps: vertex 0 red; the centre and the other corners all green.
    PaintGradient(*b, TRect(0, 0, 20, 20), Parsed("255;0;0;2;0;65280;0;0;0;0"));
    EXPECT_EQ(ReadPixel32(*b, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(ReadPixel32(*b, 10, 17), 0xFF00FF00u);  // the bottom triangle has only green corners
    std::uint32_t between = ReadPixel32(*b, 5, 1);
    EXPECT_GT(ChannelOf(between, kRedShift), 0u);
    EXPECT_GT(ChannelOf(between, kGreenShift), 0u);
}

TEST(GradientPaint, TexturedWeightsZeroAndFull) {
    auto texture = MakeBitmap32(2, 1, {0xFF000000, 0xFF646464});
    for (std::string mode : {"0", "1"}) {
        auto plain = SolidBitmap32(4, 3, 0);
        PaintGradientTextured(*plain, TRect(0, 0, 4, 3), Parsed("16777215;16777215;100;" + mode + ";0"), 0x80, 0,
                              TRect(), *texture);
        EXPECT_EQ(PixelsOf(*plain), std::vector<std::uint32_t>(12, 0x80FFFFFFu)) << mode;

        auto full = SolidBitmap32(4, 3, 0);
        PaintGradientTextured(*full, TRect(0, 0, 4, 3), Parsed("16777215;16777215;100;" + mode + ";0"), 0x40, 255,
                              TRect(), *texture);
        // (255 * texture + 255) shr 8, the texture tiled from the origin.
        const std::uint32_t dark = 0x40000000u, light = 0x40646464u;
        std::vector<std::uint32_t> expected;
        for (int i = 0; i < 12; ++i) expected.push_back(i % 2 ? light : dark);
        EXPECT_EQ(PixelsOf(*full), expected) << mode;
    }
}

}  // namespace
