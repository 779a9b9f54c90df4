#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;

TEST(DeviceContexts, MemoryDcStartsWithMonochromeOneByOneBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    BITMAP bm{};
    ASSERT_GT(GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // ...so bitmaps compatible with a fresh memory DC are monochrome.
    HBITMAP compatible = CreateCompatibleBitmap(dc, 8, 8);
    ASSERT_GT(GetObject(compatible, sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(GetObjectType(GetCurrentObject(dc, OBJ_PEN)), OBJ_PEN);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(compatible));
    EXPECT_FALSE(DeleteObject(dc)) << "a DC is freed by DeleteDC only";
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(DeviceContexts, SelectObjectAnswersThePreviousHandlePerSlot) {
    PixelCanvas canvas(4, 4);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    HGDIOBJ oldPen = SelectObject(canvas.Dc(), pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(canvas.Dc(), brush);
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(SelectObject(canvas.Dc(), oldPen), pen);
    EXPECT_EQ(SelectObject(canvas.Dc(), oldBrush), brush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(DeviceContexts, BitmapGoesIntoOneMemoryDcAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(first, bitmap);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    SelectObject(first, old);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    DeleteDC(second);  // frees the bitmap for others again
    EXPECT_NE(SelectObject(first, bitmap), nullptr);
    DeleteDC(first);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(DeviceContexts, DeletingASelectedObjectKeepsTheDcDrawable) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    SelectObject(dc, bitmap);
    SelectObject(dc, brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 4);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(DeviceContexts, SaveAndRestoreNestedLevels) {
    PixelCanvas canvas(10, 10);
    HDC dc = canvas.Dc();
    SetTextColor(dc, RGB(1, 1, 1));
    int first = SaveDC(dc);
    EXPECT_EQ(first, 1);
    SetTextColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, 2, 2, 5, 5);
    SetViewportOrgEx(dc, 3, 3, nullptr);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(3, 3, 3));

    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{-1, -1, 2, 2})) << "clip is in device units, the box in logical ones";

    EXPECT_TRUE(RestoreDC(dc, first));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
    EXPECT_FALSE(RestoreDC(dc, -1)) << "nothing left to restore";
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, 5));
}

TEST(DeviceContexts, AttributeSettersAnswerPreviousAndRefuseBadValues) {
    PixelCanvas canvas(2, 2);
    HDC dc = canvas.Dc();
    EXPECT_EQ(SetROP2(dc, R2_NOTXORPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(GetROP2(dc), R2_NOTXORPEN);
    EXPECT_EQ(SetBkMode(dc, 3), 0);
    EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
    EXPECT_EQ(SetPolyFillMode(dc, WINDING), ALTERNATE);
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
    HDC bad = reinterpret_cast<HDC>(0x7FFF0004);
    EXPECT_EQ(SetBkColor(bad, 0), CLR_INVALID);
    EXPECT_EQ(SetROP2(bad, R2_COPYPEN), 0);
    EXPECT_EQ(SaveDC(bad), 0);
}

TEST(DeviceContexts, SurfaceDcDrawsThroughOriginAndVisibleRegion) {
    std::vector<std::uint32_t> pixels(20 * 10, 0);
    auto surface = BitmapSurface::Wrap(pixels.data(), 20, 10, 20 * 4);
    ASSERT_NE(surface, nullptr);
    Region visible(RECT{0, 0, 6, 4});
    HDC dc = CreateSurfaceDC(surface, {5, 3}, &visible);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 6, 4}));
    auto state = LookupDC(dc);
    EXPECT_EQ(state->SurfaceClip().Bounds(), (RECT{5, 3, 11, 7}));
    EXPECT_FALSE(PtVisible(dc, 6, 0));
    EXPECT_TRUE(PtVisible(dc, 5, 3));
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr) << "bitmaps go into memory DCs only";
    DeleteObject(bitmap);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(CreateSurfaceDC(nullptr, {0, 0}, nullptr), nullptr);
    EXPECT_EQ(BitmapSurface::Wrap(pixels.data(), 20, 10, 40), nullptr) << "stride shorter than a row";
}
