#include "SkinPaintFixtures.h"

#include "skin/core/alpha/BorderCorners.h"
#include "skin/core/alpha/MaskFrame.h"
#include "skin/core/alpha/MaskPieces32.h"
#include "skin/core/alpha/Section32.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/parentbg/ParentCache.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t A = 0x00C08040, B = 0x00204080, C = 0x00601020;

class AlphaSkinImages : public ::testing::Test {
protected:
    int AddSection(TSkGeneralData s) {
        skin.GeneralData.push_back(std::move(s));
        return static_cast<int>(skin.GeneralData.size()) - 1;
    }
    TSkinManager owner{nullptr};
    TSkinContent skin;
};

// Three keyed frames of 2 x 1: A, B and C, each with a key pixel on the right.
TSkMaskData KeyedFrames(TSkinManager& owner) {
    return MaskOver(Shared(MakeBitmap32(6, 1, {A, kKey, B, kKey, C, kKey})), owner, 3, 0, 0, 0);
}

TEST_F(AlphaSkinImages, FrameIndexBeyondTheFramesDrawsTheLast) {
    auto bitmap = SolidBitmap32(3, 1, 0x11111111);
    DrawMaskFrame(*bitmap, {0, 0}, 9, DefaultParentCache, KeyedFrames(owner), kMaskFrameNormal);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{C, 0x11111111, 0x11111111}));
}

TEST_F(AlphaSkinImages, AFramePartlyLeftOfTheBitmapDrawsItsRest) {
    const TSkMaskData wide = MaskOver(Shared(MakeBitmap32(4, 1, {A, B, C, A})), owner, 1, 0, 0, 0);
    auto bitmap = SolidBitmap32(4, 1, 0);
    DrawMaskFrame(*bitmap, {-3, 0}, 0, DefaultParentCache, wide, kMaskFrameNormal);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{A, 0, 0, 0}));
    DrawMaskFrame(*bitmap, {-1, 0}, 0, DefaultParentCache, wide, kMaskFrameNormal);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{B, C, A, 0}));
}

// One frame of four pixels over its mask row: the mask's red 255 leaves the
// target (alpha too), 0 gives the picture, mode 2 lets 100/256 show through.
TEST_F(AlphaSkinImages, MaskedFramePixelsByModeAndMask) {
    const std::uint32_t s = 0x00C08040;
    const TSkMaskData masked = MaskOver(Shared(MakeBitmap32(3, 2, {s, s, kKey, 0x00FFFFFF, 0x00000000, 0x00000000})),
                                        owner, 1, 1, 0, 0);
    struct Case {
        int mode;
        std::vector<std::uint32_t> expected;
    };
    const std::vector<Case> cases{
        {kMaskFrameNormal, {0x40102030, 0xFEC08040, 0x40102030}},
        {kMaskFrameInactive, {0x40102030, 0xFE7B5A39, 0x40102030}},
    };
    for (const Case& c : cases) {
        auto bitmap = SolidBitmap32(3, 1, 0x40102030);
        DrawMaskFrame(*bitmap, {0, 0}, 0, DefaultParentCache, masked, c.mode);
        EXPECT_EQ(PixelsOf(*bitmap), c.expected) << c.mode;
    }
}

// Mask red m over a half-transparent target: D' = (D * m + S * (255 - m)) shr 8,
// alpha raised to 255 - m; a key pixel without a parent only loses its alpha.
TEST_F(AlphaSkinImages, MaskedPieceKeepsAndRaisesAlpha) {
    auto picture = MakeBitmap32(2, 2, {0x00FFFFFF, kKey, 0x00404040, 0x00000000});
    const TSkMaskData mask = MaskOver(Shared(std::move(picture)), owner, 1, 1, 0, 0);
    auto bitmap = SolidBitmap32(2, 1, 0x80102030);
    CopyMaskedPiece32(TRect(0, 0, 2, 1), TRect(0, 0, 2, 1), *bitmap, mask, DefaultParentCache, *mask.Image);
    EXPECT_EQ(PixelsOf(*bitmap), (std::vector<std::uint32_t>{0xBFC2C6CA, 0x00102030}));
    auto parent = SolidBitmap32(2, 1, 0x7F0A0B0C);
    auto again = SolidBitmap32(2, 1, 0x80102030);
    CopyMaskedPiece32(TRect(0, 0, 2, 1), TRect(0, 0, 2, 1), *again, mask, MakeParentCache(parent.get(), 0, 0),
                      *mask.Image);
    EXPECT_EQ(ReadPixel32(*again, 1, 0), 0x7F0A0B0Cu);
}

TEST_F(AlphaSkinImages, StretchedOnePixelCentreFillsByItsMask) {
    struct Case {
        std::uint32_t mask, expected;
    };
    for (const Case& c : {Case{0x00000000, 0xFF336699}, Case{0x00FFFFFF, 0x40102030}}) {
        auto picture = MakeBitmap32(1, 2, {0x00336699, c.mask});
        auto bitmap = SolidBitmap32(4, 3, 0x40102030);
        StretchMaskedPiece32(TRect(0, 0, 4, 3), true, 1, *picture, *bitmap, TRect(0, 0, 1, 1));
        EXPECT_EQ(PixelsOf(*bitmap), std::vector<std::uint32_t>(12, c.expected)) << std::hex << c.mask;
    }
}

TEST_F(AlphaSkinImages, SeeThroughSectionOverTheWholeBitmapClearsIt) {
    TSkGeneralData s = PlainSection("GLASS", 0x0000FF);
    s.StateProps[NormalState].Transparency = 100;
    const int index = AddSection(s);
    auto bitmap = SolidBitmap32(5, 4, 0xFF336699);
    PaintSection32(index, 0, skin, *bitmap, TRect(0, 0, 5, 4));
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<std::uint32_t>(20, 0));
}

// Colour 0x0000FF (red) at transparency 40 over nothing: alpha 153, then
// premultiplied because the section covers the bitmap; a part of the bitmap
// is not premultiplied.
TEST_F(AlphaSkinImages, PartlyTransparentSectionTakesItsAlpha) {
    TSkGeneralData s = PlainSection("HALF", 0x0000FF);
    s.StateProps[NormalState].Transparency = 40;
    const int index = AddSection(s);
    auto whole = SolidBitmap32(4, 3, 0);
    PaintSection32(index, 0, skin, *whole, TRect(0, 0, 4, 3));
    EXPECT_EQ(PixelsOf(*whole), std::vector<std::uint32_t>(12, 0x99980000));
    auto part = SolidBitmap32(4, 3, 0);
    PaintSection32(index, 0, skin, *part, TRect(0, 0, 2, 3));
    EXPECT_EQ(ReadPixel32(*part, 0, 0), 0x99FF0000u);
    EXPECT_EQ(ReadPixel32(*part, 3, 0), 0u);
}

// Over a painted pixel a partly transparent colour moves the pixels toward
// it and keeps the larger alpha.
TEST_F(AlphaSkinImages, TransparentColourOverPaintedPixels) {
    TSkGeneralData s = PlainSection("TINT", 0xFFFFFF);
    s.StateProps[NormalState].Transparency = 50;
    const int index = AddSection(s);
    auto bitmap = SolidBitmap32(6, 2, 0xF0000000);
    PaintSectionBackground32(index, 0, TRect(0, 0, 6, 2), skin, *bitmap);
    const std::uint32_t p = ReadPixel32(*bitmap, 2, 1);
    EXPECT_EQ(p >> 24, 0xF0u);
    EXPECT_NEAR(static_cast<int>(ChannelOf(p, kRedShift)), 128, 1);
}

TEST_F(AlphaSkinImages, SectionOutsideTheBitmapPaintsNothing) {
    const int index = AddSection(PlainSection("FLAT", 0x00FF00));
    auto bitmap = SolidBitmap32(4, 4, 0x12345678);
    PaintSection32(index, 0, skin, *bitmap, TRect(2, 2, 6, 6));
    PaintSection32(index + 1, 0, skin, *bitmap, TRect(0, 0, 4, 4));
    EXPECT_EQ(PixelsOf(*bitmap), std::vector<std::uint32_t>(16, 0x12345678));
}

// A border mask of transparent corners keeps what lay under them; without
// its centre flag the section colour shows inside.
TEST_F(AlphaSkinImages, SectionBorderMaskCornersShowWhatLayBelow) {
    const std::uint32_t F = 0xFF203040;
    auto picture = FromRows({"KFFK", "FFFF", "FFFF", "KFFK"}, {{'K', kKey}, {'F', F}});
    skin.Masks.push_back(MaskOver(Shared(std::move(picture)), owner, 1, 0, 1, 0, 1));
    TSkGeneralData s = PlainSection("ROUND", 0x0000FF);
    s.BorderMaskIndex = 0;
    const int index = AddSection(s);
    auto bitmap = SolidBitmap32(8, 6, 0);
    WritePixel32(*bitmap, 7, 5, 0x10101010);
    PaintSection32(index, 0, skin, *bitmap, TRect(0, 0, 8, 6));
    EXPECT_EQ(ReadPixel32(*bitmap, 0, 0), 0u);
    EXPECT_EQ(ReadPixel32(*bitmap, 7, 5), 0x10010101u);  // premultiplied by its own alpha 0x10
    // Opaque pixels premultiplied: each channel c * 255 shr 8.
    EXPECT_EQ(ReadPixel32(*bitmap, 1, 0), 0xFF1F2F3Fu);
    EXPECT_EQ(ReadPixel32(*bitmap, 3, 3), 0xFFFE0000u);
}

class BorderCornerRepair : public ::testing::Test {
protected:
    void SetUp() override {
        data.CacheBitmap = SolidBitmap32(3, 1, 0x80112233);
        image = MakeBitmap32(3, 1, {kKey, 0x00445566, kKey});
    }
    TSkCommonData data{nullptr, false};
    std::unique_ptr<TBitmap> image;
};

TEST_F(BorderCornerRepair, PlainCornersTakeTheParentWithAlphaZero) {
    auto parent = MakeBitmap32(4, 1, {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004});
    TSkParentBgInfo answer;
    answer.Kind = bgBitmap;
    answer.Bitmap = parent.get();
    answer.OffsetX = 1;
    RestoreCornerPlain(*image, TRect(0, 0, 3, 1), {0, 0}, data, answer);
    EXPECT_EQ(PixelsOf(*data.CacheBitmap), (std::vector<std::uint32_t>{0x00000002, 0x80112233, 0x00000004}));
}

TEST_F(BorderCornerRepair, ColourAnswers) {
    TSkParentBgInfo answer;
    answer.Kind = bgColor;
    answer.Color = KeyColorValue;
    RestoreCornerPlain(*image, TRect(0, 0, 3, 1), {0, 0}, data, answer);
    EXPECT_EQ(PixelsOf(*data.CacheBitmap), std::vector<std::uint32_t>(3, 0x80112233));
    answer.Color = 0x0000FF;
    RestoreCornerMasked(*image, TRect(0, 0, 3, 1), {0, 0}, data, answer);
    EXPECT_EQ(PixelsOf(*data.CacheBitmap), (std::vector<std::uint32_t>{0x00FF0000, 0x80112233, 0x00FF0000}));
}

TEST_F(BorderCornerRepair, MaskedCornersKeepTheCacheAlpha) {
    auto parent = SolidBitmap32(3, 1, 0xFFABCDEF);
    TSkParentBgInfo answer;
    answer.Kind = bgBitmap;
    answer.Bitmap = parent.get();
    RestoreCornerMasked(*image, TRect(0, 0, 3, 1), {0, 0}, data, answer);
    EXPECT_EQ(PixelsOf(*data.CacheBitmap), (std::vector<std::uint32_t>{0x80ABCDEF, 0x80112233, 0x80ABCDEF}));
}

TEST_F(BorderCornerRepair, NothingWithoutAnOwnerOrMask) {
    PaintBorderCorners(data, 0, kAllCornerSet);
    EXPECT_EQ(PixelsOf(*data.CacheBitmap), std::vector<std::uint32_t>(3, 0x80112233));
}

}  // namespace
