// The chart canvas filling with a brush's picture or bitmap as a pattern.

#include "ChartPixelSurface.h"

#include "chart/canvas/ChartBrush.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 2 x 2 checker of two colours, `first` at the top left.
std::unique_ptr<TBitmap> Checker(TColor first, TColor second) {
    auto bitmap = std::make_unique<TBitmap>(2, 2);
    bitmap->Canvas()->SetPixel(0, 0, first);
    bitmap->Canvas()->SetPixel(1, 1, first);
    bitmap->Canvas()->SetPixel(1, 0, second);
    bitmap->Canvas()->SetPixel(0, 1, second);
    return bitmap;
}

}  // namespace

TEST(ChartBrushPattern, TheBrushBitmapFillsWhenThereIsNoPicture) {
    const struct {
        bool bitmap, picture;
        TColor topLeft, beside;
    } cases[] = {
        {false, false, clLime, clLime},  // solid in the colour asked for
        {true, false, clRed, clBlue},    // the bitmap's checker
        {true, true, clYellow, clNavy},  // the picture goes before the bitmap
    };
    for (const auto& c : cases) {
        ChartPixelSurface surface(10, 10);
        TChartBrush brush;
        if (c.bitmap) brush.SetBitmap(Checker(clRed, clBlue).get());
        if (c.picture) brush.Image()->SetGraphic(Checker(clYellow, clNavy).get());
        surface.canvas.SelectBrush(brush, clLime);
        surface.canvas.Pen().SetStyle(TPenStyle::psClear);
        surface.canvas.FillRect(TRect{2, 2, 8, 8});
        EXPECT_EQ(surface.At(2, 2), c.topLeft) << c.bitmap << c.picture;
        EXPECT_EQ(surface.At(3, 2), c.beside) << c.bitmap << c.picture;
        EXPECT_EQ(surface.At(3, 3), c.topLeft) << c.bitmap << c.picture;
        EXPECT_EQ(surface.At(1, 1), clWhite) << c.bitmap << c.picture;  // nothing outside
    }
    // the canvas forgets a bitmap when the next brush has none
    ChartPixelSurface surface(6, 6);
    TChartBrush patterned, plain;
    patterned.SetBitmap(Checker(clRed, clBlue).get());
    surface.canvas.SelectBrush(patterned, clLime);
    surface.canvas.SelectBrush(plain, clGreen);
    surface.canvas.FillRect(TRect{0, 0, 6, 6});
    EXPECT_EQ(surface.At(0, 0), clGreen);
    EXPECT_EQ(surface.At(1, 0), clGreen);
}
