#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/detail/RasterOps.h"
#include "tests/support/PixelCanvas.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// Selects a pen and a brush for the life of a test step.
class Tools {
public:
    Tools(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = SelectObject(dc, pen);
        oldBrush_ = SelectObject(dc, brush);
    }
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_, oldBrush_;
};

std::string Rows(std::initializer_list<const char*> rows) {
    std::string text;
    for (const char* row : rows) text += std::string(row) + "\n";
    return text;
}

}  // namespace

TEST(LinesShapes, LineToLeavesOutItsEndPoint) {
    struct Case {
        POINT from, to;
        std::string picture;
    } cases[] = {
        {{1, 1}, {5, 1}, Rows({"......", ".####.", "......", "......"})},
        {{5, 1}, {1, 1}, Rows({"......", "..####", "......", "......"})},
        {{0, 0}, {0, 3}, Rows({"#.....", "#.....", "#.....", "......"})},
        {{0, 0}, {3, 3}, Rows({"#.....", ".#....", "..#...", "......"})},
        {{0, 3}, {5, 0}, Rows({"......", "...##.", ".##...", "#....."})},
        {{2, 2}, {2, 2}, Rows({"......", "......", "......", "......"})},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(6, 4);
        MoveToEx(canvas.Dc(), c.from.x, c.from.y, nullptr);
        ASSERT_TRUE(LineTo(canvas.Dc(), c.to.x, c.to.y));
        EXPECT_EQ(canvas.Picture(kBlack), c.picture) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        POINT now{};
        GetCurrentPositionEx(canvas.Dc(), &now);
        EXPECT_EQ(now, c.to);
    }
}

TEST(LinesShapes, PolylineDrawsEachCornerOnceAndLeavesOutTheLastPoint) {
    PixelCanvas canvas(6, 4);
    POINT points[] = {{0, 0}, {4, 0}, {4, 3}};
    SetROP2(canvas.Dc(), R2_NOT);  // a corner drawn twice would vanish
    ASSERT_TRUE(Polyline(canvas.Dc(), points, 3));
    EXPECT_EQ(canvas.Picture(kBlack), Rows({"#####.", "....#.", "....#.", "......"}));
    EXPECT_FALSE(Polyline(canvas.Dc(), points, 1));
    EXPECT_FALSE(Polyline(canvas.Dc(), nullptr, 3));
}

TEST(LinesShapes, RectangleLeavesOutRightAndBottomEdges) {
    PixelCanvas canvas(7, 6);
    {
        Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kGreen));
        ASSERT_TRUE(Rectangle(canvas.Dc(), 1, 1, 6, 5));
    }
    EXPECT_EQ(canvas.Picture(kRed), Rows({".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}));
    EXPECT_EQ(canvas.Picture(kGreen), Rows({".......", ".......", "..###..", "..###..", ".......", "......."}));

    // Without a pen the fill shrinks by one on the right and bottom.
    canvas.Fill(kWhite);
    HGDIOBJ old = SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
    HBRUSH green = CreateSolidBrush(kGreen);
    HGDIOBJ oldBrush = SelectObject(canvas.Dc(), green);
    Rectangle(canvas.Dc(), 1, 1, 6, 5);
    EXPECT_EQ(canvas.Picture(kGreen), Rows({".......", ".####..", ".####..", ".####..", ".......", "......."}));
    SelectObject(canvas.Dc(), old);
    SelectObject(canvas.Dc(), oldBrush);
    DeleteObject(green);
}

TEST(LinesShapes, CosmeticPenStylesAndTheirGaps) {
    struct Case {
        int style;
        int bkMode;
        std::string ink;   // 'k' pen, 'r' background colour, '.' untouched
    } cases[] = {
        {PS_SOLID, OPAQUE, std::string(30, 'k')},
        {PS_DOT, TRANSPARENT, "kkk...kkk...kkk...kkk...kkk..."},
        {PS_DOT, OPAQUE, "kkkrrrkkkrrrkkkrrrkkkrrrkkkrrr"},
        {PS_DASH, TRANSPARENT, std::string(18, 'k') + std::string(6, '.') + "kkkkkk"},
        {PS_DASHDOT, TRANSPARENT, "kkkkkkkkk......kkk......kkkkkk"},
        {PS_DASHDOTDOT, TRANSPARENT, "kkkkkkkkk...kkk...kkk...kkkkkk"},
        {PS_NULL, OPAQUE, std::string(30, '.')},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(32, 1);
        Tools tools(canvas.Dc(), CreatePen(c.style, 1, kBlack), CreateSolidBrush(kWhite));
        SetBkMode(canvas.Dc(), c.bkMode);
        SetBkColor(canvas.Dc(), kRed);
        MoveToEx(canvas.Dc(), 0, 0, nullptr);
        LineTo(canvas.Dc(), 30, 0);
        std::string seen;
        for (int x = 0; x < 30; ++x) seen += canvas.At(x, 0) == kBlack ? 'k' : canvas.At(x, 0) == kRed ? 'r' : '.';
        EXPECT_EQ(seen, c.ink) << "style " << c.style << " mode " << c.bkMode;
        EXPECT_EQ(canvas.At(30, 0), kWhite) << "end point stays out";
    }
}

TEST(LinesShapes, WidePenCapsReachAsTheirStyleSays) {
    struct Case {
        DWORD cap;
        RECT box;  // the pixels a horizontal line (5,5)-(15,5) of width 4 covers
    } cases[] = {
        {PS_ENDCAP_FLAT, {5, 3, 15, 7}},
        {PS_ENDCAP_SQUARE, {3, 3, 17, 7}},
        {PS_ENDCAP_ROUND, {3, 3, 17, 7}},
    };
    LOGBRUSH black{BS_SOLID, kBlack, 0};
    for (const Case& c : cases) {
        PixelCanvas canvas(20, 10);
        Tools tools(canvas.Dc(), ExtCreatePen(PS_GEOMETRIC | PS_SOLID | c.cap, 4, &black, 0, nullptr),
                    CreateSolidBrush(kWhite));
        MoveToEx(canvas.Dc(), 5, 5, nullptr);
        LineTo(canvas.Dc(), 15, 5);
        RECT seen{20, 10, 0, 0};
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                if (canvas.At(x, y) == kBlack) {
                    seen = {std::min<LONG>(seen.left, x), std::min<LONG>(seen.top, y), std::max<LONG>(seen.right, x + 1),
                            std::max<LONG>(seen.bottom, y + 1)};
                }
        EXPECT_EQ(seen, c.box) << "cap " << c.cap;
        bool roundCorner = canvas.At(c.box.left, c.box.top) != kBlack;
        EXPECT_EQ(roundCorner, c.cap == PS_ENDCAP_ROUND) << "cap " << c.cap;
    }
}

TEST(LinesShapes, NotXorDrawingIsErasedByDrawingAgain) {
    // The zoom rectangle: a geometric dashed pen two pixels wide with flat
    // ends, in NotXor, over a busy picture.
    PixelCanvas canvas(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) canvas.SetRaw(x, y, static_cast<std::uint32_t>((x * 37 + y * 101) * 0x010203) & 0xFFFFFF);
    std::vector<std::uint32_t> before;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) before.push_back(canvas.RawAt(x, y));
    LOGBRUSH pen{BS_SOLID, RGB(12, 200, 77), 0};
    struct Case {
        int rop;
        HPEN pen;
    } cases[] = {
        {R2_NOTXORPEN, ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT | PS_JOIN_MITER, 2, &pen, 0, nullptr)},
        {R2_XORPEN, CreatePen(PS_DOT, 1, RGB(1, 2, 3))},
        {R2_NOT, CreatePen(PS_SOLID, 3, kBlack)},
    };
    for (const Case& c : cases) {
        Tools tools(canvas.Dc(), c.pen, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
        SetROP2(canvas.Dc(), c.rop);
        Rectangle(canvas.Dc(), 3, 4, 33, 25);
        int changed = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) changed += canvas.RawAt(x, y) != before[static_cast<std::size_t>(y * 40 + x)];
        EXPECT_GT(changed, 40) << "rop " << c.rop;
        Rectangle(canvas.Dc(), 3, 4, 33, 25);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(canvas.RawAt(x, y), before[static_cast<std::size_t>(y * 40 + x)]) << "rop " << c.rop << " at " << x << "," << y;
    }
}

TEST(LinesShapes, Rop2ModesOnKnownPixels) {
    // Pen 0xF0 over destination 0xAA in every channel: the result's byte is the
    // mode's truth table.
    struct Case {
        int rop;
        BYTE result;
    } cases[] = {
        {R2_BLACK, 0x00},       {R2_NOTMERGEPEN, 0x05}, {R2_MASKNOTPEN, 0x0A}, {R2_NOTCOPYPEN, 0x0F},
        {R2_MASKPENNOT, 0x50},  {R2_NOT, 0x55},         {R2_XORPEN, 0x5A},     {R2_NOTMASKPEN, 0x5F},
        {R2_MASKPEN, 0xA0},     {R2_NOTXORPEN, 0xA5},   {R2_NOP, 0xAA},        {R2_MERGENOTPEN, 0xAF},
        {R2_COPYPEN, 0xF0},     {R2_MERGEPENNOT, 0xF5}, {R2_MERGEPEN, 0xFA},   {R2_WHITE, 0xFF},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(3, 1, RGB(0xAA, 0xAA, 0xAA));
        Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, RGB(0xF0, 0xF0, 0xF0)), CreateSolidBrush(kWhite));
        SetROP2(canvas.Dc(), c.rop);
        MoveToEx(canvas.Dc(), 0, 0, nullptr);
        LineTo(canvas.Dc(), 2, 0);
        EXPECT_EQ(canvas.At(1, 0), RGB(c.result, c.result, c.result)) << "mode " << c.rop;
        EXPECT_EQ(canvas.At(2, 0), RGB(0xAA, 0xAA, 0xAA));
    }
}

TEST(LinesShapes, EllipseStaysInsideItsBoxAndIsSymmetric) {
    PixelCanvas canvas(14, 12);
    Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kRed), CreateSolidBrush(kGreen));
    ASSERT_TRUE(Ellipse(canvas.Dc(), 1, 1, 13, 11));
    std::string picture = canvas.Picture(kWhite, '.');
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 14; ++x) {
            bool inBox = x >= 1 && x < 13 && y >= 1 && y < 11;
            if (!inBox) {
                EXPECT_EQ(canvas.At(x, y), kWhite) << x << "," << y;
            }
            EXPECT_EQ(canvas.At(x, y), canvas.At(13 - x, y)) << "mirror in x at " << x << "," << y;
            EXPECT_EQ(canvas.At(x, y), canvas.At(x, 11 - y)) << "mirror in y at " << x << "," << y;
        }
    EXPECT_EQ(canvas.At(1, 5), kRed);
    EXPECT_EQ(canvas.At(1, 1), kWhite) << "corners are outside";
    EXPECT_EQ(canvas.At(6, 5), kGreen);
    canvas.Dump("ellipse");
}

TEST(LinesShapes, PolygonFillModes) {
    // Two squares wound the same way, one inside the other.
    POINT points[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {7, 3}, {7, 7}, {3, 7}};
    INT counts[] = {4, 4};
    struct Case {
        int mode;
        COLORREF centre;
    } cases[] = {{ALTERNATE, kWhite}, {WINDING, kGreen}};
    for (const Case& c : cases) {
        PixelCanvas canvas(12, 12);
        Tools tools(canvas.Dc(), static_cast<HPEN>(GetStockObject(NULL_PEN)), CreateSolidBrush(kGreen));
        SetPolyFillMode(canvas.Dc(), c.mode);
        ASSERT_TRUE(PolyPolygon(canvas.Dc(), points, counts, 2));
        EXPECT_EQ(canvas.At(5, 5), c.centre) << c.mode;
        EXPECT_EQ(canvas.At(1, 1), kGreen);
        EXPECT_EQ(canvas.At(9, 9), kGreen);
        EXPECT_EQ(canvas.At(10, 5), kWhite) << "right edge is outside";
    }
}

TEST(LinesShapes, PieAndChordFillOnlyTheirPart) {
    PixelCanvas canvas(21, 21);
    Tools tools(canvas.Dc(), static_cast<HPEN>(GetStockObject(NULL_PEN)), CreateSolidBrush(kGreen));
    // Counter-clockwise from the right (3 o'clock) to the top (12 o'clock).
    ASSERT_TRUE(Pie(canvas.Dc(), 0, 0, 21, 21, 20, 10, 10, 0));
    EXPECT_EQ(canvas.At(15, 5), kGreen);
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    EXPECT_EQ(canvas.At(15, 15), kWhite);
    canvas.Fill(kWhite);
    SetArcDirection(canvas.Dc(), AD_CLOCKWISE);
    ASSERT_TRUE(Pie(canvas.Dc(), 0, 0, 21, 21, 20, 10, 10, 0));
    EXPECT_EQ(canvas.At(15, 5), kWhite);
    EXPECT_EQ(canvas.At(5, 15), kGreen);
    canvas.Fill(kWhite);
    SetArcDirection(canvas.Dc(), AD_COUNTERCLOCKWISE);
    ASSERT_TRUE(Chord(canvas.Dc(), 0, 0, 21, 21, 20, 10, 10, 0));
    EXPECT_EQ(canvas.At(16, 4), kGreen);
    EXPECT_EQ(canvas.At(11, 9), kWhite) << "the centre is on the other side of the chord";
}

TEST(LinesShapes, ClippingLimitsEveryShape) {
    PixelCanvas canvas(10, 10);
    Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kBlack));
    IntersectClipRect(canvas.Dc(), 2, 2, 8, 8);
    ExcludeClipRect(canvas.Dc(), 4, 4, 6, 6);
    Rectangle(canvas.Dc(), 0, 0, 10, 10);
    EXPECT_EQ(canvas.Picture(kBlack), Rows({"..........", "..........", "..######..", "..######..", "..##..##..",
                                            "..##..##..", "..######..", "..######..", "..........", ".........."}));
    EXPECT_EQ(GetPixel(canvas.Dc(), 4, 4), CLR_INVALID) << "outside the clip";
    EXPECT_EQ(SetPixel(canvas.Dc(), 0, 0, kRed), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.Dc(), 2, 2, kRed), kRed);
}

TEST(LinesShapes, ExtremeCoordinatesAndBadArgumentsNeverCrash) {
    PixelCanvas canvas(16, 16);
    HDC dc = canvas.Dc();
    Tools tools(canvas.Dc(), CreatePen(PS_DASH, 1, kBlack), CreateSolidBrush(kGreen));
    EXPECT_TRUE(Rectangle(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(canvas.At(8, 8), kGreen);
    EXPECT_TRUE(Ellipse(dc, -2000000000, -2000000000, 2000000000, 2000000000));
    EXPECT_TRUE(RoundRect(dc, INT_MIN, 0, INT_MAX, 10, INT_MAX, INT_MAX));
    EXPECT_TRUE(Pie(dc, -1000000000, -1000000000, 1000000000, 1000000000, 0, 0, 5, 5));
    MoveToEx(dc, INT_MIN, INT_MIN, nullptr);
    EXPECT_TRUE(LineTo(dc, INT_MAX, INT_MAX));
    POINT huge[] = {{INT_MIN, 0}, {INT_MAX, 5}, {0, INT_MAX}};
    EXPECT_TRUE(Polygon(dc, huge, 3));
    LOGBRUSH black{BS_SOLID, kBlack, 0};
    HPEN wide = ExtCreatePen(PS_GEOMETRIC | PS_DASHDOT, 7, &black, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, wide);
    EXPECT_TRUE(Polyline(dc, huge, 3));
    EXPECT_TRUE(Rectangle(dc, 5, 5, 5, 20)) << "an empty box draws nothing and succeeds";
    SelectObject(dc, old);
    DeleteObject(wide);
    EXPECT_FALSE(Polygon(dc, huge, -1));
    EXPECT_FALSE(Polygon(dc, huge, 1));
    HDC bad = reinterpret_cast<HDC>(0x7FFF0004);
    EXPECT_FALSE(Rectangle(bad, 0, 0, 5, 5));
    EXPECT_FALSE(LineTo(bad, 1, 1));
    EXPECT_FALSE(Ellipse(bad, 0, 0, 5, 5));
    EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
}

TEST(LinesShapes, HatchBrushesHonourBackgroundMode) {
    struct Case {
        int mode;
        COLORREF gap;
    } cases[] = {{TRANSPARENT, kWhite}, {OPAQUE, kRed}};
    for (const Case& c : cases) {
        PixelCanvas canvas(8, 8);
        Tools tools(canvas.Dc(), static_cast<HPEN>(GetStockObject(NULL_PEN)), CreateHatchBrush(HS_CROSS, kBlack));
        SetBkMode(canvas.Dc(), c.mode);
        SetBkColor(canvas.Dc(), kRed);
        Rectangle(canvas.Dc(), 0, 0, 9, 9);
        EXPECT_EQ(canvas.Count(kBlack), 15) << "one row and one column of the 8x8 cell";
        EXPECT_EQ(canvas.Count(c.gap), 64 - 15);
    }
}
