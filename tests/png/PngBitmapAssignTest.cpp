// Pictures built from bitmaps: the chunks they get, their pixels, and the
// transparent colour.
#include "PngFixtures.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObjects.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngTransparencyChunk.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

// A DIB section, deleted with its holder.
struct Section {
    platform::HBITMAP Handle = nullptr;
    std::uint8_t* Bits = nullptr;
    Section(int width, int height, int bitCount, const std::vector<platform::RGBQUAD>& colors = {}) {
        struct {
            platform::BITMAPINFOHEADER Header;
            platform::RGBQUAD Colors[256];
        } info{};
        info.Header.biWidth = width;
        info.Header.biHeight = height;
        info.Header.biBitCount = platform::WORD(bitCount);
        info.Header.biClrUsed = platform::DWORD(colors.size());
        std::copy(colors.begin(), colors.end(), info.Colors);
        void* bits = nullptr;
        Handle = platform::CreateDIBSection(nullptr, reinterpret_cast<platform::BITMAPINFO*>(&info),
                                            platform::DIB_RGB_COLORS, &bits, nullptr, 0);
        Bits = static_cast<std::uint8_t*>(bits);
    }
    ~Section() { platform::DeleteObject(Handle); }
};

std::vector<std::string> TypesOf(const std::string& file) {
    std::vector<std::string> types;
    for (const auto& c : Chunks(file)) types.push_back(c.Type);
    return types;
}

TEST(AssignBitmap, ScreenBitmapBecomesAnRgbPicture) {
    Section bitmap(300, 200, 32);
    ASSERT_NE(bitmap.Handle, nullptr);
    // Bottom-up rows of blue, green, red, unused.
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            std::uint8_t* p = bitmap.Bits + (std::size_t(199 - y) * 300 + x) * 4;
            p[0] = std::uint8_t(x), p[1] = std::uint8_t(y), p[2] = std::uint8_t(x + y);
        }
    TPngPicture picture;
    picture.AssignBitmapHandle(bitmap.Handle, false, 0);
    std::string file = Save(picture);
    EXPECT_EQ(TypesOf(file).front(), "IHDR");
    EXPECT_EQ(TypesOf(file).back(), "IEND");
    for (const auto& type : TypesOf(file)) EXPECT_TRUE(type == "IHDR" || type == "IDAT" || type == "IEND") << type;
    EXPECT_EQ(Chunks(file)[0].Data, Be32(300) + Be32(200) + Bytes({8, 2, 0, 0, 0}));
    auto reread = Load(file);
    for (auto [x, y] : {std::pair{0, 0}, {299, 0}, {17, 123}, {299, 199}})
        EXPECT_EQ(reread->ReadPixelColor(x, y), RgbColor(std::uint8_t(x + y), std::uint8_t(y), std::uint8_t(x)));
    EXPECT_EQ(ImageDataOf(file)[0], 1);  // filter Sub
}

TEST(AssignBitmap, TransparentPaletteBitmapGetsPaletteAndTransparency) {
    std::vector<platform::RGBQUAD> colors(256);
    for (int i = 0; i < 256; ++i) colors[std::size_t(i)] = {std::uint8_t(i), std::uint8_t(255 - i), 7, 0};
    Section bitmap(5, 3, 8, colors);
    for (int i = 0; i < 3 * 8; ++i) bitmap.Bits[i] = std::uint8_t(i * 3);
    TPngPicture picture;
    picture.AssignBitmapHandle(bitmap.Handle, true, RgbColor(7, 255 - 9, 9));
    EXPECT_EQ(picture.TransparencyKind(), 1);
    std::string file = Save(picture);
    EXPECT_EQ(TypesOf(file), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
    auto chunks = Chunks(file);
    EXPECT_EQ(chunks[1].Data.size(), 256u * 3);
    EXPECT_EQ(chunks[2].Data, std::string(9, '\xFF') + '\0');
    auto reread = Load(file);
    EXPECT_EQ(reread->ReadPixelColor(1, 2), RgbColor(7, 255 - 3, 3));  // the bottom row is first in memory: index 3
}

TEST(AssignBitmap, FourBitBitmapKeepsItsDepth) {
    std::vector<platform::RGBQUAD> colors(16);
    for (int i = 0; i < 16; ++i) colors[std::size_t(i)] = {0, 0, std::uint8_t(i * 16), 0};
    Section bitmap(3, 1, 4, colors);
    bitmap.Bits[0] = 0x5A, bitmap.Bits[1] = 0xF0;
    TPngPicture picture;
    picture.AssignBitmapHandle(bitmap.Handle, false, 0);
    EXPECT_EQ(picture.HeaderChunk().BitDepth, 4);
    EXPECT_EQ(picture.GetPalette().size(), 16u);
    auto reread = Load(Save(picture));
    EXPECT_EQ(reread->ReadPixelColor(0, 0), RgbColor(0x50, 0, 0));
    EXPECT_EQ(reread->ReadPixelColor(1, 0), RgbColor(0xA0, 0, 0));
    EXPECT_EQ(reread->ReadPixelColor(2, 0), RgbColor(0xF0, 0, 0));
}

TEST(AssignBitmap, AnInvalidHandleIsRefusedAndTheOldPictureKept) {
    auto picture = Load(File({Ihdr(1, 1, 8, 2), Chunk("IDAT", Deflate(Bytes({0, 1, 2, 3}))), Iend()}));
    EXPECT_THROW(picture->AssignBitmapHandle(nullptr, false, 0), EInvalidGraphic);
    EXPECT_EQ(picture->Width(), 1);
}

}  // namespace
