// Putting a picture on 32-bit pixels: plain, with a transparent colour, and
// alpha-blended, stretched where the rectangle differs from the picture.
#include "SampleImages.h"

#include "png/codec/PngExceptions.h"
#include "png/image/PngDrawing.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

struct Canvas {
    int Width, Height;
    std::vector<std::uint32_t> Pixels;
    Canvas(int width, int height, std::uint32_t fill) : Width(width), Height(height), Pixels(std::size_t(width) * height, fill) {}
    TPixelTarget Whole() { return {Pixels.data(), Width, Height, std::size_t(Width)}; }
    std::uint32_t At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
};

std::uint32_t Bgr(int r, int g, int b) { return std::uint32_t(r << 16 | g << 8 | b); }

// An RGBA picture, one row of pixels given as r, g, b, a.
std::unique_ptr<TPngPicture> RgbaRow(const std::vector<std::array<int, 4>>& pixels) {
    std::string row(1, '\0');
    for (const auto& p : pixels) row += Bytes({p[0], p[1], p[2], p[3]});
    return Load(File({Ihdr(std::uint32_t(pixels.size()), 1, 8, 6), Chunk("IDAT", Deflate(row)), Iend()}));
}

TEST(DrawColorKeyed, PixelsOfTheKeyLeaveTheTarget) {
    std::string rows = Bytes({0, 0, 255, 0, 200, 10, 10, 0, 0, 255, 0, 0, 0, 255});
    auto picture = Load(File({Ihdr(2, 2, 8, 2), Chunk("tRNS", Bytes({0, 0, 0, 255, 0, 0})),
                              Chunk("IDAT", Deflate(rows)), Iend()}));
    ASSERT_EQ(picture->TransparencyKind(), 1);
    Canvas white(2, 2, 0xFFFFFF);
    DrawColorKeyedOnto(*picture, white.Whole());
    EXPECT_EQ(white.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(white.At(1, 0), Bgr(200, 10, 10));
    EXPECT_EQ(white.At(0, 1), 0xFFFFFFu);
    EXPECT_EQ(white.At(1, 1), Bgr(0, 0, 255));
}

TEST(DrawAlphaBlended, HalfAlphaOverBlackAndTheTwoEnds) {
    auto picture = RgbaRow({{200, 100, 50, 128}, {9, 9, 9, 0}, {1, 2, 3, 255}});
    Canvas black(3, 1, 0);
    BlendPictureOnto(*picture, black.Whole());
    EXPECT_EQ(black.At(0, 0), Bgr((200 * 128 + 255) >> 8, (100 * 128 + 255) >> 8, (50 * 128 + 255) >> 8));
    EXPECT_EQ(black.At(1, 0), 0u);
    EXPECT_EQ(black.At(2, 0), Bgr(1, 2, 3));

    Canvas grey(3, 1, Bgr(60, 60, 60));
    BlendPictureOnto(*picture, grey.Whole());
    EXPECT_EQ(grey.At(0, 0), Bgr((200 * 128 + 127 * 60 + 255) >> 8, (100 * 128 + 127 * 60 + 255) >> 8,
                                 (50 * 128 + 127 * 60 + 255) >> 8));
    EXPECT_EQ(grey.At(1, 0), Bgr(60, 60, 60));
}

TEST(DrawAlphaBlended, DoubleSizeRepeatsEachPixelInATwoByTwoBlock) {
    TSampleImage image{100, 50, 6, 8};
    auto picture = Load(image.File(false));
    Canvas big(200, 100, Bgr(30, 60, 90));
    BlendPictureOnto(*picture, big.Whole());
    Canvas small(100, 50, Bgr(30, 60, 90));
    BlendPictureOnto(*picture, small.Whole());
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(big.At(x, y), small.At(x / 2, y / 2)) << x << "," << y;
}

TEST(DrawAlphaBlended, OtherShapeOfTheSameAreaStaysInsideThePicture) {
    TSampleImage image{4, 2, 6, 8};
    auto picture = Load(image.File(false));
    Canvas tall(2, 4, 0);
    BlendPictureOnto(*picture, tall.Whole());
    Canvas reference(2, 4, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) {
            Canvas one(1, 1, 0);
            auto single = RgbaRow({{image.Sample(2 * x, y / 2, 0), image.Sample(2 * x, y / 2, 1),
                                    image.Sample(2 * x, y / 2, 2), image.Sample(2 * x, y / 2, 3)}});
            BlendPictureOnto(*single, one.Whole());
            EXPECT_EQ(tall.At(x, y), one.At(0, 0)) << x << "," << y;
        }
}

TEST(DrawAlphaBlended, FourBitPaletteReadsNibblesAndStaysInItsColumns) {
    // Indices 1 2 3 4 5 in three bytes: 0x12 0x34 0x50.
    std::string palette;
    for (int i = 0; i < 6; ++i) palette += Bytes({i * 40, 0, 0});
    auto picture = Load(File({Ihdr(5, 1, 4, 3), Chunk("PLTE", palette), Chunk("tRNS", Bytes({255, 255, 128, 64, 0, 255})),
                              Chunk("IDAT", Deflate(Bytes({0, 0x12, 0x34, 0x50}))), Iend()}));
    ASSERT_EQ(picture->TransparencyKind(), 2);
    std::vector<std::uint32_t> pixels(8, 0x0000FF);
    BlendPictureOnto(*picture, {pixels.data(), 5, 1, 8});
    auto blend = [](int red, int alpha) {
        return Bgr((red * alpha + 255) >> 8, 0, (255 * (255 - alpha) + 255) >> 8);
    };
    EXPECT_EQ(pixels[0], blend(40, 255));
    EXPECT_EQ(pixels[1], blend(80, 128));
    EXPECT_EQ(pixels[2], blend(120, 64));
    EXPECT_EQ(pixels[3], blend(160, 0));   // index 4: low nibble of byte 1
    EXPECT_EQ(pixels[4], blend(200, 255)); // index 5: high nibble of byte 2
    for (int x = 5; x < 8; ++x) EXPECT_EQ(pixels[std::size_t(x)], 0x0000FFu);
}

TEST(DrawAlphaBlended, IndicesBeyondThePaletteAreRefused) {
    auto picture = Load(File({Ihdr(1, 1, 8, 3), Chunk("PLTE", Bytes({1, 2, 3})), Chunk("tRNS", Bytes({128, 0})),
                              Chunk("IDAT", Deflate(Bytes({0, 7}))), Iend()}));
    Canvas target(1, 1, 0);
    EXPECT_THROW(BlendPictureOnto(*picture, target.Whole()), EPngError);
    auto noPalette = Load(File({Ihdr(1, 1, 8, 3), Chunk("tRNS", Bytes({128, 0})), Chunk("IDAT", Deflate(Bytes({0, 0}))), Iend()}));
    EXPECT_THROW(BlendPictureOnto(*noPalette, target.Whole()), EPngError);
}

TEST(DrawAlphaBlended, GreyWithAlphaBlendsTheStoredSample) {
    auto picture = Load(File({Ihdr(2, 1, 8, 4), Chunk("IDAT", Deflate(Bytes({0, 100, 0, 100, 255}))), Iend()}));
    Canvas target(2, 1, Bgr(50, 50, 50));
    BlendPictureOnto(*picture, target.Whole());
    EXPECT_EQ(target.At(0, 0), Bgr((255 * 50 + 255) >> 8, (255 * 50 + 255) >> 8, (255 * 50 + 255) >> 8));
    EXPECT_EQ(target.At(1, 0), Bgr(100, 100, 100));
}

TEST(StretchPicture, CopiesTheShownColours) {
    auto picture = Load(File({Ihdr(2, 1, 1, 3), Chunk("PLTE", Bytes({10, 20, 30, 40, 50, 60})),
                              Chunk("IDAT", Deflate(Bytes({0, 0x40}))), Iend()}));
    Canvas target(4, 2, 0xAB000000u);
    StretchPictureOnto(*picture, target.Whole());
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(target.At(0, y), 0xAB000000u | Bgr(10, 20, 30));
        EXPECT_EQ(target.At(1, y), 0xAB000000u | Bgr(10, 20, 30));
        EXPECT_EQ(target.At(2, y), 0xAB000000u | Bgr(40, 50, 60));
        EXPECT_EQ(target.At(3, y), 0xAB000000u | Bgr(40, 50, 60));
    }
    TPngPicture empty;
    StretchPictureOnto(empty, target.Whole());
    EXPECT_EQ(target.At(3, 1), 0xAB000000u | Bgr(40, 50, 60));
}

}  // namespace
