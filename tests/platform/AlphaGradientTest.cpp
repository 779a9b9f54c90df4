#include "platform/gdi/AlphaBlending.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Gradients.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

TEST(AlphaBlend, ConstantAndPerPixelArithmetic) {
    struct Case {
        const char* name;
        std::uint32_t source;  // 0xAARRGGBB, premultiplied
        std::uint32_t dest;
        BYTE constant;
        bool perPixel;
        std::uint32_t result;
    } cases[] = {
        {"opaque constant", 0x00FFFFFF, 0x00000000, 255, false, 0x00FFFFFF},
        {"half constant", 0x00FFFFFF, 0x00000000, 128, false, 0x00808080},
        {"zero constant keeps dest", 0x00FFFFFF, 0x00123456, 0, false, 0x00123456},
        {"constant blends alpha too", 0xFF000000, 0x00000000, 128, false, 0x80000000},
        {"pixel alpha over white", 0x80800000, 0x00FFFFFF, 255, true, 0x80FF7F7F},
        {"pixel alpha 0 keeps dest", 0x00000000, 0x00336699, 255, true, 0x00336699},
        {"opaque pixel replaces", 0xFF102030, 0x00FFFFFF, 255, true, 0xFF102030},
        {"pixel and constant", 0x80800000, 0x00FFFFFF, 128, true, 0x40FFBFBF},
    };
    for (const Case& c : cases) {
        PixelCanvas source(1, 1);
        PixelCanvas dest(2, 1);
        source.SetRaw(0, 0, c.source);
        dest.SetRaw(0, 0, c.dest);
        dest.SetRaw(1, 0, c.dest);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, c.constant, static_cast<BYTE>(c.perPixel ? AC_SRC_ALPHA : 0)};
        ASSERT_TRUE(AlphaBlend(dest.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, 1, 1, blend)) << c.name;
        EXPECT_EQ(dest.RawAt(0, 0), c.result) << c.name << std::hex << " got " << dest.RawAt(0, 0);
        EXPECT_EQ(dest.RawAt(1, 0), c.dest) << c.name;
    }
}

TEST(AlphaBlend, RefusesWhatTheSystemRefuses) {
    PixelCanvas source(4, 4);
    PixelCanvas dest(4, 4);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, source.Dc(), 1, 1, 4, 4, blend)) << "source off its bitmap";
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, -4, 4, source.Dc(), 0, 0, 4, 4, blend));
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 4, -4, blend));
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, reinterpret_cast<HDC>(0x7FFF0004), 0, 0, 4, 4, blend));
    BLENDFUNCTION badOp{1, 0, 255, 0};
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 4, 4, badOp));
    // Per-pixel alpha needs 32-bit source rows.
    HDC dc24 = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 4;
    info.bmiHeader.biBitCount = 24;
    HBITMAP rgb = CreateDIBSection(dc24, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    HGDIOBJ old = SelectObject(dc24, rgb);
    EXPECT_FALSE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, dc24, 0, 0, 4, 4, blend));
    blend.AlphaFormat = 0;
    EXPECT_TRUE(AlphaBlend(dest.Dc(), 0, 0, 4, 4, dc24, 0, 0, 4, 4, blend));
    EXPECT_EQ(dest.At(0, 0), kBlack);
    SelectObject(dc24, old);
    DeleteDC(dc24);
    DeleteObject(rgb);
}

TEST(TransparentBlt, LeavesKeyColouredPixelsOut) {
    PixelCanvas source(3, 1, RGB(255, 0, 255));
    source.SetRaw(1, 0, 0x00112233);
    PixelCanvas dest(6, 2, kWhite);
    ASSERT_TRUE(TransparentBlt(dest.Dc(), 0, 0, 6, 2, source.Dc(), 0, 0, 3, 1, RGB(255, 0, 255)));
    EXPECT_EQ(dest.At(0, 0), kWhite);
    EXPECT_EQ(dest.At(2, 1), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(dest.At(3, 1), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(dest.At(5, 0), kWhite);
    EXPECT_FALSE(TransparentBlt(dest.Dc(), 0, 0, 6, 2, source.Dc(), 0, 0, 4, 1, 0)) << "source off its bitmap";
}

TEST(GradientFill, RectanglesStartOnTheFirstColour) {
    TRIVERTEX v[2];
    v[0] = {0, 0, 0xFF00, 0, 0, 0xFF00};
    v[1] = {4, 2, 0, 0, 0xFF00, 0};
    GRADIENT_RECT r{0, 1};
    PixelCanvas h(4, 2);
    ASSERT_TRUE(GradientFill(h.Dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(h.RawAt(0, 0), 0xFFFF0000u) << "first column: the first colour, alpha included";
    EXPECT_EQ(h.RawAt(0, 1), 0xFFFF0000u);
    EXPECT_EQ(h.At(2, 0), RGB(127, 0, 127));
    EXPECT_EQ(h.At(3, 0), RGB(63, 0, 191)) << "the last column stops a step short";

    PixelCanvas vertical(2, 4);
    v[1] = {2, 4, 0, 0, 0xFF00, 0};
    ASSERT_TRUE(GradientFill(vertical.Dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(vertical.At(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(vertical.At(1, 3), RGB(63, 0, 191));
}

TEST(GradientFill, TrianglesTakeTheirCornerColours) {
    // The skin's four-triangle fill: corners and centre of a 20x20 box.
    TRIVERTEX v[5] = {{0, 0, 0xFF00, 0, 0, 0xFF00},  {10, 10, 0, 0, 0, 0xFF00}, {20, 0, 0, 0xFF00, 0, 0xFF00},
                      {20, 20, 0, 0, 0xFF00, 0xFF00}, {0, 20, 0xFF00, 0xFF00, 0xFF00, 0xFF00}};
    GRADIENT_TRIANGLE t[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    PixelCanvas canvas(20, 20, RGB(1, 2, 3));
    ASSERT_TRUE(GradientFill(canvas.Dc(), v, 5, t, 4, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(10, 10), RGB(0, 0, 0));
    // Pixels one step in from the far corners are nearly the corner colours.
    EXPECT_GT(GetGValue(canvas.At(19, 0)), 225);
    EXPECT_GT(GetBValue(canvas.At(19, 19)), 225);
    EXPECT_GT(GetRValue(canvas.At(0, 19)), 225);
    EXPECT_GT(GetGValue(canvas.At(0, 19)), 225);
    EXPECT_EQ(canvas.Count(RGB(1, 2, 3)), 0) << "the four triangles cover the box, and no more";
    canvas.Dump("gradient-triangles");
    GRADIENT_TRIANGLE bad{0, 1, 5};
    canvas.Fill(kWhite);
    EXPECT_FALSE(GradientFill(canvas.Dc(), v, 5, &bad, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_FALSE(GradientFill(canvas.Dc(), v, 5, t, 4, 3));
    EXPECT_FALSE(GradientFill(canvas.Dc(), nullptr, 5, t, 4, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(canvas.Count(kWhite), 20 * 20) << "failed calls draw nothing";
}
