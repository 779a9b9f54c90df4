#include "TextFixtures.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/text/SectionText.h"
#include "skin/core/text/TextGlow.h"
#include "skin/core/text/TextRoutines.h"

#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"
#include "platform/text/DrawText.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

constexpr unsigned kFormat = platform::DT_SINGLELINE | platform::DT_NOPREFIX;

class TextRoutines : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        bitmap = SolidBitmap32(120, 30, 0);
        UseFixedFont(*bitmap->Canvas(), 12);
        letter = bitmap->Canvas()->TextWidth("X");
    }
    std::unique_ptr<TBitmap> bitmap;
    int letter = 0;
};

TEST_F(TextRoutines, EllipsisKeepsWholeLetters) {
    struct Case {
        std::string text;
        int width;  // in letters, plus extra pixels
        int extra;
        std::string fitted;
    };
    const std::vector<Case> cases{
        {"ABCDE", 5, 0, "ABCDE"},  {"ABCDE", 4, 0, "A..."},   {"ABCDE", 4, -1, ""},
        {"ABCDE", 5, -1, "A..."}, {"ABCDE", 3, 0, ""},       {"ABCDE", 0, 0, ""},
        {"ПРИВЕТ", 5, 0, "ПР..."}, {"ПРИВЕТ", 6, 3, "ПРИВЕТ"}, {"ЖЖ", 0, -5, ""},
    };
    for (const Case& c : cases) {
        std::string fitted = "unchanged";
        FitTextWithEllipsis(*bitmap->Canvas(), c.text, c.width * letter + c.extra, fitted);
        EXPECT_EQ(fitted, c.fitted) << c.text << " in " << c.width << " letters " << c.extra;
    }
}

TEST_F(TextRoutines, MeasuringWithAFontMatchesTheCanvas) {
    platform::SIZE size{-1, -1};
    MeasureTextWithFont(bitmap->Canvas()->Font()->Handle(), "Настройки", size);
    EXPECT_EQ(size.cx, 9 * letter);
    EXPECT_EQ(size.cy, bitmap->Canvas()->TextHeight("Настройки"));
}

// Without a skin disabled text is embossed: highlight one pixel right and
// down, shadow in place; enabled text keeps the canvas colour.
TEST_F(TextRoutines, ControlTextWithoutASkin) {
    TSkCommonData data(nullptr, false);
    auto enabled = SolidBitmap32(60, 24, 0x00405060), disabled = SolidBitmap32(60, 24, 0x00405060);
    for (TBitmap* b : {enabled.get(), disabled.get()}) {
        UseFixedFont(*b->Canvas(), 14);
        b->Canvas()->Font()->SetColor(TColor(0x0000FF));
    }
    DrawControlText(*enabled->Canvas(), "Ж", true, false, data, kFormat, TRect(2, 2, 40, 22));
    DrawControlText(*disabled->Canvas(), "Ж", false, false, data, kFormat, TRect(2, 2, 40, 22));
    auto rgb = [](TBitmap& b) {
        std::set<std::uint32_t> out;
        for (std::uint32_t p : InkOf(b, 0x00405060)) out.insert(p & 0xFFFFFF);
        return out;
    };
    EXPECT_EQ(rgb(*enabled), std::set<std::uint32_t>{0xFF0000});
    const std::uint32_t light = ExchangeRedBlue(ColorToRGB(clBtnHighlight)) & 0xFFFFFF;
    const std::uint32_t dark = ExchangeRedBlue(ColorToRGB(clBtnShadow)) & 0xFFFFFF;
    ASSERT_EQ(rgb(*disabled), (std::set<std::uint32_t>{light, dark}));
    int lightColumn = -1, darkColumn = -1;
    for (int x = 59; x >= 0; --x)
        for (int y = 0; y < 24; ++y) {
            const std::uint32_t p = ReadPixel32(*disabled, x, y) & 0xFFFFFF;
            if (p == light && lightColumn < 0) lightColumn = x;
            if (p == dark && darkColumn < 0) darkColumn = x;
        }
    EXPECT_EQ(lightColumn, darkColumn + 1);
}

TEST(GlowKernels, NormalisedSymmetricAndWiderForLargerRadii) {
    std::size_t previous = 0;
    for (int radius : {1, 2, 4, 8}) {
        const std::vector<float> k = GlowKernel(radius);
        EXPECT_NEAR(std::accumulate(k.begin(), k.end(), 0.0), 1.0, 1e-5) << radius;
        for (std::size_t i = 0; i < k.size() / 2; ++i) EXPECT_FLOAT_EQ(k[i], k[k.size() - 1 - i]);
        EXPECT_GT(k.size(), previous);
        previous = k.size();
    }
    // exp(-4.5) leaves 2 * 0.0044 past three pixels: more than half a grey level.
    EXPECT_EQ(GlowKernel(1).size(), 7u);
}

TEST_F(TextRoutines, GlowOfSizeZeroDrawsNothing) {
    std::unique_ptr<TBitmap> mask;
    DrawTextGlow(*bitmap, "Ж", TRect(10, 5, 40, 25), mask, 0xFFFFFF, 0, 15, kFormat);
    EXPECT_EQ(InkOf(*bitmap, 0).size(), 0u);
    EXPECT_EQ(mask, nullptr);
}

// The glow raises alpha around the text toward its colour and stays within
// size + 4 pixels of the rectangle moved by one.
TEST_F(TextRoutines, GlowAroundTheText) {
    std::unique_ptr<TBitmap> mask;
    const TRect rect(40, 5, 70, 25);
    DrawTextGlow(*bitmap, "Ж", rect, mask, 0x00FFFF, 3, 15, kFormat);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->Width(), rect.Width() + 2 * 7);
    int glowing = 0;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const std::uint32_t p = ReadPixel32(*bitmap, x, y);
            if (p == 0) continue;
            ++glowing;
            EXPECT_TRUE(x >= rect.Left + 1 - 7 && x < rect.Right + 1 + 7) << x;
            EXPECT_EQ(ChannelOf(p, kBlueShift), 0u);
            EXPECT_EQ(ChannelOf(p, kRedShift), ChannelOf(p, kGreenShift));
            EXPECT_GE(ChannelOf(p, kAlphaShift), ChannelOf(p, kRedShift));
        }
    EXPECT_GT(glowing, 0);
}

// A kept mask of the right size is used as it is: the glow follows the
// mask's one dark pixel, not the text.
TEST_F(TextRoutines, AKeptMaskIsReused) {
    const TRect rect(20, 5, 50, 25);
    std::unique_ptr<TBitmap> mask = SolidBitmap32(rect.Width() + 2 * 6, rect.Height() + 2 * 6, 0xFFFFFFFF);
    WritePixel32(*mask, 3, 4, 0xFF000000);
    TBitmap* kept = mask.get();
    DrawTextGlow(*bitmap, "ЖЖЖЖ", rect, mask, 0xFFFFFF, 2, 15, kFormat);
    EXPECT_EQ(mask.get(), kept);
    const int x = rect.Left + 1 - 6 + 3, y = rect.Top + 1 - 6 + 4;
    EXPECT_EQ(ReadPixel32(*bitmap, x, y), 0xFFFFFFFFu);
    EXPECT_EQ(InkOf(*bitmap, 0).size(), 1u);
    EXPECT_EQ(CountOf(*bitmap, 0), 120 * 30 - 1);
}

}  // namespace
