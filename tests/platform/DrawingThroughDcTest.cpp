#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
}  // namespace

TEST(DrawingThroughDc, SurfaceDcDrawsAtItsOriginInsideItsVisibleRegion) {
    std::vector<std::uint32_t> pixels(12 * 8, 0x00FFFFFF);
    auto surface = BitmapSurface::Wrap(pixels.data(), 12, 8, 12 * 4);
    Region visible(RECT{0, 0, 4, 3});
    HDC dc = CreateSurfaceDC(surface, {2, 1}, &visible);
    RECT r{0, 0, 100, 100};
    ASSERT_TRUE(FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    int black = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            EXPECT_EQ(pixels[static_cast<std::size_t>(y * 12 + x)] == 0, inside) << x << "," << y;
            black += pixels[static_cast<std::size_t>(y * 12 + x)] == 0;
        }
    EXPECT_EQ(black, 12);
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlack);
    EXPECT_EQ(GetPixel(dc, 4, 0), CLR_INVALID) << "outside the visible region";
    DeleteDC(dc);
}

TEST(DrawingThroughDc, AnisotropicMappingScalesShapesAndPens) {
    // One logical unit = 3 pixels across, 2 down, as a printer page maps.
    PixelCanvas canvas(30, 20);
    HDC dc = canvas.Dc();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 3, 2, nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 1, 1, 5, 5);  // the fill without a pen: (3,2)-(15,10) less one pixel
    EXPECT_EQ(canvas.At(3, 2), kBlack);
    EXPECT_EQ(canvas.At(13, 8), kBlack);
    EXPECT_EQ(canvas.At(14, 9), kWhite);
    EXPECT_EQ(canvas.At(2, 2), kWhite);
    SelectObject(dc, old);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10})) << "the clip box is in logical units";
}

TEST(DrawingThroughDc, PatternBrushesTileFromTheBrushOrigin) {
    // A 2x2 monochrome checker: 0 bits take the text colour, 1 bits the background.
    const BYTE bits[] = {0x40, 0, 0x80, 0};
    HBITMAP checker = CreateBitmap(2, 2, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(checker);
    DeleteObject(checker);  // the brush keeps its own copy
    PixelCanvas canvas(4, 2);
    SetTextColor(canvas.Dc(), RGB(255, 0, 0));
    SetBkColor(canvas.Dc(), RGB(0, 0, 255));
    RECT all{0, 0, 4, 2};
    ASSERT_TRUE(FillRect(canvas.Dc(), &all, brush));
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(2, 0), RGB(255, 0, 0));
    SetBrushOrgEx(canvas.Dc(), 1, 0, nullptr);
    FillRect(canvas.Dc(), &all, brush);
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255));
    DeleteObject(brush);
}

TEST(DrawingThroughDc, DrawingIntoEightBitAndMonochromeBitmaps) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 2);  // monochrome: a fresh memory DC's kind
    HGDIOBJ old = SelectObject(dc, mono);
    RECT all{0, 0, 8, 2};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(30, 30, 30));  // nearest to black
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 8, 1);
    EXPECT_EQ(GetPixel(dc, 3, 0), kWhite);
    EXPECT_EQ(GetPixel(dc, 3, 1), kBlack);
    SelectObject(dc, oldPen);
    SelectObject(dc, old);
    DeleteObject(pen);
    DeleteObject(mono);
    DeleteDC(dc);
}
