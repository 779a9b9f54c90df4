#include "PngFixtures.h"

#include "skin/core/png/PngGraphic.h"
#include "skin/core/png/SkinPngErrors.h"

#include "platform/gdi/Bitmaps.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/graphics/ImagePixels.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void Load(TPNGGraphic& picture, const TBytes& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    picture.LoadFromStream(stream);
}

std::string LoadError(const TBytes& bytes) {
    TPNGGraphic picture;
    try {
        Load(picture, bytes);
    } catch (const Exception& e) {
        return std::string(e.ClassName()) + ": " + e.Message();
    }
    return "";
}

TPixels PixelsOf(TPNGGraphic& picture) { return ReadPixels(picture, TRect(0, 0, picture.Width(), picture.Height())); }

std::uint32_t Eight(std::uint32_t sample, int depth) { return depth == 16 ? sample * 255 / 65535 : sample; }

// The 0xAARRGGBB pixel a decoded sample image should show.
std::uint32_t Expected(const TSampleImage& image, int x, int y, const TBytes& palette) {
    int d = image.Depth;
    auto opaque = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) { return 0xFF000000u | (r << 16) | (g << 8) | b; };
    switch (image.ColorType) {
        case 0: {
            std::uint32_t v = d == 16 ? Eight(image.At(x, y, 0), 16) : image.At(x, y, 0) * 255 / ((1u << d) - 1);
            return opaque(v, v, v);
        }
        case 2: return opaque(Eight(image.At(x, y, 0), d), Eight(image.At(x, y, 1), d), Eight(image.At(x, y, 2), d));
        case 3: {
            std::size_t i = image.At(x, y, 0) * 3;
            return opaque(palette[i], palette[i + 1], palette[i + 2]);
        }
        case 4: {
            std::uint32_t v = Eight(image.At(x, y, 0), d);
            return opaque(v, v, v);
        }
        default:
            return (Eight(image.At(x, y, 3), d) << 24) | (Eight(image.At(x, y, 0), d) << 16) |
                   (Eight(image.At(x, y, 1), d) << 8) | Eight(image.At(x, y, 2), d);
    }
}

TEST(SkinPngReader, EveryColourTypeAndDepthPlainAndInterlaced) {
    struct Case {
        int ColorType, Depth;
        TPixelFormat Format;
    };
    const Case cases[] = {
        {0, 1, TPixelFormat::pf1bit},  {0, 2, TPixelFormat::pf4bit},  {0, 4, TPixelFormat::pf4bit},
        {0, 8, TPixelFormat::pf8bit},  {0, 16, TPixelFormat::pf8bit}, {2, 8, TPixelFormat::pf24bit},
        {2, 16, TPixelFormat::pf24bit}, {3, 1, TPixelFormat::pf1bit}, {3, 2, TPixelFormat::pf4bit},
        {3, 4, TPixelFormat::pf4bit},  {3, 8, TPixelFormat::pf8bit},  {4, 8, TPixelFormat::pf8bit},
        {4, 16, TPixelFormat::pf8bit}, {6, 8, TPixelFormat::pf32bit}, {6, 16, TPixelFormat::pf32bit},
    };
    for (const Case& c : cases) {
        for (bool interlaced : {false, true}) {
            TSampleImage image = PatternImage(11, 9, c.ColorType, c.Depth);
            TBytes palette;
            std::vector<TBytes> before;
            if (c.ColorType == 3) {
                for (int i = 0; i < (1 << c.Depth); ++i)
                    for (int k = 0; k < 3; ++k) palette.push_back(std::uint8_t(i * 53 + k * 91 + 7));
                before.push_back(Chunk("PLTE", palette));
            }
            TPNGGraphic picture;
            Load(picture, MakePng(image, interlaced, before));
            SCOPED_TRACE(::testing::Message() << "type " << c.ColorType << " depth " << c.Depth << " interlaced "
                                              << interlaced);
            ASSERT_EQ(picture.Width(), 11);
            ASSERT_EQ(picture.Height(), 9);
            EXPECT_EQ(picture.PixelFormat(), c.Format);
            EXPECT_EQ(picture.ImageProperties().Interlaced, interlaced);
            TPixels pixels = PixelsOf(picture);
            int wrong = 0;
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 11; ++x)
                    if (pixels[std::size_t(y * 11 + x)] != Expected(image, x, y, palette) && wrong++ < 3)
                        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << pixels[std::size_t(y * 11 + x)]
                                      << " expected " << Expected(image, x, y, palette);
        }
    }
}

TEST(SkinPngReader, SixteenBitSamplesAreScaledDown) {
    TSampleImage image{3, 1, 2, 16, {65535, 257, 256, 256, 65535, 257, 257, 256, 65535}};
    TPNGGraphic picture;
    Load(picture, MakePng(image, false));
    ASSERT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
    auto* row = static_cast<std::uint8_t*>(picture.ScanLine(0));
    // Blue, green, red per pixel: 65535 gives 255, 257 gives 1, 256 gives 0.
    EXPECT_EQ(TBytes(row, row + 9), (TBytes{0, 1, 255, 1, 255, 0, 255, 0, 1}));
}

TEST(SkinPngReader, TwoBitGreyBecomesAFourBitPictureOverAGreyRamp) {
    TSampleImage image{4, 1, 0, 2, {0, 1, 2, 3}};
    TPNGGraphic picture;
    Load(picture, MakePng(image, false));
    ASSERT_EQ(picture.PixelFormat(), TPixelFormat::pf4bit);
    auto* row = static_cast<std::uint8_t*>(picture.ScanLine(0));
    EXPECT_EQ(row[0], 0x05);
    EXPECT_EQ(row[1], 0xAF);
    platform::RGBQUAD table[16];
    ASSERT_EQ(platform::GetDIBColorTable(picture.Canvas()->Handle(), 0, 16, table), 16u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(table[i].rgbRed, i * 17) << i;
}

TEST(SkinPngReader, OnePixelInterlacedComesFromTheFirstPass) {
    TSampleImage image{1, 1, 6, 8, {10, 20, 30, 40}};
    TPNGGraphic picture;
    Load(picture, MakePng(image, true));
    EXPECT_EQ(PixelsOf(picture), (TPixels{0x280A141E}));
}

TEST(SkinPngReader, RowsBeyondTruncatedImageDataAreZero) {
    TSampleImage image{4, 6, 6, 8, {}};
    for (int i = 0; i < 4 * 6; ++i) image.Samples.insert(image.Samples.end(), {200, 150, 100, 255});
    // Stored deflate blocks keep the rows in order: cut inside the third row.
    TBytes raw = RawImageData(image, false);
    TBytes stored(raw.size() + 64);
    z_stream z{};
    deflateInit(&z, 0);
    z.next_in = raw.data();
    z.avail_in = uInt(raw.size());
    z.next_out = stored.data();
    z.avail_out = uInt(stored.size());
    deflate(&z, Z_FINISH);
    stored.resize(z.total_out);
    deflateEnd(&z);
    const std::size_t rowBytes = 1 + 4 * 4, zlibHeader = 2, blockHeader = 5;
    TBytes file = Signature();
    TBytes cut(stored.begin(), stored.begin() + std::ptrdiff_t(zlibHeader + blockHeader + 2 * rowBytes + 6));
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(4, 6, 8, 6)), Chunk("IDAT", cut), Chunk("IEND", {})})
        file.insert(file.end(), b.begin(), b.end());
    TPNGGraphic picture;
    Load(picture, file);
    TPixels p = PixelsOf(picture);
    // Row 2 is cut after its first pixel and a byte; its filter (Up) makes
    // the missing bytes repeat row 1. Rows 3 to 5 have no data at all.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) {
            std::uint32_t expected = y <= 2 ? 0xFFC89664u : 0u;
            EXPECT_EQ(p[std::size_t(y * 4 + x)], expected) << x << "," << y;
        }
}

TEST(SkinPngReader, AStreamEndingInsideAChunkFailsAsAShortRead) {
    TBytes file = MakePng(PatternImage(5, 5, 2, 8), false);
    file.resize(file.size() - 20);
    EXPECT_EQ(LoadError(file).rfind("EReadError", 0), 0u) << LoadError(file);
}

TEST(SkinPngReader, SizesAreCapped) {
    for (auto [w, h] : {std::pair{100000u, 1u}, {1u, 20000u}, {5000u, 5000u}}) {
        TBytes file = Signature();
        for (const TBytes& b : {Chunk("IHDR", HeaderBody(w, h, 8, 6)), Chunk("IEND", {})})
            file.insert(file.end(), b.begin(), b.end());
        EXPECT_EQ(LoadError(file), "EInvalidGraphic: Cannot load image. The PNG image is too large.") << w << "x" << h;
    }
}

TEST(SkinPngReader, GammaOfOneLoadDoesNotCarryIntoTheNext) {
    TSampleImage image{1, 1, 2, 8, {128, 128, 128}};
    TBytes gamma;
    PutBig32(gamma, 100000);
    TPNGGraphic picture;
    Load(picture, MakePng(image, false, {Chunk("gAMA", gamma)}));
    EXPECT_EQ(PixelsOf(picture), (TPixels{0xFFBABABA}));  // round(255 (128/255)^(1/2.2)) = 186
    EXPECT_TRUE(picture.ImageProperties().Options & TPngImageProperties::ipGammaApplied);
    Load(picture, MakePng(image, false));
    EXPECT_EQ(PixelsOf(picture), (TPixels{0xFF808080}));
    EXPECT_FALSE(picture.ImageProperties().Options & TPngImageProperties::ipGammaApplied);

    TBytes nearlyLinear;
    PutBig32(nearlyLinear, 45455);
    Load(picture, MakePng(image, false, {Chunk("gAMA", nearlyLinear)}));
    EXPECT_EQ(PixelsOf(picture), (TPixels{0xFF808080}));
}

TBytes WithChunkAfterHeader(const TBytes& chunk, const TSampleImage& image) { return MakePng(image, false, {chunk}); }

TEST(SkinPngReader, ChunkRules) {
    TSampleImage rgb = PatternImage(3, 2, 2, 8);
    TBytes damaged = Chunk("tEXt", {'a', 'b'});
    damaged.back() ^= 1;
    TBytes damagedGamma = Chunk("gAMA", {0, 1, 0x86, 0xA0});
    damagedGamma.back() ^= 1;
    struct Case {
        const char* Name;
        TBytes File;
        std::string Error;
    };
    TBytes lowerIdat = Signature();
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(3, 2, 8, 2)), Chunk("idat", Deflated(RawImageData(rgb, false))),
                            Chunk("IEND", {})})
        lowerIdat.insert(lowerIdat.end(), b.begin(), b.end());
    TBytes paletteImage = MakePng(PatternImage(2, 2, 3, 1), false, {Chunk("PLTE", TBytes(10, 1))});
    TBytes badSignature = MakePng(rgb, false);
    badSignature[1] = 'Q';
    TBytes zeroWidth = Signature();
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(0, 2, 8, 2)), Chunk("IEND", {})})
        zeroWidth.insert(zeroWidth.end(), b.begin(), b.end());
    TBytes compression = Signature();
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(3, 2, 8, 2, 0, 1)), Chunk("IEND", {})})
        compression.insert(compression.end(), b.begin(), b.end());
    TBytes rgb4 = Signature();
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(3, 2, 4, 2)), Chunk("IDAT", Deflated(TBytes(12, 0))),
                            Chunk("IEND", {})})
        rgb4.insert(rgb4.end(), b.begin(), b.end());
    const std::string invalid = "EInvalidGraphic: ";
    const Case cases[] = {
        {"text", WithChunkAfterHeader(Chunk("tEXt", {'k', 0, 'v'}), rgb), ""},
        {"unknown ancillary", WithChunkAfterHeader(Chunk("zzZz", {1, 2}), rgb), ""},
        {"damaged skipped chunk", WithChunkAfterHeader(damaged, rgb), ""},
        {"lower-case idat", lowerIdat, ""},
        {"unknown critical", WithChunkAfterHeader(Chunk("ZZzz", {1}), rgb),
         invalid + "Cannot load PNG image. Unexpected but critical chunk detected."},
        {"damaged read chunk", WithChunkAfterHeader(damagedGamma, rgb),
         invalid + "Cannot load image. CRC error found in PNG file."},
        {"palette of 10 bytes", paletteImage, invalid + "Cannot load image. Palette in PNG file is invalid."},
        {"signature", badSignature, invalid + "Cannot load image. Invalid or unexpected PNG image format."},
        {"zero width", zeroWidth, invalid + "Cannot load image. Invalid or unexpected PNG image format."},
        {"compression", compression, invalid + "Cannot load image. The compression scheme is not supported for PNG files."},
        {"RGB of depth 4", rgb4, invalid + "Invalid color format in PNG file."},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadError(c.File), c.Error) << c.Name;
}

TEST(SkinPngReader, TheChunkAfterTheImageDataIsNotInterpreted) {
    TSampleImage image = PatternImage(2, 2, 2, 8);
    TBytes file = MakePng(image, false);
    TBytes trns;
    for (int i = 0; i < 3; ++i) trns.insert(trns.end(), {0, std::uint8_t(image.At(0, 0, i))});
    TBytes chunk = Chunk("tRNS", trns);
    file.insert(file.end() - 12, chunk.begin(), chunk.end());  // between IDAT and IEND
    TPNGGraphic picture;
    Load(picture, file);
    EXPECT_EQ(picture.PngTransparentColor(), clNone);
    EXPECT_FALSE(picture.Transparent());
}

TEST(SkinPngReader, KeyColoursOfGreyAndRgbImages) {
    struct Case {
        int ColorType, Depth;
        TBytes Body;
        TColor Expected;
    };
    const Case cases[] = {
        {2, 8, {0, 10, 0, 20, 0, 30}, 0x1E140A},
        {2, 16, {0xFF, 0xFF, 0x01, 0x01, 0x01, 0x00}, 0x0001FF},
        {0, 8, {0, 77}, 0x4D4D4D},
        {0, 2, {0, 1}, 0x555555},  // as the grey ramp shows sample 1 of 3
        {0, 16, {0x80, 0x00}, 0x7F7F7F},
    };
    for (const Case& c : cases) {
        TPNGGraphic picture;
        Load(picture, MakePng(PatternImage(2, 2, c.ColorType, c.Depth), false, {Chunk("tRNS", c.Body)}));
        EXPECT_EQ(picture.PngTransparentColor(), c.Expected) << c.ColorType << "/" << c.Depth;
        EXPECT_TRUE(picture.Transparent());
    }
}

TEST(SkinPngReader, BackgroundColourOfRgbImages) {
    struct Case {
        int ColorType, Depth;
        TBytes Body;
        TColor Expected;
    };
    const Case cases[] = {
        {2, 16, {0xFF, 0xFF, 0x01, 0x01, 0x01, 0x00}, 0x0001FF},
        {6, 8, {0, 1, 0, 2, 0, 3}, 0x030201},
        {0, 8, {0, 9}, 0xFFFFFF},  // grey images keep white: every row is written anyway
    };
    for (const Case& c : cases) {
        TPNGGraphic picture;
        Load(picture, MakePng(PatternImage(2, 2, c.ColorType, c.Depth), false, {Chunk("bKGD", c.Body)}));
        EXPECT_EQ(picture.BackgroundColor(), c.Expected) << c.ColorType << "/" << c.Depth;
    }
}

TEST(SkinPngReader, AStreamAskingForADictionaryFailsInsteadOfWaiting) {
    TSampleImage image = PatternImage(3, 3, 2, 8);
    TBytes raw = RawImageData(image, false);
    z_stream z{};
    deflateInit(&z, 9);
    const std::uint8_t dictionary[] = {1, 2, 3, 4};
    deflateSetDictionary(&z, dictionary, sizeof dictionary);
    TBytes data(deflateBound(&z, uLong(raw.size())));
    z.next_in = raw.data();
    z.avail_in = uInt(raw.size());
    z.next_out = data.data();
    z.avail_out = uInt(data.size());
    deflate(&z, Z_FINISH);
    data.resize(z.total_out);
    deflateEnd(&z);
    TBytes file = Signature();
    for (const TBytes& b : {Chunk("IHDR", HeaderBody(3, 3, 8, 2)), Chunk("IDAT", data), Chunk("IEND", {})})
        file.insert(file.end(), b.begin(), b.end());
    EXPECT_EQ(LoadError(file), "EInvalidGraphic: Cannot load image. Compression error found in PNG file.");
}

TEST(SkinPngReader, ImageDataSplitOverManyChunks) {
    TSampleImage image = PatternImage(7, 5, 6, 8);
    TBytes data = Deflated(RawImageData(image, false));
    TBytes file = Signature();
    auto add = [&](const TBytes& b) { file.insert(file.end(), b.begin(), b.end()); };
    add(Chunk("IHDR", HeaderBody(7, 5, 8, 6)));
    add(Chunk("IDAT", {}));
    for (std::size_t at = 0; at < data.size(); at += 3)
        add(Chunk("IDAT", TBytes(data.begin() + std::ptrdiff_t(at),
                                 data.begin() + std::ptrdiff_t(std::min(at + 3, data.size())))));
    add(Chunk("IEND", {}));
    TPNGGraphic picture;
    Load(picture, file);
    TPixels p = PixelsOf(picture);
    EXPECT_EQ(p[34], Expected(image, 6, 4, {}));
    EXPECT_EQ(p[0], Expected(image, 0, 0, {}));
}

}  // namespace
