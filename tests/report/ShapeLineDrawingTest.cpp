#include "report/objects/LineView.h"
#include "report/objects/ShapeView.h"
#include "tests/support/PngDump.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImagePixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

struct Sheet {
    TBitmap bitmap;
    explicit Sheet(int width = 120, int height = 80) {
        bitmap.SetPixelFormat(TPixelFormat::pf24bit);
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(TRect(0, 0, width, height));
    }
    TCanvas& Canvas() { return *bitmap.Canvas(); }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    std::set<TColor> ColoursIn(const TRect& r) {
        std::set<TColor> colours;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) colours.insert(At(x, y));
        return colours;
    }
};

// A shape of 40 x 30 at (10, 10), black frame of width 1.
struct ShapeOnSheet : Sheet {
    TrpShapeView shape{nullptr};
    explicit ShapeOnSheet(TrpShapeKind kind) {
        shape.SetShape(kind);
        shape.SetBounds(10, 10, 40, 30);
    }
    void Draw(double scale = 1) { shape.Draw(Canvas(), scale, scale, 0, 0); }
};

TEST(ShapeDrawingTest, EachKindMarksItsOwnOutline) {
    const struct {
        TrpShapeKind kind;
        TPoint ink, blank;
    } cases[] = {
        {TrpShapeKind::skRectangle, {10, 10}, {30, 25}},
        {TrpShapeKind::skRectangle, {50, 40}, {51, 41}},
        {TrpShapeKind::skEllipse, {30, 10}, {11, 11}},
        {TrpShapeKind::skTriangle, {30, 10}, {12, 12}},   // apex up in the middle, top corners empty
        {TrpShapeKind::skTriangle, {12, 40}, {47, 12}},
        {TrpShapeKind::skDiamond, {10, 25}, {11, 11}},
        {TrpShapeKind::skDiagonal1, {10, 40}, {10, 10}},  // bottom-left to top-right
        {TrpShapeKind::skDiagonal2, {30, 25}, {10, 40}},
    };
    for (const auto& c : cases) {
        ShapeOnSheet s(c.kind);
        s.Draw();
        SCOPED_TRACE(static_cast<int>(c.kind));
        EXPECT_EQ(s.At(c.ink.X, c.ink.Y), clBlack);
        EXPECT_EQ(s.At(c.blank.X, c.blank.Y), clWhite);
    }
}

TEST(ShapeDrawingTest, FillAndOutlineEachStandAlone) {
    ShapeOnSheet outline(TrpShapeKind::skRectangle);
    outline.Draw();
    EXPECT_EQ(outline.ColoursIn(TRect(12, 12, 48, 38)), std::set<TColor>{clWhite});

    ShapeOnSheet fill(TrpShapeKind::skRectangle);
    fill.shape.SetColor(clYellow);
    fill.shape.Frame()->SetColor(clNone);
    fill.Draw();
    EXPECT_EQ(fill.ColoursIn(TRect(0, 0, 120, 80)), (std::set<TColor>{clWhite, clYellow}));
    EXPECT_EQ(fill.At(30, 25), clYellow);
}

TEST(ShapeDrawingTest, AHatchLiesOverTheFillInTheFrameColour) {
    ShapeOnSheet s(TrpShapeKind::skRectangle);
    s.shape.SetColor(clYellow);
    s.shape.SetBrushStyle(TBrushStyle::bsCross);
    s.shape.Frame()->SetColor(clRed);
    s.Draw();
    EXPECT_EQ(s.ColoursIn(TRect(12, 12, 48, 38)), (std::set<TColor>{clRed, clYellow}));
}

TEST(ShapeDrawingTest, RoundedCornersFollowCurveOrTheShorterSide) {
    const struct {
        int curve;
        int blankAlongTop;  // pixels of the top edge left empty at the corner
    } cases[] = {{0, 2}, {2, 5}};
    for (const auto& c : cases) {
        ShapeOnSheet s(TrpShapeKind::skRoundRectangle);
        s.shape.SetBounds(10, 10, 100, 40);  // Curve 0: corners of min(100, 40) / 4 = 10
        s.shape.SetCurve(c.curve);           // Curve 2: 2 x 10 = 20
        s.Draw();
        EXPECT_EQ(s.At(10 + c.blankAlongTop, 10), clWhite) << c.curve;
        EXPECT_EQ(s.At(60, 10), clBlack) << c.curve;
    }
}

TEST(ShapeDrawingTest, ADoubleFrameDrawsASecondShapeInsideAndKeepsTheFrame) {
    ShapeOnSheet s(TrpShapeKind::skRectangle);
    s.shape.Frame()->SetStyle(TrpFrameStyle::fsDouble);
    s.shape.Frame()->TopLine()->SetStyle(TrpFrameStyle::fsDot);
    s.Draw();
    EXPECT_EQ(s.At(10, 25), clBlack);
    EXPECT_EQ(s.At(11, 25), clWhite);
    EXPECT_EQ(s.At(12, 25), clBlack);
    EXPECT_EQ(s.At(13, 25), clWhite);
    EXPECT_EQ(s.At(48, 25), clBlack);  // the inner one ends 2 units before the outer
    EXPECT_EQ(s.shape.Frame()->Style(), TrpFrameStyle::fsDouble);
    EXPECT_EQ(s.shape.Frame()->TopLine()->Style(), TrpFrameStyle::fsDot);
    EXPECT_DOUBLE_EQ(s.shape.Left(), 10);
    EXPECT_DOUBLE_EQ(s.shape.Width(), 40);
}

TEST(LineDrawingTest, LinesThatAreNotDiagonalAreMadeStraight) {
    const struct {
        double width, height;
        double newWidth, newHeight;
        TrpFrameType side;
    } cases[] = {
        {100, 20, 100, 0, TrpFrameType::ftTop},
        {10, 30, 0, 30, TrpFrameType::ftLeft},
        {20, 20, 0, 20, TrpFrameType::ftLeft},
    };
    for (const auto& c : cases) {
        Sheet s;
        TrpLineView line(nullptr);
        line.SetBounds(10, 10, c.width, c.height);
        line.Draw(s.Canvas(), 1, 1, 0, 0);
        EXPECT_DOUBLE_EQ(line.Width(), c.newWidth);
        EXPECT_DOUBLE_EQ(line.Height(), c.newHeight);
        EXPECT_EQ(line.Frame()->Typ(), TrpFrameTypes{c.side});
    }
}

TEST(LineDrawingTest, ArrowHeadsSitAtTheirEnds) {
    // A horizontal line from (10, 30) to (110, 30) and a vertical one from (60, 5) to (60, 75).
    const struct {
        bool vertical, atEnd;
        TPoint inside, outside;
    } cases[] = {
        {false, true, {97, 31}, {97, 37}},   // base at x 90, wings 5 up and down
        {false, false, {23, 29}, {23, 23}},
        {true, true, {59, 60}, {53, 60}},    // base at y 55, wings 5 left and right
        {true, false, {61, 20}, {67, 20}},
    };
    for (const auto& c : cases) {
        Sheet s;
        TrpLineView line(nullptr);
        if (c.vertical) line.SetBounds(60, 5, 0, 70);
        else line.SetBounds(10, 30, 100, 0);
        line.SetArrowSolid(true);
        line.SetArrowEnd(c.atEnd);
        line.SetArrowStart(!c.atEnd);
        line.Draw(s.Canvas(), 1, 1, 0, 0);
        SCOPED_TRACE(::testing::Message() << c.vertical << c.atEnd);
        EXPECT_EQ(s.At(c.inside.X, c.inside.Y), clBlack);
        EXPECT_EQ(s.At(c.outside.X, c.outside.Y), clWhite);
    }
}

TEST(LineDrawingTest, DiagonalLinesRunCornerToCornerUnlessInvisible) {
    for (bool visible : {true, false}) {
        Sheet s;
        TrpLineView line(nullptr);
        line.SetDiagonal(true);
        line.SetBounds(10, 10, 40, 40);
        if (!visible) line.Frame()->SetColor(clNone);
        line.Draw(s.Canvas(), 1, 1, 0, 0);
        EXPECT_EQ(s.At(30, 30) == clBlack, visible);
        EXPECT_EQ(s.At(30, 12), clWhite);
        EXPECT_DOUBLE_EQ(line.Height(), 40);
    }
}

// Every kind side by side at 200 %, for a person to look at (VELZAR_DUMP_DIR=/some/folder).
TEST(ShapeDrawingTest, GalleryAtTwiceTheSize) {
    Sheet s(760, 200);
    for (int kind = 0; kind < 7; ++kind) {
        TrpShapeView shape(nullptr);
        shape.SetShape(static_cast<TrpShapeKind>(kind));
        shape.SetBounds(5 + kind * 52, 5, 44, 30);
        shape.SetColor(kind % 2 ? clSkyBlue : clNone);
        shape.Frame()->SetWidth(kind < 3 ? 1 : 2);
        if (kind == 2) shape.Frame()->SetStyle(TrpFrameStyle::fsDouble);
        if (kind == 4) shape.SetBrushStyle(TBrushStyle::bsFDiagonal);
        shape.Draw(s.Canvas(), 2, 2, 0, 0);
        TRect cell(10 + kind * 104, 10, 10 + kind * 104 + 88, 70);
        EXPECT_GT(s.ColoursIn(cell).size(), 1u) << kind;
    }
    TrpLineView arrow(nullptr);
    arrow.SetDiagonal(true);
    arrow.SetBounds(10, 45, 150, 40);
    arrow.SetArrowEnd(true);
    arrow.SetArrowStart(true);
    arrow.Frame()->SetColor(clNavy);
    arrow.Draw(s.Canvas(), 2, 2, 0, 0);
    EXPECT_EQ(s.At(20, 90), clNavy);
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        TPixels pixels = ReadPixels(s.bitmap, TRect(0, 0, 760, 200));
        png_dump::WritePng(std::string(dir) + "/report-shapes.png", pixels.data(), 760, 200, 760);
    }
}

}  // namespace
