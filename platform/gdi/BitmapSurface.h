#pragma once
// Pixel storage of a bitmap: rows of 1, 4, 8, 16, 24 or 32 bits, padded to
// four bytes, bottom-up or top-down, with a colour table up to 8 bits. Drawing
// reads and writes it through 32-bit pixel values 0xAARRGGBB (the byte order
// of a 32-bit row: blue, green, red, alpha).

#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <vector>

namespace platform {

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c) {
    return (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ColorFromPixel(Pixel p) {
    return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

class BitmapSurface {
public:
    // Null when a size is not positive, the bit count is not one of the six,
    // or the pixels would not fit in memory.
    static std::shared_ptr<BitmapSurface> Create(LONG width, LONG height, int bitCount, bool topDown,
                                                 std::vector<RGBQUAD> colors = {});
    // 32-bit top-down rows that someone else owns and keeps alive as long as
    // the surface (a window's pixels).
    static std::shared_ptr<BitmapSurface> Wrap(void* bits, LONG width, LONG height, LONG strideBytes);

    BitmapSurface(const BitmapSurface&) = delete;
    BitmapSurface& operator=(const BitmapSurface&) = delete;

    LONG Width() const { return width_; }
    LONG Height() const { return height_; }
    int BitCount() const { return bitCount_; }
    LONG Stride() const { return stride_; }
    bool TopDown() const { return topDown_; }
    std::size_t SizeBytes() const { return static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_); }
    RECT Bounds() const { return {0, 0, width_, height_}; }

    // The first byte in memory: the bottom row when rows run bottom-up.
    BYTE* Bits() { return bits_; }
    const BYTE* Bits() const { return bits_; }
    // A row counted from the top of the picture.
    BYTE* Row(LONG y) { return bits_ + static_cast<std::ptrdiff_t>(MemoryRow(y)) * stride_; }
    const BYTE* Row(LONG y) const { return bits_ + static_cast<std::ptrdiff_t>(MemoryRow(y)) * stride_; }
    Pixel* Row32(LONG y) { return reinterpret_cast<Pixel*>(Row(y)); }
    const Pixel* Row32(LONG y) const { return reinterpret_cast<const Pixel*>(Row(y)); }

    // 16-bit rows as 5-6-5 (bit-field layouts) rather than 5-5-5.
    bool FiveSixFive() const { return fiveSixFive_; }
    void SetFiveSixFive(bool on) { fiveSixFive_ = on && bitCount_ == 16; }

    const std::vector<RGBQUAD>& Colors() const { return colors_; }
    void SetColors(const std::vector<RGBQUAD>& colors);

    // Any format read as 0xAARRGGBB (alpha only from 32-bit rows, else 0);
    // writes pick the nearest colour-table entry below 16 bits.
    Pixel Get(LONG x, LONG y) const;
    void Set(LONG x, LONG y, Pixel value);
    int NearestIndex(Pixel value) const;
    // The colour-table index of a pixel of a 1, 4 or 8-bit surface.
    int IndexAt(LONG x, LONG y) const;

    static LONG StrideFor(LONG width, int bitCount);

private:
    BitmapSurface() = default;
    LONG MemoryRow(LONG y) const { return topDown_ ? y : height_ - 1 - y; }

    LONG width_ = 0;
    LONG height_ = 0;
    int bitCount_ = 32;
    LONG stride_ = 0;
    bool topDown_ = true;
    bool fiveSixFive_ = false;
    std::vector<RGBQUAD> colors_;
    std::unique_ptr<BYTE[]> owned_;
    BYTE* bits_ = nullptr;
};

// The colour table a bitmap of this depth has when none is given: black and
// white for 1 bit, the sixteen classic colours for 4, and for 8 bits the
// twenty system colours in a 6x6x6 cube.
std::vector<RGBQUAD> DefaultColorTable(int bitCount);

}  // namespace platform
