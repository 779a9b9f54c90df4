#include "chart/geometry/ChartGeometry.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

TEST(ChartGeometry, RectangleRoutines) {
    EXPECT_TRUE(PointInsideRect(RectOf(0, 0, 10, 10), 10, 10));
    EXPECT_TRUE(PointInsideRect(RectOf(0, 0, 10, 10), PointOf(0, 0)));
    EXPECT_FALSE(PointInsideRect(RectOf(0, 0, 10, 10), 11, 5));
    EXPECT_EQ(NormalizeRect(RectOf(10, 8, 2, 4)), RectOf(2, 4, 10, 8));
    int w, h;
    RectExtent(RectOf(10, 8, 2, 4), w, h);
    EXPECT_EQ(w, -8);
    EXPECT_EQ(h, -4);
    int x, y;
    RectMidPoint(RectOf(-3, 0, 0, 0), x, y);
    EXPECT_EQ(x, -1);  // toward zero, not -2
    RectMidPoint(RectOf(0, 3, 10, 8), x, y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 5);
}

TEST(ChartGeometry, BoundsOfPoints) {
    const TPoint points[] = {{5, 7}, {-2, 9}, {4, 1}};
    EXPECT_EQ(PointsBounds(points, 2), RectOf(-2, 1, 5, 9));
    EXPECT_EQ(PointsBounds(points, -1), RectOf(0, 0, 0, 0));
    EXPECT_EQ(PolygonRect(points, 1), RectOf(5, 7, 6, 8));
    EXPECT_EQ(PolygonRect(points, 3), RectOf(-2, 1, 6, 10));
}

TEST(ChartGeometry, BackFaceFollowsTheWinding) {
    // (P0 - P1) x (P2 - P1) < 0: clockwise on the screen, whose y grows downward
    EXPECT_TRUE(IsBackFace({0, 0}, {10, 0}, {10, 10}));
    EXPECT_FALSE(IsBackFace({10, 10}, {10, 0}, {0, 0}));
    const TPoint face[3] = {{0, 0}, {10, 0}, {10, 10}};
    EXPECT_TRUE(IsBackFace(face));
}

TEST(ChartGeometry, ColourRoutines) {
    EXPECT_EQ(DarkerColor(0x000080, 128), 0x000000);
    EXPECT_EQ(DarkerColor(0x406080, 0x30), 0x103050);
    EXPECT_EQ(LighterColor(0xF0F0F0, 32), 0xFFFFFF);
    EXPECT_EQ(LighterColor(0x102030, 16), 0x203040);
    const TRGBTriple t = ColorToRGBTriple(0x123456);
    EXPECT_EQ(t.Red, 0x56);
    EXPECT_EQ(t.Green, 0x34);
    EXPECT_EQ(t.Blue, 0x12);
    int a = 1, b = 2;
    ExchangeIntegers(a, b);
    EXPECT_EQ(a, 2);
    double c = 1.5, d = 2.5;
    ExchangeDoubles(c, d);
    EXPECT_EQ(c, 2.5);
}

TEST(ChartGeometry, BitmapSizeKeepsThePixelsThatStillFit) {
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->SetPixel(1, 1, clRed);
    SetBitmapSize(bitmap, 10, 3);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
}
