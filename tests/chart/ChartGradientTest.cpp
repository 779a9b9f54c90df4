// Gradients on pixels: where each direction puts its colours, the middle
// colour's halves, radial rings, the second layer, turned gradients and
// polygons; and what form data keeps of gradients and shadows.

#include "ChartPixelSurface.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"
#include "chart/effects/SubGradient.h"

#include "ui/core/Component.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct GradientSurface {
    GradientSurface(int w, int h) : bitmap(w, h) {
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(TRect{0, 0, w, h});
        canvas.SetBuffered(false);
        canvas.PrepareDrawing(bitmap.Canvas(), nullptr, clWhite, false, TRect{0, 0, w, h});
    }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    void Dump(const std::string& name) {
        DumpChartPixels(name, bitmap.Width(), bitmap.Height(), [this](int x, int y) { return At(x, y); });
    }
    TBitmap bitmap;
    TChartCanvas3D canvas;
};

int Red(TColor c) { return static_cast<int>(ColorToRGB(c) & 0xFF); }
int Green(TColor c) { return static_cast<int>((ColorToRGB(c) >> 8) & 0xFF); }
int Blue(TColor c) { return static_cast<int>((ColorToRGB(c) >> 16) & 0xFF); }
TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

}  // namespace

TEST(ChartGradientDrawing, WhereEachDirectionStarts) {
    struct Case {
        TGradientDirection direction;
        TPoint start, end;  // pixels nearest the start and the end colour
    };
    // 41 x 31 from red (start) to blue (end)
    const Case cases[] = {
        {gdTopBottom, {20, 30}, {20, 0}},     {gdBottomTop, {20, 0}, {20, 30}},
        {gdLeftRight, {40, 15}, {0, 15}},     {gdRightLeft, {0, 15}, {40, 15}},
        {gdFromCenter, {20, 15}, {0, 0}},     {gdFromTopLeft, {40, 30}, {0, 0}},
        {gdFromBottomLeft, {40, 0}, {0, 30}}, {gdDiagonalUp, {0, 30}, {40, 0}},
        {gdDiagonalDown, {0, 0}, {40, 29}},   {gdRadial, {21, 16}, {0, 0}},
    };
    for (const Case& c : cases) {
        GradientSurface s(41, 31);
        TChartGradient g;
        g.SetStartColor(clRed);
        g.SetEndColor(clBlue);
        g.SetDirection(c.direction);
        g.Draw(s.canvas, TRect{0, 0, 41, 31});
        s.Dump("gradient-" + std::to_string(static_cast<int>(c.direction)));
        const TColor start = s.At(c.start.X, c.start.Y), end = s.At(c.end.X, c.end.Y);
        EXPECT_GT(Red(start), 200) << c.direction;
        EXPECT_LT(Blue(start), 55) << c.direction;
        EXPECT_GT(Blue(end), 200) << c.direction;
        EXPECT_LT(Red(end), 55) << c.direction;
        for (TPoint p : {TPoint{0, 0}, TPoint{40, 0}, TPoint{0, 30}, TPoint{40, 30}, TPoint{20, 15}})
            EXPECT_EQ(Green(s.At(p.X, p.Y)), 0) << c.direction << ": every pixel painted, " << p.X << "," << p.Y;
    }
}

TEST(ChartGradientDrawing, ColoursAtKnownPixels) {
    // eleven columns, one band each, step 0 at the right: 20 * (10 - x) red
    GradientSurface across(11, 3);
    across.canvas.FillGradient(TRect{0, 0, 11, 3}, clBlack, Rgb(200, 0, 0), gdLeftRight, 50, 0, 0);
    for (int x : {0, 3, 7, 10}) EXPECT_EQ(across.At(x, 1), Rgb(20 * (10 - x), 0, 0)) << x;

    // a middle colour splits the rectangle: end at the top, start at the bottom
    GradientSurface halves(5, 20);
    TChartGradient g;
    g.SetStartColor(clWhite);
    g.SetMidColor(clRed);
    g.SetEndColor(clBlack);
    g.Draw(halves.canvas, TRect{0, 0, 5, 20});
    EXPECT_EQ(halves.At(2, 0), clBlack);
    EXPECT_EQ(halves.At(2, 9), clRed);
    EXPECT_EQ(halves.At(2, 10), clRed);
    EXPECT_EQ(halves.At(2, 19), clWhite);

    // on a monochrome canvas red and blue are both grey 85
    GradientSurface mono(10, 10);
    mono.canvas.SetMonochrome(true);
    TChartGradient redBlue;
    redBlue.SetStartColor(clRed);
    redBlue.SetEndColor(clBlue);
    redBlue.Draw(mono.canvas, TRect{0, 0, 10, 10});
    EXPECT_EQ(mono.At(5, 0), Rgb(85, 85, 85));
    EXPECT_EQ(mono.At(5, 9), Rgb(85, 85, 85));
}

TEST(ChartGradientDrawing, SecondLayerHalfTransparent) {
    GradientSurface s(20, 20);
    TChartGradient g;
    g.SetStartColor(clWhite);
    g.SetEndColor(clWhite);
    g.SubGradient().SetStartColor(clBlack);
    g.SubGradient().SetEndColor(clBlack);
    g.SubGradient().SetVisible(true);
    g.Draw(s.canvas, TRect{0, 0, 20, 20});
    // black blended over white with the system's constant alpha 255 - 128
    EXPECT_EQ(Red(s.At(10, 10)), 128);
    g.SubGradient().SetTransparency(100);
    g.Draw(s.canvas, TRect{0, 0, 20, 20});
    EXPECT_EQ(s.At(10, 10), clWhite);
}

TEST(ChartGradientDrawing, TurnedByItsAngle) {
    GradientSurface s(60, 40);
    TChartGradient g;
    g.SetStartColor(clWhite);
    g.SetEndColor(clBlack);
    g.SetAngle(90);
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    g.Draw(s.canvas, TRect{10, 10, 50, 30});
    s.Dump("gradient-turned-90");
    EXPECT_EQ(g.Angle(), 90);
    // top to bottom turned a quarter: the colours now run across
    EXPECT_GT(Red(s.At(12, 20)), Red(s.At(47, 20)) + 150);
    EXPECT_LT(std::abs(Red(s.At(30, 12)) - Red(s.At(30, 27))), 10);
    // nothing outside the rectangle
    EXPECT_EQ(s.At(5, 20), clWhite);
    EXPECT_EQ(s.At(55, 20), clWhite);

    GradientSurface slanted(60, 60);
    g.SetAngle(45);
    slanted.canvas.Pen().SetStyle(TPenStyle::psClear);
    g.Draw(slanted.canvas, TRect{10, 10, 50, 50});
    slanted.Dump("gradient-turned-45");
    // the bands run diagonally: one diagonal alike, the other changing
    EXPECT_LT(std::abs(Red(slanted.At(15, 15)) - Red(slanted.At(45, 45))), 12);
    EXPECT_GT(std::abs(Red(slanted.At(15, 45)) - Red(slanted.At(45, 15))), 150);
}

TEST(ChartGradientDrawing, InsideAPolygon) {
    GradientSurface s(40, 40);
    TChartGradient g;
    g.SetStartColor(clRed);
    g.SetEndColor(clRed);
    const TPoint diamond[4] = {{20, 2}, {38, 20}, {20, 38}, {2, 20}};
    g.DrawPolygon(s.canvas, diamond);
    EXPECT_EQ(s.At(20, 20), clRed);
    EXPECT_EQ(s.At(4, 4), clWhite);
    EXPECT_EQ(s.canvas.Pen().Style(), TPenStyle::psClear);
}

namespace {

class EffectsHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit EffectsHolder(TComponent* owner = nullptr) : TComponent(owner) { Shadow.SetDefaults(clGray, 2); }
    TChartGradient Gradient;
    TChartShadow Shadow;
};

const TClassInfo& EffectsHolder::StaticClass() {
    static const TClassInfo info =
        TPublished<EffectsHolder>("EffectsHolder", TComponent::StaticClass())
            .Object("Gradient", &TChartGradient::StaticClass,
                    [](EffectsHolder& h) { return &h.Gradient; }, nullptr)
            .Object("Shadow", &TChartShadow::StaticClass,
                    [](EffectsHolder& h) { return &h.Shadow; }, nullptr)
            .Build();
    return info;
}

std::string Bytes(TMemoryStream& stream) { return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size())); }

}  // namespace

TEST(ChartGradientStorage, OnlyWhatDiffers) {
    EffectsHolder plain;
    TMemoryStream empty;
    empty.WriteComponent(&plain);
    const std::string none = Bytes(empty);
    for (const char* name : {"Gradient.", "Shadow."}) EXPECT_EQ(none.find(name), std::string::npos) << name;

    EffectsHolder changed;
    changed.Gradient.SetVisible(true);
    changed.Gradient.SetDirection(gdRadial);
    changed.Gradient.SetMidColor(clGreen);
    changed.Gradient.SubGradient().SetTransparency(70);
    changed.Shadow.SetVertSize(-4);
    changed.Shadow.SetSmooth(false);
    TMemoryStream stream;
    stream.WriteComponent(&changed);
    const std::string bytes = Bytes(stream);
    EXPECT_NE(bytes.find("Gradient.SubGradient.Transparency"), std::string::npos);
    EXPECT_NE(bytes.find("Shadow.VertSize"), std::string::npos);
    // the owner's own default colour and horizontal size stay out
    EXPECT_EQ(bytes.find("Shadow.Color"), std::string::npos);
    EXPECT_EQ(bytes.find("Shadow.HorizSize"), std::string::npos);

    EffectsHolder read;
    stream.SetPosition(0);
    stream.ReadComponent(&read);
    EXPECT_TRUE(read.Gradient.Visible());
    EXPECT_EQ(read.Gradient.Direction(), gdRadial);
    EXPECT_EQ(read.Gradient.MidColor(), clGreen);
    EXPECT_EQ(read.Gradient.SubGradient().Transparency(), 70);
    EXPECT_EQ(read.Shadow.VertSize(), -4);
    EXPECT_EQ(read.Shadow.HorizSize(), 2);
    EXPECT_FALSE(read.Shadow.Smooth());
}
