// The back wall on pixels: gradient, transparency, shadow and picture, and
// the chart's inside back picture behind the frame.

#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A flat white chart of 200 x 120 without axes or legend; its plot is
// (10, 10, 190, 110) with margins of 10 pixels.
class PixelChart : public TChart {
public:
    PixelChart() {
        SetBounds(0, 0, 200, 120);
        SetView3D(false);
        SetColor(clWhite);
        SetBevelOuter(TPanelBevel::bvNone);
        Legend().SetVisible(false);
        SetAxisVisible(false);
        SetMarginUnits(muPixels);
        for (int i = 0; i < 4; ++i) SetMargin(i, 10);
        series.SetParentChart(this);
        series.SetActive(false);
        BackWall().SetTransparent(false);
        BackWall().Brush().SetStyle(TBrushStyle::bsSolid);
        BackWall().Pen().SetColor(clBlack);
    }
    ~PixelChart() override { series.SetParentChart(nullptr); }
    std::unique_ptr<TBitmap> Picture() {
        auto bitmap = std::make_unique<TBitmap>(200, 120);
        RenderTo(bitmap->Canvas(), TRect{0, 0, 200, 120});
        return bitmap;
    }
    TLineSeries series;
};

TColor At(TBitmap& b, int x, int y) { return b.Canvas()->Pixels(x, y); }
int Red(TColor c) { return c & 0xFF; }
int Blue(TColor c) { return (c >> 16) & 0xFF; }

}  // namespace

TEST(WallPixels, AGradientFillsTheBackWallInsideItsFrame) {
    PixelChart chart;
    chart.BackWall().Gradient().SetVisible(true);
    chart.BackWall().Gradient().SetStartColor(clRed);
    chart.BackWall().Gradient().SetEndColor(clBlue);
    auto b = chart.Picture();
    EXPECT_EQ(At(*b, 10, 60), clBlack);  // the frame over the gradient
    EXPECT_EQ(At(*b, 100, 5), clWhite);  // outside the wall
    const TColor top = At(*b, 100, 12), bottom = At(*b, 100, 108);
    EXPECT_GT(Blue(top), Red(top));  // the start colour at the bottom, as the panel's own gradient
    EXPECT_GT(Red(bottom), Blue(bottom));
    chart.BackWall().SetTransparent(true);  // a transparent wall shows no gradient
    b = chart.Picture();
    EXPECT_EQ(At(*b, 100, 60), clWhite);
    EXPECT_EQ(At(*b, 10, 60), clBlack);
}

TEST(WallPixels, APartlyTransparentWallMixesWithWhatIsBehind) {
    PixelChart chart;
    chart.BackWall().SetColor(clBlack);
    auto b = chart.Picture();
    EXPECT_EQ(At(*b, 100, 60), clBlack);
    chart.BackWall().SetTransparency(50);
    b = chart.Picture();
    const TColor mixed = At(*b, 100, 60);
    EXPECT_GT(Red(mixed), 0x60);
    EXPECT_LT(Red(mixed), 0xA0);
}

TEST(WallPixels, TheBackWallsShadowAndPicture) {
    PixelChart chart;
    chart.BackWall().SetColor(clYellow);
    chart.BackWall().Shadow().SetVisible(true);
    chart.BackWall().Shadow().SetSpread(4);
    chart.BackWall().Shadow().SetSmooth(false);
    chart.BackWall().Shadow().SetColor(clBlack);
    auto b = chart.Picture();
    EXPECT_EQ(At(*b, 100, 60), clYellow);
    EXPECT_EQ(At(*b, 193, 60), clBlack);  // beside the wall's right edge
    EXPECT_EQ(At(*b, 100, 113), clBlack);  // below it

    auto green = std::make_unique<TBitmap>(4, 4);
    green->Canvas()->Brush()->SetColor(clLime);
    green->Canvas()->FillRect(TRect{0, 0, 4, 4});
    chart.BackWall().Picture().Assign(green.get());
    b = chart.Picture();
    EXPECT_EQ(At(*b, 100, 60), clLime);  // stretched over the wall

    // without a picture of its own the wall shows the chart's inside back picture, inside the frame
    chart.BackWall().SetPicture(nullptr);
    chart.BackImage().Assign(green.get());
    chart.SetBackImageInside(true);
    b = chart.Picture();
    EXPECT_EQ(At(*b, 100, 60), clLime);
    EXPECT_EQ(At(*b, 10, 60), clBlack);
    EXPECT_EQ(At(*b, 100, 10), clBlack);
}
