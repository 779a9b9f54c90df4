#include "ControlFixture.h"

#include "ui/controls/Bevel.h"
#include "ui/controls/Image.h"
#include "ui/controls/Shape.h"
#include "ui/core/Exceptions.h"
#include "ui/graphics/Icon.h"

namespace {

std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

struct GraphicControls : ControlFixture {
    std::uint32_t Pixel(TControl* c, int x, int y) {
        TPoint p = c->ClientToScreen({x, y});
        return platform::testing::WindowPixel(form->Handle(), p.X - form->Left(), p.Y - form->Top()) & 0xFFFFFF;
    }
    void SetUp() override {
        ControlFixture::SetUp();
        form->SetColor(clBtnFace);
    }
};

TEST_F(GraphicControls, ImagePlacesItsPicture) {
    const struct {
        bool stretch, proportional, center;
        int pictureW, pictureH;
        TRect expected;
    } cases[] = {
        {false, false, false, 20, 10, {0, 0, 20, 10}},
        {false, false, true, 20, 10, {40, 45, 60, 55}},
        {true, false, false, 20, 10, {0, 0, 100, 100}},
        {true, true, false, 20, 10, {0, 0, 100, 50}},
        {true, true, true, 10, 20, {25, 0, 75, 100}},
        {false, true, false, 400, 100, {0, 0, 100, 25}},  // only shrinks
        {false, true, false, 20, 10, {0, 0, 20, 10}},
    };
    auto* image = Add<TImage>(0, 0, 100, 100);
    for (const auto& c : cases) {
        image->Picture()->Bitmap()->SetSize(c.pictureW, c.pictureH);
        image->SetStretch(c.stretch);
        image->SetProportional(c.proportional);
        image->SetCenter(c.center);
        TRect r = image->DestRect();
        EXPECT_EQ(r.Left, c.expected.Left) << c.pictureW << "x" << c.pictureH;
        EXPECT_EQ(r.Top, c.expected.Top);
        EXPECT_EQ(r.Right, c.expected.Right) << c.stretch << c.proportional << c.center;
        EXPECT_EQ(r.Bottom, c.expected.Bottom);
    }
}

TEST_F(GraphicControls, ImageDrawsTransparentAndOnItsCanvas) {
    auto* image = Add<TImage>(10, 10, 20, 20);
    // The canvas of an empty image is a bitmap of the control's size.
    TCanvas* canvas = image->Canvas();
    EXPECT_EQ(image->Picture()->Width(), 20);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect({0, 0, 20, 20});
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect({5, 5, 15, 15});
    ShowForm();
    EXPECT_EQ(Pixel(image, 1, 1), Rgb(clLime));
    EXPECT_EQ(Pixel(image, 10, 10), Rgb(clRed));
    image->SetTransparent(true);  // the bottom-left colour, lime, is left out
    Pump();
    EXPECT_EQ(Pixel(image, 1, 1), Rgb(clBtnFace));
    EXPECT_EQ(Pixel(image, 10, 10), Rgb(clRed));
    // Drawing later shows at the next paint.
    image->Canvas()->FillRect({0, 0, 3, 3});
    Pump();
    EXPECT_EQ(Pixel(image, 1, 1), Rgb(clRed));
    // AutoSize takes the picture's size.
    image->SetAutoSize(true);
    image->Picture()->Bitmap()->SetSize(33, 17);
    EXPECT_EQ(image->Width(), 33);
    EXPECT_EQ(image->Height(), 17);
    // Another kind of picture has no canvas to draw on.
    TIcon icon;
    image->Picture()->SetGraphic(&icon);
    EXPECT_THROW(image->Canvas(), EInvalidOperation);
}

TEST_F(GraphicControls, ShapesStandInTheMiddleOfTheirBox) {
    const struct {
        TShapeType type;
        int penWidth;
        TRect expected;
    } cases[] = {
        {TShapeType::stRectangle, 1, {0, 0, 60, 40}},
        {TShapeType::stSquare, 1, {10, 0, 50, 40}},
        {TShapeType::stCircle, 3, {11, 1, 49, 39}},
        {TShapeType::stEllipse, 3, {1, 1, 59, 39}},
    };
    auto* shape = Add<TShape>(10, 10, 60, 40);
    for (const auto& c : cases) {
        shape->SetShape(c.type);
        shape->Pen()->SetWidth(c.penWidth);
        TRect r = shape->ShapeRect();
        EXPECT_EQ(r.Left, c.expected.Left) << static_cast<int>(c.type);
        EXPECT_EQ(r.Top, c.expected.Top);
        EXPECT_EQ(r.Right, c.expected.Right) << static_cast<int>(c.type);
        EXPECT_EQ(r.Bottom, c.expected.Bottom);
    }
    shape->SetShape(TShapeType::stCircle);
    shape->Pen()->SetWidth(1);
    shape->Brush()->SetColor(clYellow);
    ShowForm();
    EXPECT_EQ(Pixel(shape, 30, 20), Rgb(clYellow));
    EXPECT_EQ(Pixel(shape, 12, 2), Rgb(clBtnFace));  // outside the circle
    EXPECT_EQ(Pixel(shape, 30, 0), Rgb(clBlack));     // its outline
    // A brush change repaints.
    shape->Brush()->SetColor(clAqua);
    Pump();
    EXPECT_EQ(Pixel(shape, 30, 20), Rgb(clAqua));
}

TEST_F(GraphicControls, BevelEdgesByShapeAndStyle) {
    const struct {
        TBevelShape shape;
        TBevelStyle style;
        TPoint first, second;  // the pixel in the first colour and in the second
    } cases[] = {
        {TBevelShape::bsTopLine, TBevelStyle::bsLowered, {5, 0}, {5, 1}},
        {TBevelShape::bsBottomLine, TBevelStyle::bsLowered, {5, 18}, {5, 19}},
        {TBevelShape::bsLeftLine, TBevelStyle::bsRaised, {0, 5}, {1, 5}},
        {TBevelShape::bsBox, TBevelStyle::bsLowered, {0, 5}, {39, 5}},
        {TBevelShape::bsFrame, TBevelStyle::bsLowered, {0, 5}, {1, 5}},
    };
    auto* bevel = Add<TBevel>(10, 10, 40, 20);
    ShowForm();
    for (const auto& c : cases) {
        bevel->SetShape(c.shape);
        bevel->SetStyle(c.style);
        Pump();
        bool lowered = c.style == TBevelStyle::bsLowered;
        EXPECT_EQ(Pixel(bevel, c.first.X, c.first.Y), Rgb(lowered ? clBtnShadow : clBtnHighlight))
            << static_cast<int>(c.shape);
        EXPECT_EQ(Pixel(bevel, c.second.X, c.second.Y), Rgb(lowered ? clBtnHighlight : clBtnShadow))
            << static_cast<int>(c.shape);
        EXPECT_EQ(Pixel(bevel, 20, 10), Rgb(clBtnFace));  // nothing inside
    }
}

}  // namespace
