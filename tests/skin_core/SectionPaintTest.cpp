#include "SkinPaintFixtures.h"

#include "skin/core/masks/BorderMask.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/sections/SectionPaint.h"
#include "skin/core/textures/Textures.h"

#include "ui/core/Rounding.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;

class SectionPaint : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    int AddSection(TSkGeneralData section) {
        skin.GeneralData.push_back(std::move(section));
        return static_cast<int>(skin.GeneralData.size()) - 1;
    }
    int AddMask(TSkMaskData mask) {
        skin.Masks.push_back(std::move(mask));
        return static_cast<int>(skin.Masks.size()) - 1;
    }
    // A 6 x 4 bitmap with one section painted over all of it.
    std::unique_ptr<TBitmap> Paint(int index, const TSkParentCache& cache, int state = 0, TPoint point = {0, 0}) {
        auto bitmap = SolidBitmap32(6, 4, kBlack);
        PaintSection(skin, index, skin.GeneralData[std::size_t(index)].SectionName, cache, -1, -1, *bitmap, point,
                     TRect(0, 0, 6, 4), state);
        return bitmap;
    }
    // A parent whose pixels tell their own position: 0xFF00yyxx.
    static std::unique_ptr<TBitmap> PositionParent() {
        auto parent = SolidBitmap32(32, 32, 0);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) WritePixel32(*parent, x, y, 0xFF000000u | std::uint32_t(y) << 8 | std::uint32_t(x));
        return parent;
    }
    static std::vector<std::uint32_t> Solid(std::uint32_t pixel) { return std::vector<std::uint32_t>(24, pixel); }

    TSkinManager owner{nullptr};
    TSkinContent skin;
};

TSkGradArray FlatGradient(std::uint32_t color) { return {TSkGradStep{std::int32_t(color), std::int32_t(color), 100, 0, 0}}; }

}  // namespace

TEST_F(SectionPaint, OpaqueColourFillsAndHotOnOneStateIsNormal) {
    TSkGeneralData s = PlainSection("FLAT", 0x0000A0);
    s.HotColor = 0x00A000;
    const int index = AddSection(s);
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(0xFFA00000));
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache, 1)), Solid(0xFFA00000));
}

TEST_F(SectionPaint, HotStateOfATwoStateSectionTakesHotFields) {
    TSkGeneralData s = PlainSection("TWO", 0x0000A0, 2);
    s.HotColor = 0x00B000;
    const int index = AddSection(s);
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache, 1)), Solid(0xFF00B000));
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache, 9)), Solid(0xFF00B000));
}

TEST_F(SectionPaint, FullTransparencyOverAReadyParentCopiesItOnly) {
    TSkGeneralData s = PlainSection("GLASS", 0x0000A0);
    s.Transparency = 100;
    s.ImagePercent = 50;
    s.GradientPercent = 50;
    s.GradientArray = FlatGradient(0x00FF00);
    const int index = AddSection(s);
    auto parent = PositionParent();
    auto bitmap = Paint(index, MakeParentCache(parent.get(), 2, 1), 0, TPoint{1, 1});
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0xFF000203u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 3), 0xFF000508u);
}

TEST_F(SectionPaint, FullTransparencyWithNothingKnownBehindIsOpaqueOwnColour) {
    TSkGeneralData s = PlainSection("GLASS", 0x0000A0);
    s.Transparency = 100;
    const int index = AddSection(s);
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(0xFFA00000));
    TSkParentCache colour = DefaultParentCache;
    colour.Color = 0x123456;
    EXPECT_EQ(PixelsOf(*Paint(index, colour)), Solid(0xFF563412));
}

TEST_F(SectionPaint, HalfTransparencyBlendsOverTheParentOrMixesColours) {
    TSkGeneralData s = PlainSection("HALF", 0xFFFFFF);
    s.Transparency = 50;
    const int index = AddSection(s);
    auto parent = SolidBitmap32(10, 10, 0xFF000000);
    // The background keeps Round(50 * 2.55) = 127 (2.55 is a little below itself in binary),
    // the layers 129: 255 * 129 >> 8 = 128.
    EXPECT_EQ(PixelsOf(*Paint(index, MakeParentCache(parent.get(), 0, 0))), Solid(0xFF808080));
    TSkParentCache colour = DefaultParentCache;
    colour.Color = 0x000000;
    s.Transparency = 40;
    skin.GeneralData[std::size_t(index)] = s;
    // Round(0.4 * 0 + 0.6 * 255) = 153
    EXPECT_EQ(PixelsOf(*Paint(index, colour)), Solid(0xFF999999));
}

TEST_F(SectionPaint, CustomColourIsOpaqueWithoutTextureOrGradient) {
    TSkGeneralData s = PlainSection("CUSTOM", 0x0000A0);
    s.Transparency = 50;
    s.GradientPercent = 100;
    s.GradientArray = FlatGradient(0x00FF00);
    const int index = AddSection(s);
    auto parent = SolidBitmap32(10, 10, 0xFF000000);
    auto bitmap = SolidBitmap32(6, 4, kBlack);
    PaintSectionBackground(skin, index, "CUSTOM", MakeParentCache(parent.get(), 0, 0), 0x123456, -1, -1, *bitmap,
                           TPoint{0, 0}, TRect(0, 0, 6, 4), 0);
    EXPECT_EQ(PixelsOf(*bitmap), Solid(0xFF563412));
}

TEST_F(SectionPaint, GradientAtFullPercentPaintsTheGradient) {
    TSkGeneralData s = PlainSection("GRAD", 0x0000A0);
    s.GradientPercent = 100;
    s.GradientArray = FlatGradient(0x00C000);
    const int index = AddSection(s);
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(0xFF00C000));
    // An empty description paints the colour instead.
    skin.GeneralData[std::size_t(index)].GradientArray.clear();
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(0xFFA00000));
}

TEST_F(SectionPaint, TextureGradientAndColourMixByTheirPercents) {
    const int texture = AddMask(MaskOver(Shared(SolidBitmap32(2, 2, 0xFF204060)), owner, 1, 0, 0, fmStretch));
    TSkGeneralData s = PlainSection("MIX", 0x0000FF);  // colour red 255
    s.ImagePercent = 30;
    s.GradientPercent = 50;
    s.GradientArray = FlatGradient(0x00C000);
    s.TextureIndex = texture;
    const int index = AddSection(s);
    // The texture keeps 76/256 under the gradient, then the colour takes 20 %.
    auto channel = [](int tex, int grad, int colour) {
        int layered = (grad * (256 - 76) + tex * 76) >> 8;
        return std::uint32_t(Round(layered * 0.8 + colour * 0.2));
    };
    const std::uint32_t expected = MakePixel(0xFF, channel(0x20, 0x00, 0xFF), channel(0x40, 0xC0, 0), channel(0x60, 0, 0));
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(expected));
}

TEST_F(SectionPaint, StripTextureLeavesTheRestInTheSectionColour) {
    const int texture = AddMask(MaskOver(Shared(SolidBitmap32(2, 1, 0xFF0000C0)), owner, 1, 0, 0, fmTopStrip));
    TSkGeneralData s = PlainSection("STRIP", 0x0000A0);
    s.ImagePercent = 100;
    s.TextureIndex = texture;
    const int index = AddSection(s);
    auto bitmap = Paint(index, DefaultParentCache);
    EXPECT_EQ(ReadPixel32(*bitmap, 3, 0), 0xFF0000C0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 3, 1), 0xFFA00000u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 3), 0xFFA00000u);
}

TEST_F(SectionPaint, MissingTextureLeavesItsShareToTheColour) {
    TSkGeneralData s = PlainSection("NOTEX", 0x0000A0);
    s.ImagePercent = 100;
    s.TextureIndex = 77;
    const int index = AddSection(s);
    EXPECT_EQ(PixelsOf(*Paint(index, DefaultParentCache)), Solid(0xFFA00000));
}

TEST_F(SectionPaint, BorderMaskCornersShowTheParentAtTheControlsPlace) {
    const TLegend legend{{'K', kKey}, {'A', 0xFF0000A0}};
    const int mask = AddMask(MaskOver(Shared(FromRows({"KAK", "AAA", "KAK"}, legend)), owner, 1, 0, 1, 0, 1));
    TSkGeneralData s = PlainSection("FRAMED", 0x00C000);
    s.BorderMaskIndex = mask;
    const int index = AddSection(s);
    auto parent = PositionParent();
    // The control lies at (4, 2) in its parent.
    auto bitmap = Paint(index, MakeParentCache(parent.get(), 4, 2));
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0xFF000204u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 0), 0xFF000209u);
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 3), 0xFF000504u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 3), 0xFF000509u);
    EXPECT_EQ(ReadPixel32(*bitmap, 1, 0), 0xFF0000A0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 2, 2), 0xFF00C000u);
}

TEST_F(SectionPaint, CornerImagesKeepWhatIsPaintedUnderTheirKeys) {
    const TLegend legend{{'K', kKey}, {'A', 0xFF0000A0}};
    const int corner = AddMask(MaskOver(Shared(FromRows({"AK", "KK"}, legend)), owner, 1, 0, 0, 0));
    TSkGeneralData s = PlainSection("CORNERS", 0x00C000);
    s.CornerImages = {corner, -1, -1, corner};
    const int index = AddSection(s);
    auto bitmap = Paint(index, DefaultParentCache);
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0xFF0000A0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 1, 0), 0xFF00C000u);
    EXPECT_EQ(ReadPixel32(*bitmap, 4, 2), 0xFF0000A0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 5, 3), 0xFF00C000u);
    EXPECT_EQ(ReadPixel32(*bitmap, 4, 0), 0xFF00C000u);
}

TEST_F(SectionPaint, RectangleLeavingTheBitmapPaintsNothing) {
    const int index = AddSection(PlainSection("FLAT", 0x0000A0));
    auto bitmap = SolidBitmap32(6, 4, kBlack);
    PaintSection(skin, index, "FLAT", DefaultParentCache, -1, -1, *bitmap, TPoint{0, 0}, TRect(0, 0, 7, 4), 0);
    PaintSection(skin, index, "FLAT", DefaultParentCache, -1, -1, *bitmap, TPoint{0, 0}, TRect(-1, 0, 3, 4), 0);
    PaintSection(skin, 5, "NONE", DefaultParentCache, -1, -1, *bitmap, TPoint{0, 0}, TRect(0, 0, 6, 4), 0);
    EXPECT_EQ(PixelsOf(*bitmap), Solid(kBlack));
}

TEST_F(SectionPaint, MaskedWholeTileTextureShowsTheParentBetweenTiles) {
    const TLegend legend{{'A', 0xFF0000A0}, {'K', kKey}, {'.', 0xFF000000}};
    const int texture = AddMask(MaskOver(Shared(FromRows({"AK", "KA", "..", ".."}, legend)), owner, 1, 1, 0, fmWholeTiles));
    TSkGeneralData s = PlainSection("TILES", 0x00C000);
    s.ImagePercent = 100;
    s.TextureIndex = texture;
    const int index = AddSection(s);
    auto parent = SolidBitmap32(10, 10, 0xFF707070);
    auto bitmap = SolidBitmap32(5, 3, kBlack);
    PaintSection(skin, index, "TILES", MakeParentCache(parent.get(), 0, 0), -1, -1, *bitmap, TPoint{0, 0},
                 TRect(0, 0, 5, 3), 0);
    const TLegend out{{'A', 0xFF0000A0}, {'p', 0xFF707070}, {'c', 0xFF00C000}};
    EXPECT_EQ(ToRows(*bitmap, out), (std::vector<std::string>{"ApApp", "pApAp", "ppppp"}));
}

TEST_F(SectionPaint, ByNameWithoutSuchSectionsReturnsMinusOneAndPaintsNothing) {
    auto bitmap = SolidBitmap32(3, 3, kBlack);
    EXPECT_EQ(PaintSectionByName(*bitmap, "NOPE", "NEITHER", nullptr, 0, TPoint{0, 0}, &owner, 0), -1);
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<std::uint32_t>(9, kBlack));
}
