#include "SkinPaintFixtures.h"
#include "TextFixtures.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/text/SectionText.h"
#include "skin/core/text/SectionTextColors.h"
#include "skin/core/text/TextOnAlpha.h"

#include "platform/display/Display.h"
#include "platform/text/DrawText.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::int32_t kNone = -1;
constexpr unsigned kFormat = platform::DT_SINGLELINE | platform::DT_NOPREFIX;

using TFontColors = std::array<std::int32_t, 5>;

// A section whose normal and hot states carry the given text colours. A
// one-state section's hot record is left as a skin without hot keys leaves
// it: all zero.
TSkGeneralData TextSection(int states, TFontColors normal, TFontColors hot) {
    TSkGeneralData s = PlainSection("TEXT", 0xE0E0E0, states);
    s.StateProps[NormalState].FontColor = normal;
    s.FontColor = normal;
    if (states > 1) s.StateProps[HotState].FontColor = s.HotFontColor = hot;
    return s;
}

std::uint32_t Px(std::int32_t color) { return ExchangeRedBlue(static_cast<std::uint32_t>(color)) | kOpaque; }

const TFontColors kNormal{0x000080, 0x00C000, kNone, kNone, 0xC00000};
const TFontColors kHot{0x0000FF, kNone, 0x808000, kNone, kNone};
const TFontColors kZero{0, 0, 0, 0, 0};

struct ColorCase {
    const char* name;
    int states;
    bool hot;
    std::uint32_t main;
    std::vector<std::pair<TPoint, std::int32_t>> contours;
};

class SkinTextColors : public ::testing::TestWithParam<ColorCase> {};

TEST_P(SkinTextColors, MainColourAndContoursByStateAndSection) {
    const ColorCase& c = GetParam();
    const TSkTextColors colors = SectionTextColors(TextSection(c.states, kNormal, c.states > 1 ? kHot : kZero), c.hot);
    EXPECT_EQ(colors.Main, c.main);
    std::vector<std::pair<TPoint, std::int32_t>> got;
    for (const TSkContour& contour : colors.Contours()) got.emplace_back(contour.Offset, contour.Color);
    EXPECT_EQ(got, c.contours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SkinTextColors,
    ::testing::Values(
        ColorCase{"TwoStatesNormal", 2, false, 0x000080, {{{-1, 0}, 0x00C000}, {{0, 1}, 0xC00000}}},
        ColorCase{"TwoStatesHot", 2, true, 0x0000FF, {{{0, -1}, 0x808000}}},
        ColorCase{"ThreeStatesHot", 3, true, 0x0000FF, {{{0, -1}, 0x808000}}},
        // One state: the unset hot record (black text, black contours) is never used.
        ColorCase{"OneStateHot", 1, true, 0x000080, {{{-1, 0}, 0x00C000}, {{0, 1}, 0xC00000}}},
        ColorCase{"OneStateNormal", 1, false, 0x000080, {{{-1, 0}, 0x00C000}, {{0, 1}, 0xC00000}}}),
    [](const auto& info) { return std::string(info.param.name); });

class TextOnAlpha : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    int AddSection(TSkGeneralData s) {
        skin.GeneralData.push_back(std::move(s));
        return static_cast<int>(skin.GeneralData.size()) - 1;
    }
    std::unique_ptr<TBitmap> Clear(int w = 60, int h = 24, std::uint32_t pixel = 0) {
        auto bitmap = SolidBitmap32(w, h, pixel);
        UseFixedFont(*bitmap->Canvas(), 14);
        return bitmap;
    }
    TSkinContent skin;
};

// Each drawing touches only whole pixels in the section's colours, each
// made opaque; one-state sections keep their normal colours when hot.
TEST_F(TextOnAlpha, SectionTextInItsColoursWithContours) {
    const int two = AddSection(TextSection(2, kNormal, kHot));
    const int one = AddSection(TextSection(1, kNormal, kZero));
    struct Case {
        int section;
        bool hot, contours;
        std::set<std::uint32_t> ink;
    };
    const std::vector<Case> cases{
        {two, false, true, {Px(0x000080), Px(0x00C000), Px(0xC00000)}},
        {two, true, true, {Px(0x0000FF), Px(0x808000)}},
        {one, true, true, {Px(0x000080), Px(0x00C000), Px(0xC00000)}},
        {two, false, false, {Px(0x000080)}},
    };
    for (const Case& c : cases) {
        auto bitmap = Clear();
        DrawSectionTextAlpha(*bitmap, "ЖШ", c.contours, skin, c.hot, c.section, kFormat, TRect(4, 2, 56, 22));
        EXPECT_EQ(InkOf(*bitmap, 0), c.ink) << "section " << c.section << " hot " << c.hot;
    }
}

TEST_F(TextOnAlpha, ContoursOfMinusOneAddNothing) {
    const int plain = AddSection(TextSection(2, {0x000080, kNone, kNone, kNone, kNone}, kHot));
    auto withFlag = Clear(), once = Clear();
    DrawSectionTextAlpha(*withFlag, "Кнопка", true, skin, false, plain, kFormat, TRect(0, 0, 60, 24));
    DrawTextOnAlpha(*once, "Кнопка", 0x000080, kFormat, TRect(0, 0, 60, 24));
    EXPECT_EQ(PixelsOf(*withFlag), PixelsOf(*once));
    EXPECT_GT(CountOf(*once, Px(0x000080)), 0);
}

TEST_F(TextOnAlpha, WithoutASectionTheCanvasFontColour) {
    auto bitmap = Clear();
    bitmap->Canvas()->Font()->SetColor(TColor(0x00A000));
    DrawSectionTextAlpha(*bitmap, "Да", true, skin, false, 7, kFormat, TRect(0, 0, 60, 24));
    EXPECT_EQ(InkOf(*bitmap, 0), std::set<std::uint32_t>{Px(0x00A000)});
}

// Anti-aliased black text over 0x00336699: each touched pixel is the
// background times one coverage m (channel = d * m shr 8) with alpha 255;
// untouched pixels keep alpha 0.
TEST_F(TextOnAlpha, EdgesMixThroughTheCoverageAndTurnOpaque) {
    constexpr std::uint32_t kBack = 0x00336699;
    auto bitmap = SolidBitmap32(60, 24, kBack);
    UseFixedFont(*bitmap->Canvas(), 14, false);
    DrawTextOnAlpha(*bitmap, "ЖW", 0, kFormat, TRect(2, 2, 58, 22));
    int full = 0, partial = 0;
    for (std::uint32_t p : PixelsOf(*bitmap)) {
        if (p == kBack) continue;
        ASSERT_EQ(p >> 24, 0xFFu);
        bool explained = false;
        for (std::uint32_t m = 0; m < 256 && !explained; ++m)
            explained = p == MakePixel(0xFF, (0x33 * m) >> 8, (0x66 * m) >> 8, (0x99 * m) >> 8);
        EXPECT_TRUE(explained) << std::hex << p;
        (p == kOpaque ? full : partial)++;
    }
    EXPECT_GT(full, 0);
    EXPECT_GT(partial, 0);
}

TEST_F(TextOnAlpha, TextReachingLeftOfTheBitmapIsCut) {
    auto whole = Clear(80, 24), cut = Clear(80, 24);
    DrawTextOnAlpha(*whole, "ЖЖЖ", 0x0000FF, kFormat, TRect(0, 0, 60, 24));
    DrawTextOnAlpha(*cut, "ЖЖЖ", 0x0000FF, kFormat, TRect(-7, 0, 53, 24));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 53; ++x) ASSERT_EQ(ReadPixel32(*cut, x, y), ReadPixel32(*whole, x + 7, y)) << x << "," << y;
    EXPECT_GT(CountOf(*cut, Px(0x0000FF)), 0);
}

// On an ordinary canvas: contours then the main colour; disabled a 40 %
// mix with the section colour and no contours.
TEST_F(TextOnAlpha, CanvasSectionTextByState) {
    const int two = AddSection(TextSection(2, kNormal, kHot));
    const int one = AddSection(TextSection(1, kNormal, kZero));
    const std::uint32_t pale = MixTwoColors(0x000080, 0xE0E0E0, 0.4);
    struct Case {
        int section, state;
        bool enabled;
        std::set<std::uint32_t> ink;
    };
    const std::vector<Case> cases{
        {two, 0, true, {0x000080, 0x00C000, 0xC00000}},
        {two, 1, true, {0x0000FF, 0x808000}},
        {one, 1, true, {0x000080, 0x00C000, 0xC00000}},
        {two, 1, false, {pale}},
    };
    for (const Case& c : cases) {
        auto bitmap = Clear(60, 24, 0x00FFFFFF);
        DrawSectionText(*bitmap->Canvas(), "ЖШ", c.enabled, skin, c.state, c.section, kFormat, TRect(4, 2, 56, 22));
        std::set<std::uint32_t> colors;
        for (std::uint32_t p : InkOf(*bitmap, 0x00FFFFFF)) colors.insert(ExchangeRedBlue(p & 0xFFFFFF));
        EXPECT_EQ(colors, c.ink) << "section " << c.section << " state " << c.state;
    }
}

}  // namespace
