#include "SkinPaintFixtures.h"

#include "tools/skingen/InternalSkin.h"

#include "skin/core/glyphs/GlyphFrame.h"
#include "skin/core/glyphs/GlyphLayout.h"
#include "skin/core/glyphs/SmallCheckBox.h"
#include "skin/core/glyphs/SmallShapes.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/graphics/Canvas.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

struct FrameCase {
    int state;
    bool enabled, down;
    int glyphs;
    bool fourBit;
    int frame;
};

TEST(GlyphFrames, FrameOfEachState) {
    const std::vector<FrameCase> cases{
        {bsUp, true, false, 4, false, 0},        {bsDisabled, true, false, 4, false, 1},
        {bsDisabled, true, false, 4, true, 0},   {bsDown, true, false, 4, false, 2},
        {bsDown, true, true, 4, false, 3},       {bsDown, true, true, 3, false, 1},
        {bsDown, true, true, 3, true, 0},        {bsDown, true, false, 2, false, 1},
        {bsExclusive, true, false, 4, false, 3}, {bsExclusive, true, false, 2, false, 0},
        {bsExclusive, false, false, 4, false, 0}, {7, true, false, 4, false, -1},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(GlyphFrameIndex(c.state, c.enabled, c.down, c.glyphs, c.fourBit), c.frame)
            << "state " << c.state << " glyphs " << c.glyphs << " down " << c.down;
}

TEST(GlyphFrames, OptionFallsBackToTheFirstFrame) {
    GlyphFramesFallBack = true;
    EXPECT_EQ(GlyphFrameIndex(bsDisabled, true, false, 4, false), 0);
    EXPECT_EQ(GlyphFrameIndex(bsDown, true, true, 3, false), 0);
    GlyphFramesFallBack = false;
    EXPECT_EQ(GlyphFrameIndex(bsDisabled, true, false, 4, false), 1);
}

// Four frames of 2 x 2, each with its transparent colour bottom-left.
std::unique_ptr<TBitmap> FourFrames() {
    return FromRows({"aabbccdd", "KaKbKcKd"},
                    {{'a', 0xFF100000}, {'b', 0xFF002000}, {'c', 0xFF000030}, {'d', 0xFF404040}, {'K', 0xFF00FF00}});
}

TEST(GlyphFrames, ExclusiveDrawsItsFrameWithoutTheKey) {
    const TLegend legend{{'a', 0xFF100000}, {'d', 0xFF404040}, {'.', 0x11111111}};
    auto glyph = FourFrames();
    auto four = SolidBitmap32(2, 2, 0x11111111);
    DrawGlyphBitmapFrame(*glyph, *four, TRect(0, 0, 2, 2), false, 0, bsExclusive, 0, true, 4);
    EXPECT_EQ(ToRows(*four, legend), (std::vector<std::string>{"dd", ".d"}));
    auto two = SolidBitmap32(2, 2, 0x11111111);
    DrawGlyphBitmapFrame(*glyph, *two, TRect(0, 0, 2, 2), false, 0, bsExclusive, 0, true, 2);
    EXPECT_EQ(ToRows(*two, legend), (std::vector<std::string>{"aa", ".a"}));
}

// A disabled single glyph, grayed and blended: grey at half strength over
// the target; its transparent corner stays out.
TEST(GlyphFrames, DisabledGrayedAndBlended) {
    auto glyph = FromRows({"rr", "Kr"}, {{'r', 0xFF9000C0}, {'K', 0xFF00FF00}});
    auto target = SolidBitmap32(2, 2, 0xFF000000);
    DrawGlyphBitmapFrame(*glyph, *target, TRect(0, 0, 2, 2), false, 0, bsUp, kGlyphGrayed | kGlyphBlended, false, 1);
    // grey (0x90 + 0x00 + 0xC0) / 3 = 0x70, then half of it over black.
    EXPECT_EQ(ReadPixel32(*target, 0, 0), 0xFF383838u);
    EXPECT_EQ(ReadPixel32(*target, 0, 1), 0xFF000000u);
    auto plain = SolidBitmap32(2, 2, 0xFF000000);
    DrawGlyphBitmapFrame(*glyph, *plain, TRect(0, 0, 2, 2), false, 0, bsUp, 0, false, 1);
    EXPECT_EQ(ReadPixel32(*plain, 1, 1), 0xFF9000C0u);
}

struct LayoutCase {
    const char* name;
    TRect client;
    TPoint glyph, caption;
    bool rtl;
    int spacing, margin, alignment, layout;
    TPoint glyphAt;
    TRect captionAt;
};

TEST(GlyphLayouts, GlyphAndCaptionPlaces) {
    const std::vector<LayoutCase> cases{
        {"left, both computed", {0, 0, 100, 40}, {16, 16}, {30, 10}, false, -1, -1, gaCenter, glGlyphLeft,
         {18, 12}, {52, 15, 82, 25}},
        {"empty caption", {0, 0, 100, 40}, {16, 16}, {0, 0}, false, 4, -1, gaCenter, glGlyphLeft, {42, 12},
         {58, 20, 58, 20}},
        {"left aligned", {0, 0, 100, 40}, {16, 16}, {30, 10}, false, 4, 2, gaLeft, glGlyphLeft, {2, 12},
         {22, 15, 52, 25}},
        {"right aligned", {0, 0, 100, 40}, {16, 16}, {30, 10}, false, 4, 2, gaRight, glGlyphLeft, {48, 12},
         {68, 15, 98, 25}},
        {"right to left", {0, 0, 100, 40}, {16, 16}, {30, 10}, true, 4, 2, gaLeft, glGlyphLeft, {36, 12},
         {2, 15, 32, 25}},
        {"above", {0, 0, 100, 40}, {16, 16}, {30, 10}, false, 4, 2, gaCenter, glGlyphTop, {42, 5}, {35, 25, 65, 35}},
        {"moved client", {10, 5, 110, 45}, {16, 16}, {30, 10}, false, 4, 2, gaLeft, glGlyphLeft, {12, 17},
         {32, 20, 62, 30}},
    };
    for (const LayoutCase& c : cases) {
        TRect caption;
        TPoint glyph;
        CalcGlyphLayout(c.client, c.glyph, c.caption, c.rtl, caption, glyph, c.spacing, c.margin, c.alignment, c.layout);
        EXPECT_EQ(glyph, c.glyphAt) << c.name;
        EXPECT_EQ(caption, c.captionAt) << c.name;
    }
}

class SmallShapes : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    // The colours drawn, whatever the drawing did to the alpha byte.
    std::vector<std::string> Drawn(TBitmap& bitmap) {
        auto opaque = NewBitmap32(bitmap.Width(), bitmap.Height());
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) WritePixel32(*opaque, x, y, ReadPixel32(bitmap, x, y) | 0xFF000000u);
        return ToRows(*opaque, {{'.', 0xFFFFFFFF}, {'F', 0xFF0000FF}, {'S', 0xFFFF0000}, {'#', 0xFF000000}});
    }
    std::unique_ptr<TBitmap> White(int w, int h) { return SolidBitmap32(w, h, 0xFFFFFFFF); }
};

TEST_F(SmallShapes, PixelArrows) {
    auto right = White(10, 10), down = White(10, 10), none = White(10, 10);
    DrawPixelArrow(*right->Canvas(), TColor(0), TRect(0, 0, 10, 10), kArrowRight);
    DrawPixelArrow(*down->Canvas(), TColor(0), TRect(0, 0, 10, 10), kArrowDown);
    DrawPixelArrow(*none->Canvas(), TColor(0), TRect(0, 0, 10, 10), 5);
    EXPECT_EQ(Drawn(*right), (std::vector<std::string>{"..........", "..........", "...#......", "...##.....",
                                                        "...###....", "...####...", "...###....", "...##.....",
                                                        "...#......", ".........."}));
    EXPECT_EQ(Drawn(*down), (std::vector<std::string>{"..........", "..........", ".#######..", "..#####...",
                                                       "...###....", "....#.....", "..........", "..........",
                                                       "..........", ".........."}));
    EXPECT_EQ(Drawn(*none), Drawn(*White(10, 10)));
}

TEST_F(SmallShapes, DottedFrame) {
    auto bitmap = White(10, 7);
    DrawDottedFrame(*bitmap->Canvas(), TRect(0, 0, 10, 7), TColor(0x0000FF), TColor(0xFF0000));
    EXPECT_EQ(Drawn(*bitmap), (std::vector<std::string>{"F.SF.SF.SF", "..........", "S........S", "F........F",
                                                         "..........", "S........S", "F.SF.SF.SF"}));
}

TEST_F(SmallShapes, Frame3DOfWidthTwo) {
    auto bitmap = White(8, 6);
    TRect rect(0, 0, 8, 6);
    int width = 2;
    Frame3DOnDC(bitmap->Canvas()->Handle(), rect, TColor(0xFF0000), width, TColor(0x0000FF));
    EXPECT_EQ(rect, TRect(2, 2, 6, 4));
    EXPECT_EQ(width, 0);
    EXPECT_EQ(Drawn(*bitmap), (std::vector<std::string>{"FFFFFFFS", "FFFFFFSS", "FF....SS", "FF....SS", "FSSSSSSS",
                                                         "SSSSSSSS"}));
}

TEST_F(SmallShapes, FillKeepsTheContextState) {
    auto bitmap = White(4, 4);
    FillDCRect(bitmap->Canvas()->Handle(), TRect(1, 1, 3, 3), TColor(0xFF0000));
    EXPECT_EQ(Drawn(*bitmap), (std::vector<std::string>{"....", ".FF.", ".FF.", "...."}));
}

class SmallCheckBoxes : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([](const std::string&, bool) {});
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Classic (внутренний)");
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }
    TempFolder folder;
    TSkinManager manager{nullptr};
};

TEST_F(SmallCheckBoxes, SkinImageSizeAndStates) {
    const int checked = manager.Skin().StdIndexes.GlobalMask("SMALLCHECKED");
    ASSERT_GE(checked, 0);
    EXPECT_EQ(SmallCheckWidth(&manager), MaskFrameWidth(manager.Skin().Masks[std::size_t(checked)]) + 2);
    EXPECT_EQ(SmallCheckHeight(&manager), MaskFrameHeight(manager.Skin().Masks[std::size_t(checked)]));
    std::vector<std::vector<std::uint32_t>> looks;
    for (int state : {scUnchecked, scChecked, scGrayed}) {
        for (bool enabled : {true, false}) {
            auto bitmap = SolidBitmap32(24, 20, 0xFFFFFFFF);
            DrawSmallCheckBox(TRect(0, 0, 24, 20), state, enabled, &manager, DefaultParentCache, *bitmap);
            looks.push_back(PixelsOf(*bitmap));
            EXPECT_NE(looks.back(), PixelsOf(*SolidBitmap32(24, 20, 0xFFFFFFFF))) << state << enabled;
        }
    }
    for (std::size_t i = 0; i < looks.size(); ++i)
        for (std::size_t j = i + 1; j < looks.size(); ++j) EXPECT_NE(looks[i], looks[j]) << i << " " << j;
    auto beyond = SolidBitmap32(24, 20, 0xFFFFFFFF);
    DrawSmallCheckBox(TRect(0, 0, 24, 20), 3, true, &manager, DefaultParentCache, *beyond);
    EXPECT_EQ(PixelsOf(*beyond), PixelsOf(*SolidBitmap32(24, 20, 0xFFFFFFFF)));
}

// The image is centred in the rectangle wherever it lies, rows above it untouched.
TEST_F(SmallCheckBoxes, SkinImageFollowsTheRectangleDown) {
    auto bitmap = SolidBitmap32(24, 40, 0xFFFFFFFF);
    DrawSmallCheckBox(TRect(0, 20, 24, 40), scChecked, true, &manager, DefaultParentCache, *bitmap);
    int top = -1, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 24; ++x)
            if (ReadPixel32(*bitmap, x, y) != 0xFFFFFFFF) {
                if (top < 0) top = y;
                bottom = y;
            }
    const int h = SmallCheckHeight(&manager);
    EXPECT_GE(top, 20 + (20 - h) / 2);
    EXPECT_LT(bottom, 20 + (20 - h) / 2 + h);
}

TEST_F(SmallCheckBoxes, WithoutASkinTheSystemBoxOverTheCacheColour) {
    const TSkParentCache grey{nullptr, 0, 0, 0x00C0C0C0, false};
    auto enabled = SolidBitmap32(24, 20, 0xFFFFFFFF), disabled = SolidBitmap32(24, 20, 0xFFFFFFFF);
    DrawSmallCheckBox(TRect(0, 0, 24, 20), scChecked, true, nullptr, grey, *enabled);
    DrawSmallCheckBox(TRect(0, 0, 24, 20), scChecked, false, nullptr, grey, *disabled);
    EXPECT_EQ(ReadPixel32(*enabled, 0, 0) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_NE(PixelsOf(*enabled), PixelsOf(*disabled));
}

}  // namespace
