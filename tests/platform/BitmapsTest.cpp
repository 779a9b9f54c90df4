#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/system/LastError.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

// A BITMAPINFO with room for a full 8-bit colour table.
struct InfoWithTable {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

InfoWithTable Info(LONG width, LONG height, WORD bitCount) {
    InfoWithTable info{};
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biBitCount = bitCount;
    return info;
}

const BITMAPINFO* AsInfo(const InfoWithTable& info) { return reinterpret_cast<const BITMAPINFO*>(&info); }

}  // namespace

TEST(Bitmaps, DibSectionsOfEveryDepthHavePaddedRows) {
    struct Case {
        WORD bits;
        LONG width;
        LONG stride;
    } cases[] = {{1, 9, 4}, {4, 9, 8}, {8, 9, 12}, {16, 9, 20}, {24, 9, 28}, {32, 9, 36}, {24, 1, 4}, {1, 33, 8}};
    for (const Case& c : cases) {
        auto info = Info(c.width, 3, c.bits);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, AsInfo(info), DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr) << c.bits;
        EXPECT_NE(bits, nullptr);
        DIBSECTION ds{};
        EXPECT_EQ(GetObject(bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
        EXPECT_EQ(ds.dsBm.bmWidthBytes, c.stride) << c.bits << " bits, width " << c.width;
        EXPECT_EQ(ds.dsBm.bmBits, bits);
        EXPECT_EQ(ds.dsBmih.biSizeImage, static_cast<DWORD>(c.stride * 3));
        DeleteObject(bitmap);
    }
}

TEST(Bitmaps, BadAndHugeSizesFail) {
    struct Case {
        LONG width, height;
        WORD bits;
    } cases[] = {{0, 5, 32}, {5, 0, 32}, {-5, 5, 32}, {5, 5, 7}, {5, 5, 0},
                 {100000, 100000, 32}, {INT_MAX, 2, 32}, {2, INT_MIN, 32}, {INT_MAX, INT_MAX, 1}};
    for (const Case& c : cases) {
        auto info = Info(c.width, c.height, c.bits);
        void* bits = reinterpret_cast<void*>(1);
        SetLastError(0);
        EXPECT_EQ(CreateDIBSection(nullptr, AsInfo(info), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr)
            << c.width << "x" << c.height << "x" << c.bits;
        EXPECT_EQ(bits, nullptr);
        EXPECT_NE(GetLastError(), 0u);
        EXPECT_EQ(CreateBitmap(c.width, c.height, 1, c.bits, nullptr), nullptr);
    }
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 0, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(reinterpret_cast<HDC>(0x7FFF0004), 10, 10), nullptr);
    DeleteDC(dc);
}

TEST(Bitmaps, BottomUpAndTopDownRowsMeetInGetDIBits) {
    // A 2x2 bottom-up 24-bit picture: red bottom-left, green top-right.
    for (bool topDown : {false, true}) {
        auto info = Info(2, topDown ? -2 : 2, 24);
        void* raw = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, AsInfo(info), DIB_RGB_COLORS, &raw, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        auto* bytes = static_cast<BYTE*>(raw);
        BYTE* bottomRow = topDown ? bytes + 8 : bytes;
        BYTE* topRow = topDown ? bytes : bytes + 8;
        bottomRow[2] = 255;    // red at (0, bottom)
        topRow[3 + 1] = 255;   // green at (1, top)

        // Read it back as a top-down 32-bit picture.
        HDC dc = CreateCompatibleDC(nullptr);
        auto out = Info(2, -2, 32);
        std::uint32_t pixels[4] = {};
        EXPECT_EQ(GetDIBits(dc, bitmap, 0, 2, pixels, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS), 2);
        EXPECT_EQ(pixels[0], 0u) << topDown;
        EXPECT_EQ(pixels[1], 0x0000FF00u);
        EXPECT_EQ(pixels[2], 0x00FF0000u);
        EXPECT_EQ(pixels[3], 0u);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

TEST(Bitmaps, ColourTablesMapIndexesAndNearestColours) {
    auto info = Info(8, 1, 8);
    info.header.biClrUsed = 3;
    info.colors[0] = {0, 0, 0, 0};
    info.colors[1] = {0, 0, 200, 0};    // red
    info.colors[2] = {200, 200, 200, 0};
    void* raw = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, AsInfo(info), DIB_RGB_COLORS, &raw, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    auto* index = static_cast<BYTE*>(raw);
    index[0] = 1;
    index[1] = 2;

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RGBQUAD table[4] = {};
    EXPECT_EQ(GetDIBColorTable(dc, 0, 4, table), 4u);
    EXPECT_EQ(table[1].rgbRed, 200);

    // 32-bit rows written into the 8-bit bitmap pick the nearest entry.
    auto in = Info(8, 1, 32);
    std::uint32_t pixels[8] = {0x00F00000, 0x00C0C0C0, 0x00000010};
    EXPECT_EQ(SetDIBits(dc, bitmap, 0, 1, pixels, reinterpret_cast<BITMAPINFO*>(&in), DIB_RGB_COLORS), 1);
    EXPECT_EQ(index[0], 1);
    EXPECT_EQ(index[1], 2);
    EXPECT_EQ(index[2], 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(Bitmaps, MonochromeBitmapBitsAreMostSignificantFirst) {
    const BYTE rows[] = {0x80, 0x00, 0x01, 0x00};  // 16-bit padded rows of 8 pixels
    HBITMAP mask = CreateBitmap(8, 2, 1, 1, rows);
    ASSERT_NE(mask, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    auto out = Info(8, -2, 32);
    std::uint32_t pixels[16] = {};
    EXPECT_EQ(GetDIBits(dc, mask, 0, 2, pixels, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS), 2);
    EXPECT_EQ(pixels[0], 0x00FFFFFFu);
    EXPECT_EQ(pixels[1], 0u);
    EXPECT_EQ(pixels[15], 0x00FFFFFFu);
    EXPECT_EQ(pixels[8], 0u);
    DeleteDC(dc);
    DeleteObject(mask);
}

TEST(Bitmaps, BitFieldLayoutsTheSystemDrawsAreReadOthersRefused) {
    struct Case {
        WORD bits;
        DWORD masks[3];
        bool accepted;
    } cases[] = {{16, {0x7C00, 0x03E0, 0x001F}, true},
                 {16, {0xF800, 0x07E0, 0x001F}, true},
                 {16, {0x001F, 0x07E0, 0xF800}, false},  // would come out in wrong colours
                 {32, {0xFF0000, 0x00FF00, 0x0000FF}, true},
                 {32, {0x0000FF, 0x00FF00, 0xFF0000}, false},
                 {24, {0xFF0000, 0x00FF00, 0x0000FF}, false}};
    for (const Case& c : cases) {
        struct {
            BITMAPINFOHEADER header;
            DWORD masks[3];
        } info{};
        info.header.biWidth = 2;
        info.header.biHeight = 2;
        info.header.biBitCount = c.bits;
        info.header.biCompression = BI_BITFIELDS;
        std::memcpy(info.masks, c.masks, sizeof info.masks);
        HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, nullptr,
                                          nullptr, 0);
        EXPECT_EQ(bitmap != nullptr, c.accepted) << c.bits << " bits, red mask " << std::hex << c.masks[0];
        if (!bitmap) continue;
        // Pure green through the layout and back.
        HDC dc = CreateCompatibleDC(nullptr);
        auto out = Info(2, -2, 32);
        std::uint32_t green[4] = {0x0000FF00, 0x0000FF00, 0x0000FF00, 0x0000FF00}, back[4] = {};
        EXPECT_EQ(SetDIBits(dc, bitmap, 0, 2, green, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS), 2);
        EXPECT_EQ(GetDIBits(dc, bitmap, 0, 2, back, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS), 2);
        EXPECT_EQ(back[0], 0x0000FF00u) << c.bits << " bits, red mask " << std::hex << c.masks[0];
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}
