#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "tests/support/PixelCanvas.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

COLORREF Grey(BYTE v) { return RGB(v, v, v); }

// Pixels of one row of a canvas, left to right.
std::vector<COLORREF> Row(const PixelCanvas& canvas, int y) {
    std::vector<COLORREF> row;
    for (int x = 0; x < canvas.Width(); ++x) row.push_back(canvas.At(x, y));
    return row;
}

}  // namespace

TEST(Blits, EveryRasterOperationOnKnownPixels) {
    // Pattern 0xF0, source 0xCC, destination 0xAA in every channel: the
    // result byte is the operation's own code.
    struct Case {
        const char* name;
        DWORD rop;
        BYTE result;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, 0xCC},     {"SRCPAINT", SRCPAINT, 0xEE},     {"SRCAND", SRCAND, 0x88},
        {"SRCINVERT", SRCINVERT, 0x66}, {"SRCERASE", SRCERASE, 0x44},     {"NOTSRCCOPY", NOTSRCCOPY, 0x33},
        {"NOTSRCERASE", NOTSRCERASE, 0x11}, {"MERGECOPY", MERGECOPY, 0xC0}, {"MERGEPAINT", MERGEPAINT, 0xBB},
        {"PATCOPY", PATCOPY, 0xF0},     {"PATPAINT", PATPAINT, 0xFB},     {"PATINVERT", PATINVERT, 0x5A},
        {"DSTINVERT", DSTINVERT, 0x55}, {"BLACKNESS", BLACKNESS, 0x00},   {"WHITENESS", WHITENESS, 0xFF},
    };
    for (const Case& c : cases) {
        PixelCanvas dest(4, 3, Grey(0xAA));
        PixelCanvas source(4, 3, Grey(0xCC));
        HBRUSH pattern = CreateSolidBrush(Grey(0xF0));
        HGDIOBJ old = SelectObject(dest.Dc(), pattern);
        ASSERT_TRUE(BitBlt(dest.Dc(), 1, 1, 2, 1, source.Dc(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(dest.At(1, 1), Grey(c.result)) << c.name;
        EXPECT_EQ(dest.At(2, 1), Grey(c.result)) << c.name;
        EXPECT_EQ(dest.At(3, 1), Grey(0xAA)) << c.name << " right edge untouched";
        EXPECT_EQ(dest.At(1, 0), Grey(0xAA)) << c.name;
        SelectObject(dest.Dc(), old);
        DeleteObject(pattern);
    }
}

TEST(Blits, MonochromeMasksMeetColourThroughTextAndBackgroundColours) {
    // Mask bits: 1 0 1 0 (white, black, white, black).
    const BYTE bits[] = {0xA0, 0x00};
    HBITMAP mask = CreateBitmap(4, 1, 1, 1, bits);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);

    PixelCanvas colour(4, 1, kWhite);
    SetTextColor(colour.Dc(), kRed);           // 0 bits
    SetBkColor(colour.Dc(), RGB(0, 0, 255));   // 1 bits
    ASSERT_TRUE(BitBlt(colour.Dc(), 0, 0, 4, 1, maskDc, 0, 0, SRCCOPY));
    EXPECT_EQ(Row(colour, 0), (std::vector<COLORREF>{RGB(0, 0, 255), kRed, RGB(0, 0, 255), kRed}));

    // The classic transparent draw: AND with the mask (white bits keep the
    // destination), then OR the picture where the mask was black.
    PixelCanvas scene(4, 1, Grey(0x40));
    SetTextColor(scene.Dc(), kBlack);
    SetBkColor(scene.Dc(), kWhite);
    PixelCanvas sprite(4, 1, kBlack);
    sprite.SetRaw(1, 0, 0x00FF0000);
    sprite.SetRaw(3, 0, 0x0000FF00);
    BitBlt(scene.Dc(), 0, 0, 4, 1, maskDc, 0, 0, SRCAND);
    BitBlt(scene.Dc(), 0, 0, 4, 1, sprite.Dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(Row(scene, 0), (std::vector<COLORREF>{Grey(0x40), kRed, Grey(0x40), RGB(0, 255, 0)}));

    // Colour into monochrome: the source background colour becomes white.
    PixelCanvas picture(4, 1, kRed);
    picture.SetRaw(2, 0, 0x0000FF00);
    SetBkColor(picture.Dc(), RGB(0, 255, 0));
    ASSERT_TRUE(BitBlt(maskDc, 0, 0, 4, 1, picture.Dc(), 0, 0, SRCCOPY));
    std::vector<COLORREF> bitsNow;
    for (int x = 0; x < 4; ++x) bitsNow.push_back(GetPixel(maskDc, x, 0));
    EXPECT_EQ(bitsNow, (std::vector<COLORREF>{kBlack, kBlack, kWhite, kBlack}));
    SelectObject(maskDc, oldMask);
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST(Blits, StretchModesWhenShrinkingAndGrowing) {
    // Source row: black white black white, shrunk to two pixels.
    struct Case {
        int mode;
        COLORREF first;
    } cases[] = {
        {COLORONCOLOR, kWhite},   // nearest pixel by centres: the 2nd and 4th
        {BLACKONWHITE, kBlack},   // dropped pixels ANDed
        {WHITEONBLACK, kWhite},   // dropped pixels ORed
        {HALFTONE, Grey(0x80)},   // averaged
    };
    PixelCanvas source(4, 1, kWhite);
    source.SetRaw(0, 0, 0);
    source.SetRaw(2, 0, 0);
    for (const Case& c : cases) {
        PixelCanvas dest(2, 1, kRed);
        SetStretchBltMode(dest.Dc(), c.mode);
        ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 0, 2, 1, source.Dc(), 0, 0, 4, 1, SRCCOPY));
        EXPECT_EQ(dest.At(0, 0), c.first) << "mode " << c.mode;
        EXPECT_EQ(dest.At(1, 0), c.first) << "mode " << c.mode;
    }
    // Growing repeats pixels; a negative width mirrors.
    PixelCanvas grown(8, 1, kRed);
    SetStretchBltMode(grown.Dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(grown.Dc(), 0, 0, 8, 1, source.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(Row(grown, 0), (std::vector<COLORREF>{kBlack, kBlack, kWhite, kWhite, kBlack, kBlack, kWhite, kWhite}));
    PixelCanvas mirrored(4, 1, kRed);
    source.SetRaw(3, 0, 0x00FF0000);
    ASSERT_TRUE(StretchBlt(mirrored.Dc(), 4, 0, -4, 1, source.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(Row(mirrored, 0), (std::vector<COLORREF>{kRed, kBlack, kWhite, kBlack}));
}

TEST(Blits, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
    PixelCanvas canvas(6, 6, kWhite);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) canvas.SetRaw(x, y, static_cast<std::uint32_t>(y * 6 + x));
    // Scroll down-right by one, as a window scroll does.
    ASSERT_TRUE(BitBlt(canvas.Dc(), 1, 1, 5, 5, canvas.Dc(), 0, 0, SRCCOPY));
    for (int y = 1; y < 6; ++y)
        for (int x = 1; x < 6; ++x) EXPECT_EQ(canvas.RawAt(x, y), static_cast<std::uint32_t>((y - 1) * 6 + x - 1));
    // And back up-left, through the stretching path (mirror twice).
    ASSERT_TRUE(StretchBlt(canvas.Dc(), 0, 0, 5, 5, canvas.Dc(), 1, 1, 5, 5, NOTSRCCOPY));
    EXPECT_EQ(canvas.RawAt(0, 0), ~0u & 0x00FFFFFF);
    EXPECT_EQ(canvas.RawAt(4, 4), ~static_cast<std::uint32_t>(28) & 0x00FFFFFF);
}

TEST(Blits, BadHandlesAndSizes) {
    PixelCanvas dest(4, 4, kWhite);
    PixelCanvas source(4, 4, kBlack);
    HDC bad = reinterpret_cast<HDC>(0x7FFF0004);
    EXPECT_FALSE(BitBlt(bad, 0, 0, 2, 2, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dest.Dc(), 0, 0, 2, 2, bad, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dest.Dc(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 2, 2, nullptr, 0, 0, PATCOPY)) << "no source needed";
    EXPECT_FALSE(BitBlt(dest.Dc(), 0, 0, -2, 2, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 0, 2, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(StretchBlt(dest.Dc(), 0, 0, 2, 2, source.Dc(), 0, 0, 0, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(dest.Dc(), 0, 0, 0, 2, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(PatBlt(dest.Dc(), 0, 0, 2, 2, SRCCOPY)) << "PatBlt takes no source";
    EXPECT_EQ(dest.Count(kWhite), 16) << "no failed call drew";
    // Huge sizes and sources off the surface leave what lies outside alone.
    EXPECT_TRUE(BitBlt(dest.Dc(), -5, -5, INT_MAX, INT_MAX, source.Dc(), -5, -5, SRCCOPY));
    EXPECT_EQ(dest.Count(kBlack), 16);
    dest.Fill(kWhite);
    EXPECT_TRUE(StretchBlt(dest.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, source.Dc(), 0, 0, INT_MAX, INT_MAX, SRCCOPY));
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 4, 4, source.Dc(), 2, 2, SRCCOPY));
    EXPECT_EQ(dest.At(1, 1), kBlack);
    EXPECT_EQ(dest.At(3, 3), kWhite) << "the source there is off its surface";
}

TEST(Blits, PatBltPaintsTheBrushTowardsNegativeSizes) {
    PixelCanvas canvas(6, 1, kWhite);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(canvas.Dc(), red);
    ASSERT_TRUE(PatBlt(canvas.Dc(), 4, 0, -3, 1, PATCOPY));
    EXPECT_EQ(Row(canvas, 0), (std::vector<COLORREF>{kWhite, kRed, kRed, kRed, kWhite, kWhite}));
    ASSERT_TRUE(PatBlt(canvas.Dc(), 0, 0, 6, 1, DSTINVERT));
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_EQ(canvas.At(1, 0), RGB(0, 255, 255));
    SelectObject(canvas.Dc(), old);
    DeleteObject(red);
}

TEST(Blits, DibRowsReachTheDeviceInTheirOwnOrder) {
    // A 2x2 bottom-up 32-bit DIB: bottom row red red, top row white black.
    std::uint32_t bits[] = {0x00FF0000, 0x00FF0000, 0x00FFFFFF, 0x00000000};
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biBitCount = 32;
    PixelCanvas canvas(4, 4, Grey(0x40));
    EXPECT_EQ(StretchDIBits(canvas.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(canvas.At(0, 0), kWhite);
    EXPECT_EQ(canvas.At(1, 0), kBlack);
    EXPECT_EQ(canvas.At(0, 1), kRed);
    // Source y counts from the bottom: row 1 is the top one.
    EXPECT_GT(StretchDIBits(canvas.Dc(), 2, 2, 2, 1, 0, 1, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(canvas.At(2, 2), kWhite);
    info.bmiHeader.biHeight = -2;  // top-down: row 1 is the second in memory
    EXPECT_EQ(SetDIBitsToDevice(canvas.Dc(), 0, 3, 2, 1, 0, 1, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(canvas.At(0, 3), kWhite);
    EXPECT_EQ(canvas.At(1, 3), kBlack);
    EXPECT_EQ(StretchDIBits(canvas.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    info.bmiHeader.biWidth = 0;
    EXPECT_EQ(StretchDIBits(canvas.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
}
