// The chart's HTML text: tokens, tags and their effect on font and pen
// position, measured extents, drawn pixels, images and errors.

#include "ChartPixelSurface.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/text/HtmlTags.h"
#include "chart/text/HtmlText.h"

#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr TColor kRed = 0x0000FF;

// A white bitmap with a chart canvas writing black 8-point text on it.
struct TextSurface : ChartPixelSurface {
    using ChartPixelSurface::ChartPixelSurface;
    // The bounding box of the pixels of `colour` (of anything but white by default).
    TRect Ink(TColor colour = clNone) {
        return InkWhere([&](TColor c) { return colour == clNone ? c != clWhite : c == colour; });
    }
    // Mostly red: letters are smoothed at their edges.
    TRect RedInk() {
        return InkWhere([](TColor c) {
            const std::uint32_t rgb = ColorToRGB(c);
            return (rgb & 0xFF) > 200 && ((rgb >> 8) & 0xFF) < 120 && ((rgb >> 16) & 0xFF) < 120;
        });
    }
    // Width of `text` in the canvas font with `styles` added.
    int Width(const std::string& text, TFontStyles styles = {}) {
        const TFontStyles saved = canvas.Font().Style();
        canvas.Font().SetStyle(saved + styles);
        const int w = canvas.TextWidth(text);
        canvas.Font().SetStyle(saved);
        return w;
    }
};

}  // namespace

TEST(HtmlText, ExtentsOfRunsAndLines) {
    TextSurface s(200, 60);
    const int line = s.canvas.FontLineHeight();
    struct Case {
        const char* html;
        int width, height;
    };
    const Case cases[] = {
        // bold and plain on one line: the widths add up
        {"Speed <B>high</B>", s.Width("Speed ") + s.Width("high", {TFontStyle::fsBold}), line},
        // two lines: the wider one, and one line's height
        {"a<BR>bb", s.Width("bb"), line},
        {"aaa\r\n<P>b", s.Width("aaa"), line},
        // a line break inside a run is no break
        {"aa\r\nb", s.Width("aa\r\nb"), line},
        {"&lt;tag&gt;", s.Width("<tag>"), line},
        {"&amp;lt;", s.Width("&lt;"), line},
        {"&quot;q&quot;", s.Width("\"q\""), line},
        {"<XYZ>", s.Width("<XYZ>"), line},
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        const platform::SIZE size = MeasureHtmlText(s.canvas, c.html);
        EXPECT_EQ(size.cx, c.width) << c.html;
        EXPECT_EQ(size.cy, c.height) << c.html;
    }
    EXPECT_TRUE(s.canvas.Font().Style().Empty());
}

TEST(HtmlText, LinesAndColoursOnPixels) {
    TextSurface s(200, 60);
    const int line = s.canvas.FontLineHeight();
    DrawHtmlText(s.canvas, 10, 5, "Wa<BR><FONT COLOR=#FF0000>W</FONT>b");
    s.Dump("html-lines");
    const TRect red = s.RedInk();
    const TRect all = s.Ink();
    ASSERT_LT(red.Left, red.Right) << "the second line's W is red";
    // the red W starts the second line, one line lower than the first
    EXPECT_LE(red.Left, 12);
    EXPECT_EQ(all.Left, red.Left);
    EXPECT_GE(red.Top, 5 + line);
    EXPECT_LT(all.Top, 5 + line);
    EXPECT_LT(red.Top - all.Top, line + 2);
    EXPECT_EQ(s.canvas.Font().Color(), clBlack);  // the colour came back with </FONT>
}

TEST(HtmlText, FontTagsPushAndPop) {
    TextSurface s(100, 40);
    TFont& font = s.canvas.Font();
    font.SetSize(8);
    MeasureHtmlText(s.canvas, "<FONT SIZE=+4>");
    EXPECT_EQ(font.Size(), 12);
    MeasureHtmlText(s.canvas, "<FONT SIZE=4 NAME=\"Courier New\" COLOR=lime>");
    EXPECT_EQ(font.Size(), 4);
    EXPECT_EQ(font.Color(), 0x00FF00);
    MeasureHtmlText(s.canvas, "</FONT></FONT>");  // later calls close what earlier ones opened
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clBlack);

    font.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    MeasureHtmlText(s.canvas, "<BIG><FONT WEIGHT=NORMAL>");
    EXPECT_EQ(font.Size(), 10);
    EXPECT_TRUE(font.Style().Empty());
    // each pop restores the font as it was pushed, bold italic included
    MeasureHtmlText(s.canvas, "x</FONT>");
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
    MeasureHtmlText(s.canvas, "</FONT>");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
    font.SetStyle({});

    // "</>" closes the font its tag pushed, or else the last style opened
    MeasureHtmlText(s.canvas, "<H1>x</>");
    EXPECT_EQ(font.Size(), 8);
    MeasureHtmlText(s.canvas, "<U><B>x</>y");
    EXPECT_EQ(font.Style(), TFontStyles{TFontStyle::fsUnderline});
    MeasureHtmlText(s.canvas, "</>");
    EXPECT_TRUE(font.Style().Empty());

    MeasureHtmlText(s.canvas, "<SUB>");
    EXPECT_EQ(font.Size(), 4);
    MeasureHtmlText(s.canvas, "</SUB><PRE>");
    EXPECT_EQ(font.Name(), "COURIER NEW");
    MeasureHtmlText(s.canvas, "</PRE>");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_NE(font.Name(), "COURIER NEW");
}

TEST(HtmlText, Errors) {
    TextSurface s(100, 40);
    try {
        DrawHtmlText(s.canvas, 5, 5, "text<B");
        FAIL() << "no error";
    } catch (const HtmlParserException& e) {
        EXPECT_EQ(std::string(e.what()), "Missing > at B");
    }
    EXPECT_LT(s.Ink().Left, s.Ink().Right) << "the text before the tag is written";

    struct Case {
        const char* html;
        const char* message;  // empty: the number conversion's error
    };
    const Case cases[] = {
        {"<FONT FOO=1>", "Unknown field in FONT: FOO"},
        {"<FONT WEIGHT=HEAVY>", "Unknown field in FONT WEIGHT=HEAVY"},
        {"<FONT WEIGHT=BOLD, THICK>", "Unknown field in FONT WEIGHT=BOLD, THICK"},
        {"<FONT SIZE=big>", ""},
        {"<FONT COLOR=#12345>", ""},
    };
    for (const Case& c : cases) {
        if (*c.message) {
            try {
                MeasureHtmlText(s.canvas, c.html);
                ADD_FAILURE() << c.html;
            } catch (const EConvertError&) {
                ADD_FAILURE() << c.html;
            } catch (const Exception& e) {
                EXPECT_EQ(std::string(e.what()), c.message);
            }
        } else {
            EXPECT_THROW(MeasureHtmlText(s.canvas, c.html), EConvertError) << c.html;
        }
        MeasureHtmlText(s.canvas, "</FONT>");  // the font pushed before the error
    }
    EXPECT_EQ(s.canvas.Font().Size(), 8);
}

TEST(HtmlText, ImagesAndPlaceholders) {
    TextSurface s(120, 80);
    const int x = s.Width("x");
    // no hooks: a crossed 40 x 40 placeholder, and the text goes on where it was
    EXPECT_EQ(MeasureHtmlText(s.canvas, "<IMG SRC=pic.bmp>x").cx, x);
    DrawHtmlText(s.canvas, 10, 10, "<IMG SRC=pic.bmp WIDTH=30>");
    s.Dump("html-placeholder");
    EXPECT_EQ(s.Ink(kRed), (TRect{10, 10, 40, 50}));
    EXPECT_EQ(s.At(25, 30), kRed);  // the diagonals cross in the middle
    EXPECT_EQ(s.At(15, 30), clWhite);

    // with hooks: a 5 x 3 bitmap moves the pen by its size
    TBitmap picture(5, 3, TPixelFormat::pf24bit);
    picture.Canvas()->Brush()->SetColor(clBlue);
    picture.Canvas()->FillRect(TRect{0, 0, 5, 3});
    std::string requested;
    HtmlGraphicHook() = [&](const std::string& extension) -> std::unique_ptr<TGraphic> {
        requested = extension;
        return extension == ".BMP" ? std::make_unique<TBitmap>() : nullptr;
    };
    HtmlFileLoadHook() = [&](const std::string& name, TMemoryStream& stream) {
        if (name == "broken.bmp") stream.WriteBuffer("BMnonsense", 10);
        else if (name != "missing.bmp") picture.SaveToStream(stream);
        return 0;
    };
    EXPECT_EQ(MeasureHtmlText(s.canvas, "<IMG SRC=\"Pic.bmp\">x").cx, 5 + x);
    EXPECT_EQ(requested, ".BMP");
    EXPECT_EQ(MeasureHtmlText(s.canvas, "<IMG SRC=pic.bmp WIDTH=20 HEIGHT=2>x").cx, 20 + x);
    // broken or missing files and unknown formats: the placeholder, no error
    for (const char* html : {"<IMG SRC=broken.bmp>x", "<IMG SRC=missing.bmp>x", "<IMG SRC=pic.xyz>x"})
        EXPECT_EQ(MeasureHtmlText(s.canvas, html).cx, x) << html;
    TextSurface shown(60, 40);
    DrawHtmlText(shown.canvas, 7, 4, "<IMG SRC=pic.bmp>");
    EXPECT_EQ(shown.Ink(clBlue), (TRect{7, 4, 12, 7}));
    HtmlGraphicHook() = nullptr;
    HtmlFileLoadHook() = nullptr;
}

TEST(HtmlText, CentreRuleAndTheCanvasTextOutput) {
    TextSurface s(200, 60);
    DrawHtmlText(s.canvas, 0, 0, "<CENTER>WWWW</CENTER>");
    const TRect centred = s.Ink();
    EXPECT_LE(std::abs((centred.Left + centred.Right) / 2 - 100), 2);

    TextSurface rule(200, 60);
    DrawHtmlText(rule.canvas, 20, 10, "<HR>");
    EXPECT_EQ(rule.Ink(static_cast<TColor>(0x808080)), (TRect{20, 10, 120, 11}));

    // the canvas writes through the renderer only when asked to
    TextSurface html(200, 30), plain(200, 30);
    html.canvas.TextOut(5, 5, "<B>x</B>", true);
    plain.canvas.TextOut(5, 5, "<B>x</B>", false);
    EXPECT_LT(html.Ink().Right - html.Ink().Left, plain.Ink().Right - plain.Ink().Left - 10);
}

TEST(HtmlTags, AttributesAndColours) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(HtmlAttributes("size=12 Name=Courier New color=RED"),
              (Pairs{{"SIZE", "12"}, {"NAME", "Courier New"}, {"COLOR", "RED"}}));
    EXPECT_EQ(HtmlAttributes("NAME=\"COURIER NEW\""), (Pairs{{"NAME", "COURIER NEW"}}));
    EXPECT_EQ(HtmlAttributes("SRC = a.bmp  WIDTH=3"), (Pairs{{"SRC", "a.bmp"}, {"WIDTH", "3"}}));
    EXPECT_TRUE(HtmlAttributes("nothing").empty());

    const struct {
        const char* text;
        TColor colour;
    } colours[] = {{"RED", 0x0000FF},     {" lime ", 0x00FF00},  {"Blue", 0xFF0000},  {"#FF8000", 0x0080FF},
                   {"#ff8000", 0x0080FF}, {"clNavy", clNavy},    {"255", 255}};
    for (const auto& c : colours) EXPECT_EQ(HtmlColor(c.text), c.colour) << c.text;
    EXPECT_THROW(HtmlColor("nonsense"), EConvertError);

    TFont font;
    font.SetName("Arial");
    font.SetSize(9);
    font.SetColor(clBlack);
    font.SetStyle({TFontStyle::fsBold, TFontStyle::fsStrikeOut});
    const std::string saved = SavedFontTag(font);
    EXPECT_EQ(saved, "<FONT size=9 name=Arial color=0 weight=BOLD, STRIKE>");
    TFont other;
    ApplyFontTag(other, saved);
    EXPECT_EQ(other.Name(), "Arial");
    EXPECT_EQ(other.Size(), 9);
    EXPECT_EQ(other.Style(), font.Style());
    font.SetStyle({});
    EXPECT_EQ(SavedFontTag(font), "<FONT size=9 name=Arial color=0 weight=NORMAL>");
}
