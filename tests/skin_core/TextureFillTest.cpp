#include "SkinPaintFixtures.h"

#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/textures/Textures.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

const TLegend kLegend{{'.', 0xFF000000}, {'A', 0xFF0000A0}, {'B', 0xFF0000B0}, {'C', 0xFF0000C0},
                      {'D', 0xFF0000D0}, {'K', kKey},       {'p', 0xFF707070}, {'k', 0xFF563412},
                      {'j', 0x00563412}};

class TextureFill : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    TSkinManager owner{nullptr};
};

}  // namespace

TEST_F(TextureFill, EachModePaintsItsPartAndReportsTheRest) {
    struct Case {
        int mode;
        std::vector<std::string> rows;
        TRect uncovered;
    };
    const TRect none = kAllCovered;
    const std::vector<Case> cases{
        {fmTile, {"ABABA", "ABABA", "ABABA"}, none},
        {fmStretch, {"AAABB", "AAABB", "AAABB"}, none},
        {fmTopStrip, {"ABABA", ".....", "....."}, TRect(0, 1, 5, 3)},
        {fmLeftStrip, {"AB...", "AB...", "AB..."}, TRect(2, 0, 5, 3)},
        {fmStretchTop, {"AAABB", ".....", "....."}, TRect(0, 1, 5, 3)},
        {fmStretchLeft, {"AB...", "AB...", "AB..."}, TRect(2, 0, 5, 3)},
        {fmBottomStrip, {".....", ".....", "ABABA"}, TRect(0, 0, 5, 2)},
        {fmRightStrip, {"...AB", "...AB", "...AB"}, TRect(0, 0, 3, 3)},
        {fmWholeTiles, {"ABABA", "ABABA", "ABABA"}, none},
        {9, {"...AB", "...AB", "...AB"}, TRect(3, 0, 5, 3)},
    };
    const TSkMaskData mask = MaskOver(Shared(FromRows({"AB"}, kLegend)), owner, 1, 0, 0, 0);
    for (const Case& c : cases) {
        auto bitmap = SolidBitmap32(5, 3, 0xFF000000);
        TRect rect(0, 0, 5, 3);
        PaintTexture(*bitmap, rect, nullptr, c.mode, &mask);
        EXPECT_EQ(ToRows(*bitmap, kLegend), c.rows) << "mode " << c.mode;
        EXPECT_EQ(rect, c.uncovered) << "mode " << c.mode;
    }
}

TEST_F(TextureFill, WholeTilesCutTheLastColumnButNoRow) {
    const TSkMaskData mask = MaskOver(Shared(FromRows({"AB", "CD"}, kLegend)), owner, 1, 0, 0, fmWholeTiles);
    auto bitmap = SolidBitmap32(5, 3, 0xFF000000);
    TRect rect(0, 0, 5, 3);
    PaintTexture(*bitmap, rect, nullptr, fmWholeTiles, &mask);
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{"ABABA", "CDCDC", "....."}));
}

TEST_F(TextureFill, TileSmallerRectangleGetsOneCutTile) {
    const TSkMaskData mask = MaskOver(Shared(FromRows({"ABC", "DCB"}, kLegend)), owner, 1, 0, 0, fmTile);
    auto bitmap = SolidBitmap32(3, 2, 0xFF000000);
    TRect rect(1, 1, 3, 2);
    PaintTexture(*bitmap, rect, nullptr, fmTile, &mask);
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{"...", ".AB"}));
}

TEST_F(TextureFill, MaskWithoutManagerLeavesTheRectangle) {
    TSkMaskData mask = MaskOver(Shared(FromRows({"AB"}, kLegend)), owner, 1, 0, 0, 0);
    mask.Owner = nullptr;
    auto bitmap = SolidBitmap32(3, 1, 0xFF000000);
    TRect rect(0, 0, 3, 1);
    PaintTexture(*bitmap, rect, nullptr, fmTile, &mask);
    EXPECT_EQ(rect, TRect(0, 0, 3, 1));
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{"..."}));
}

TEST_F(TextureFill, PatternPictureTilesWholeAndCoversAll) {
    auto pattern = FromRows({"AB", "CD"}, kLegend);
    auto bitmap = SolidBitmap32(3, 3, 0xFF000000);
    TRect rect(0, 0, 3, 3);
    PaintTexture(*bitmap, rect, pattern.get(), fmStretch, nullptr);
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{"ABA", "CDC", "ABA"}));
    EXPECT_EQ(rect, kAllCovered);
}

TEST_F(TextureFill, MaskedTileModesShowTheParentThroughKeysAndStrips) {
    // Picture rows "AK", "KA" over a mask of zeros (the source shows).
    auto picture = FromRows({"AK", "KA", "..", ".."}, kLegend);
    const TSkMaskData mask = MaskOver(Shared(std::move(picture)), owner, 1, 1, 0, 0);
    auto parent = SolidBitmap32(10, 10, 0xFF707070);
    const TSkParentCache ready = MakeParentCache(parent.get(), 0, 0);
    TSkParentCache colour = DefaultParentCache;
    colour.Color = 0x123456;
    struct Case {
        int mode;
        const TSkParentCache* cache;
        std::vector<std::string> rows;
    };
    for (const Case& c : {Case{fmTile, &ready, {"ApApA", "pApAp", "....."}},
                          Case{fmWholeTiles, &ready, {"ApApp", "pApAp", "ppppp"}},
                          Case{fmTile, &colour, {"AjAjA", "jAjAj", "....."}},
                          Case{fmWholeTiles, &colour, {"AjAjk", "jAjAk", "kkkkk"}}}) {
        auto bitmap = SolidBitmap32(5, 3, 0xFF000000);
        TRect rect(0, 0, 5, 3);
        PaintMaskedTexture(*bitmap, rect, *c.cache, c.mode, mask);
        EXPECT_EQ(ToRows(*bitmap, kLegend), c.rows) << "mode " << c.mode << (c.cache->Ready ? " ready" : " colour");
        EXPECT_EQ(rect, kAllCovered);
    }
    auto bitmap = SolidBitmap32(2, 2, 0xFF000000);
    TRect rect(0, 0, 2, 2);
    PaintMaskedTexture(*bitmap, rect, ready, fmStretch, mask);
    EXPECT_EQ(rect, TRect(0, 0, 2, 2));
    EXPECT_EQ(ToRows(*bitmap, kLegend), (std::vector<std::string>{"..", ".."}));
}
