#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/Paths.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Regions.h"
#include "tests/support/PixelCanvas.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
}  // namespace

TEST(Paths, RecordedShapesDrawOnlyWhenStrokedOrFilled) {
    PixelCanvas direct(12, 12);
    PixelCanvas viaPath(12, 12);
    for (PixelCanvas* canvas : {&direct, &viaPath}) {
        HBRUSH green = CreateSolidBrush(kGreen);
        HGDIOBJ old = SelectObject(canvas->Dc(), green);
        if (canvas == &viaPath) {
            ASSERT_TRUE(BeginPath(canvas->Dc()));
            MoveToEx(canvas->Dc(), 1, 1, nullptr);
            LineTo(canvas->Dc(), 10, 1);
            LineTo(canvas->Dc(), 10, 9);
            LineTo(canvas->Dc(), 1, 9);
            ASSERT_TRUE(CloseFigure(canvas->Dc()));
            ASSERT_TRUE(EndPath(canvas->Dc()));
            EXPECT_EQ(canvas->Count(kWhite), 144) << "recording draws nothing";
            ASSERT_TRUE(StrokeAndFillPath(canvas->Dc()));
        } else {
            POINT square[] = {{1, 1}, {10, 1}, {10, 9}, {1, 9}};
            Polygon(canvas->Dc(), square, 4);
        }
        SelectObject(canvas->Dc(), old);
        DeleteObject(green);
    }
    EXPECT_EQ(viaPath.Picture(kBlack), direct.Picture(kBlack));
    EXPECT_EQ(viaPath.Picture(kGreen), direct.Picture(kGreen));
    EXPECT_FALSE(StrokePath(viaPath.Dc())) << "the path is used up";
}

TEST(Paths, ClipToAPathAndAroundAWidenedLine) {
    PixelCanvas canvas(10, 10);
    BeginPath(canvas.Dc());
    Rectangle(canvas.Dc(), 2, 2, 8, 8);
    EndPath(canvas.Dc());
    ASSERT_TRUE(SelectClipPath(canvas.Dc(), RGN_COPY));
    RECT all{0, 0, 10, 10};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(canvas.Count(kBlack), 25) << "the path's interior, right and bottom edges out";
    EXPECT_EQ(canvas.At(2, 2), kBlack);
    EXPECT_EQ(canvas.At(7, 7), kWhite);

    // Widen a line with a 3-pixel pen and cut it out of the clip.
    SelectClipRgn(canvas.Dc(), nullptr);
    canvas.Fill(kWhite);
    LOGBRUSH brush{BS_SOLID, kBlack, 0};
    HPEN wide = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 3, &brush, 0, nullptr);
    HGDIOBJ old = SelectObject(canvas.Dc(), wide);
    BeginPath(canvas.Dc());
    MoveToEx(canvas.Dc(), 0, 5, nullptr);
    LineTo(canvas.Dc(), 10, 5);
    EndPath(canvas.Dc());
    ASSERT_TRUE(WidenPath(canvas.Dc()));
    ASSERT_TRUE(SelectClipPath(canvas.Dc(), RGN_DIFF));
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    EXPECT_EQ(canvas.At(5, 4), kWhite);
    EXPECT_EQ(canvas.At(5, 6), kWhite);
    EXPECT_EQ(canvas.At(5, 3), kBlack);
    EXPECT_EQ(canvas.At(5, 7), kBlack);
    SelectObject(canvas.Dc(), old);
    DeleteObject(wide);
}

TEST(Paths, MisuseFails) {
    PixelCanvas canvas(4, 4);
    EXPECT_FALSE(EndPath(canvas.Dc())) << "no path open";
    EXPECT_FALSE(FillPath(canvas.Dc()));
    EXPECT_FALSE(SelectClipPath(canvas.Dc(), RGN_AND));
    BeginPath(canvas.Dc());
    EXPECT_FALSE(StrokePath(canvas.Dc())) << "still recording";
    EXPECT_FALSE(CloseFigure(canvas.Dc())) << "no figure yet";
    EXPECT_TRUE(AbortPath(canvas.Dc()));
    EXPECT_EQ(PathToRegion(canvas.Dc()), nullptr);
    EXPECT_FALSE(BeginPath(reinterpret_cast<HDC>(0x7FFF0004)));
}

TEST(Regions, ShapedRegionsAndRegionsFromBitmaps) {
    HRGN ellipse = CreateEllipticRgn(0, 0, 10, 10);
    EXPECT_TRUE(PtInRegion(ellipse, 5, 5));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    EXPECT_TRUE(PtInRegion(ellipse, 0, 5));
    EXPECT_FALSE(PtInRegion(ellipse, 10, 5));
    RECT box{};
    EXPECT_EQ(GetRgnBox(ellipse, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10}));

    HRGN rounded = CreateRoundRectRgn(0, 0, 20, 10, 6, 6);
    EXPECT_FALSE(PtInRegion(rounded, 0, 0)) << "corner cut";
    EXPECT_TRUE(PtInRegion(rounded, 10, 0));
    EXPECT_TRUE(PtInRegion(rounded, 0, 5));

    POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    HRGN polygon = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_TRUE(PtInRegion(polygon, 1, 1));
    EXPECT_FALSE(PtInRegion(polygon, 8, 8));
    EXPECT_EQ(CreatePolygonRgn(triangle, 1, ALTERNATE), nullptr);
    EXPECT_EQ(CreatePolygonRgn(triangle, 3, 7), nullptr);

    // A picture whose magenta pixels are see-through.
    PixelCanvas picture(4, 3, RGB(255, 0, 255));
    picture.SetRaw(1, 0, 0);
    picture.SetRaw(2, 0, 0);
    picture.SetRaw(1, 1, 0);
    picture.SetRaw(2, 1, 0);
    picture.SetRaw(0, 2, 0);
    HRGN shape = CreateRegionFromBitmap(picture.Bitmap(), RGB(255, 0, 255), false);
    HRGN expected = CreateRectRgn(1, 0, 3, 2);
    HRGN corner = CreateRectRgn(0, 2, 1, 3);
    CombineRgn(expected, expected, corner, RGN_OR);
    EXPECT_TRUE(EqualRgn(shape, expected));
    EXPECT_EQ(CreateRegionFromBitmap(reinterpret_cast<HBITMAP>(0x7FFF0004), 0, false), nullptr);
    for (HRGN r : {ellipse, rounded, polygon, shape, expected, corner}) DeleteObject(r);
}

TEST(RectFills, FocusRectangleAndInversionUndoThemselves) {
    PixelCanvas canvas(8, 6, RGB(10, 20, 30));
    RECT r{1, 1, 7, 5};
    ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.At(1, 1), RGB(245, 235, 225));
    EXPECT_EQ(canvas.At(2, 1), RGB(10, 20, 30)) << "dotted";
    EXPECT_EQ(canvas.At(3, 3), RGB(10, 20, 30)) << "inside untouched";
    ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.Count(RGB(10, 20, 30)), 48);
    ASSERT_TRUE(InvertRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.Count(RGB(245, 235, 225)), 24);
    ASSERT_TRUE(InvertRect(canvas.Dc(), &r));
    EXPECT_EQ(canvas.Count(RGB(10, 20, 30)), 48);
    HBRUSH bad = reinterpret_cast<HBRUSH>(0x7FFF0004);
    EXPECT_FALSE(FillRect(canvas.Dc(), &r, bad));
    EXPECT_FALSE(FrameRect(canvas.Dc(), &r, bad));
    EXPECT_FALSE(FillRect(canvas.Dc(), nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    ASSERT_TRUE(FrameRect(canvas.Dc(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(canvas.Count(kBlack), 16);
    EXPECT_EQ(canvas.At(6, 4), kBlack);
    EXPECT_EQ(canvas.At(7, 5), RGB(10, 20, 30));
}
