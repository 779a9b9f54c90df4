// The picture as a graphic of the class library: the ".png" format, drawing
// on a bitmap's canvas, and taking over a bitmap.
#include "PngFixtures.h"

#include "ui/core/Exceptions.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Picture.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

TEST(PngGraphic, PictureClassOpensPngFilesWithIt) {
    EXPECT_EQ(TPicture::GraphicClassOf("png"), &TPngPicture::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOf("PNG"), &TPngPicture::StaticClass());
}

TEST(PngGraphic, DrawBlendsOverTheCanvasAndStretches) {
    std::string row = Bytes({0, 200, 100, 50, 128, 9, 9, 9, 0});
    auto picture = Load(File({Ihdr(2, 1, 8, 6), Chunk("IDAT", Deflate(row)), Iend()}));
    TBitmap bitmap(6, 2, TPixelFormat::pf32bit);
    for (int y = 0; y < 2; ++y) {
        auto* pixels = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < 6; ++x) pixels[x] = 0x00102030;
    }
    bitmap.Canvas()->StretchDraw(Rect(1, 0, 5, 2), picture.get());
    for (int y = 0; y < 2; ++y) {
        auto* pixels = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        const std::uint32_t blended = std::uint32_t(((200 * 128 + 127 * 0x10 + 255) >> 8) << 16 |
                                                    ((100 * 128 + 127 * 0x20 + 255) >> 8) << 8 |
                                                    ((50 * 128 + 127 * 0x30 + 255) >> 8));
        EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x102030u);
        EXPECT_EQ(pixels[1] & 0xFFFFFF, blended);
        EXPECT_EQ(pixels[2] & 0xFFFFFF, blended);
        EXPECT_EQ(pixels[3] & 0xFFFFFF, 0x102030u);  // alpha 0 leaves the canvas
        EXPECT_EQ(pixels[4] & 0xFFFFFF, 0x102030u);
        EXPECT_EQ(pixels[5] & 0xFFFFFF, 0x102030u);
    }
}

TEST(PngGraphic, AssigningABitmapGivesAnRgbPicture) {
    TBitmap bitmap(300, 200, TPixelFormat::pf32bit);
    static_cast<std::uint32_t*>(bitmap.ScanLine(7))[11] = 0x00AABBCC;
    TPngPicture picture;
    picture.Assign(&bitmap);
    std::string file = Save(picture);
    auto chunks = Chunks(file);
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Data, Be32(300) + Be32(200) + Bytes({8, 2, 0, 0, 0}));
    EXPECT_EQ(Load(file)->ReadPixelColor(11, 7), RgbColor(0xAA, 0xBB, 0xCC));
}

TEST(PngGraphic, AssignedToABitmap) {
    // A 4-bit palette picture with one transparent entry: a 4-bit bitmap with Transparent set.
    std::string palette = Bytes({0, 0, 0, 255, 0, 0, 0, 255, 0});
    auto picture = Load(File({Ihdr(3, 1, 4, 3), Chunk("PLTE", palette), Chunk("tRNS", Bytes({255, 0})),
                              Chunk("IDAT", Deflate(Bytes({0, 0x12, 0x00}))), Iend()}));
    TBitmap bitmap;
    bitmap.Assign(picture.get());
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), TColor(RgbColor(255, 0, 0)));

    auto rgb = Load(File({Ihdr(2, 1, 8, 2), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3, 4, 5, 6}))), Iend()}));
    TBitmap full;
    full.Assign(rgb.get());
    EXPECT_EQ(full.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_FALSE(full.Transparent());
    auto* row = static_cast<std::uint8_t*>(full.ScanLine(0));
    EXPECT_EQ(row[3], 6);  // blue, green, red of the second pixel
    EXPECT_EQ(row[5], 4);

    TPngPicture empty;
    EXPECT_THROW(full.Assign(&empty), Exception);
}

}  // namespace
