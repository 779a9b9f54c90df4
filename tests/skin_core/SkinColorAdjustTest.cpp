#include "PixelFixtures.h"

#include "skin/core/adjust/ShadowTemplates.h"
#include "skin/core/adjust/SkinColorAdjust.h"
#include "skin/core/colors/ColorOps.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRedPixel = 0xFFFF0000, kGreenPixel = 0xFF00FF00;

TSkMaskData GlobalMask(const std::string& key, platform::RECT rect, std::shared_ptr<TBitmap> own = nullptr) {
    TSkMaskData m;
    m.Section = "GLOBALINFO";
    m.Key = key;
    m.SourceRect = rect;
    m.FrameCount = 1;
    m.Image = std::move(own);
    return m;
}

// A master bitmap of three red pixels: the close glyph, the maximize glyph
// and one more; an own image; one section with every kind of colour.
struct TSkinFixture {
    TSkinContent Skin;
    TSkinData Data;
    TSkinFixture() {
        Skin.MasterBitmap = std::shared_ptr<TBitmap>(SolidBitmap32(3, 1, kRedPixel));
        Skin.Masks.push_back(GlobalMask("BICONCLOSE", {0, 0, 1, 1}));
        Skin.Masks.push_back(GlobalMask("BICONMAX", {1, 0, 2, 1}));
        Skin.Masks.push_back(GlobalMask("OWN", {0, 0, 1, 1}, std::shared_ptr<TBitmap>(SolidBitmap32(1, 1, kRedPixel))));
        TSkGeneralData s;
        s.SectionName = "BUTTON";
        s.Color = 0x0000FF;
        s.HotColor = 0x0000FF;
        s.FontColor = {0x0000FF, -1, 0x0000FF, -1, -1};
        s.HotFontColor = {0x0000FF, -1, -1, -1, -1};
        s.GradientData = "255;255;100;0;0";
        s.GradientArray = {{0x0000FF, 0x0000FF, 100, 0, 0}};
        s.HotGradientArray = {{0x0000FF, 0x0000FF, 100, 0, 0}};
        s.StateProps[NormalState].Color = 0x0000FF;
        s.StateProps[NormalState].TextGlowColor = -1;
        s.StateProps[NormalState].FontColor = s.FontColor;
        s.StateProps[NormalState].GradientArray = s.GradientArray;
        Skin.GeneralData.push_back(s);
        Data.Shadow1Color = 0x0000FF;
        Data.BorderColor = 0x0000FF;
    }
    std::uint32_t Master(int x) { return ReadPixel32(*Skin.MasterBitmap, x, 0); }
};

TEST(SkinColorAdjust, ZeroAmountsLeaveEverythingAsRead) {
    TSkinFixture f;
    ApplyHueOffset(f.Skin, f.Data, 0);
    for (int amount : {0, 101, -101, 202})
        ApplySaturation(f.Skin, f.Data, amount);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(f.Master(x), kRedPixel);
    EXPECT_EQ(ReadPixel32(*f.Skin.Masks[2].Image, 0, 0), kRedPixel);
    EXPECT_EQ(f.Skin.GeneralData[0].Color, 0x0000FF);
    EXPECT_EQ(f.Data.BorderColor, 0x0000FF);
}

TEST(SkinColorAdjust, HueTurnsEveryColourOnceAndLeavesNoContourAlone) {
    TSkinFixture f;
    ApplyHueOffset(f.Skin, f.Data, 120);
    const std::int32_t green = 0x00FF00;
    const TSkGeneralData& s = f.Skin.GeneralData[0];
    EXPECT_EQ(s.Color, green);
    EXPECT_EQ(s.HotColor, green);
    EXPECT_EQ(s.FontColor, (std::array<std::int32_t, 5>{green, -1, green, -1, -1}));
    EXPECT_EQ(s.HotFontColor[0], green);
    EXPECT_EQ(s.HotFontColor[1], -1);
    EXPECT_EQ(s.GradientArray[0].Color1, green);
    EXPECT_EQ(s.StateProps[NormalState].GradientArray[0].Color2, green);  // once, not twice
    EXPECT_EQ(s.HotGradientArray[0].Color2, green);
    EXPECT_EQ(s.StateProps[NormalState].TextGlowColor, -1);
    EXPECT_EQ(s.StateProps[NormalState].FontColor[1], -1);
    EXPECT_EQ(f.Data.Shadow1Color, green);
    EXPECT_EQ(ReadPixel32(*f.Skin.Masks[2].Image, 0, 0), kGreenPixel);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(f.Master(x), kGreenPixel) << x;  // BIKEEPHUE 0: nothing kept
}

TEST(SkinColorAdjust, KeptTitleGlyphsKeepTheirPixels) {
    struct Case {
        int KeepHue;
        std::uint32_t Close, Max, Own;
    };
    const Case cases[] = {
        {2, kRedPixel, kGreenPixel, kGreenPixel},
        {1, kRedPixel, kRedPixel, kGreenPixel},
    };
    for (const Case& c : cases) {
        TSkinFixture f;
        f.Data.TitleIconKeepHue = static_cast<std::int16_t>(c.KeepHue);
        ApplyHueOffset(f.Skin, f.Data, 120);
        EXPECT_EQ(f.Master(0), c.Close) << c.KeepHue;
        EXPECT_EQ(f.Master(1), c.Max) << c.KeepHue;
        EXPECT_EQ(f.Master(2), kGreenPixel) << c.KeepHue;
        EXPECT_EQ(ReadPixel32(*f.Skin.Masks[2].Image, 0, 0), c.Own) << c.KeepHue;
    }
}

TEST(SkinColorAdjust, OwnGlowOfAKeptGlyphKeepsItsColours) {
    TSkinFixture f;
    f.Data.TitleIconKeepHue = 2;
    f.Skin.Masks.push_back(GlobalMask("BICONCLOSEGLOW0", {0, 0, 1, 1},
                                      std::shared_ptr<TBitmap>(SolidBitmap32(1, 1, kRedPixel))));
    ApplyHueOffset(f.Skin, f.Data, 120);
    EXPECT_EQ(ReadPixel32(*f.Skin.Masks[3].Image, 0, 0), kRedPixel);
}

TEST(SkinColorAdjust, APictureSharedByTwoRecordsTurnsOnce) {
    TSkinFixture f;
    f.Skin.Masks.push_back(GlobalMask("OTHER", {0, 0, 1, 1}, f.Skin.Masks[2].Image));
    ApplyHueOffset(f.Skin, f.Data, 120);
    EXPECT_EQ(ReadPixel32(*f.Skin.Masks[2].Image, 0, 0), kGreenPixel);
}

TEST(SkinColorAdjust, SaturationUsesTheAmountModulo101) {
    for (auto [amount, used] : {std::pair{-150, -49}, {250, 48}, {-100, -100}}) {
        TSkinFixture f;
        f.Skin.GeneralData[0].Color = 0x204060;
        ApplySaturation(f.Skin, f.Data, amount);
        EXPECT_EQ(f.Skin.GeneralData[0].Color, std::int32_t(SaturateColorValue(used, 0x204060))) << amount;
        EXPECT_EQ(f.Skin.GeneralData[0].FontColor[1], -1);
        EXPECT_EQ(f.Master(0), ChangeColorSaturation(kRedPixel, used)) << amount;
    }
}

TEST(ShadowTemplates, InactiveOrWithoutExtendedBordersTheMarginsAreZero) {
    TSkinFixture f;
    auto shadow = SolidBitmap32(2, 2, 0x80000000);
    TSkDefaultShadows defaults{shadow.get(), shadow.get()};
    TSkShadowTemplates t;
    t.Margins = TRect(1, 2, 3, 4);
    UpdateShadowTemplates(f.Skin, f.Data, true, false, defaults, t);
    EXPECT_EQ(t.Margins, TRect());
    UpdateShadowTemplates(f.Skin, f.Data, false, true, defaults, t);
    EXPECT_EQ(t.Margins, TRect());
    // No EXBORDER: the default shadows with 9 on every side.
    UpdateShadowTemplates(f.Skin, f.Data, true, true, defaults, t);
    EXPECT_EQ(t.Margins, TRect(9, 9, 9, 9));
    ASSERT_TRUE(t.Active);
    EXPECT_EQ(ReadPixel32(*t.Active, 1, 1), 0x80000000u);
    UpdateShadowTemplates(f.Skin, f.Data, true, true, TSkDefaultShadows{}, t);
    EXPECT_EQ(t.Margins, TRect());
}

TEST(ShadowTemplates, CutFromTheExBorderImage) {
    TSkinFixture f;
    auto own = std::shared_ptr<TBitmap>(MakeBitmap32(4, 1, {0x00FFFFFF, 1, 0x00FFFFFF, 3}));
    TSkMaskData exborder = GlobalMask("EXBORDER", {0, 0, 4, 1}, own);
    exborder.FrameCount = 2;
    exborder.BorderLeft = 10, exborder.BorderTop = 11, exborder.BorderRight = 12, exborder.BorderBottom = 13;
    f.Skin.Masks.push_back(exborder);
    f.Skin.StdIndexes.GlobalMasks["EXBORDER"] = 3;
    f.Data.FormOffset = 4;
    f.Data.Version = 7.5;
    TSkShadowTemplates t;
    UpdateShadowTemplates(f.Skin, f.Data, true, true, {}, t);
    EXPECT_EQ(t.Margins, TRect(6, 7, 8, 9));
    EXPECT_EQ(PixelsOf(*t.Inactive), (std::vector<std::uint32_t>{0, 1}));  // white of alpha 0 cleared below 7.6
    EXPECT_EQ(PixelsOf(*t.Active), (std::vector<std::uint32_t>{0, 3}));
    EXPECT_EQ(PixelsOf(*own), (std::vector<std::uint32_t>{0x00FFFFFF, 1, 0x00FFFFFF, 3}));

    f.Data.BorderMode = 1;
    f.Data.Version = 8;
    f.Skin.Masks[3].FrameCount = 1;
    f.Skin.Masks[3].SourceRect = {0, 0, 2, 1};
    UpdateShadowTemplates(f.Skin, f.Data, true, true, {}, t);
    EXPECT_EQ(t.Margins, TRect(4, 4, 4, 4));
    EXPECT_EQ(PixelsOf(*t.Active), (std::vector<std::uint32_t>{0x00FFFFFF, 1}));
}

}  // namespace
