#include "report/objects/View.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A white sheet and one view 20 x 20 at (10, 5) on it.
struct Sheet {
    TBitmap bitmap;
    TrpView view{nullptr};

    explicit Sheet(int width = 60, int height = 50) {
        bitmap.SetPixelFormat(TPixelFormat::pf24bit);
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(TRect(0, 0, width, height));
        view.SetBounds(10, 5, 20, 20);
        view.Frame()->SetColor(clBlack);
    }
    void Draw(double scale = 1) { view.Draw(*bitmap.Canvas(), scale, scale, 0, 0); }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    std::set<TColor> ColoursIn(const TRect& r) {
        std::set<TColor> colours;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) colours.insert(At(x, y));
        return colours;
    }
};

TEST(ViewPaintingTest, TheDeviceRectangleFollowsScaleOffsetAndShadow) {
    const struct {
        double left, scale, offset;
        bool shadow;
        int x, x1;
    } cases[] = {
        {10, 1, 0, false, 10, 30},
        {10, 2, 3, false, 23, 63},
        {0.5, 1, 0, false, 0, 20},   // halves go to the even neighbour
        {1.5, 1, 0, false, 2, 22},
        {10, 1, 0, true, 10, 26},    // the shadow of width 4 is taken off
        {10, 2, 0, true, 20, 52},
    };
    for (const auto& c : cases) {
        Sheet s;
        s.view.SetLeft(c.left);
        s.view.Frame()->SetDropShadow(c.shadow);
        s.view.PrepareDrawing(*s.bitmap.Canvas(), c.scale, c.scale, c.offset, 0);
        EXPECT_EQ(s.view.Device().X, c.x) << c.left << " " << c.scale;
        EXPECT_EQ(s.view.Device().X1, c.x1) << c.left << " " << c.scale;
        EXPECT_EQ(s.view.Device().DX, c.x1 - c.x);
        EXPECT_EQ(s.view.FrameWidthPixels(), static_cast<int>(c.scale));
    }
}

TEST(ViewPaintingTest, TheFillCoversTheDeviceRectangleOnly) {
    Sheet s;
    s.view.SetColor(clYellow);
    s.Draw();
    EXPECT_EQ(s.ColoursIn(TRect(10, 5, 30, 25)), std::set<TColor>{clYellow});
    EXPECT_EQ(s.At(30, 15), clWhite);
    EXPECT_EQ(s.At(9, 15), clWhite);
    EXPECT_EQ(s.At(20, 25), clWhite);
}

TEST(ViewPaintingTest, FrameSidesAreDrawnOnlyWhereAsked) {
    const struct {
        TrpFrameTypes typ;
        bool left, right, top, bottom;
    } cases[] = {
        {{TrpFrameType::ftLeft, TrpFrameType::ftRight, TrpFrameType::ftTop, TrpFrameType::ftBottom}, true, true, true, true},
        {{TrpFrameType::ftLeft}, true, false, false, false},
        {{TrpFrameType::ftTop, TrpFrameType::ftBottom}, false, false, true, true},
        {{}, false, false, false, false},
    };
    for (const auto& c : cases) {
        Sheet s;
        s.view.Frame()->SetTyp(c.typ);
        s.Draw();
        SCOPED_TRACE(c.typ.Mask());
        EXPECT_EQ(s.At(10, 15) == clBlack, c.left);
        EXPECT_EQ(s.At(30, 15) == clBlack, c.right);
        EXPECT_EQ(s.At(20, 5) == clBlack, c.top);
        EXPECT_EQ(s.At(20, 25) == clBlack, c.bottom);
        EXPECT_EQ(s.At(20, 15), clWhite);
    }
}

TEST(ViewPaintingTest, NoColourOrNoWidthDrawsNoSides) {
    for (int variant = 0; variant < 2; ++variant) {
        Sheet s;
        s.view.Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftTop});
        if (variant == 0) s.view.Frame()->SetColor(clNone);
        else s.view.Frame()->SetWidth(0);
        s.Draw();
        EXPECT_EQ(s.ColoursIn(TRect(0, 0, 60, 50)), std::set<TColor>{clWhite}) << variant;
    }
}

TEST(ViewPaintingTest, TheDropShadowFillsTheStripsTakenOff) {
    Sheet s;
    s.view.Frame()->SetDropShadow(true);
    s.view.Frame()->SetShadowColor(clGray);
    s.Draw();
    // The view keeps (10, 5)-(26, 21); the shadow lies 4 pixels right and below, offset by 4.
    EXPECT_EQ(s.ColoursIn(TRect(26, 9, 30, 21)), std::set<TColor>{clGray});
    EXPECT_EQ(s.ColoursIn(TRect(14, 21, 30, 25)), std::set<TColor>{clGray});
    EXPECT_EQ(s.At(27, 6), clWhite);
    EXPECT_EQ(s.At(11, 23), clWhite);
    EXPECT_EQ(s.At(20, 15), clWhite);
}

TEST(ViewPaintingTest, ADoubleFrameShowsTheFillBetweenItsTwoLines) {
    Sheet s;
    s.view.SetColor(clYellow);
    s.view.Frame()->SetStyle(TrpFrameStyle::fsDouble);
    s.view.Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftRight, TrpFrameType::ftTop, TrpFrameType::ftBottom});
    s.Draw();
    EXPECT_EQ(s.At(9, 15), clBlack);
    EXPECT_EQ(s.At(10, 15), clYellow);
    EXPECT_EQ(s.At(11, 15), clBlack);
    EXPECT_EQ(s.At(20, 4), clBlack);
    EXPECT_EQ(s.At(20, 5), clYellow);
    EXPECT_EQ(s.At(20, 6), clBlack);
}

TEST(ViewPaintingTest, WideAndDashedSidesAtScale) {
    Sheet s;
    s.view.Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftTop});
    s.view.Frame()->TopLine()->SetStyle(TrpFrameStyle::fsDash);
    s.Draw(2);  // the left side 2 pixels wide at x = 20; the top dashed at y = 10
    int wide = 0;
    for (int x = 15; x < 26; ++x) wide += s.At(x, 30) == clBlack;
    EXPECT_EQ(wide, 2);
    std::set<TColor> top;
    for (int x = 24; x < 58; ++x) top.insert(s.At(x, 10));
    EXPECT_EQ(top, (std::set<TColor>{clBlack, clWhite}));
}

TEST(ViewPaintingTest, AHatchOnNoFillShowsOnlyTheHatchInTheFrameColour) {
    Sheet s;
    s.view.SetBrushStyle(TBrushStyle::bsCross);
    s.view.Frame()->SetColor(clRed);
    s.Draw();
    EXPECT_EQ(s.ColoursIn(TRect(12, 7, 29, 24)), (std::set<TColor>{clRed, clWhite}));
}

TEST(ViewPaintingTest, WideLinesLieAroundTheirCentre) {
    const struct {
        int width, first, last;
    } cases[] = {{0, 10, 10}, {1, 10, 10}, {3, 9, 11}, {4, 8, 11}};
    for (const auto& c : cases) {
        Sheet s;
        s.view.PrepareDrawing(*s.bitmap.Canvas(), 1, 1, 0, 0);
        s.bitmap.Canvas()->Pen()->SetColor(clBlack);
        s.view.DrawWideLine(2, 10, 40, 10, c.width);
        for (int y = 5; y < 16; ++y)
            EXPECT_EQ(s.At(20, y) == clBlack, y >= c.first && y <= c.last) << c.width << " at " << y;
    }
}

TEST(ViewPaintingTest, ViewDifferenceTextAddsFillAndFrame) {
    TrpView reference(nullptr), copy(nullptr);
    copy.SetColor(clYellow);
    copy.SetBrushStyle(TBrushStyle::bsCross);
    copy.Frame()->SetTyp({TrpFrameType::ftTop});
    copy.SetPrintable(false);
    EXPECT_EQ(copy.DifferenceText(reference), " BrushStyle=\"6\" Color=\"65535\" Frame.Typ=\"4\" Printable=\"0\"");
}

}  // namespace
