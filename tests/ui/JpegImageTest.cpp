// The JPEG image: bitmaps saved as baseline 24-bit JPEG at its quality and
// read back close to their pixels, the picture formats "jpg" and "jpeg", and
// damaged data refused without losing the picture there was.
#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/JpegImage.h"
#include "ui/graphics/Picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Blocks of colour with a gradient band: edges and smooth parts both.
std::unique_ptr<TBitmap> TestBitmap(int width, int height) {
    auto made = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    TBitmap& bitmap = *made;
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < width; ++x) {
            std::uint32_t color = x < width / 2 ? (y < height / 2 ? 0xD02020u : 0x2040E0u) : 0x20A040u;
            if (y > height * 3 / 4) color = static_cast<std::uint32_t>(x * 255 / width) * 0x010101u;
            row[x] = color;
        }
    }
    return made;
}

std::uint32_t Pixel24(TBitmap& bitmap, int x, int y) {
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
    return row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
}

std::uint32_t Pixel32(TBitmap& bitmap, int x, int y) {
    return static_cast<std::uint32_t*>(bitmap.ScanLine(y))[x] & 0xFFFFFF;
}

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

std::vector<std::uint8_t> Bytes(TMemoryStream& stream) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(stream.Memory());
    return std::vector<std::uint8_t>(data, data + stream.Size());
}

// The first segment with this marker: its bytes after the length.
std::vector<std::uint8_t> Segment(const std::vector<std::uint8_t>& file, std::uint8_t marker) {
    for (std::size_t i = 2; i + 4 <= file.size();) {
        if (file[i] != 0xFF) break;
        const std::size_t length = (file[i + 2] << 8) | file[i + 3];
        if (file[i + 1] == marker) return std::vector<std::uint8_t>(file.begin() + long(i + 4), file.begin() + long(i + 2 + length));
        i += 2 + length;
    }
    return {};
}

std::vector<std::uint8_t> SavedJpeg(TBitmap& bitmap, int quality = TJPEGImage::DefaultQuality) {
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(quality);
    jpeg.Assign(&bitmap);
    TMemoryStream stream;
    jpeg.SaveToStream(stream);
    return Bytes(stream);
}

void Load(TJPEGImage& jpeg, const std::vector<std::uint8_t>& bytes) {
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    jpeg.LoadFromStream(stream);
}

}  // namespace

TEST(JpegImage, SavesABaselineTwentyFourBitFileAtQualityNinety) {
    auto owned = TestBitmap(64, 48);
    TBitmap& bitmap = *owned;
    const std::vector<std::uint8_t> file = SavedJpeg(bitmap);
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    // Start of frame 0 (baseline): 8-bit samples, the size, three components.
    const std::vector<std::uint8_t> frame = Segment(file, 0xC0);
    ASSERT_EQ(frame.size(), 6u + 3 * 3);
    EXPECT_EQ(frame[0], 8);
    EXPECT_EQ((frame[1] << 8) | frame[2], 48);
    EXPECT_EQ((frame[3] << 8) | frame[4], 64);
    EXPECT_EQ(frame[5], 3);
    EXPECT_TRUE(Segment(file, 0xC2).empty()) << "progressive";
    // The luminance table's first step is the standard 16 scaled to quality
    // 90 (20 %): 3; quality 50 keeps it at 16.
    EXPECT_EQ(Segment(file, 0xDB).at(1), 3);
    EXPECT_EQ(Segment(SavedJpeg(bitmap, 50), 0xDB).at(1), 16);
}

TEST(JpegImage, ReadsBackCloseToTheBitmap) {
    auto owned = TestBitmap(80, 60);
    TBitmap& bitmap = *owned;
    TJPEGImage jpeg;
    Load(jpeg, SavedJpeg(bitmap));
    ASSERT_EQ(jpeg.Width(), 80);
    ASSERT_EQ(jpeg.Height(), 60);
    TBitmap back;
    back.Assign(&jpeg);
    ASSERT_EQ(back.PixelFormat(), TPixelFormat::pf24bit);
    long total = 0;
    int worstAwayFromEdges = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x) {
            int d = ChannelDifference(Pixel24(back, x, y), Pixel32(bitmap, x, y));
            total += d;
            bool nearEdge = std::abs(x - 40) < 4 || std::abs(y - 30) < 4 || std::abs(y - 45) < 4;
            if (!nearEdge) worstAwayFromEdges = std::max(worstAwayFromEdges, d);
        }
    // Quality 90 with halved colour resolution: a few levels off, never a
    // swapped channel or a shifted row (those are off by a hundred and more).
    EXPECT_LT(double(total) / (80 * 60), 6.0);
    EXPECT_LT(worstAwayFromEdges, 20);
}

TEST(JpegImage, DamagedDataIsRefusedAndThePictureKept) {
    auto owned = TestBitmap(32, 32);
    TBitmap& bitmap = *owned;
    const std::vector<std::uint8_t> whole = SavedJpeg(bitmap);
    std::vector<std::uint8_t> noImageData(whole.begin(), whole.begin() + long(whole.size() / 2));
    std::vector<std::uint8_t> hugeFrame = whole;
    // The frame says 65500 x 65500 pixels.
    for (std::size_t i = 0; i + 8 < hugeFrame.size(); ++i)
        if (hugeFrame[i] == 0xFF && hugeFrame[i + 1] == 0xC0) {
            hugeFrame[i + 5] = hugeFrame[i + 7] = 0xFF;
            hugeFrame[i + 6] = hugeFrame[i + 8] = 0xDC;
            break;
        }
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"nothing", {}},
        {"a PNG signature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0}},
        {"the start marker alone", {0xFF, 0xD8}},
        {"cut in the middle", noImageData},
        {"a frame too large to hold", hugeFrame},
    };
    TJPEGImage jpeg;
    Load(jpeg, SavedJpeg(bitmap));
    for (const auto& c : cases) {
        try {
            Load(jpeg, c.bytes);
            ADD_FAILURE() << c.what << " was read as a picture";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.Message().find("JPEG"), std::string::npos) << c.what << ": " << e.Message();
        }
        EXPECT_EQ(jpeg.Width(), 32) << c.what;
        EXPECT_EQ(jpeg.Height(), 32) << c.what;
    }
}

TEST(JpegImage, AnEmptyPictureIsNotSavedAndTheSizeIsFixed) {
    TJPEGImage jpeg;
    TMemoryStream stream;
    EXPECT_THROW(jpeg.SaveToStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_THROW(jpeg.SetWidth(10), EInvalidGraphicOperation);
    jpeg.SetCompressionQuality(0);
    EXPECT_EQ(jpeg.CompressionQuality(), 1);
    jpeg.SetCompressionQuality(1000);
    EXPECT_EQ(jpeg.CompressionQuality(), 100);
}

TEST(JpegImage, PicturesOpenAndSaveJpgAndJpegFiles) {
    EXPECT_EQ(TPicture::GraphicClassOf("jpg"), &TJPEGImage::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOf("JPEG"), &TJPEGImage::StaticClass());
    TempFolder folder;
    auto owned = TestBitmap(40, 20);
    TBitmap& bitmap = *owned;
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    const std::string name = (folder.Path() / "shot.Jpeg").string();
    jpeg.SaveToFile(name);
    TPicture picture;
    picture.LoadFromFile(name);
    auto* loaded = dynamic_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(picture.Width(), 40);
    EXPECT_EQ(picture.Height(), 20);
    // Drawn onto a bitmap through the canvas.
    TBitmap drawn(40, 20, TPixelFormat::pf32bit);
    drawn.Canvas()->Draw(0, 0, loaded);
    EXPECT_LT(ChannelDifference(Pixel32(drawn, 5, 5), 0xD02020), 12);
    EXPECT_LT(ChannelDifference(Pixel32(drawn, 35, 5), 0x20A040), 12);
}
