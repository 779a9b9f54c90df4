// The canvas on pixels: text alignment, clipping shapes, gradient bands,
// blending, resampling, and the chart font's shadow.

#include "ChartPixelSurface.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/ChartFont.h"
#include "chart/effects/BitmapResampling.h"
#include "chart/effects/ChartBlend.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/SubGradient.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/system/Languages.h"
#include "platform/text/Fonts.h"

#include "ui/forms/Screen.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

// The shared pixel surface, plus where a colour lies across it.
struct Surface : ChartPixelSurface {
    using ChartPixelSurface::ChartPixelSurface;
    // Leftmost and rightmost columns holding a pixel of `colour`.
    std::pair<int, int> Columns(TColor colour) {
        int left = bitmap.Width(), right = -1;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (At(x, y) == colour) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return {left, right};
    }
};

}  // namespace

TEST(ChartCanvasText, AlignmentPlacesTheTextAroundItsPoint) {
    // The ink of the same text at the same point, by alignment: right-aligned
    // it ends where left-aligned it starts, centred it lies half way.
    const unsigned aligns[] = {TA_LEFT, TA_RIGHT, TA_CENTER};
    int left[3], right[3], w = 0;
    for (int i = 0; i < 3; ++i) {
        Surface s(200, 30);
        s.canvas.SetDefaultTools();
        w = s.canvas.TextWidth("WWWW");
        ASSERT_GT(w, 8);
        s.canvas.SetTextAlign(aligns[i] | TA_TOP);
        s.canvas.TextOut(100, 5, "WWWW");
        std::tie(left[i], right[i]) = s.Columns(clBlack);
        ASSERT_LT(left[i], right[i]);
    }
    EXPECT_EQ(left[1], left[0] - w);
    EXPECT_EQ(right[1], right[0] - w);
    EXPECT_EQ(left[2], left[0] - w / 2);
    EXPECT_GE(left[0], 100);  // left-aligned ink starts at the point
    EXPECT_LE(right[1], 100);  // right-aligned ends there
}

TEST(ChartCanvasText, ShadowOffsetsAndWidths) {
    Surface s(200, 40);
    s.canvas.SetDefaultTools();
    TChartFont font;
    font.SetSize(14);
    font.SetColor(clBlue);
    s.canvas.SelectChartFont(font);
    const int plain = s.canvas.TextWidth("I");
    font.Shadow().SetHorizSize(-3);
    font.Shadow().SetVertSize(2);
    font.Shadow().SetColor(clRed);
    s.canvas.SelectChartFont(font);
    EXPECT_EQ(s.canvas.TextWidth("I"), plain + 3);  // the shadow's size counts
    s.canvas.TextOut(50, 5, "I");
    // a shadow cast left stays at x and moves the text three pixels right
    const auto [redLeft, redRight] = s.Columns(clRed);
    const auto [blueLeft, blueRight] = s.Columns(clBlue);
    ASSERT_LE(redLeft, redRight);
    ASSERT_LE(blueLeft, blueRight);
    EXPECT_EQ(blueLeft - redLeft, 3);
    font.Shadow().SetVisible(false);
    s.canvas.SelectChartFont(font);
    EXPECT_EQ(s.canvas.TextWidth("I"), plain);
}

TEST(ChartCanvasClip, ShapesKeepDrawingInside) {
    const struct {
        const char* what;
        void (*clip)(TChartCanvas3D&);
        TPoint inside, outside;
    } cases[] = {
        {"rectangle", [](TChartCanvas3D& c) { c.ClipToRect(TRect{10, 10, 50, 50}); }, {30, 30}, {55, 30}},
        {"ellipse", [](TChartCanvas3D& c) { c.ClipToEllipse(TRect{10, 10, 50, 50}, false); }, {30, 30}, {12, 12}},
        {"round rectangle", [](TChartCanvas3D& c) { c.ClipToRoundRect(TRect{10, 10, 50, 50}, 20); }, {30, 11}, {10, 10}},
        {"polygon", [](TChartCanvas3D& c) {
             const TPoint p[3] = {{10, 10}, {50, 10}, {10, 50}};
             c.ClipToPolygon(p, 3, false);
         }, {15, 15}, {45, 45}},
        {"polygon inverted", [](TChartCanvas3D& c) {
             const TPoint p[3] = {{10, 10}, {50, 10}, {10, 50}};
             c.ClipToPolygon(p, 3, true);
         }, {45, 45}, {15, 15}},
    };
    for (const auto& c : cases) {
        Surface s(60, 60);
        c.clip(s.canvas);
        s.canvas.Brush().SetColor(clRed);
        s.canvas.FillRect(TRect{0, 0, 60, 60});
        s.canvas.RemoveClip();
        EXPECT_EQ(s.At(c.inside.X, c.inside.Y), clRed) << c.what;
        EXPECT_EQ(s.At(c.outside.X, c.outside.Y), clWhite) << c.what;
        s.canvas.FillRect(TRect{0, 0, 60, 60});  // the clip is gone
        EXPECT_EQ(s.At(c.outside.X, c.outside.Y), clRed) << c.what;
    }
}

TEST(ChartGradient, BandsAndSteps) {
    // one-pixel bands: the start colour at the bottom row, the end at the top
    Surface s(10, 100);
    s.canvas.FillGradient(TRect{0, 0, 10, 100}, clWhite, clBlack, gdTopBottom, 50, 0, 0);
    EXPECT_EQ(s.At(5, 99), clWhite);
    EXPECT_EQ(s.At(5, 0), clBlack);
    for (int y = 1; y < 100; ++y) ASSERT_LE(s.At(5, y - 1) & 0xFF, s.At(5, y) & 0xFF) << y;
    // a single row makes one band and paints nothing
    Surface one(10, 5);
    one.canvas.FillGradient(TRect{0, 2, 10, 3}, clBlack, clBlack, gdTopBottom, 50, 0, 0);
    EXPECT_EQ(one.At(5, 2), clWhite);

    const struct {
        int balance, i, n;
        int expected;  // the red channel from 0 to 200
    } steps[] = {
        {50, 0, 10, 0}, {50, 5, 10, 100}, {50, 10, 10, 200},
        {0, 0, 3, 100},    // exponent 0.5: ((0 + 1) / 4)^0.5 = 0.5
        {100, 0, 3, 12},   // exponent 2: (1 / 4)^2 = 0.0625, 12.5 rounds to even
    };
    for (const auto& c : steps)
        EXPECT_EQ(static_cast<int>(GradientStepColor(0x000000, 0x0000C8, c.i, c.n, c.balance) & 0xFF), c.expected)
            << c.balance << " " << c.i;
}

TEST(ChartGradient, MiddleColourAndCopies) {
    int changes = 0;
    TChartGradient g([&] { ++changes; });
    g.SetMidColor(clNone);  // none set: nothing happens
    EXPECT_EQ(changes, 0);
    g.SetMidColor(clRed);
    g.SetMidColor(clRed);
    EXPECT_EQ(changes, 1);
    g.SubGradient().SetVisible(true);
    TChartGradient plain;
    g.Assign(plain);  // a source without a sub-gradient drops the target's
    EXPECT_FALSE(g.HasSubGradient());
    EXPECT_EQ(g.MidColor(), clNone);
}

TEST(ChartBlend, MixBitmapsByOpacity) {
    const struct {
        bool system;
        int opacity;
        std::uint8_t dest, source, expected;
    } cases[] = {
        {false, 100, 0x40, 0xC0, 0x40},  // the new drawing stays as drawn
        {false, 0, 0x40, 0xC0, 0xC0},    // the snapshot comes back
        {false, 50, 0x40, 0xC0, 0x80},
        {true, 100, 0x40, 0xC0, 0x40},
        {true, 0, 0x40, 0xC0, 0xC0},
    };
    for (const auto& c : cases) {
        SystemAlphaBlending() = c.system;
        TBitmap source(4, 4, TPixelFormat::pf24bit), dest(4, 4, TPixelFormat::pf24bit);
        const TColor s = c.source * 0x010101u, d = c.dest * 0x010101u;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                source.Canvas()->SetPixel(x, y, s);
                dest.Canvas()->SetPixel(x, y, d);
            }
        MixBitmaps(source, dest, TPoint{0, 0}, c.opacity);
        const int got = static_cast<int>(dest.Canvas()->Pixels(2, 2) & 0xFF);
        EXPECT_NEAR(got, c.expected, c.system ? 1 : 0) << c.system << " " << c.opacity;
    }
    // the per-pixel path never leaves pure white: red becomes 254
    SystemAlphaBlending() = false;
    TBitmap source(2, 2, TPixelFormat::pf24bit), dest(2, 2, TPixelFormat::pf24bit);
    source.Canvas()->SetPixel(0, 0, clWhite);
    dest.Canvas()->SetPixel(0, 0, clWhite);
    MixBitmaps(source, dest, TPoint{0, 0}, 100);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 0), static_cast<TColor>(0xFFFFFE));
    SystemAlphaBlending() = true;
}

TEST(ChartBlend, SnapshotClampedToTheCanvas) {
    Surface s(50, 50);
    TChartBlend left(s.canvas, TRect{-30, -30, -10, -10});  // wholly off the canvas
    EXPECT_TRUE(left.Valid());
    EXPECT_EQ(left.Rect(), (TRect{0, 0, 1, 1}));
    TChartBlend wide(s.canvas, TRect{40, 40, 90, 90});
    EXPECT_EQ(wide.Rect(), (TRect{40, 40, 50, 50}));
}

TEST(BitmapResampling, SizesAndLimits) {
    const struct {
        int from, to;
        bool fast;
    } cases[] = {{100, 50, false}, {100, 200, false}, {100, 50, true}, {3, 9, false}};
    for (const auto& c : cases) {
        TBitmap source(c.from, 4, TPixelFormat::pf24bit), dest(c.to, 4, TPixelFormat::pf24bit);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < c.from; ++x) source.Canvas()->SetPixel(x, y, x < c.from / 2 ? clBlack : clWhite);
        StretchFiltered(source, dest, c.fast);
        // flat areas stay flat, the edge stays in the middle; sums past the
        // ends of 0..255 are cut, never wrapped
        EXPECT_EQ(dest.Canvas()->Pixels(0, 1), clBlack) << c.from << ">" << c.to;
        EXPECT_GE(dest.Canvas()->Pixels(c.to - 1, 1) & 0xFF, 250u) << c.from << ">" << c.to;
        for (int x = 0; x < c.to; ++x) {
            const TColor p = dest.Canvas()->Pixels(x, 2);
            ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF) << x;  // grey stays grey
        }
    }
    TBitmap tiny(1, 5), dest(10, 10);
    dest.Canvas()->SetPixel(3, 3, clRed);
    StretchFiltered(tiny, dest);  // one pixel wide: nothing happens
    EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
}

TEST(ChartFont, StoredAgainstItsOwnersDefaults) {
    TChartFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_FALSE(font.NameStored());
    EXPECT_FALSE(font.HeightStored());
    font.ColorDefault = clBlue;  // a title's own default
    font.SetColor(clBlue);
    EXPECT_FALSE(font.ColorStored());
    font.SetColor(clBlack);
    EXPECT_TRUE(font.ColorStored());

    int changes = 0;
    TChartFont watched([&] { ++changes; });
    watched.SetInterCharSize(0);
    EXPECT_EQ(changes, 0);
    watched.SetInterCharSize(2);
    watched.Shadow().SetHorizSize(4);
    EXPECT_EQ(changes, 2);
    TChartFont copy;
    copy.Assign(watched);
    EXPECT_EQ(copy.InterCharSize(), 2);
    EXPECT_EQ(copy.Shadow().HorizSize(), 4);
    watched.SetShadow(nullptr);
    EXPECT_FALSE(watched.HasShadow());
}

TEST(ChartFont, AJapaneseSystemTakesItsOwnDefaultFont) {
    const platform::LOGFONTA system = platform::StockLogFont(platform::DEFAULT_GUI_FONT);
    const int savedPpi = Screen->PixelsPerInch;
    Screen->PixelsPerInch = 72;  // one pixel a point: the size is the system font's own height
    const TChartFontDefaults russian = ChartFontDefaultsFor(platform::MAKELANGID(platform::LANG_RUSSIAN, 1));
    const TChartFontDefaults japanese = ChartFontDefaultsFor(platform::MAKELANGID(platform::LANG_JAPANESE, 1));
    Screen->PixelsPerInch = savedPpi;
    EXPECT_EQ(russian.Name, "Arial");
    EXPECT_EQ(russian.Size, 8);
    EXPECT_EQ(japanese.Name, system.lfFaceName);
    EXPECT_EQ(japanese.Size, -system.lfHeight);
    EXPECT_NE(japanese.Size, 8);
}

TEST(ChartCanvasText, OutlinedAndGradientLettersShow) {
    // Both work on the letters' path: filled and stroked, or the gradient
    // drawn with the path as the clip.
    const struct {
        const char* what;
        void (*set)(TChartFont&);
    } cases[] = {
        {"outline", [](TChartFont& f) {
             f.OutLine().Show();
             f.OutLine().SetColor(clBlue);
         }},
        {"gradient", [](TChartFont& f) {
             f.Gradient().SetVisible(true);
             f.Gradient().SetStartColor(clBlue);
             f.Gradient().SetEndColor(clBlue);
         }},
    };
    for (const auto& c : cases) {
        Surface s(120, 50);
        s.canvas.SetDefaultTools();
        TChartFont font;
        font.SetSize(24);
        font.SetColor(clBlue);
        c.set(font);
        s.canvas.SelectChartFont(font);
        s.canvas.TextOut(10, 5, "H");
        const auto [left, right] = s.Columns(clBlue);
        EXPECT_LT(left, right) << c.what;
    }
}
