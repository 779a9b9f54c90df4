// Shadows on pixels: solid bands, fading bands without a buffer, and the
// smooth shadow blurred into the canvas' buffer.

#include "ChartPixelSurface.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/canvas/ChartFont.h"
#include "chart/effects/ChartShadow.h"
#include "chart/effects/ChartShadowBlur.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// A chart canvas over a white bitmap: drawing straight onto it, or into the
// canvas' own buffer (which is where the smooth shadow goes).
struct ShadowSurface {
    ShadowSurface(int w, int h, bool buffered) : screen(w, h) {
        screen.Canvas()->Brush()->SetColor(clWhite);
        screen.Canvas()->FillRect(TRect{0, 0, w, h});
        canvas.SetBuffered(buffered);
        canvas.PrepareDrawing(screen.Canvas(), nullptr, clWhite, false, TRect{0, 0, w, h});
        Fill(clWhite);
    }
    void Fill(TColor colour) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(colour);
        canvas.Pen().SetStyle(TPenStyle::psClear);
        canvas.FillRect(TRect{0, 0, screen.Width(), screen.Height()});
    }
    TColor At(int x, int y) { return canvas.GetPixel(x, y); }
    // The bounding box of the pixels that are not white.
    TRect Marked() {
        return InkBounds(screen.Width(), screen.Height(), [this](int x, int y) { return At(x, y); },
                         [](TColor c) { return c != clWhite; });
    }
    void Dump(const std::string& name) {
        DumpChartPixels(name, screen.Width(), screen.Height(), [this](int x, int y) { return At(x, y); });
    }
    TBitmap screen;
    TChartCanvas3D canvas;
};

TColor GreyColour(int level) { return static_cast<TColor>(level | (level << 8) | (level << 16)); }
int Red(TColor c) { return static_cast<int>(ColorToRGB(c) & 0xFF); }
int Green(TColor c) { return static_cast<int>((ColorToRGB(c) >> 8) & 0xFF); }

}  // namespace

TEST(ChartShadow, NothingToShow) {
    for (bool buffered : {false, true}) {
        ShadowSurface s(40, 40, buffered);
        TChartShadow none;
        none.SetColor(clNone);
        none.SetSpread(3);
        none.SetTransparency(50);
        none.Draw(s.canvas, TRect{5, 5, 20, 20});
        TChartShadow flat;
        flat.SetColor(clBlack);
        flat.Draw(s.canvas, TRect{5, 5, 20, 20});
        flat.DrawEllipse(s.canvas, TRect{5, 5, 20, 20}, 0);
        EXPECT_EQ(s.Marked(), (TRect{40, 40, -1, -1})) << buffered;
    }
}

TEST(ChartShadow, SolidBands) {
    struct Case {
        int h, v;
        bool rotationOff;
        TRect expected;  // what the two bands cover together
    };
    // the box (10, 10, 30, 20); with rotation disabled the bands are one
    // pixel larger as rectangles, which a fill without outline takes back
    const Case cases[] = {
        {3, 3, true, {13, 13, 33, 23}},
        {3, 3, false, {13, 13, 33, 23}},
        {-3, 0, true, {7, 10, 10, 20}},
        {0, -2, true, {10, 8, 29, 10}},
    };
    for (const Case& c : cases) {
        ShadowSurface s(50, 40, false);
        TChartShadow shadow;
        shadow.SetSmooth(false);
        shadow.SetColor(clBlack);
        shadow.SetHorizSize(c.h);
        shadow.SetVertSize(c.v);
        if (c.rotationOff) s.canvas.SuspendRotation();
        s.canvas.Pen().SetStyle(TPenStyle::psDot);
        s.canvas.Pen().SetColor(clBlue);
        shadow.Draw(s.canvas, TRect{10, 10, 30, 20});
        // the owner's pen comes back
        EXPECT_EQ(s.canvas.Pen().Style(), TPenStyle::psDot);
        EXPECT_EQ(s.canvas.Pen().Color(), clBlue);
        EXPECT_EQ(s.Marked(), c.expected) << c.h << "," << c.v << " " << c.rotationOff;
        // the box itself is not painted
        EXPECT_EQ(s.At(20, 15), clWhite);
    }
}

TEST(ChartShadow, FadedWithoutABuffer) {
    ShadowSurface s(50, 40, false);
    TChartShadow shadow;
    shadow.SetColor(GreyColour(60));
    shadow.SetSpread(4);
    s.canvas.SuspendRotation();
    shadow.Draw(s.canvas, TRect{10, 10, 30, 20});
    s.Dump("shadow-faded");
    // four lines below, lighter step by step: (255 - 60) / 4 rounds to 49
    const int expected[] = {60, 109, 158, 207};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Red(s.At(18, 20 + i)), expected[i]) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Red(s.At(30 + i, 18)), expected[i]) << i;
    // the outermost lines reach the shadow's corner (lines leave out their last pixel)
    EXPECT_NE(s.At(33, 22), clWhite);
    EXPECT_NE(s.At(32, 23), clWhite);
    EXPECT_EQ(s.At(33, 23), clWhite);
    EXPECT_EQ(s.At(34, 20), clWhite);
    EXPECT_EQ(s.At(18, 24), clWhite);
}

TEST(ChartShadow, SmoothWeights) {
    const std::vector<int> four = ShadowBlurWeights(4, 0);
    const std::vector<int> expected = {9154, 26056, 55006, 86120, 100000, 86120, 55006, 26056, 9154};
    EXPECT_EQ(four, expected);
    EXPECT_EQ(ShadowBlurWeights(0, 0), std::vector<int>{100000});
    // a larger SmoothBlur narrows the bell
    EXPECT_LT(ShadowBlurWeights(4, 300)[0], four[0]);
}

TEST(ChartShadow, SmoothIntoTheBuffer) {
    ShadowSurface s(70, 50, true);
    ASSERT_TRUE(TChartShadow::CanSmooth(s.canvas));
    s.Fill(clRed);
    TChartShadow shadow;
    shadow.SetColor(GreyColour(128));
    shadow.SetSpread(4);
    const TRect box{10, 10, 40, 30};
    shadow.Draw(s.canvas, box);
    s.Dump("shadow-smooth");
    // Two pixels right of the box: the mask's row holds grey in six of the
    // nine columns the weights reach, white in the last three:
    // (128 * 362456 + 255 * 90216) div 452672 = 153 across, the same in
    // every row of the vertical window; multiplied into the red:
    // 255 * 153 / 255, and the green stays 0.
    EXPECT_EQ(Red(s.At(42, 20)), 153);
    EXPECT_EQ(Green(s.At(42, 20)), 0);
    // under the box, away from the bands, the picture stays as it was
    EXPECT_EQ(s.At(20, 15), clRed);
    // it fades outwards, and nothing is written beyond the mask
    int last = 0;
    for (int x = 42; x < 50; ++x) {
        EXPECT_GE(Red(s.At(x, 20)), last) << x;
        last = Red(s.At(x, 20));
    }
    EXPECT_EQ(s.At(40 + 2 * 4 + 2, 20), clRed);
    EXPECT_EQ(s.At(20, 30 + 2 * 4 + 2), clRed);
    // the screen is not touched until the buffer is shown
    EXPECT_EQ(s.screen.Canvas()->Pixels(42, 20), clWhite);

    // owners of rounded shapes have the whole mask blurred, the part under the box too
    ShadowSurface whole(70, 50, true);
    whole.Fill(clRed);
    shadow.BlurWhole = true;
    shadow.Draw(whole.canvas, box);
    EXPECT_EQ(Red(whole.At(25, 20)), 128);  // deep inside: the grey itself
    EXPECT_EQ(Red(whole.At(42, 20)), 153);
}

TEST(ChartShadow, SmoothClippedAndCastUp) {
    ShadowSurface s(70, 50, true);
    TChartShadow shadow;
    shadow.SetColor(clBlack);
    shadow.SetSpread(3);
    shadow.SetClip(true);
    s.canvas.ClipToRect(TRect{0, 0, 41, 50});
    shadow.Draw(s.canvas, TRect{10, 10, 40, 30});
    s.canvas.RemoveClip();
    EXPECT_LT(Red(s.At(40, 20)), 255);
    EXPECT_EQ(s.At(41, 20), clWhite);
    EXPECT_EQ(s.At(42, 20), clWhite);

    // cast up and left: the shadow lies above and before the box
    ShadowSurface up(70, 50, true);
    TChartShadow back;
    back.SetColor(clBlack);
    back.SetHorizSize(-3);
    back.SetVertSize(-3);
    back.Draw(up.canvas, TRect{20, 20, 50, 40});
    up.Dump("shadow-smooth-up");
    EXPECT_LT(Red(up.At(18, 30)), 128);
    EXPECT_LT(Red(up.At(30, 18)), 128);
    EXPECT_EQ(up.At(55, 30), clWhite);
}

TEST(ChartShadow, EllipseAndPolygon) {
    // without a buffer a smooth ellipse shadow is a radial fade clipped to it
    ShadowSurface flat(60, 60, false);
    TChartShadow shadow;
    shadow.SetColor(GreyColour(100));
    shadow.SetSpread(5);
    flat.canvas.SuspendRotation();
    shadow.DrawEllipse(flat.canvas, TRect{10, 10, 50, 50}, 0);
    flat.Dump("shadow-ellipse-fade");
    EXPECT_LT(Red(flat.At(35, 35)), Red(flat.At(35, 52)));  // darker at the centre
    EXPECT_EQ(flat.At(16, 16), clWhite);                      // outside the ellipse

    // in the buffer: blurred, and offset as far as a rectangle's shadow (the
    // circle's centre moves from 35 to 40, or to 30), its blur reaching 5
    // pixels beyond the offset circle
    int sums[2];
    for (int i = 0; i < 2; ++i) {
        ShadowSurface smooth(70, 70, true);
        shadow.SetSpread(i ? 5 : -5);
        shadow.DrawEllipse(smooth.canvas, TRect{15, 15, 55, 55}, 0);
        smooth.Dump(i ? "shadow-ellipse-smooth" : "shadow-ellipse-smooth-up");
        const int centre = i ? 40 : 30;
        EXPECT_EQ(smooth.At(centre, centre), GreyColour(100)) << i;
        EXPECT_NE(i ? smooth.At(17, 40) : smooth.At(52, 30), clWhite) << i;
        const TRect ink = smooth.Marked();
        sums[i] = ink.Left + ink.Right;
    }
    EXPECT_NEAR(sums[0] + sums[1], 2 * 70, 1);

    ShadowSurface poly(60, 60, true);
    const TPoint triangle[3] = {{10, 40}, {30, 10}, {50, 40}};
    shadow.DrawPolygon(poly.canvas, triangle, 3);
    poly.Dump("shadow-polygon-smooth");
    EXPECT_LT(Red(poly.At(35, 40)), 130);
    EXPECT_EQ(poly.At(12, 14), clWhite);
}

TEST(ChartShadow, CopiesAndDefaults) {
    int changes = 0;
    TChartShadow source;
    source.SetClip(true);
    source.SetSmoothBlur(7);
    source.SetTransparency(30);
    source.SetColor(clBlue);
    TChartShadow target([&] { ++changes; });
    target.Assign(source);
    EXPECT_FALSE(target.Clip());
    EXPECT_EQ(target.SmoothBlur(), 7);
    EXPECT_EQ(target.Transparency(), 30);

    TChartShadow owned;
    owned.SetDefaults(clGray, 2);
    EXPECT_FALSE(owned.ColorStored());
    EXPECT_FALSE(owned.SizeStored());
    owned.SetVertSize(-5);
    EXPECT_TRUE(owned.SizeStored());
    EXPECT_EQ(owned.Spread(), 5);
}

TEST(ChartShadow, TextShadowBlurredInTheBuffer) {
    // the same red shadow of black text, crisp and blurred twice
    int inked[2];
    for (int blur = 0; blur < 2; ++blur) {
        ShadowSurface s(80, 40, true);
        s.canvas.SetDefaultTools();
        TChartFont font;
        font.SetSize(14);
        font.Shadow().SetColor(clRed);
        font.Shadow().SetSpread(3);
        font.Shadow().SetSmoothBlur(blur * 2);
        s.canvas.SelectChartFont(font);
        s.canvas.TextOut(10, 5, "WW");
        s.Dump(blur ? "text-shadow-blurred" : "text-shadow-crisp");
        inked[blur] = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x) inked[blur] += s.At(x, y) != clWhite;
    }
    EXPECT_GT(inked[1], inked[0] + 20);
}

TEST(ChartShadow, TransparentPolygonBlendedAllOver) {
    ShadowSurface s(60, 60, false);
    TChartShadow shadow;
    shadow.SetSmooth(false);
    shadow.SetColor(clBlack);
    shadow.SetSpread(6);
    shadow.SetTransparency(50);
    const TPoint square[4] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    shadow.DrawPolygon(s.canvas, square, 4);
    // the shadow covers (16, 16)..(46, 46): half black at both ends of it
    for (TPoint p : {TPoint{17, 17}, TPoint{44, 44}}) {
        EXPECT_GT(Red(s.At(p.X, p.Y)), 100) << p.X;
        EXPECT_LT(Red(s.At(p.X, p.Y)), 160) << p.X;
    }
    EXPECT_EQ(s.At(12, 12), clWhite);
}

TEST(ChartShadow, SolidEllipseAtItsDepth) {
    ShadowSurface s(50, 50, false);
    TChartShadow shadow;
    shadow.SetSmooth(false);
    shadow.SetColor(clBlack);
    shadow.SetSpread(3);
    shadow.DrawEllipse(s.canvas, TRect{10, 10, 30, 30}, 0);
    // flat, the ellipse at depth is one pixel larger to the right and bottom,
    // which a fill without outline takes back
    EXPECT_EQ(s.Marked(), (TRect{13, 13, 33, 33}));
    EXPECT_EQ(s.At(23, 23), clBlack);
}

TEST(ChartShadow, SmoothPolygonCastUpLiesBesideItsShape) {
    // a square's shadow cast 4 up and left is the mirror image of the one
    // cast 4 down and right: the blurred ink centres lie the same way apart
    int centre[2][2];
    for (int i = 0; i < 2; ++i) {
        const int offset = i ? 4 : -4;
        ShadowSurface s(80, 80, true);
        TChartShadow shadow;
        shadow.SetColor(clBlack);
        shadow.SetSpread(offset);
        const TPoint square[4] = {{30, 30}, {50, 30}, {50, 50}, {30, 50}};
        shadow.DrawPolygon(s.canvas, square, 4);
        s.Dump(offset < 0 ? "shadow-polygon-up" : "shadow-polygon-down");
        const TRect ink = s.Marked();
        centre[i][0] = ink.Left + ink.Right;
        centre[i][1] = ink.Top + ink.Bottom;
        EXPECT_EQ(s.At(40 + offset, 40 + offset), clBlack) << offset;
    }
    // (the mask's one extra column and row make one pixel of difference)
    EXPECT_NEAR(centre[0][0] + centre[1][0], 2 * 80, 1);
    EXPECT_NEAR(centre[0][1] + centre[1][1], 2 * 80, 1);
}
