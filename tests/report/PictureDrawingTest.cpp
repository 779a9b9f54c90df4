#include "report/resources/PreviewButtonArt.h"
#include "report/resources/Resources.h"
#include "report/utils/PictureDrawing.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/core/ResourceStream.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr TColor kKey = clLime;  // the transparent colour of the fixtures

// A bitmap of the key colour with a red square inside, one pixel in from each edge.
void RedSquareOnKey(TBitmap& b, int size) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(size, size);
    b.Canvas()->Brush()->SetColor(kKey);
    b.Canvas()->FillRect(TRect(0, 0, size, size));
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(TRect(1, 1, size - 1, size - 1));
}

void Fill(TBitmap& b, int width, int height, TColor color) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(width, height);
    b.Canvas()->Brush()->SetColor(color);
    b.Canvas()->FillRect(TRect(0, 0, width, height));
}

std::uint32_t Alpha(std::uint32_t argb) { return argb >> 24; }

TEST(PictureDrawingTest, TransparentColourLeavesTheCanvasShowingAtAnyScale) {
    TBitmap picture;
    RedSquareOnKey(picture, 4);
    for (int scale : {1, 3}) {
        TBitmap canvas;
        Fill(canvas, 20, 20, clBlue);
        rpDrawTransparentBitmap(*canvas.Canvas(), TRect(2, 2, 2 + 4 * scale, 2 + 4 * scale), picture, kKey);
        EXPECT_EQ(canvas.Canvas()->Pixels(2, 2), clBlue) << scale;             // key corner
        EXPECT_EQ(canvas.Canvas()->Pixels(2 + 2 * scale, 2 + 2 * scale), clRed) << scale;  // centre
        EXPECT_EQ(canvas.Canvas()->Pixels(2 + 4 * scale, 2), clBlue) << scale;  // beyond the rectangle
    }
}

TEST(PictureDrawingTest, MaskedDrawingLeavesTheBottomLeftColourOut) {
    TBitmap picture;
    RedSquareOnKey(picture, 6);
    TBitmap canvas;
    Fill(canvas, 20, 20, clYellow);
    rpDrawMasked(*canvas.Canvas(), 5, 7, picture);
    EXPECT_EQ(canvas.Canvas()->Pixels(5, 7), clYellow);
    EXPECT_EQ(canvas.Canvas()->Pixels(10, 12), clYellow);
    EXPECT_EQ(canvas.Canvas()->Pixels(6, 8), clRed);
    EXPECT_EQ(canvas.Canvas()->Pixels(9, 11), clRed);
    EXPECT_EQ(canvas.Canvas()->Pixels(11, 13), clYellow);
}

TEST(PictureDrawingTest, StretchedCopiesFillTheRectangle) {
    // Four quadrants of different colours, doubled in size.
    TBitmap picture;
    Fill(picture, 2, 2, clRed);
    picture.Canvas()->SetPixel(1, 0, clBlue);
    picture.Canvas()->SetPixel(0, 1, clLime);
    picture.Canvas()->SetPixel(1, 1, clYellow);
    for (bool dib : {false, true}) {
        TBitmap canvas;
        Fill(canvas, 10, 10, clWhite);
        if (dib) rpStretchDib(canvas.Canvas()->Handle(), TRect(1, 1, 5, 5), picture);
        else rpStretchDdb(canvas.Canvas()->Handle(), TRect(1, 1, 5, 5), picture);
        EXPECT_EQ(canvas.Canvas()->Pixels(1, 1), clRed) << dib;
        EXPECT_EQ(canvas.Canvas()->Pixels(4, 1), clBlue) << dib;
        EXPECT_EQ(canvas.Canvas()->Pixels(1, 4), clLime) << dib;
        EXPECT_EQ(canvas.Canvas()->Pixels(4, 4), clYellow) << dib;
        EXPECT_EQ(canvas.Canvas()->Pixels(5, 5), clWhite) << dib;
        EXPECT_EQ(canvas.Canvas()->Pixels(0, 0), clWhite) << dib;
    }
}

TEST(PictureDrawingTest, PictureViewsDrawOpaqueOrTransparentOnEveryRoad) {
    const struct {
        bool transparent, highQuality, printing;
    } cases[] = {
        {false, false, false}, {true, false, false}, {false, true, false},
        {true, true, false},   {false, false, true}, {true, false, true},
    };
    TBitmap picture;
    RedSquareOnKey(picture, 4);
    for (const auto& c : cases) {
        TBitmap canvas;
        Fill(canvas, 16, 16, clBlue);
        rpDrawPicture(*canvas.Canvas(), TRect(0, 0, 8, 8), picture, kKey, c.transparent, c.highQuality, c.printing);
        SCOPED_TRACE(::testing::Message() << c.transparent << c.highQuality << c.printing);
        EXPECT_EQ(canvas.Canvas()->Pixels(0, 0), c.transparent ? clBlue : kKey);
        EXPECT_EQ(canvas.Canvas()->Pixels(4, 4), clRed);
        EXPECT_EQ(canvas.Canvas()->Pixels(9, 9), clBlue);
    }
}

TEST(PictureDrawingTest, BitmapsAreCutIntoTilesRowByRow) {
    const struct {
        int width, height;
        bool second;
        int inList, inSecond;
    } cases[] = {
        {400, 16, false, 25, 0},
        {40, 20, false, 6, 0},  // tiles cut by the right and bottom edges still count
        {48, 16, true, 2, 1},   // even tiles into the list, odd ones into the second
        {0, 16, false, 0, 0},
    };
    for (const auto& c : cases) {
        TBitmap strip;
        Fill(strip, c.width, c.height, clSilver);
        TImageList list(nullptr), second(nullptr);
        list.SetSize(16, 16);
        second.SetSize(16, 16);
        rpBitmapToImageList(strip, 16, 16, c.second ? &second : nullptr, list);
        EXPECT_EQ(list.Count(), c.inList) << c.width << "x" << c.height;
        EXPECT_EQ(second.Count(), c.inSecond) << c.width << "x" << c.height;
    }
}

TEST(PictureDrawingTest, EachTileIsMaskedWithItsOwnBottomLeftColour) {
    TBitmap strip;
    Fill(strip, 32, 16, clRed);
    strip.Canvas()->Brush()->SetColor(clBlue);
    strip.Canvas()->FillRect(TRect(16, 0, 32, 16));
    strip.Canvas()->SetPixel(5, 5, clBlue);  // opaque in the red tile
    strip.Canvas()->SetPixel(21, 5, clRed);  // opaque in the blue tile
    TImageList list(nullptr);
    list.SetSize(16, 16);
    rpBitmapToImageList(strip, 16, 16, nullptr, list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(Alpha(list.Pixels(0)[0]), 0u);
    EXPECT_EQ(Alpha(list.Pixels(0)[5 * 16 + 5]), 0xFFu);
    EXPECT_EQ(Alpha(list.Pixels(1)[0]), 0u);
    EXPECT_EQ(Alpha(list.Pixels(1)[5 * 16 + 5]), 0xFFu);
}

bool Blank(const TCustomImageList& list, int index) {
    for (std::uint32_t pixel : list.Pixels(index))
        if (Alpha(pixel) != 0) return false;
    return true;
}

TEST(PictureDrawingTest, PreviewButtonsAreTwentyFivePicturesWithThreeEmptyPlaces) {
    TrpResources resources;
    TCustomImageList& icons = resources.PreviewIcons();
    ASSERT_EQ(icons.Count(), kPreviewButtonCount);
    for (int i = 0; i < kPreviewButtonCount; ++i)
        EXPECT_EQ(Blank(icons, i), i == 6 || i == 17 || i == 18) << i;
    EXPECT_EQ(resources.PreviewIcons().Count(), kPreviewButtonCount);  // drawn once

    TBitmap strip;
    DrawPreviewButtons(strip);
    EXPECT_EQ(strip.Width(), 400);
    EXPECT_EQ(strip.Height(), 16);
    resources.LoadPreviewIcons(strip, false);
    EXPECT_EQ(icons.Count(), 2 * kPreviewButtonCount);
    resources.LoadPreviewIcons(strip, true);
    EXPECT_EQ(icons.Count(), kPreviewButtonCount);
}

}  // namespace

namespace {

TEST(PictureDrawingTest, ObjectPicturesComeOnlyFromALoadedStrip) {
    TrpResources resources;
    EXPECT_THROW(resources.ObjectIcons(), EResNotFound);  // the program embeds no "ObjectButtons"

    TBitmap strip;
    DrawPreviewButtons(strip);
    resources.LoadObjectIcons(strip, false);
    EXPECT_EQ(resources.ObjectIcons().Count(), kPreviewButtonCount);
    resources.LoadObjectIcons(strip, true);
    EXPECT_EQ(resources.ObjectIcons().Count(), kPreviewButtonCount);
    EXPECT_EQ(resources.PreviewIcons().Count(), kPreviewButtonCount);  // a list of its own
}

}  // namespace
