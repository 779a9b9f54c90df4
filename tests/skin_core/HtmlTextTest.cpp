#include "TextFixtures.h"

#include "skin/core/html/HtmlEntities.h"
#include "skin/core/html/SkHtml.h"

#include "ui/core/Exceptions.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

class HtmlText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        bitmap = SolidBitmap32(400, 120, kWhite);
        UseFixedFont(*bitmap->Canvas(), 12);
        bitmap->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
        letter = bitmap->Canvas()->TextWidth("X");
        line = bitmap->Canvas()->TextHeight("X");
    }
    TRect Render(const std::string& text, const TRect& area = TRect(0, 0, 400, 0)) {
        TSkHtml html;
        html.Prepare(bitmap.get(), text, area);
        TRect size;
        html.Render(size);
        return size;
    }
    std::unique_ptr<TBitmap> bitmap;
    int letter = 0, line = 0;
};

struct Measured {
    const char* text;
    int letters;
    int lines;
};

class HtmlMeasure : public HtmlText, public ::testing::WithParamInterface<Measured> {};

// With a fixed-pitch font a text's size is its letters and lines; a line
// is as high as "X" and lines are 2 pixels apart.
TEST_P(HtmlMeasure, LettersAndLines) {
    const Measured& m = GetParam();
    const TRect size = Render(m.text);
    EXPECT_EQ(size, TRect(0, 0, m.letters * letter, m.lines * line + (m.lines - 1) * 2)) << m.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HtmlMeasure,
    ::testing::Values(Measured{"A<B>b</B>c", 3, 1}, Measured{"x<<y", 3, 1}, Measured{"a<zz>b", 6, 1},
                      Measured{"a<b", 3, 1}, Measured{"Tom &amp; Jerry", 11, 1}, Measured{"&AMP;", 1, 1},
                      Measured{"&Eacute;", 1, 1}, Measured{"&EACUTE;", 8, 1}, Measured{"&a b;", 5, 1},
                      Measured{"&#8364;", 1, 1}, Measured{"&#65;", 5, 1}, Measured{"&amp", 4, 1},
                      Measured{"<P ALIGN=CENTER>x", 17, 1}, Measured{"<P>x", 1, 2}, Measured{"1<BR>2", 1, 2},
                      Measured{"<BR><BR>x", 1, 3}, Measured{"<BR />x", 7, 1}, Measured{"<br/>x", 1, 2},
                      Measured{"a\r\nb", 2, 1}, Measured{"</BR>x", 1, 1}, Measured{"a</FONT>b", 2, 1},
                      Measured{"Привет<BR>мир", 6, 2}, Measured{"<I>курсив</I> и <U>черта</U>", 14, 1}));

TEST_F(HtmlText, EmptyTextReportsTheAreaTop) {
    EXPECT_EQ(Render("", TRect(7, 9, 100, 0)), TRect(0, 0, 0, 9));
    EXPECT_EQ(PixelsOf(*bitmap), PixelsOf(*SolidBitmap32(400, 120, kWhite)));
}

TEST_F(HtmlText, LinesStartAtTheAreaLeftAndTheSizeCountsFromTheOrigin) {
    EXPECT_EQ(Render("ab<BR>c", TRect(10, 20, 400, 0)), TRect(0, 0, 10 + 2 * letter, 20 + 2 * line + 2));
}

// Entities and Cyrillic letters draw the same pixels as the letters typed.
TEST_F(HtmlText, EntitiesDrawTheirLettersBesideCyrillic) {
    const TRect marked = Render("Ура &laquo;мир&raquo; &amp; &eacute;&#8212;&trade;");
    auto typed = SolidBitmap32(400, 120, kWhite);
    UseFixedFont(*typed->Canvas(), 12);
    typed->Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    TSkHtml html;
    html.Prepare(typed.get(), "Ура «мир» & é—™", TRect(0, 0, 400, 0));
    TRect size;
    html.Render(size);
    EXPECT_EQ(marked, size);
    EXPECT_EQ(PixelsOf(*bitmap), PixelsOf(*typed));
    EXPECT_NE(InkOf(*bitmap, kWhite).size(), 0u);
}

TEST_F(HtmlText, EntityLetters) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases{
        {"amp", "&"},  {"AmP", "&"},     {"Eacute", "É"},   {"eacute", "é"},  {"EACUTE", std::nullopt},
        {"#8364", "€"}, {"#153", "™"},   {"#160", "\u00A0"}, {"#65", std::nullopt}, {"nbsp", "\u00A0"},
        {"laquo", "«"}, {"#8220", "“"}, {"yuml", "ÿ"},      {"YUML", std::nullopt}, {"", std::nullopt}};
    for (const auto& [name, letter] : cases) EXPECT_EQ(EntityLetter(name), letter) << name;
}

// The FONT colour holds until its closing tag; the red letter is the second.
TEST_F(HtmlText, FontColourUntilTheClosingTag) {
    Render("a<FONT COLOR=#FF0000>W</FONT>c");
    const std::uint32_t red = 0xFFFF0000u;
    int redInk = 0;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const std::uint32_t p = ReadPixel32(*bitmap, x, y) | 0xFF000000u;
            if (p != red) continue;
            ++redInk;
            EXPECT_TRUE(x >= letter && x < 2 * letter) << x;
        }
    EXPECT_GT(redInk, 0);
    EXPECT_EQ(bitmap->Canvas()->Font()->Color(), TColor(0));
}

TEST_F(HtmlText, FontSizeAndFaceChangeTheWidth) {
    TCanvas& canvas = *bitmap->Canvas();
    auto widthAt = [&](int size, const char* face) {
        TFont saved;
        saved.Assign(canvas.Font());
        canvas.Font()->SetSize(size);
        canvas.Font()->SetName(face);
        const int w = canvas.TextWidth("WWWW");
        canvas.Font()->Assign(&saved);
        return w;
    };
    EXPECT_EQ(Render("<FONT COLOR=RED SIZE=+6>WWWW</FONT>").Right, widthAt(18, kFixedFace));
    EXPECT_EQ(Render("<FONT SIZE=-4>WWWW</FONT>").Right, widthAt(8, kFixedFace));
    EXPECT_EQ(Render("<FONT SIZE=20>WWWW</FONT>").Right, widthAt(20, kFixedFace));
    EXPECT_EQ(Render("<FONT FACE=\"Arial\">WWWW</FONT>").Right, widthAt(12, "Arial"));
    EXPECT_NE(widthAt(12, "Arial"), 4 * letter);
    EXPECT_EQ(canvas.Font()->Size(), 12);
}

TEST_F(HtmlText, TagsLeftOpenStayInTheCanvasFont) {
    Render("<B><I>x");
    EXPECT_TRUE(bitmap->Canvas()->Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(bitmap->Canvas()->Font()->Style().Contains(TFontStyle::fsItalic));
    Render("</B></I>y");
    EXPECT_EQ(bitmap->Canvas()->Font()->Style(), TFontStyles{});
}

// The line under way is not counted yet when drawing stops.
TEST_F(HtmlText, ABadSizeStopsDrawingButStillReportsTheSize) {
    TSkHtml html;
    html.Prepare(bitmap.get(), "ab<FONT SIZE=big>c", TRect(0, 0, 400, 0));
    TRect size(-1, -1, -1, -1);
    EXPECT_THROW(html.Render(size), EConvertError);
    EXPECT_EQ(size, TRect(0, 0, 0, 0));
    EXPECT_NE(InkOf(*bitmap, kWhite).size(), 0u);
}

}  // namespace
