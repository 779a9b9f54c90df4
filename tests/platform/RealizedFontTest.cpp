#include "platform/text/detail/RealizedFont.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace platform {
namespace {

std::shared_ptr<const RealizedFont> Font(std::string face, double height, int weight = 400, int escapement = 0,
                                         bool antialias = true) {
    FontSpec spec;
    spec.faceName = std::move(face);
    spec.height = height;
    spec.weight = weight;
    spec.escapement = escapement;
    spec.antialias = antialias;
    auto font = RealizedFont::Get(spec);
    EXPECT_TRUE(font) << spec.faceName;
    return font;
}

// A negative height is the character (em) height, a positive one the cell
// height; the cell is ascent plus descent and the internal leading is what
// the cell has above the em.
TEST(RealizedFont, HeightsFollowTheSystemRules) {
    // The cell holds the accented capitals ("Ё", "Й") above the design ascent.
    auto arial = Font("Arial", -13)->Metrics();
    EXPECT_EQ(arial.height, 16);
    EXPECT_EQ(arial.ascent, 13);
    EXPECT_EQ(arial.descent, 3);
    EXPECT_EQ(arial.internalLeading, 3);
    for (const char* face : {"Arial", "Tahoma", "Courier New", "Times New Roman", "Verdana", "Marlett"}) {
        for (int height : {8, 11, 13, 16, 27, 80}) {
            auto character = Font(face, -height)->Metrics();
            EXPECT_EQ(character.height, character.ascent + character.descent) << face << height;
            EXPECT_EQ(character.internalLeading, character.height - height) << face << height;
            EXPECT_GE(character.internalLeading, 0);
            auto cell = Font(face, height)->Metrics();
            EXPECT_LE(cell.height, height) << face << height;
            EXPECT_GE(cell.height, height - 1) << face << height;
            EXPECT_GT(cell.aveCharWidth, 0);
            EXPECT_GE(cell.maxCharWidth, cell.aveCharWidth);
        }
    }
}

TEST(RealizedFont, EveryMappedFaceHasCyrillicLetters) {
    for (const char* face : {"Arial", "Tahoma", "MS Sans Serif", "Courier New", "Times New Roman", "Verdana"}) {
        auto font = Font(face, -13);
        for (char32_t letter : std::u32string(U"АБВЖЩЪЫЯабжщыяЁё")) {
            EXPECT_TRUE(font->HasGlyph(letter)) << face << " " << static_cast<unsigned>(letter);
            EXPECT_GT(font->Advance(letter), 0);
            EXPECT_FALSE(font->Glyph(letter).Empty());
        }
    }
}

TEST(RealizedFont, AdvancesAreWholePixelsAndMonospaceIsEven) {
    auto mono = Font("Courier New", -13);
    int width = mono->Advance(U'W');
    for (char32_t c : std::u32string(U"iW.Ж ")) EXPECT_EQ(mono->Advance(c), width);
    auto sans = Font("Arial", -13);
    EXPECT_LT(sans->Advance(U'i'), sans->Advance(U'W'));
    EXPECT_EQ(sans->Advance(U'\t'), 0);
    EXPECT_EQ(sans->Advance(U'\n'), 0);
}

TEST(RealizedFont, BoldIsWiderThanRegular) {
    auto regular = Font("Arial", -13);
    auto bold = Font("Arial", -13, 700);
    int regularWidth = 0, boldWidth = 0;
    for (char32_t c : std::u32string(U"Настройки")) {
        regularWidth += regular->Advance(c);
        boldWidth += bold->Advance(c);
    }
    EXPECT_GT(boldWidth, regularWidth);
}

TEST(RealizedFont, AntialiasingChoosesGreyOrHardEdges) {
    auto hasGrey = [](const CoverageMask& mask) {
        return std::any_of(mask.coverage.begin(), mask.coverage.end(), [](auto v) { return v != 0 && v != 255; });
    };
    EXPECT_TRUE(hasGrey(Font("Arial", -20)->Glyph(U'О')));
    EXPECT_FALSE(hasGrey(Font("Arial", -20, 400, 0, false)->Glyph(U'О')));
}

TEST(RealizedFont, EscapementTurnsGlyphs) {
    // "l" is tall and thin upright, wide and flat at 90 and 270 degrees.
    auto upright = Font("Arial", -40)->Glyph(U'l');
    EXPECT_GT(upright.height, 3 * upright.width);
    for (int escapement : {900, 2700, -900}) {
        auto turned = Font("Arial", -40, 400, escapement)->Glyph(U'l');
        EXPECT_GT(turned.width, 3 * turned.height) << escapement;
    }
    // At 90 degrees the glyph stands above-right of the pen: x from the
    // baseline up means y below zero.
    auto up = Font("Arial", -40, 400, 900)->Glyph(U'l');
    EXPECT_LT(up.top + up.height, 2);
    auto down = Font("Arial", -40, 400, 2700)->Glyph(U'l');
    EXPECT_GT(down.top, -2);
}

TEST(RealizedFont, WidthStretchesToTheAverageCharacterWidth) {
    FontSpec spec;
    spec.faceName = "Arial";
    spec.height = -13;
    spec.width = 12;
    auto wide = RealizedFont::Get(spec);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->Metrics().aveCharWidth, 12);
    EXPECT_GT(wide->Advance(U'a'), Font("Arial", -13)->Advance(U'a'));
}

TEST(RealizedFont, SymbolFacesAreOurOwnShapes) {
    for (const char* face : {"Marlett", "Webdings"}) {
        auto font = Font(face, -13);
        EXPECT_TRUE(font->FilePath().empty());
        for (char32_t code : std::u32string(U"012r3456tua")) {
            EXPECT_TRUE(font->HasGlyph(code)) << face << static_cast<char>(code);
            const CoverageMask& glyph = font->Glyph(code);
            ASSERT_FALSE(glyph.Empty()) << face << static_cast<char>(code);
            // Inside the cell: above the descent, within the advance.
            EXPECT_GE(glyph.left, 0);
            EXPECT_LE(glyph.left + glyph.width, font->Advance(code) + 1);
            EXPECT_GE(glyph.top, -font->Metrics().ascent - 1);
            EXPECT_LE(glyph.top + glyph.height, font->Metrics().descent + 1);
        }
        EXPECT_FALSE(font->HasGlyph(U'Z'));
        EXPECT_TRUE(font->Glyph(U'Z').Empty());
    }
    EXPECT_FALSE(Font("Wingdings", -13)->Glyph(U'\u00FC').Empty());
}

TEST(RealizedFont, ImpossibleSizesAreHeldToLimits) {
    EXPECT_EQ(Font("Arial", -100000)->Metrics().emPixels, 2048);
    EXPECT_EQ(Font("Arial", -0.01)->Metrics().emPixels, 1);
    auto zero = Font("Arial", 0);
    EXPECT_EQ(zero->Metrics().height, 16);
}

TEST(RealizedFont, SameSpecSharesOneFont) {
    EXPECT_EQ(Font("Tahoma", -11).get(), Font("Tahoma", -11).get());
    EXPECT_NE(Font("Tahoma", -11).get(), Font("Tahoma", -12).get());
}

}  // namespace
}  // namespace platform
