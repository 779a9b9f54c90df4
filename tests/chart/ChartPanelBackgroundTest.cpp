// The extended panel's background on pixels: shadow band, fill or gradient,
// back picture by its modes, the frame, and the zoom rectangle that a second
// drawing takes away.

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/panel/CustomChartPanelExtended.h"

#include "ui/core/TypeInfo.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"

#include "tests/support/PngDump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class TBackgroundPanel : public TCustomChartPanelExtended {
public:
    using TCustomChartPanelExtended::TCustomChartPanelExtended;

protected:
    void DrawContents(const TRect& r) override { DrawPanelBackground(r); }
};

// The panel drawn into a bitmap of its size.
std::unique_ptr<TBitmap> Picture(TBackgroundPanel& panel) {
    auto bitmap = std::make_unique<TBitmap>(panel.Width(), panel.Height());
    panel.RenderTo(bitmap->Canvas(), TRect{0, 0, panel.Width(), panel.Height()});
    return bitmap;
}

TColor At(TBitmap& b, int x, int y) { return b.Canvas()->Pixels(x, y); }

std::unique_ptr<TBitmap> Checker(int w, int h) {
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->Canvas()->SetPixel(x, y, (x + y) % 2 ? clRed : clBlue);
    return b;
}

}  // namespace

TEST(ChartPanelBackground, ShadowFillAndFrame) {
    TBackgroundPanel panel;
    panel.SetBounds(0, 0, 100, 60);
    panel.SetColor(clWhite);
    panel.SetBevelOuter(TPanelBevel::bvNone);
    panel.Shadow().SetHorizSize(3);
    panel.Shadow().SetVertSize(3);
    panel.Shadow().SetSmooth(false);
    panel.Shadow().SetColor(clBlack);
    panel.Border().Show();
    panel.Border().SetColor(clRed);
    auto b = Picture(panel);
    // the fill leaves 7 pixels right and bottom, then grows back by one: the
    // box ends at 93 and 53, its shadow three pixels beyond
    EXPECT_EQ(At(*b, 50, 0), clRed);   // the border's top edge
    EXPECT_EQ(At(*b, 93, 30), clRed);  // its right edge
    EXPECT_EQ(At(*b, 50, 25), clWhite);
    EXPECT_EQ(At(*b, 94, 30), clBlack);  // the shadow band beside the box
    EXPECT_EQ(At(*b, 50, 54), clBlack);  // and below it
    EXPECT_EQ(At(*b, 98, 30), clWhite);  // beyond the shadow: the colour behind
    // the plot rectangle leaves room for the shadow on the right
    EXPECT_EQ(panel.PlotRect().Right, 100 - 3 * 100 / 100 - 1 - 6);
}

TEST(ChartPanelBackground, GradientInPlaceOfTheColour) {
    TBackgroundPanel panel;
    panel.SetBounds(0, 0, 40, 100);
    panel.SetBevelOuter(TPanelBevel::bvNone);
    panel.Gradient().SetVisible(true);
    panel.Gradient().SetStartColor(clWhite);
    panel.Gradient().SetEndColor(clBlack);
    auto b = Picture(panel);
    EXPECT_EQ(At(*b, 20, 99), clWhite);  // the start colour at the bottom
    EXPECT_EQ(At(*b, 20, 0), clBlack);
    const TColor middle = At(*b, 20, 50);
    EXPECT_GT(middle & 0xFF, 0x60u);
    EXPECT_LT(middle & 0xFF, 0xA0u);

    panel.SetGradient(nullptr);  // dropped: the panel's colour again
    panel.SetColor(clLime);
    b = Picture(panel);
    EXPECT_EQ(At(*b, 20, 50), clLime);
}

TEST(ChartPanelBackground, BackImageModes) {
    const struct {
        TChartBackImageMode mode;
        TPoint inside, outside;  // a picture pixel and a fill pixel
    } cases[] = {
        {pbmStretch, {59, 39}, {-1, -1}},
        {pbmTile, {45, 35}, {-1, -1}},     // the fourth tile, cut by the panel's edge
        {pbmCenter, {25, 15}, {5, 5}},     // a 10 x 10 picture in the middle of 60 x 40
        {pbmCustom, {4, 7}, {20, 20}},     // at (3, 6)
    };
    for (const auto& c : cases) {
        TBackgroundPanel panel;
        panel.SetBounds(0, 0, 60, 40);
        panel.SetColor(clWhite);
        panel.SetBevelOuter(TPanelBevel::bvNone);
        auto picture = Checker(10, 10);
        panel.BackImage().SetGraphic(picture.get());
        panel.SetBackImageMode(c.mode);
        panel.BackImage().SetLeft(3);
        panel.BackImage().SetTop(6);
        auto b = Picture(panel);
        const TColor p = At(*b, c.inside.X, c.inside.Y);
        EXPECT_TRUE(p == clRed || p == clBlue) << c.mode;
        if (c.outside.X >= 0) {
            EXPECT_EQ(At(*b, c.outside.X, c.outside.Y), clWhite) << c.mode;
        }
    }
    TBackgroundPanel plain;
    EXPECT_EQ(plain.BackImageMode(), pbmStretch);  // asking made an empty one
    EXPECT_TRUE(plain.HasBackImage());
    EXPECT_FALSE(plain.BackImageInside());
    EXPECT_FALSE(plain.BackImageTransp());
}

TEST(ChartPanelBackground, ReadingTheModeAsAPropertyLeavesTheBackImageUnmade) {
    TBackgroundPanel panel;
    EXPECT_EQ(GetEnumProp(panel, "BackImageMode"), "pbmStretch");
    EXPECT_FALSE(panel.HasBackImage());
    panel.SetBackImageMode(pbmTile);
    EXPECT_EQ(GetEnumProp(panel, "BackImageMode"), "pbmTile");
}

TEST(ChartPanelBackground, ZoomRectangleGoesAwayWhenDrawnAgain) {
    TBackgroundPanel panel;
    panel.SetBounds(0, 0, 80, 60);
    panel.SetColor(clSilver);
    panel.SetBevelOuter(TPanelBevel::bvNone);
    auto b = Picture(panel);
    auto* gdi = dynamic_cast<TChartCanvas3D*>(panel.Canvas());
    gdi->SetTargetCanvas(b->Canvas());
    panel.Zoom().Activate(10, 10);
    panel.Zoom().EndX = 50;
    panel.Zoom().EndY = 40;
    panel.PaintZoomRectangle();
    // the pen's white taken relative to the background: white on silver
    EXPECT_EQ(At(*b, 30, 10), clWhite);
    EXPECT_EQ(At(*b, 30, 25), clSilver);  // the clear brush leaves the inside
    panel.PaintZoomRectangle();
    for (int x = 10; x < 50; ++x) ASSERT_EQ(At(*b, x, 10), clSilver) << x;
}

TEST(ChartPanelBackground, UndoZoomAndCopies) {
    TBackgroundPanel panel, other;
    int undone = 0;
    panel.OnUndoZoom = [&](TObject*) { ++undone; };
    panel.ZoomActive = true;
    panel.UndoZoom();
    EXPECT_EQ(undone, 1);
    EXPECT_FALSE(panel.ZoomActive);

    panel.Zoom().Allow = false;
    panel.Zoom().MinimumPixels = 40;
    panel.Zoom().Pen().SetColor(clRed);
    panel.AllowPanning = pmVertical;
    panel.SetMarginLeft(9);
    other.Assign(&panel);
    EXPECT_FALSE(other.Zoom().Allow);
    EXPECT_EQ(other.Zoom().MinimumPixels, 16);  // not copied
    EXPECT_EQ(other.Zoom().Pen().Color(), clRed);
    EXPECT_EQ(other.AllowPanning, pmVertical);
    EXPECT_EQ(other.MarginLeft(), 9);
}

// A panel in a window, painted through its buffer, for a person to look at:
// VELZAR_DUMP_DIR=/some/folder.
TEST(ChartPanelBackground, PanelInAWindow) {
    platform::testing::UseHeadlessDisplay();
    TForm form(nullptr);
    form.SetBounds(30, 30, 420, 300);
    auto* panel = new TBackgroundPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 380, 240);
    panel->SetColor(clWhite);
    panel->SetBevelInner(TPanelBevel::bvLowered);
    panel->SetBorderWidth(4);
    panel->Shadow().SetSpread(6);
    panel->Shadow().SetColor(clGray);
    panel->Border().Show();
    panel->Border().SetWidth(2);
    panel->Border().SetColor(clNavy);
    panel->Gradient().SetVisible(true);
    panel->Gradient().SetStartColor(0xF0E0D0);
    panel->Gradient().SetEndColor(0x804020);
    panel->Gradient().SetMidColor(clWhite);
    form.Show();
    platform::testing::PumpMessages();
    // 0x00RRGGBB: the navy border two pixels wide, then the raised bevel's
    // highlight of the system's button colours
    EXPECT_EQ(platform::testing::WindowPixel(panel->Handle(), 1, 1), 0x000080u);
    EXPECT_EQ(platform::testing::WindowPixel(panel->Handle(), 2, 5), 0xFFFFFFu);
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        auto surface = platform::testing::WindowPixels(form.Handle());
        ASSERT_TRUE(surface);
        std::vector<std::uint32_t> rows;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
        png_dump::WritePng(std::string(dir) + "/chart-panel.png", rows.data(), surface->Width(), surface->Height(),
                           surface->Width());
    }
}
