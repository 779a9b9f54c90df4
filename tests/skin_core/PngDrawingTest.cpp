#include "PixelFixtures.h"

#include "skin/core/png/PngGraphic.h"
#include "skin/core/png/PngIcons.h"

#include "ui/graphics/Icon.h"
#include "ui/graphics/ImagePixels.h"

#include <gtest/gtest.h>

namespace {

// A 32-bit picture of the given straight-alpha pixels.
std::unique_ptr<TPNGGraphic> Picture32(int width, int height, const std::vector<std::uint32_t>& pixels) {
    auto picture = std::make_unique<TPNGGraphic>();
    picture->SetPixelFormat(TPixelFormat::pf32bit);
    picture->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) PixelRow(*picture, y)[x] = pixels[std::size_t(y * width + x)];
    return picture;
}

std::uint32_t ColorBits(std::uint32_t p) { return p & 0x00FFFFFFu; }

TEST(PngDrawing, OwnSizeWithReflectionPaintsTheMirrorBelow) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x) pixels.push_back(0xFF0000F0u);
    auto picture = Picture32(10, 7, pixels);
    picture->Reflected = true;
    auto target = SolidBitmap32(10, 12, 0xFF000000);
    target->Canvas()->Draw(0, 0, picture.get());
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 3, 6)), 0xEFu);  // (240 * 255) shr 8
    // min(7 div 2, 10 - 7 - 1) = 2 mirrored rows, fading; the work area ends at row 10.
    EXPECT_GT(ColorBits(ReadPixel32(*target, 3, 7)), ColorBits(ReadPixel32(*target, 3, 8)));
    EXPECT_GT(ColorBits(ReadPixel32(*target, 3, 8)), 0u);
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 3, 9)), 0u);
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 3, 11)), 0u);

    picture->Reflected = false;
    auto plain = SolidBitmap32(10, 12, 0xFF000000);
    plain->Canvas()->Draw(0, 0, picture.get());
    EXPECT_EQ(ColorBits(ReadPixel32(*plain, 3, 7)), 0u);
}

TEST(PngDrawing, AlphaBlendsOverTheCanvas) {
    auto picture = Picture32(2, 1, {0x80FFFFFF, 0x00FFFFFF});
    auto target = SolidBitmap32(3, 1, 0xFF000000);
    target->Canvas()->Draw(1, 0, picture.get());
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 0, 0)), 0u);
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 1, 0)), 0x7F7F7Fu);
    EXPECT_EQ(ColorBits(ReadPixel32(*target, 2, 0)), 0u);
}

TEST(PngDrawing, ScaledDrawingStretchesTheAlphaWithTheColoursAndHasNoMirror) {
    auto picture = Picture32(2, 1, {0xFFFF0000, 0x0000FF00});
    picture->Reflected = true;
    auto target = SolidBitmap32(4, 4, 0xFF0000FF);
    target->Canvas()->StretchDraw(TRect(0, 0, 4, 2), picture.get());
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(ColorBits(ReadPixel32(*target, 0, y)), 0xFE0000u) << y;
        EXPECT_EQ(ColorBits(ReadPixel32(*target, 1, y)), 0xFE0000u) << y;
        EXPECT_EQ(ColorBits(ReadPixel32(*target, 2, y)), 0x0000FFu) << y;
        EXPECT_EQ(ColorBits(ReadPixel32(*target, 3, y)), 0x0000FFu) << y;
    }
    for (int x = 0; x < 4; ++x) EXPECT_EQ(ColorBits(ReadPixel32(*target, x, 2)), 0x0000FFu) << x;
}

TEST(PngDrawing, OtherFormatsDrawAsPlainBitmaps) {
    TPNGGraphic picture;
    picture.SetPixelFormat(TPixelFormat::pf24bit);
    picture.SetSize(2, 1);
    auto* row = static_cast<std::uint8_t*>(picture.ScanLine(0));
    const std::uint8_t bytes[] = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    std::copy(std::begin(bytes), std::end(bytes), row);
    TBitmap plain;
    plain.Assign(&picture);
    auto viaPicture = SolidBitmap32(3, 1, 0xFF000000);
    auto viaBitmap = SolidBitmap32(3, 1, 0xFF000000);
    viaPicture->Canvas()->Draw(1, 0, &picture);
    viaBitmap->Canvas()->Draw(1, 0, &plain);
    EXPECT_EQ(PixelsOf(*viaPicture), PixelsOf(*viaBitmap));
    EXPECT_EQ(ColorBits(ReadPixel32(*viaPicture, 1, 0)), 0x302010u);
}

// The icon drawn over a green canvas, as 0x00RRGGBB per pixel.
std::vector<std::uint32_t> DrawnOverGreen(TIcon& icon) {
    auto target = SolidBitmap32(icon.Width(), icon.Height(), 0xFF00FF00);
    target->Canvas()->Draw(0, 0, &icon);
    std::vector<std::uint32_t> out;
    for (std::uint32_t p : PixelsOf(*target)) out.push_back(ColorBits(p));
    return out;
}

TEST(PngIcons, BitmapToIconKeysOutTheTopLeftColourOnACopy) {
    TBitmap bitmap(3, 1, TPixelFormat::pf24bit);
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(0));
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03, 0x40, 0x50, 0x60, 0x01, 0x02, 0x03};
    std::copy(std::begin(bytes), std::end(bytes), row);
    auto icon = BitmapToIcon(bitmap);
    ASSERT_TRUE(icon);
    EXPECT_EQ(DrawnOverGreen(*icon), (std::vector<std::uint32_t>{0x00FF00, 0x605040, 0x00FF00}));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(row[3], 0x40);
}

TEST(PngIcons, GraphicToIconGoesByAlphaOrTheKeyColour) {
    TBitmap bitmap(2, 1, TPixelFormat::pf24bit);
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(0));
    const std::uint8_t bytes[] = {0xFF, 0x00, 0xFF, 0x11, 0x22, 0x33};
    std::copy(std::begin(bytes), std::end(bytes), row);
    auto icon = GraphicToIcon(bitmap);
    ASSERT_TRUE(icon);
    EXPECT_EQ(DrawnOverGreen(*icon), (std::vector<std::uint32_t>{0x00FF00, 0x332211}));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);

    auto withAlpha = MakeBitmap32(2, 1, {0x00123456, 0xFF654321});
    auto alphaIcon = GraphicToIcon(*withAlpha);
    EXPECT_EQ(DrawnOverGreen(*alphaIcon), (std::vector<std::uint32_t>{0x00FF00, 0x654321}));
    EXPECT_EQ(ReadPixel32(*withAlpha, 0, 0), 0x00123456u);
}

TEST(PngIcons, ZeroTransparentWhiteTouchesOnlyTransparentWhite) {
    auto b = MakeBitmap32(4, 1, {0x00FFFFFF, 0xFFFFFFFF, 0x00FFFFFE, 0x01FFFFFF});
    ZeroTransparentWhite(*b);
    EXPECT_EQ(PixelsOf(*b), (std::vector<std::uint32_t>{0, 0xFFFFFFFF, 0x00FFFFFE, 0x01FFFFFF}));
}

}  // namespace
